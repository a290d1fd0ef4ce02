// Making new notes: a copy of the template note given a target and put at
// the front of the note list. None of these opens the note window; the
// next tracking tick does.
#include <algorithm>
#include <cstring>
#include <ctime>

#include "framework/Rects.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "panel/ControlDlg.h"
#include "panel/ExtentUtlData.h"

namespace {

// The initial size around a point; the halves truncate toward zero.
RECT AroundPoint(int64_t x, int64_t y) {
    int64_t w = g_nIniWidth / 2, h = g_nIniHeight / 2;
    return OffsetRectClamped(RECT{0, 0, (LONG)(2 * w), (LONG)(2 * h)}, x - w, y - h);
}

void MakeDesktopNote(CMemletData& data) { data.m_strTitle = data.m_strExeName = data.m_strExePath = "DESKTOP"; }

}  // namespace

CMemletData CControlDlg::NewFromTemplate() const {
    CMemletData data = m_MemletTemplate;
    data.m_hWndTarget = nullptr;
    data.m_bAttached = 0;
    data.m_pMemletWin = nullptr;
    // Made now, not when the template was made at start-up.
    data.m_tGenDate = data.m_tAcsDate = _time64(nullptr);
    return data;
}

int CControlDlg::IsPasteTarget(HWND hwnd) {
    CProcessNames names;
    CWinInf inf;
    RECT rect;
    return ReadCandidateWindow(hwnd, names, inf, rect) ? 1 : 0;
}

void CControlDlg::PasteToWindow(HWND hwnd) {
    CProcessNames names;
    CWinInf inf;
    RECT rect;
    if (!ReadCandidateWindow(hwnd, names, inf, rect))
        return;
    CMemletData data = NewFromTemplate();
    data.m_strTitle = inf.m_strTitle;
    data.m_strExeName = inf.m_strProcessName;
    data.m_strExePath = inf.m_strPath;
    ApplyPreSetCond(hwnd, data);
    // Centred on the cursor when it is over the window; otherwise the note
    // opens centred on the window.
    POINT pt;
    if (GetCursorPos(&pt) && PtInRect(&rect, pt)) {
        data.m_rectWin = AroundPoint(pt.x, pt.y);
        data.m_rectTarget = rect;
    }
    InsertAtFront(std::move(data));
}

void CControlDlg::PasteToDesktop(int atCursor) {
    CMemletData data = NewFromTemplate();
    MakeDesktopNote(data);
    POINT pt;
    if (atCursor && GetCursorPos(&pt)) {
        int64_t x = pt.x, y = pt.y;
        // Only the right and bottom edges are kept in the work area.
        HMONITOR monitor = MonitorFromPoint(pt, MONITOR_DEFAULTTONULL);
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        if (monitor && GetMonitorInfoA(monitor, &mi)) {
            x = std::min<int64_t>(x, (int64_t)mi.rcWork.right - g_nIniWidth / 2);
            y = std::min<int64_t>(y, (int64_t)mi.rcWork.bottom - g_nIniHeight / 2);
        }
        data.m_rectWin = AroundPoint(x, y);
        ::GetWindowRect(GetDesktopWindow(), &data.m_rectTarget);
    }
    InsertAtFront(std::move(data));
}

void CControlDlg::PasteToWinInf(CWinInf winInf) {
    CMemletData data = NewFromTemplate();
    data.m_strTitle = winInf.m_strTitle;
    data.m_strExeName = winInf.m_strProcessName;
    data.m_strExePath = winInf.m_strPath;
    ApplyPreSetCond(winInf.m_hWnd, data);
    InsertAtFront(std::move(data));
}

void CControlDlg::PasteFromCopyData(const COPYDATASTRUCT* cds) {
    // From any process: a record shorter than its layout is not read.
    if (!cds || !cds->lpData || cds->cbData < kExtentUtlDataSize)
        return;
    EXTENTUTLDATA rec{};
    memcpy(&rec, cds->lpData, kExtentUtlDataSize);
    if (rec.nCheck1 != 1 || rec.nCheck2 != 1)
        return;
    HWND hwnd = (HWND)(UINT_PTR)rec.hWnd;
    bool desktop = hwnd == GetDesktopWindow();
    CMemletData data = NewFromTemplate();
    if (desktop) {
        MakeDesktopNote(data);
    } else {
        data.m_strTitle = ReadWindowTitle(hwnd);
        DWORD pid = 0;
        if (::IsWindow(hwnd) && GetWindowThreadProcessId(hwnd, &pid))
            CProcessNames().Lookup(pid, data.m_strExeName, data.m_strExePath);
    }
    data.m_nColor = rec.nColor;
    data.m_nPickPos = rec.nPickPos;
    data.m_nBkColor = rec.nBkColor;
    data.m_nTxColor = rec.nTxColor;
    data.m_logFont = rec.logFont;
    data.m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    data.m_nGraFlg = rec.nGraFlg;
    data.m_nGraPtn = rec.nGraPtn;
    data.m_rectWin = AroundPoint(rec.x, rec.y);
    if (!::GetWindowRect(hwnd, &data.m_rectTarget))
        data.m_rectTarget = RECT{};
    if (!desktop)
        ApplyPreSetCond(hwnd, data);
    InsertAtFront(std::move(data));
}

LRESULT CControlDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HOTKEY) {
        Trace("HOTKEY\n");
        // One note a press, however long the keys are held.
        if (wp == IDHOT_PAST && !m_bPastBusy) {
            m_bPastBusy = 1;
            m_nPastReleaseCount = 0;
            PasteToWindow(GetForegroundWindow());
        } else if (wp == IDHOT_PASTDT && !m_bPastDtBusy) {
            m_bPastDtBusy = 1;
            m_nPastDtReleaseCount = 0;
            PasteToDesktop(1);
        }
    }
    return CDialog::WindowProc(msg, wp, lp);
}
