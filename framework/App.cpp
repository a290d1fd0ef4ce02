#include "framework/App.h"

#include <unordered_set>

#include "framework/Trace.h"
#include "framework/Wnd.h"

static HWND g_hwndMain;
static std::unordered_set<HWND> g_dialogs;

HINSTANCE AppInstance() { return GetModuleHandleA(nullptr); }
HWND AppMainWindow() { return g_hwndMain; }
void AppSetMainWindow(HWND hwnd) { g_hwndMain = hwnd; }

void AppAddDialog(HWND dlg) { g_dialogs.insert(dlg); }
void AppRemoveDialog(HWND dlg) { g_dialogs.erase(dlg); }

static bool WalkPreTranslate(MSG& msg) {
    for (HWND h = msg.hwnd; h; h = (GetWindowLongW(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr) {
        CWnd* wnd = CWnd::FromHandle(h);
        if (!wnd)
            continue;
        try {
            if (wnd->PreTranslateMessage(msg))
                return true;
        } catch (...) {
            Trace("PreTranslateMessage: exception, message 0x%04x\n", msg.message);
        }
    }
    return false;
}

bool AppPreTranslateMessage(MSG& msg) {
    if (!msg.hwnd)
        return false;
    if (WalkPreTranslate(msg))
        return true;
    // Hundreds of notes are dialogs: look up the one the message is for
    // instead of asking each of them.
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    return root && g_dialogs.count(root) && IsDialogMessageW(root, &msg);
}

bool AppPumpMessage(int& exitCode) {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        exitCode = (int)msg.wParam;
        return false;
    }
    if (!AppPreTranslateMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

int AppRunMessageLoop() {
    int exitCode = 0;
    while (AppPumpMessage(exitCode)) {
    }
    return exitCode;
}
