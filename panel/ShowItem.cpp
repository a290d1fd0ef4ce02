// The selected note below the list, and the buttons that act on it.
#include "panel/ControlDlg.h"
#include "res/resource.h"

void CControlDlg::ShowItem(int row) {
    // A row's own view comes with the list's click.
    if (row >= 0 && row < (int)m_MemletList.size())
        return;
    SetDlgText(IDC_EDIT_TEXT, "");
    for (int id : {IDC_BUTTON_WINDOWCENTER, IDC_BUTTON_MONITORCENTER, IDC_BUTTON_EDITTEXT, IDC_BUTTON_MATCHCONDITION})
        ::EnableWindow(GetDlgItem(id), FALSE);
}
