// The selected note below the list, and the buttons that act on it.
#include "panel/ControlDlg.h"
#include "res/resource.h"

void CControlDlg::ShowItem(int row) {
    CMemletData* d = RowRecord(row);
    if (!d) {
        SetDlgText(IDC_EDIT_TEXT, "");
        for (int id : {IDC_BUTTON_WINDOWCENTER, IDC_BUTTON_MONITORCENTER, IDC_BUTTON_EDITTEXT,
                       IDC_BUTTON_MATCHCONDITION})
            ::EnableWindow(GetDlgItem(id), FALSE);
        return;
    }
    std::string text;
    d->GetText(&text);
    SetDlgText(IDC_EDIT_TEXT, text);
    // An open note is moved on the screen; a closed one has its text edited.
    BOOL open = d->m_bAttached ? TRUE : FALSE;
    ::EnableWindow(GetDlgItem(IDC_BUTTON_WINDOWCENTER), open);
    ::EnableWindow(GetDlgItem(IDC_BUTTON_MONITORCENTER), open);
    ::EnableWindow(GetDlgItem(IDC_BUTTON_EDITTEXT), !open);
    ::EnableWindow(GetDlgItem(IDC_BUTTON_MATCHCONDITION), d->m_strExeName != "DESKTOP");
}

void CControlDlg::OnClickListData(NMHDR*, LRESULT& result) {
    // A click on empty space leaves the shown note as it is.
    int mark = m_ListCtrl.GetSelectionMark();
    if (mark >= 0)
        ShowItem(mark);
    result = 0;
}

bool CControlDlg::OnNotify(NMHDR* nm, LRESULT& result) {
    if (nm->idFrom == IDC_LIST_DATA && nm->code == NM_CLICK) {
        OnClickListData(nm, result);
        return true;
    }
    if (nm->idFrom == IDC_LIST_DATA && nm->code == LVN_GETDISPINFOW) {
        OnGetDispInfoListData((NMLVDISPINFOW*)nm);
        result = 0;
        return true;
    }
    if (nm->idFrom == IDC_LIST_DATA && nm->code == LVN_ODFINDITEMW) {
        result = OnFindItemListData((const NMLVFINDITEMW*)nm);
        return true;
    }
    return CDialog::OnNotify(nm, result);
}
