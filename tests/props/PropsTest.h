// What the property and initial-value tests share: message boxes recorded
// and answered with OK, keys given through the system's input as a user
// presses them, and waiting while our loop runs.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// While it lives, every box of the program is recorded and answered OK.
class CBoxRecorder {
public:
    CBoxRecorder();
    ~CBoxRecorder();
    // The texts shown since the last call.
    std::vector<std::string> Take();
};

class CDialog;
// A button pressed by the mouse (BM_CLICK), and what it set off handled.
void Click(HWND dlg, int id);
void Click(CDialog& dlg, int id);

// Runs the script once, on the first visible window of this thread of the
// given class that is not one of those open when the watcher was made.
class CNewWindowScript {
public:
    CNewWindowScript(const wchar_t* className, std::function<void(HWND)> script);
    ~CNewWindowScript();
    bool Ran() const { return m_ran; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    std::wstring m_class;
    std::vector<HWND> m_before;
    std::function<void(HWND)> m_script;
    UINT_PTR m_timer = 0;
    bool m_ran = false;
};

// Runs our message loop until done() holds or ms have passed.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = 5000);
