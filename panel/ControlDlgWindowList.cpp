// The tracking tick: the candidate windows listed anew, then every note
// finds, keeps or loses its window.
#include "panel/ControlDlg.h"
#include "panel/PanelTimers.h"

namespace {

// Set for the matching of one tick, cleared however it ends.
class CTickScope {
public:
    explicit CTickScope(bool& inTick) : m_inTick(inTick) { m_inTick = true; }
    ~CTickScope() { m_inTick = false; }
    CTickScope(const CTickScope&) = delete;
    CTickScope& operator=(const CTickScope&) = delete;

private:
    bool& m_inTick;
};

}  // namespace

void CControlDlg::OnTrackingTick() {
    KillTimer(kTimerTracking);
    UpdateWindowList();
    {
        // A window closing with many notes on it closes them all in this
        // loop: one refill and one save for all of them, after it, instead
        // of one of each for every note.
        CTickScope scope(m_bInTick);
        // A record may leave the list while another one is matched (a note
        // window's notification): the end is read anew each time.
        for (size_t i = 0; i < m_MemletList.size(); i++) {
            if (!IsHeld(m_MemletList[i].m_nSerial))
                m_MemletList[i].FindMatch(m_WinInfList);
        }
    }
    if (m_bListChanged) {
        m_bListChanged = false;
        UpdateList();
        SaveOnChange();
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
