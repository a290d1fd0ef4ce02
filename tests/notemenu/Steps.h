// Drives what opens inside a note's own loops (its menu, boxes and
// dialogs) as the user would: steps run one after another from a thread
// timer, inside whichever loop is running then; a step that returns false
// is tried again at the next tick. No step may pump messages itself: the
// menu's loop would lose its input to ours.
#pragma once
#include <windows.h>

#include <functional>
#include <vector>

class CSteps {
public:
    explicit CSteps(std::vector<std::function<bool()>> steps);
    ~CSteps();
    CSteps(const CSteps&) = delete;
    CSteps& operator=(const CSteps&) = delete;

    bool Done() const { return m_next >= m_steps.size(); }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    std::vector<std::function<bool()>> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
};

// The open popup menu windows of this thread, the innermost first.
std::vector<HWND> OpenMenus();
HMENU MenuOf(HWND menuWnd);
// The menu window showing menu, or null.
HWND MenuWindowOf(HMENU menu);
// A visible dialog of this thread owned by owner, or null.
HWND OwnedDialog(HWND owner);
// A visible window of this thread with the caption, or null.
HWND WindowWithCaption(const char* caption);

// Input as the user gives it, without pumping.
void SendClickAt(POINT at, bool right = false);
