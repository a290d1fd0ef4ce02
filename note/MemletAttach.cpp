// The record's side of its note window: opening it on attach with every
// stored value, copying its state back, closing it on detach.
#include <ctime>

#include "framework/App.h"
#include "framework/Rects.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "model/MemletData.h"
#include "model/PropatyData.h"
#include "note/MemletWin.h"
#include "panel/Hub.h"

void CMemletData::OnMatch(HWND target) { StartMemlet(target); }

void CMemletData::OnLost() {
    CObjData::OnLost();
    EndMemlet();
}

void CMemletData::StartMemlet(HWND target) {
    if (m_bAttached || !IsWindow(target))
        return;
    m_bAttached = 1;
    m_hWndTarget = target;
    auto* win = new CMemletWin;
    if (!win->Create(target)) {
        delete win;
        m_pMemletWin = nullptr;
        // Detached again, so that the next tick tries anew.
        m_bAttached = 0;
        return;
    }
    m_pMemletWin = win;
    win->m_bDesktop = m_strExeName == "DESKTOP" ? 1 : 0;

    win->setTargetWnd(target);
    win->setText(m_strText);
    win->setReadOnly(m_nReadOnly);
    win->m_nBkTransparent = m_nBkTransparent;
    win->UpdateEditLook();
    win->setTransparent(m_nTransparent);
    win->m_nMouseHideCtl = m_nMouseHideCtl;
    win->m_nColor = m_nColor;
    win->setFrame(m_nFrame);
    win->m_nPickPos = m_nPickPos;
    win->m_nBkColor = m_nBkColor;
    win->UpdateEditLook();
    win->m_nTxColor = m_nTxColor;
    win->m_nGraFlg = m_nGraFlg;
    win->m_nGraPtn = m_nGraPtn;
    win->UpdateEditLook();
    win->setFont(m_logFont);
    win->m_reserve = m_reserve;

    if (m_rectWin.left == m_rectWin.right) {
        // The initial size, centred on the target as a dialog centres itself.
        RECT r = win->GetWindowRect();
        ::MoveWindow(win->m_hWnd, r.left, r.top, g_nIniWidth, g_nIniHeight, TRUE);
        win->CenterWindow(target);
    } else
        win->MoveWindow(OffsetRectClamped(m_rectWin, 0, 0), true);

    win->m_rectTarget = m_rectTarget;
    Trace("●●StartMemlet! title=%s, hWnd=0x%08x, MemletWin=0x%08x\n", m_strTitle.c_str(),
          (unsigned)(UINT_PTR)target, (unsigned)(UINT_PTR)win->m_hWnd);
    win->m_arrow = m_arrow;
    win->m_nArLineWidth = m_nArLineWidth;
    win->StartTracking();
    win->ShowWindow(SW_SHOW);
}

void CMemletData::EndMemlet() {
    if (!m_bAttached)
        return;
    m_bAttached = 0;
    Trace("EndMemlet! title=%s\n", m_strTitle.c_str());
    if (!m_pMemletWin)
        return;
    GetWindowData();
    m_pMemletWin->DestroyWindow();
    m_pMemletWin = nullptr;
    m_bDirty = 1;
    // Last: the panel's list, this record's place in it, may change while
    // the panel saves (a failed save asks the user).
    NotifyUpdateWindow();
}

void CMemletData::GetWindowData() {
    CMemletWin* win = m_pMemletWin;
    m_strText = MbCut(win->getText(), kMemletTextLimit);
    m_rectWin = win->m_rectWin;
    m_rectTarget = win->m_rectTarget;
    m_nReadOnly = win->isReadOnly();
    m_nBkTransparent = win->m_nBkTransparent;
    m_nTransparent = win->m_nTransparent;
    m_nMouseHideCtl = win->m_nMouseHideCtl;
    m_nColor = win->m_nColor;
    m_nFrame = win->hasFrame();
    m_nPickPos = win->m_nPickPos;
    m_nBkColor = win->m_nBkColor;
    m_nTxColor = win->m_nTxColor;
    m_nGraFlg = win->m_nGraFlg;
    m_nGraPtn = win->m_nGraPtn;
    m_logFont = win->getLogFont();
    m_reserve = win->getReserveData();
    m_arrow = win->getArrowData();
    m_nArLineWidth = win->m_nArLineWidth;
    Trace("■■m_rectWin.top=%d, m_rectWin.left=%d\n", (int)m_rectWin.top, (int)m_rectWin.left);
}

void CMemletData::CopyWindow() {
    if (m_bAttached) {
        Trace("CopyWindow()! title=%s\n", m_strTitle.c_str());
        if (m_pMemletWin) {
            GetWindowData();
            m_rectWin = OffsetRectClamped(m_rectWin, 5, 5);
            m_pMemletWin = nullptr;
            m_bAttached = 0;
        }
    }
    m_reserve.m_nKind = 0;
}

void CMemletData::CopyWindowForExport() {
    if (m_bAttached) {
        Trace("CopyWindow()! title=%s\n", m_strTitle.c_str());
        if (m_pMemletWin) {
            GetWindowData();
            m_pMemletWin = nullptr;
            m_bAttached = 0;
        }
    }
    m_reserve.m_nDue = 0;
}

void CMemletData::SyncWindowData() {
    if (!m_bAttached)
        return;
    Trace("CopyWindow()! title=%s\n", m_strTitle.c_str());
    if (m_pMemletWin)
        GetWindowData();
}

void CMemletData::GetText(std::string* out) {
    if (!out)
        return;
    *out = m_bAttached && m_pMemletWin ? MbCut(m_pMemletWin->getText(), kMemletTextLimit) : m_strText;
}

void CMemletData::SetText(const std::string& text) {
    if (m_bAttached && m_pMemletWin)
        m_pMemletWin->setText(text);
    else
        m_strText = text;
}

void CMemletData::CenterOnTarget() {
    if (!m_bAttached || !IsWindow(m_hWndTarget) || !m_pMemletWin)
        return;
    RECT t, n = m_pMemletWin->GetWindowRect();
    GetWindowRect(m_hWndTarget, &t);
    m_pMemletWin->MoveWindow(CenterIn(t, SIZE{n.right - n.left, n.bottom - n.top}), true);
}

void CMemletData::CenterOnMonitor() {
    if (!m_bAttached || !IsWindow(m_hWndTarget) || !m_pMemletWin)
        return;
    RECT t, n = m_pMemletWin->GetWindowRect();
    GetWindowRect(m_hWndTarget, &t);
    HMONITOR monitor = MonitorFromRect(&t, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!monitor || !GetMonitorInfoW(monitor, &mi))
        return;
    m_pMemletWin->MoveWindow(CenterIn(mi.rcWork, SIZE{n.right - n.left, n.bottom - n.top}), true);
}
