#include "framework/Window.h"

#include "framework/Text.h"

std::string GetWindowTextCp932(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    if (n <= 0)
        return {};
    std::wstring w(n + 1, L'\0');
    n = GetWindowTextW(hwnd, w.data(), n + 1);
    w.resize(n > 0 ? n : 0);
    return FromWide(w);
}

std::string CWindow::GetText() const { return GetWindowTextCp932(m_hWnd); }

void CWindow::SetText(const std::string& text) { SetWindowTextW(m_hWnd, ToWide(text).c_str()); }

std::string CWindow::GetDlgText(int id) const { return GetWindowTextCp932(GetDlgItem(id)); }

void CWindow::SetDlgText(int id, const std::string& text) { SetDlgItemTextW(m_hWnd, id, ToWide(text).c_str()); }

RECT CWindow::GetClientRect() const {
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    return r;
}

RECT CWindow::GetWindowRect() const {
    RECT r{};
    ::GetWindowRect(m_hWnd, &r);
    return r;
}

bool CWindow::MoveWindow(const RECT& r, bool repaint) {
    return ::MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, repaint) != 0;
}
