// One Corvana.exe run from a program folder, driven from outside: its main
// window, the extension-utility message and the menu commands.
#pragma once
#include <windows.h>

#include <string>

#include "e2e/ChildProcess.h"
#include "e2e/ProgramFolder.h"

// Menu commands of the notification-area icon.
constexpr UINT kCommandExit = 32772;           // "終了"
constexpr UINT kCommandSave = 32795;           // "手動保存"
constexpr UINT kCommandPasteDesktop = 32782;   // a note on the desktop
// The icon's callback message, as the shell sends it.
constexpr UINT kTrayNotify = WM_USER + 100;

// The extension utility's message, by its wParam.
enum : WPARAM { kAskHandle = 0, kHandleReply = 1, kAskTarget = 2, kAskAlive = 3 };
UINT ExtentUtlMessage();

class CCorvana {
public:
    explicit CCorvana(const CProgramFolder& folder) : m_folder(folder) {}

    // From its program folder, or from another current directory.
    bool Start(const std::wstring& currentDir = {});
    // Its main window is there and answers.
    bool WaitReady(DWORD timeoutMs = kWaitMs);
    HWND MainWindow() const { return m_hWndMain; }
    DWORD Pid() const { return m_process.Pid(); }
    CChildProcess& Process() { return m_process; }

    // The extension utility's message, sent; -1 when it is not answered.
    LRESULT Ask(WPARAM wp, LPARAM lp) const;
    bool Alive() const { return Ask(kAskAlive, 0) == 1; }
    // Posted, as the menu of the notification-area icon posts it.
    bool Command(UINT id) const;
    bool WaitEnd(DWORD timeoutMs = kWaitMs) const { return m_process.WaitEnd(timeoutMs); }
    void Kill() { m_process.Kill(); }

private:
    const CProgramFolder& m_folder;
    CChildProcess m_process;
    HWND m_hWndMain = nullptr;
};

// No instance of Corvana holds its single-instance mutex.
bool NoCorvanaRunning();
