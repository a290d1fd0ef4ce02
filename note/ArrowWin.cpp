#include "note/ArrowWin.h"

#include "framework/Trace.h"
#include "model/PropatyData.h"
#include "note/ArrowGeometry.h"
#include "res/resource.h"

namespace {

constexpr UINT_PTR kTimerRepaint = 2001;
constexpr UINT kRepaintMs = 10;

POINT TopLeft(const RECT& r) { return POINT{r.left, r.top}; }

void TraceRect(const char* format, const RECT& r) {
    Trace(format, (int)r.top, (int)r.bottom, (int)r.left, (int)r.right);
}

// Moved with its size kept; the handle reports the move itself.
void MoveHandle(CPointWin& handle, POINT to) {
    SetWindowPos(handle.m_hWnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CArrowWin::CArrowWin()
    : CDialog(IDD_ARROWWIN), m_nLineWidth(g_nArrowLineWidth), m_brKey(CreateSolidBrush(kArrowKey)) {}

CArrowWin::~CArrowWin() { DeleteObject(m_brKey); }

bool CArrowWin::Create(HWND note) {
    m_bCreated = CDialog::Create(note);
    return m_bCreated;
}

bool CArrowWin::DestroyWindow() {
    // The handles go first, and what they report on the way is no move of
    // the user's.
    m_bDestroying = true;
    return CDialog::DestroyWindow();
}

void CArrowWin::PostNcDestroy() {
    if (m_bCreated)
        delete this;
}

bool CArrowWin::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, (LONG)(GetExStyle() | WS_EX_LAYERED));
    ApplyAlpha();
    CPointWin* handles[] = {&m_pointStart, &m_pointEnd};
    for (int i = 0; i < 2; i++) {
        handles[i]->m_nIndex = i;
        handles[i]->Create(m_hWnd);
        handles[i]->EnableWindow(true);
        handles[i]->ShowWindow(SW_HIDE);
    }
    m_pointStart.m_pListener = this;
    m_pointEnd.m_pListener = this;
    PlaceHandles();
    Invalidate();
    // One full repaint once the window has settled.
    SetTimer(kTimerRepaint, kRepaintMs);
    return true;
}

void CArrowWin::ApplyAlpha() { SetLayeredWindowAttributes(m_hWnd, m_crKey, m_nAlpha, LWA_COLORKEY | LWA_ALPHA); }

void CArrowWin::PlaceHandles() {
    // Both places first: the start's move writes back the end's offset from
    // where the end still is.
    POINT start = PointAt(TopLeft(m_rectNote), m_arrow.m_nStartX, m_arrow.m_nStartY);
    POINT end = PointAt(TopLeft(m_rectTarget), m_arrow.m_nEndX, m_arrow.m_nEndY);
    MoveHandle(m_pointStart, start);
    TraceRect("STARTPOINT top=%d, bottom=%d, left=%d, right=%d\n", m_pointStart.GetWindowRect());
    MoveHandle(m_pointEnd, end);
    TraceRect("ENDPOINT top=%d, bottom=%d, left=%d, right=%d\n", m_pointEnd.GetWindowRect());
}

void CArrowWin::UpdateRects(const RECT& target, const RECT& note, const RECT& pickBar) {
    m_rectTarget = target;
    m_rectNote = note;
    m_rectPickBar = pickBar;
    TraceRect("TARTGET WIN top=%d, bottom=%d, left=%d, right=%d\n", target);
    Trace("TARGET x=%d, y=%d\n", (int)target.left, (int)target.top);
    PlaceHandles();
    RECT end = m_pointEnd.GetWindowRect();
    Trace("EndPoint x=%d, y=%d\n", (int)end.left, (int)end.top);
    ClampStart();
}

bool CArrowWin::ClampStart() {
    RECT h = m_pointStart.GetWindowRect();
    if (!ClampIntoNote(h, m_rectNote))
        return false;
    m_pointStart.MoveWindow(h, true);
    return true;
}

void CArrowWin::UpdateLineColor() {
    POINT start = CentreOf(m_pointStart.GetWindowRect());
    m_crLine = PtInRect(&m_rectPickBar, start) ? m_crInside : m_crOutside;
}

void CArrowWin::Fit() {
    RECT f = FitAround(m_pointStart.GetWindowRect(), m_pointEnd.GetWindowRect());
    // Only its place and size change: the line takes no activation from
    // the note's text.
    SetWindowPos(m_hWnd, nullptr, f.left, f.top, f.right - f.left, f.bottom - f.top,
                 SWP_NOZORDER | SWP_NOCOPYBITS | SWP_NOACTIVATE);
    // The line is drawn relative to the window: all of it changes.
    Invalidate();
}

void CArrowWin::notifyPointMove(int index) {
    if (m_bDestroying)
        return;
    if (index == 0) {
        // A clamped start reports its new place itself.
        if (ClampStart())
            return;
        UpdateLineColor();
    }
    Fit();
    POINT start = OffsetFrom(TopLeft(m_pointStart.GetWindowRect()), TopLeft(m_rectNote));
    POINT end = OffsetFrom(TopLeft(m_pointEnd.GetWindowRect()), TopLeft(m_rectTarget));
    m_arrow.m_nStartX = start.x;
    m_arrow.m_nStartY = start.y;
    m_arrow.m_nEndX = end.x;
    m_arrow.m_nEndY = end.y;
}

void CArrowWin::notifyPointDblClk(int, UINT, POINT) {
    if (m_bDestroying)
        return;
    HideHandles();
}

void CArrowWin::HideHandles() {
    m_pointStart.ShowWindow(SW_HIDE);
    m_pointEnd.ShowWindow(SW_HIDE);
}

HBRUSH CArrowWin::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    if (ctlType != CTLCOLOR_DLG)
        return CDialog::OnCtlColor(dc, ctl, ctlType);
    SetBkColor(dc, m_crKey);
    return m_brKey;
}

void CArrowWin::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    POINT origin = TopLeft(GetWindowRect());
    POINT s = OffsetFrom(CentreOf(m_pointStart.GetWindowRect()), origin);
    POINT e = OffsetFrom(CentreOf(m_pointEnd.GetWindowRect()), origin);
    HPEN pen = CreatePen(PS_SOLID, ArrowPenWidth(m_nLineWidth), m_crLine);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, s.x, s.y, nullptr);
    LineTo(dc, e.x, e.y);
    POINT head[3];
    if (ArrowHead(s, e, ArrowHeadLength(m_nLineWidth), head)) {
        // Filled only: the head has no outline of its own.
        BeginPath(dc);
        MoveToEx(dc, head[0].x, head[0].y, nullptr);
        LineTo(dc, head[1].x, head[1].y);
        LineTo(dc, head[2].x, head[2].y);
        CloseFigure(dc);
        EndPath(dc);
        HBRUSH brush = CreateSolidBrush(m_crLine);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        FillPath(dc);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    EndPaint(m_hWnd, &ps);
}

void CArrowWin::OnLButtonDown(UINT, POINT) {
    Trace("CArrowWin::OnLButtonDown()\n");
    if (m_pointStart.IsWindowVisible()) {
        HideHandles();
    } else {
        m_pointStart.ShowWindow(SW_SHOW);
        m_pointEnd.ShowWindow(SW_SHOW);
        m_pointStart.EnableWindow(true);
        m_pointEnd.EnableWindow(true);
    }
    Default();
}

void CArrowWin::OnShowWindow(bool show, UINT status) {
    Trace("CArrowWin::OnShowWindow(bShow=%d, nStatus=%d\n", show ? 1 : 0, (int)status);
    if (!show)
        HideHandles();
    Default();
}

void CArrowWin::OnTimer(UINT_PTR id) {
    if (id != kTimerRepaint) {
        CDialog::OnTimer(id);
        return;
    }
    Invalidate();
    KillTimer(kTimerRepaint);
}

void CArrowWin::OnKillFocus(HWND) {
    Trace("CArrowWin::OnKillFocus(CWnd* pNewWnd) \n");
    Default();
}
