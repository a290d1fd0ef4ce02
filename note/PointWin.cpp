#include "note/PointWin.h"

#include "framework/Trace.h"
#include "note/ArrowGeometry.h"
#include "res/resource.h"

namespace {

const COLORREF kYellow = RGB(255, 255, 0);

}  // namespace

CPointWin::CPointWin() : CDialog(IDD_POINTWIN), m_brYellow(CreateSolidBrush(kYellow)) {}

CPointWin::~CPointWin() { DeleteObject(m_brYellow); }

bool CPointWin::DestroyWindow() {
    m_hRgn = nullptr;
    return CDialog::DestroyWindow();
}

int CPointWin::OnCreate(CREATESTRUCTW* cs) {
    Trace("MemletWin Create!\n");
    int result = CDialog::OnCreate(cs);
    // The line enables its handle once it has made it.
    SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)(GetStyle() | WS_DISABLED));
    return result;
}

bool CPointWin::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowPos(m_hWnd, nullptr, 0, 0, kPointSize, kPointSize, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HRGN rgn = CreateEllipticRgn(0, 0, kPointSize, kPointSize);
    if (SetWindowRgn(m_hWnd, rgn, TRUE))
        m_hRgn = rgn;
    else
        DeleteObject(rgn);
    return true;
}

LRESULT CPointWin::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN) {
        // The user drags the handle as if by its caption.
        POINT pt{(short)LOWORD(lp), (short)HIWORD(lp)};
        ClientToScreen(m_hWnd, &pt);
        Send(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
        // The drag's loop runs timers: the line, and this handle with it,
        // may be gone now.
        return 0;
    }
    return CDialog::WindowProc(msg, wp, lp);
}

HBRUSH CPointWin::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    if (ctlType != CTLCOLOR_DLG)
        return CDialog::OnCtlColor(dc, ctl, ctlType);
    SetBkColor(dc, kYellow);
    return m_brYellow;
}

void CPointWin::OnMove(int, int) {
    Default();
    if (m_pListener)
        m_pListener->notifyPointMove(m_nIndex);
}

void CPointWin::OnLButtonDblClk(UINT flags, POINT pt) {
    if (m_pListener)
        m_pListener->notifyPointDblClk(m_nIndex, flags, pt);
    Default();
}
