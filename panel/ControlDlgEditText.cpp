// The body text of the selected note, edited in a dialog of its own while
// the note is closed.
#include "dialogs/EditDlg.h"
#include "framework/MessageBox.h"
#include "panel/ControlDlg.h"
#include "res/resource.h"

void CControlDlg::OnButtonEditText() {
    CMemletData* d = RowRecord(SelectionMark("編集するデータを一覧で選択してください"));
    if (!d)
        return;
    uint64_t serial = d->m_nSerial;
    // Closed and kept closed while the user edits: the text goes into the
    // record, and the next tick opens the note with it.
    CHold hold(*this, serial);
    d->EndMemlet();
    // The closing may have asked the user (a failed save); each wait below
    // may change the list, so the record is looked up after every one.
    d = RowRecord(FindSerial(serial));
    if (!d)
        return;
    if (d->m_nReadOnly != 0) {
        if (AppMessageBox("書き込み禁止状態ですが編集しますか？", MB_YESNO) != IDYES)
            return;
        d = RowRecord(FindSerial(serial));
        if (!d)
            return;
    }
    CEditDlg dlg;
    d->GetText(&dlg.m_strText);
    if (dlg.DoModal() != IDOK)
        return;
    // Only the text: everything else of the record may have changed since.
    d = RowRecord(FindSerial(serial));
    if (!d)
        return;
    d->SetText(dlg.m_strText);
    SetDlgText(IDC_EDIT_TEXT, dlg.m_strText);
    RedrawWindow(GetDlgItem(IDC_EDIT_TEXT), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}
