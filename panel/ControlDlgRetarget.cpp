// Taking a note to another window: to the desktop, to a window the user
// chooses, or pasting a record from the caches again on one. The record is
// closed, centred on its new target and given the template's condition;
// the next tracking tick opens it there.
#include "dialogs/WindowSelDlg.h"
#include "framework/Rects.h"
#include "note/MemletWin.h"
#include "panel/ControlDlg.h"

void CControlDlg::Retarget(CMemletData& data, HWND target, const std::string& title, const std::string& exeName,
                           const std::string& exePath) const {
    data.m_hWndTarget = nullptr;
    RECT t;
    // A window gone by now has no place to give: the note keeps its own.
    if (::GetWindowRect(target, &t)) {
        data.m_rectWin = CenterRectIn(data.m_rectWin, t);
        data.m_rectTarget = t;
    } else {
        data.m_rectTarget = RECT{};
    }
    data.m_strTitle = title;
    data.m_strExeName = exeName;
    data.m_strExePath = exePath;
    const CMemletData& tpl = m_MemletTemplate;
    data.m_nProcessFlag = tpl.m_nProcessFlag;
    data.m_nTitleFlag = tpl.m_nTitleFlag;
    data.m_nExtentFlag = tpl.m_nExtentFlag;
    data.m_nFull = tpl.m_nFull;
    data.m_nExFullFlag = tpl.m_nExFullFlag;
    data.m_strExText = tpl.m_strExText;
    data.m_strExPart = tpl.m_strExPart;
    data.m_nExCtlId = tpl.m_nExCtlId;
}

void CControlDlg::notifyMoveDesktop(CMemletWin* win) {
    int i = FindCaller(win);
    if (i < 0)
        return;
    WithClosedRecord(i, [this](int, CMemletData& d) {
        Retarget(d, GetDesktopWindow(), "DESKTOP", "DESKTOP", "DESKTOP");
        // The leader line as a new note has it; no preset on the desktop.
        d.m_arrow = m_MemletTemplate.m_arrow;
        UpdateList();
        SaveOnChange();
    });
}

void CControlDlg::notifyMove(CMemletWin* win) {
    int i = FindCaller(win);
    if (i < 0)
        return;
    uint64_t serial = m_MemletList[i].m_nSerial;
    CWindowSelDlg dlg;
    dlg.SetWinInfList(m_WinInfList);
    dlg.RemoveWinInf(win->m_hWndTarget);  // not onto the window it is on
    // The dialog's loop runs the timers, the hot keys and other notes'
    // requests: the note may be closed or gone, its record elsewhere.
    if (dlg.DoModal() != IDOK)
        return;
    MoveToWindow(serial, dlg.GetWinInf());
}

void CControlDlg::MoveToWindow(uint64_t serial, const CWinInf& chosen) {
    WithRecord(serial, [&](int i, CMemletData&) {
        WithClosedRecord(i, [&](int, CMemletData& d) {
            CMemletData moved = d;
            Retarget(moved, chosen.m_hWnd, chosen.m_strTitle, chosen.m_strProcessName, chosen.m_strPath);
            moved.m_strExClass = m_MemletTemplate.m_strExClass;
            ApplyPreSetCond(chosen.m_hWnd, moved);  // asks the window's children
            moved.m_arrow = m_MemletTemplate.m_arrow;
            moved.m_arrow.m_nArwFlag = 0;
            WithRecord(serial, [&](int, CMemletData& now) {
                now = moved;
                UpdateList();
                SaveOnChange();
            });
        });
    });
}

int CControlDlg::RepasteMemlet(CMemletData data) {
    CWindowSelDlg dlg;
    dlg.SetWinInfList(m_WinInfList);
    if (dlg.DoModal() != IDOK)
        return 0;
    RepasteToWinInf(dlg.GetWinInf(), std::move(data));
    return 1;
}

void CControlDlg::RepasteToWinInf(CWinInf winInf, CMemletData data) {
    Retarget(data, winInf.m_hWnd, winInf.m_strTitle, winInf.m_strProcessName, winInf.m_strPath);
    ApplyPreSetCond(winInf.m_hWnd, data);
    data.m_arrow = m_MemletTemplate.m_arrow;
    data.m_arrow.m_nArwFlag = 0;
    InsertMemlet(std::move(data));
}
