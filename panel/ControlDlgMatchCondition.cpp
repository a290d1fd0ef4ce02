// Editing the match condition of one note, from the note's menu or from
// the panel's button. The dialog runs its own loop, in which the list goes
// on changing: the record is found again by its serial afterwards, and
// only its condition is written.
#include "dialogs/MatchConditionDlg.h"
#include "framework/MessageBox.h"
#include "model/MatchCondition.h"
#include "note/MemletWin.h"
#include "panel/ControlDlg.h"

void CControlDlg::notifyMatchCondition(CMemletWin* win) {
    int i = FindCaller(win);
    if (i < 0)
        return;
    uint64_t serial = m_MemletList[i].m_nSerial;
    CMatchConditionDlg dlg;
    dlg.m_MemletData = m_MemletList[i];
    dlg.m_bWindowCheck = 1;
    dlg.m_hWndCheck = win->m_hWnd;
    if (dlg.DoModal() != IDOK)
        return;
    WithRecord(serial, [&](int, CMemletData& d) {
        CopyMatchCondition(dlg.GetMemletData(), d);
        UpdateList();
        SaveOnChange();
    });
}

void CControlDlg::OnButtonMatchCondition() {
    int mark = m_ListCtrl.GetSelectionMark();
    if (mark == -1) {
        AppMessageBox("条件変更するデータを一覧で選択してください");
        return;
    }
    if (mark < 0 || mark >= (int)m_MemletList.size())
        return;
    if (m_MemletList[mark].m_strExeName == "DESKTOP") {
        AppMessageBox("デスクトップ付箋は条件変更できません。");
        return;
    }
    uint64_t serial = m_MemletList[mark].m_nSerial;
    CMatchConditionDlg dlg;
    dlg.m_MemletData = m_MemletList[mark];
    dlg.m_bChildSelect = 0;
    if (dlg.DoModal() != IDOK)
        return;
    WithRecord(serial, [&](int, CMemletData& d) {
        CopyMatchCondition(dlg.GetMemletData(), d);
        UpdateList();
        ShowItem(-1);
        SaveOnChange();
    });
}
