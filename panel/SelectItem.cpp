// The search panel's way into the list: a row selected and shown as a
// click would.
#include "panel/ControlDlg.h"

void CControlDlg::SelectItem(int row) {
    if (row < 0 || row >= (int)m_MemletList.size())
        return;
    m_ListCtrl.SetSelectionMark(row);
    m_ListCtrl.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    m_ListCtrl.SetHotItem(row);
    m_ListCtrl.EnsureVisible(row, false);
    ShowItem(row);
}
