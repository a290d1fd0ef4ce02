// The panel's buttons that act on the list's selected row, and the radio
// pair of the list's second column. A row is a position in the note list;
// a command that waits for the user (a question, a dialog, a failed save)
// takes the record's serial first and finds the record again afterwards,
// since the timers, the hot keys and the notes' requests go on meanwhile.
#include "framework/MessageBox.h"
#include "note/MemletWin.h"
#include "panel/ControlDlg.h"
#include "panel/Hub.h"

int CControlDlg::SelectionMark(const char* noRowText) {
    int mark = m_ListCtrl.GetSelectionMark();
    if (mark < 0)
        AppMessageBox(noRowText, MB_OK);
    return mark;
}

void CControlDlg::OnButtonDelete() {
    int mark = SelectionMark("削除するデータを一覧で選択してください");
    if (mark < 0)
        return;
    // The row the user chose, as it stood when asked: a stale mark names
    // no record, even if the list grows to it meanwhile.
    CMemletData* chosen = RowRecord(mark);
    uint64_t serial = chosen ? chosen->m_nSerial : 0;
    if (AppMessageBox("選択したデータを削除しますか？", MB_YESNO) != IDYES)
        return;
    WithRecord(serial, [this](int i, CMemletData& d) {
        // The record goes before its window, so that nothing the closing
        // window sets off finds it.
        CMemletWin* note = d.m_pMemletWin;
        RemoveAt(i);
        if (note)
            note->DestroyWindow();
        UpdateList();
        ShowItem(-1);
        SaveOnChange();
    });
}

void CControlDlg::OnButtonDeleteAll() {
    if (AppMessageBox("全件データを削除しますか？", MB_YESNO) != IDYES)
        return;
    if (AppMessageBox("本当に全件データを削除しますか？", MB_YESNO) != IDYES)
        return;
    std::vector<CMemletData> gone;
    gone.swap(m_MemletList);
    for (CMemletData& d : gone)
        if (d.m_pMemletWin)
            d.m_pMemletWin->DestroyWindow();
    UpdateList();
    ShowItem(-1);
    SaveOnChange();
}

void CControlDlg::OnButtonExportStack() {
    CMemletData* d = RowRecord(SelectionMark("エクスポートするデータを一覧で選択してください"));
    if (!d)
        return;
    CMemletData copy = *d;
    copy.CopyWindowForExport();
    AddExportStack(std::move(copy));
}

void CControlDlg::OnButtonPendingList() {
    int mark = SelectionMark("保留リストへ移動するデータを一覧で選択してください");
    if (RowRecord(mark))
        MoveToPendingList(mark);
}

void CControlDlg::OnButtonWindowCenter() {
    if (CMemletData* d = RowRecord(SelectionMark("表示を移動する付箋データを一覧で選択してください")))
        d->CenterOnTarget();
}

void CControlDlg::OnButtonMonitorCenter() {
    if (CMemletData* d = RowRecord(SelectionMark("表示を移動する付箋データを一覧で選択してください")))
        d->CenterOnMonitor();
}

void CControlDlg::OnRadioTitle() {
    UpdateData(true);
    UpdateList();
}
