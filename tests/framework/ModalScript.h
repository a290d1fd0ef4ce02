// Drives a modal dialog from inside its own message loop, as the user
// would: the script runs once, on the first window of this thread with the
// given caption to open, while the loop that opened it is still running.
//
//     CModalScript script("ウィンドウ選択", [](HWND dlg) { ChooseWindow(dlg, target); });
//     NotifyMove(note);  // returns once the script has closed the dialog
//     EXPECT_TRUE(script.Ran());
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/TestWindows.h"

// A dialog that does not open, or that the script does not close, ends in
// the watchdog's failure instead of a loop that waits for ever.
class CModalScript {
public:
    CModalScript(const std::string& caption, std::function<void(HWND)> script);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    bool Ran() const { return m_ran; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);

    Watchdog m_watchdog;
    std::wstring m_caption;
    std::function<void(HWND)> m_script;
    UINT_PTR m_timer = 0;
    bool m_ran = false;
};

// In the window selection dialog: the windows of its rows, in order; the
// row of a window chosen with OK; Cancel.
std::vector<HWND> ListedWindows(HWND dlg);
bool ChooseWindow(HWND dlg, HWND window);
void CancelDialog(HWND dlg);
