#include "app/TesselinApp.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <vector>

#include "app/CrashTrace.h"
#include "app/TesselinDlg.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "platform/MultiDisplay.h"
#include "storage/MemletDataStore.h"

CTesselinApp theApp;
int g_bDebugMode = 0;
std::string g_strCurrentDir;

BOOL WINAPI ConsoleCtrlHandler(DWORD) { return TRUE; }

// The program's own folder, from its module, whatever the command line or
// the starting folder say.
static std::wstring ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), (DWORD)path.size());
        if (n == 0)
            return {};
        if (n < path.size()) {
            std::wstring p(path.data(), n);
            size_t slash = p.find_last_of(L'\\');
            return slash == std::wstring::npos ? std::wstring() : p.substr(0, slash);
        }
        path.resize(path.size() * 2);
    }
}

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

    std::wstring folder = ProgramFolder();
    g_strCurrentDir = FromWide(folder);
    if (!folder.empty())
        SetCurrentDirectoryW(folder.c_str());
    Trace("CurrentDir=%s", g_strCurrentDir.c_str());

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
