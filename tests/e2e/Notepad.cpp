#include "e2e/Notepad.h"

#include "e2e/CorvanaWindows.h"

bool CNotepad::Start() {
    m_hWnd = nullptr;
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    if (!m_process.Start(std::wstring(windows) + L"\\notepad.exe"))
        return false;
    bool shown = WaitFor([this] {
        for (HWND hwnd : TopLevelWindows(Pid())) {
            if (ClassOf(hwnd) == L"Notepad" && IsWindowVisible(hwnd)) {
                m_hWnd = hwnd;
                return true;
            }
        }
        return false;
    });
    if (!shown)
        return false;
    const RECT r = kNotepadRect;
    SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return WaitFor([this] {
        RECT now = WindowRect(m_hWnd);
        return now.left == kNotepadRect.left && now.top == kNotepadRect.top && now.right == kNotepadRect.right &&
               now.bottom == kNotepadRect.bottom;
    });
}

bool CNotepad::Close() {
    if (!m_hWnd || !PostMessageW(m_hWnd, WM_CLOSE, 0, 0))
        return false;
    m_hWnd = nullptr;
    return m_process.WaitEnd();
}

std::string NotepadTitle(HWND notepad) { return TextOf(notepad); }
