#include "framework/Window.h"

#include "framework/App.h"
#include "framework/Rects.h"
#include "framework/Text.h"

std::wstring GetWindowTextWide(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    if (n <= 0)
        return {};
    std::wstring w(n + 1, L'\0');
    n = GetWindowTextW(hwnd, w.data(), n + 1);
    w.resize(n > 0 ? n : 0);
    return w;
}

std::string GetWindowTextCp932(HWND hwnd) { return FromWide(GetWindowTextWide(hwnd)); }

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

void CWindow::CenterWindow(HWND ref) {
    if (!ref)
        ref = ::GetWindow(m_hWnd, GW_OWNER);
    RECT me = GetWindowRect();
    SIZE size{me.right - me.left, me.bottom - me.top};
    if (GetStyle() & WS_CHILD) {
        RECT parent = CWindow(GetParent()).GetClientRect();
        RECT r = CenterIn(parent, size);
        ::SetWindowPos(m_hWnd, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    bool onRef = ref && ::IsWindowVisible(ref) && !::IsIconic(ref);
    RECT around{};
    HMONITOR monitor;
    if (onRef) {
        ::GetWindowRect(ref, &around);
        monitor = MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST);
    } else {
        HWND main = AppMainWindow();
        monitor = MonitorFromWindow(main ? main : m_hWnd, MONITOR_DEFAULTTOPRIMARY);
    }
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    RECT r;
    if (GetMonitorInfoW(monitor, &mi))
        r = KeepInside(CenterIn(onRef ? around : mi.rcWork, size), mi.rcWork);
    else
        r = CenterIn(around, size);
    ::SetWindowPos(m_hWnd, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
