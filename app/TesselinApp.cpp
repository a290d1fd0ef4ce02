#include "app/TesselinApp.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>

#include "app/CrashLogTrim.h"
#include "app/CrashTrace.h"
#include "app/ProgramFolder.h"
#include "app/TesselinDlg.h"
#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "platform/MultiDisplay.h"
#include "storage/MemletDataStore.h"

CTesselinApp theApp;
int g_bDebugMode = 0;
std::wstring g_strCurrentDir;

BOOL WINAPI ConsoleCtrlHandler(DWORD) { return TRUE; }

BOOL CTesselinApp::InitInstance() {
    // A crash leaves its line beside the data files, where the user looks.
    InstallCrashTrace(ProgramFolder());
    INITCOMMONCONTROLSEX icc{sizeof icc, 0xFF | ICC_LINK_CLASS};
    InitCommonControlsEx(&icc);

    // Held until the process ends.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "__CORVANA_TAMBERLO__");
    if (!mutex) {
        WriteEndTrace("the single-instance mutex could not be made", GetLastError());
        return FALSE;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        MessageBoxW(nullptr, ToWide("     Corvanaは既に起動されています.     ").c_str(), ToWide("２重起動").c_str(),
                    MB_OK);
        return FALSE;
    }
    // Only the one instance cuts the log, which only it writes to.
    TrimCrashLog(ProgramFolder());

    int argc = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc)) {
        for (int i = 1; i < argc; i++) {
            std::string arg = FromWide(argv[i]);
            char label[32];
            snprintf(label, sizeof label, "%d番目の引数", i);
            Trace("%s=%s\n", label, arg.c_str());
            if (arg == "-Q584") {
                g_bDebugMode = 1;
                Trace("DEBUGMODE ON\n");
            }
        }
        LocalFree(argv);
    }

    if (g_bDebugMode) {
        AllocConsole();
        freopen("CONOUT$", "w", stdout);
        freopen("CONIN$", "r", stdin);
        SetConsoleCtrlHandler(ConsoleCtrlHandler, TRUE);
    } else {
        freopen("NUL", "w", stdout);
        freopen("NUL", "r", stdin);
    }
    // Outside debug mode trace lines would reach only the null device.
    EnableTrace(g_bDebugMode != 0);
    Trace("********** Start Tesselin DEBUG MODE  *******\n");
    if (g_bDebugMode)
        Trace("DEBUG_MODE ON\n");
    Trace("PORTABLE VERSION START\n");

    g_strCurrentDir = ProgramFolder();
    bool entered = EnterProgramFolder(g_strCurrentDir);
    Trace("CurrentDir=%s", FromWide(g_strCurrentDir).c_str());
    // Never another folder's files: without its own, the program does not run.
    if (!entered) {
        AppMessageBox(UnservedFolderMessage(g_strCurrentDir), MB_OK);
        return FALSE;
    }

    if (!g_pMemletDataStore)
        g_pMemletDataStore = new CMemletDataStore;
    CMultiDisplay::GetInstance()->EnumMonitors();

    {
        CTesselinDlg dlg;
        // Only 終了 ends it with IDOK; nothing else should end it at all.
        INT_PTR result = dlg.DoModal();
        if (result == -1)
            WriteEndTrace("the main window could not be made", GetLastError());
        else if (result != IDOK)
            WriteEndTrace("the main window ended without the exit command", 0);
    }

    CMultiDisplay::DeleteInstance();
    delete g_pMemletDataStore;
    g_pMemletDataStore = nullptr;
    if (g_bDebugMode) {
        FreeConsole();
        Sleep(1000);
    }
    return FALSE;
}
