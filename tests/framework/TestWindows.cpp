#include "framework/TestWindows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "framework/App.h"

namespace {

bool g_watchdogFired;

void CALLBACK OnWatchdog(HWND, UINT, UINT_PTR, DWORD) {
    g_watchdogFired = true;
    PostQuitMessage(0);
    // Wine's menu loop runs on past WM_QUIT: a menu left open would hold
    // the test until the run's time-out.
    EndMenu();
}

class CommonControls : public testing::Environment {
public:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
    }
};
const testing::Environment* const g_commonControls = testing::AddGlobalTestEnvironment(new CommonControls);

}  // namespace

Watchdog::Watchdog() {
    g_watchdogFired = false;
    m_timer = SetTimer(nullptr, 0, 5000, OnWatchdog);
}

Watchdog::~Watchdog() {
    KillTimer(nullptr, m_timer);
    if (g_watchdogFired) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ADD_FAILURE() << "the test's message loop did not end by itself";
    }
}

bool PumpUntil(const std::function<bool()>& done) {
    Watchdog watchdog;
    while (!done()) {
        int exitCode = 0;
        if (!AppPumpMessage(exitCode))
            return false;
    }
    return true;
}

void PumpFor(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, nullptr);  // wakes the loop
    PumpUntil([end] { return (LONG)(GetTickCount() - end) >= 0; });
    KillTimer(nullptr, timer);
}

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage((int)msg.wParam);
            return;
        }
        if (!AppPreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

bool PutOnClipboard(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(mem), text.c_str(), bytes);
    GlobalUnlock(mem);
    bool put = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
    CloseClipboard();
    return put;
}
