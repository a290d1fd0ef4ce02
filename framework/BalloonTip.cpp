#include "framework/BalloonTip.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/App.h"

namespace {

constexpr UINT_PTR kHideTimer = 0x7B11;  // apart from the tooltip's own
constexpr UINT kShownMs = 10000;
constexpr int kMaxWidth = 400;  // px: the text breaks its lines itself

// Below the caret's line (the start of the text when the edit has no
// focus), inside the edit, in screen coordinates.
POINT CaretPoint(HWND edit) {
    RECT client;
    GetClientRect(edit, &client);
    DWORD margins = (DWORD)SendMessageW(edit, EM_GETMARGINS, 0, 0);
    POINT pt{client.left + LOWORD(margins), client.top};
    if (GetFocus() == edit)
        GetCaretPos(&pt);
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, (HFONT)SendMessageW(edit, WM_GETFONT, 0, 0));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    pt.y += tm.tmHeight;
    pt.x = std::clamp<LONG>(pt.x, client.left, std::max(client.left, client.right - 1));
    pt.y = std::clamp<LONG>(pt.y, client.top, std::max(client.top, client.bottom - 1));
    ClientToScreen(edit, &pt);
    return pt;
}

}  // namespace

TTTOOLINFOW CBalloonTip::Tool() const {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = m_hEdit;
    ti.uId = 1;
    return ti;
}

bool CBalloonTip::Make(HWND edit) {
    HWND h = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             0, 0, 0, 0, GetAncestor(edit, GA_ROOT), nullptr, AppInstance(), nullptr);
    if (!h)
        return false;
    if (!BindBySubclass(h, true)) {
        ::DestroyWindow(h);
        return false;
    }
    m_hEdit = edit;
    TTTOOLINFOW ti = Tool();
    ti.lpszText = const_cast<wchar_t*>(L"");
    Send(TTM_ADDTOOLW, 0, (LPARAM)&ti);
    Send(TTM_SETMAXTIPWIDTH, 0, kMaxWidth);
    return true;
}

void CBalloonTip::Show(HWND edit, const std::wstring& title, const std::wstring& text) {
    EDITBALLOONTIP tip{sizeof tip, title.c_str(), text.c_str(), TTI_WARNING};
    if (SendMessageW(edit, EM_SHOWBALLOONTIP, 0, (LPARAM)&tip))
        return;
    // Refused (common controls without it): ours.
    if (!m_hWnd && !Make(edit))
        return;
    TTTOOLINFOW ti = Tool();
    ti.lpszText = const_cast<wchar_t*>(text.c_str());
    Send(TTM_UPDATETIPTEXTW, 0, (LPARAM)&ti);
    Send(TTM_SETTITLEW, TTI_WARNING, (LPARAM)title.c_str());
    POINT pt = CaretPoint(edit);
    Send(TTM_TRACKPOSITION, 0, MAKELPARAM(pt.x, pt.y));
    Send(TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
    SetTimer(kHideTimer, kShownMs);
    m_bShown = true;
}

void CBalloonTip::Hide() {
    if (!m_bShown)
        return;
    m_bShown = false;
    if (!IsWindow())
        return;
    TTTOOLINFOW ti = Tool();
    Send(TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
    KillTimer(kHideTimer);
}

void CBalloonTip::OnTimer(UINT_PTR id) {
    if (id == kHideTimer)
        Hide();
    else
        Default();
}

void CBalloonTip::OnLButtonDown(UINT, POINT) { Hide(); }
