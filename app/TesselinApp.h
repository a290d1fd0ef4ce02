// The application: one instance, its own folder as the current directory,
// the stored notes loaded, then the main window for the program's life.
#pragma once
#include <windows.h>

#include <string>

class CTesselinApp {
public:
    // The whole start-up, run and cleanup; the program ends when it returns.
    BOOL InitInstance();
};

extern CTesselinApp theApp;
extern int g_bDebugMode;  // "-Q584": trace lines in a console
extern std::wstring g_strCurrentDir;

// Ctrl+C and Ctrl+Break in the debug console do not end the program.
BOOL WINAPI ConsoleCtrlHandler(DWORD event);
