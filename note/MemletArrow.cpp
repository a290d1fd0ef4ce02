// The note's side of its leader line: turning it on and off, its points
// for saving, and what the line takes from the note.
#include "note/ArrowGeometry.h"
#include "note/ArrowWin.h"
#include "note/MemletWin.h"

void CMemletWin::ShowArrow() {
    if (m_arrow.m_nArwFlag == 1)
        return;
    m_arrow.m_nArwFlag = 1;
    CreateArrowWin();
}

CArrowWin* CMemletWin::NewArrowWin() { return new CArrowWin; }

void CMemletWin::CreateArrowWin() {
    // Without a target nothing changes, the stored points neither.
    if (!::IsWindow(m_hWndTarget))
        return;
    if (m_arrow.m_nStartX == kNeverPlaced)
        InitArrowPoints();
    CArrowWin* line = NewArrowWin();
    line->m_arrow = m_arrow;
    line->m_nAlpha = m_nAlpha;
    GetScreenClientRect(m_hWnd, line->m_rectNote);
    line->m_rectPickBar = m_stPickBar.GetWindowRect();
    GetScreenClientRect(m_hWndTarget, line->m_rectTarget);
    if (!line->Create(m_hWnd)) {
        delete line;
        return;
    }
    m_pArrowWin = line;
    setArrowBkColor();
    setArrowColor();
    setArrowWidth();
    line->ShowWindow(SW_SHOW);
    line->EnableWindow(true);
}

void CMemletWin::DestroyArrowWin() {
    getArrowData();
    // Off also without a window: a line whose target was gone stays off.
    m_arrow.m_nArwFlag = 0;
    if (CArrowWin* line = m_pArrowWin) {
        m_pArrowWin = nullptr;
        line->DestroyWindow();
    }
}

CArrowData CMemletWin::getArrowData() {
    if (CArrowWin* line = ShownArrow()) {
        CArrowData live = line->getArrowData();
        m_arrow.m_nStartX = live.m_nStartX;
        m_arrow.m_nStartY = live.m_nStartY;
        m_arrow.m_nEndX = live.m_nEndX;
        m_arrow.m_nEndY = live.m_nEndY;
    }
    return m_arrow;
}

void CMemletWin::InitArrowPoints() {
    RECT n = GetWindowRect();
    POINT start = DefaultStartOffset(n);
    m_arrow.m_nStartX = start.x;
    m_arrow.m_nStartY = start.y;
    POINT end = BelowCentre(n);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (GetMonitorInfoW(MonitorFromPoint(end, MONITOR_DEFAULTTONEAREST), &mi))
        end = KeepOffWorkEdges(end, mi.rcWork);
    if (!::IsWindow(m_hWndTarget))
        return;
    RECT t{};
    GetScreenClientRect(m_hWndTarget, t);
    POINT offset = OffsetFrom(end, POINT{t.left, t.top});
    m_arrow.m_nEndX = offset.x;
    m_arrow.m_nEndY = offset.y;
}

void CMemletWin::setArrowBkColor() {
    if (CArrowWin* line = ShownArrow()) {
        line->m_crOutside = getBkColor();
        line->UpdateLineColor();
        line->Invalidate();
    }
}

void CMemletWin::setArrowColor() {
    if (CArrowWin* line = ShownArrow()) {
        line->m_crInside = PickBarColor(m_nColor);
        line->UpdateLineColor();
        line->Invalidate();
    }
}

void CMemletWin::setArrowWidth() {
    if (CArrowWin* line = ShownArrow()) {
        line->m_nLineWidth = m_nArLineWidth;
        line->Invalidate();
    }
}

void CMemletWin::UpdateArrowRects() {
    CArrowWin* line = ShownArrow();
    if (!line || !::IsWindow(m_hWndTarget))
        return;
    RECT target{}, note{};
    GetScreenClientRect(m_hWndTarget, target);
    GetScreenClientRect(m_hWnd, note);
    line->UpdateRects(target, note, m_stPickBar.GetWindowRect());
}
