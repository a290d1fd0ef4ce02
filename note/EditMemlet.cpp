#include "note/EditMemlet.h"

#include "note/Gradation.h"

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
    CByteLimitEdit::OnReflectCommand(code);
    // Text drawn over a gradation leaves its old pixels behind.
    if ((code == EN_CHANGE || code == EN_VSCROLL) && m_nGradation)
        Invalidate(true);
    return false;
}
