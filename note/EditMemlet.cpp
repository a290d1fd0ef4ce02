#include "note/EditMemlet.h"

#include "framework/Text.h"
#include "note/EditByteLimit.h"
#include "note/Gradation.h"

namespace {

std::wstring WideText(HWND hwnd) {
    int n = GetWindowTextLengthW(hwnd);
    std::wstring w(n > 0 ? n + 1 : 1, L'\0');
    n = GetWindowTextW(hwnd, w.data(), (int)w.size());
    w.resize(n > 0 ? n : 0);
    return w;
}

}  // namespace

void CEditMemlet::SetLimitedText(const std::string& text) {
    std::string cut = m_nByteLimit ? MbCut(text, m_nByteLimit) : text;
    m_bTrimming = true;  // the new text is the baseline, not a change to trim
    SetText(cut);
    m_bTrimming = false;
    m_accepted = WideText(m_hWnd);
}

void CEditMemlet::EnforceByteLimit() {
    if (!m_nByteLimit || m_bTrimming)
        return;
    std::wstring now = WideText(m_hWnd);
    DWORD selStart = 0, selEnd = 0;
    Send(EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
    size_t start = 0, count = 0;
    if (FindOverflow(m_accepted, now, selEnd, m_nByteLimit, start, count)) {
        m_bTrimming = true;
        Send(EM_SETSEL, start, start + count);
        Send(EM_REPLACESEL, FALSE, (LPARAM)L"");
        m_bTrimming = false;
        now = WideText(m_hWnd);
    }
    m_accepted = std::move(now);
}

LRESULT CEditMemlet::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The dialog manager selects an edit's whole text when it gives the
    // note the focus; a key typed then would replace the whole note.
    if (msg == WM_GETDLGCODE)
        return CEdit::WindowProc(msg, wp, lp) & ~DLGC_HASSETSEL;
    return CEdit::WindowProc(msg, wp, lp);
}

bool CEditMemlet::OnEraseBkgnd(HDC dc) {
    RECT r = GetClientRect();
    if (!m_nGradation)
        PaintSolid(dc, r, m_crBase);
    else
        PaintGradation(dc, r, m_crBase, m_nPattern);
    return true;
}

void CEditMemlet::OnMouseWheel(UINT flags, short delta, POINT screen) {
    if (m_pListener)
        m_pListener->notifyMouseWheel(flags, delta, screen);
    Default();
}

void CEditMemlet::OnMouseMove(UINT flags, POINT pt) {
    if (m_pListener)
        m_pListener->notifyMouseMove(flags, pt);
    Default();
}

void CEditMemlet::OnLButtonDown(UINT flags, POINT pt) {
    if (m_pListener)
        m_pListener->notifyButtonDown(flags, pt);
    Default();
}

void CEditMemlet::OnRButtonDown(UINT flags, POINT pt) {
    if (m_pListener)
        m_pListener->notifyButtonDown(flags, pt);
    Default();
}

bool CEditMemlet::OnReflectCommand(int code) {
    switch (code) {
    case EN_UPDATE:
        EnforceByteLimit();
        break;
    case EN_CHANGE:
        EnforceByteLimit();
        [[fallthrough]];
    case EN_VSCROLL:
        // Text drawn over a gradation leaves its old pixels behind.
        if (m_nGradation)
            Invalidate(true);
        break;
    }
    return false;
}
