// The panel's commands that let the user choose a window from the window
// list: taking the selected note there, or pasting a new note on it.
#include "dialogs/WindowSelDlg.h"
#include "panel/ControlDlg.h"

void CControlDlg::OnButtonRepaste() {
    CMemletData* d = RowRecord(SelectionMark("貼り替えする付箋を一覧で選択してください"));
    if (!d)
        return;
    uint64_t serial = d->m_nSerial;
    CWindowSelDlg dlg;
    dlg.SetWinInfList(m_WinInfList);
    if (dlg.DoModal() != IDOK)
        return;
    MoveToWindow(serial, dlg.GetWinInf());
}

void CControlDlg::SelectWindowAndPaste() {
    CWindowSelDlg dlg;
    dlg.SetWinInfList(m_WinInfList);
    if (dlg.DoModal() != IDOK)
        return;
    PasteToWinInf(dlg.GetWinInf());
}
