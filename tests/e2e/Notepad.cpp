#include "e2e/Notepad.h"

#include "e2e/CorvanaWindows.h"

bool CNotepad::Start(const RECT& place, const std::wstring& file) {
    m_hWnd = nullptr;
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    if (!m_process.Start(std::wstring(windows) + L"\\notepad.exe", file.empty() ? file : L"\"" + file + L"\""))
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
    SetWindowPos(m_hWnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return WaitFor([this, place] { return WindowRect(m_hWnd) == place; });
}

bool CNotepad::Close() {
    if (!m_hWnd || !PostMessageW(m_hWnd, WM_CLOSE, 0, 0))
        return false;
    m_hWnd = nullptr;
    return m_process.WaitEnd();
}

std::string NotepadTitle(HWND notepad) { return TextOf(notepad); }
