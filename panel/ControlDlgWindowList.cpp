// The tracking tick: the candidate windows listed anew, then every note
// finds, keeps or loses its window.
#include "panel/ControlDlg.h"
#include "panel/PanelTimers.h"

void CControlDlg::OnTrackingTick() {
    KillTimer(kTimerTracking);
    UpdateWindowList();
    // A record may leave the list while another one is matched (a note
    // window's notification): the end is read anew each time.
    for (size_t i = 0; i < m_MemletList.size(); i++) {
        if (!IsHeld(m_MemletList[i].m_nSerial))
            m_MemletList[i].FindMatch(m_WinInfList);
    }
    SetTimer(kTimerTracking, kTrackingMs);
}

void CControlDlg::UpdateWindowList() {
    m_WinInfList.clear();
    m_ProcessNames = CProcessNames();
    AddDesktopWinInf();
    EnumWindows(EnumWindowsProc, (LPARAM)this);
}

BOOL CALLBACK CControlDlg::EnumWindowsProc(HWND hwnd, LPARAM panel) noexcept {
    ((CControlDlg*)panel)->AddWinInf(hwnd);
    return TRUE;
}

void CControlDlg::AddDesktopWinInf() {
    CWinInf desktop;
    desktop.m_hWnd = GetDesktopWindow();
    desktop.m_strTitle = desktop.m_strProcessName = desktop.m_strPath = "DESKTOP";
    m_WinInfList.push_back(desktop);
}

void CControlDlg::AddWinInf(HWND hwnd) {
    CWinInf inf;
    RECT rect;
    if (ReadCandidateWindow(hwnd, m_ProcessNames, inf, rect))
        m_WinInfList.push_back(std::move(inf));
}
