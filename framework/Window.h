// A thin wrapper of a window handle that does not own the window: copy it,
// attach and detach it freely. Text goes in and out as CP932.
#pragma once
#include <windows.h>

#include <string>

class CWindow {
public:
    HWND m_hWnd = nullptr;

    CWindow() = default;
    explicit CWindow(HWND hwnd) : m_hWnd(hwnd) {}

    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach() {
        HWND h = m_hWnd;
        m_hWnd = nullptr;
        return h;
    }
    HWND Hwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }

    std::string GetText() const;
    void SetText(const std::string& text);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::string GetDlgText(int id) const;
    void SetDlgText(int id, const std::string& text);

    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(m_hWnd, msg, wp, lp); }
    bool Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return PostMessageW(m_hWnd, msg, wp, lp) != 0; }

    bool EnableWindow(bool enable = true) { return ::EnableWindow(m_hWnd, enable) != 0; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != 0; }
    bool ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd) != 0; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != 0; }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    DWORD GetStyle() const { return (DWORD)GetWindowLongW(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)GetWindowLongW(m_hWnd, GWL_EXSTYLE); }

    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    bool MoveWindow(const RECT& r, bool repaint = true);
    void Invalidate(bool erase = true) { InvalidateRect(m_hWnd, nullptr, erase); }
    void SetRedraw(bool redraw) { Send(WM_SETREDRAW, redraw); }
    void SetFont(HFONT font, bool redraw = true) { Send(WM_SETFONT, (WPARAM)font, redraw); }
    HFONT GetFont() const { return (HFONT)Send(WM_GETFONT); }

    // Centres the window on ref (its owner when null), or in the work area
    // of the main window's monitor when ref is none, hidden or minimised;
    // a top-level window is kept inside that monitor's work area.
    void CenterWindow(HWND ref = nullptr);

    UINT_PTR SetTimer(UINT_PTR id, UINT ms) { return ::SetTimer(m_hWnd, id, ms, nullptr); }
    bool KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id) != 0; }
};

// The text of any window as CP932, and as the window holds it.
std::string GetWindowTextCp932(HWND hwnd);
std::wstring GetWindowTextWide(HWND hwnd);
