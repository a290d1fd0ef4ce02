// The body text of the selected note, edited in a dialog of its own while
// the note is closed.
#include "dialogs/EditDlg.h"
#include "framework/MessageBox.h"
#include "panel/ControlDlg.h"
#include "res/resource.h"

void CControlDlg::OnButtonEditText() {
    int row = SelectionMark("編集するデータを一覧で選択してください");
    CMemletData* chosen = RowRecord(row);
    if (!chosen)
        return;
    uint64_t serial = chosen->m_nSerial;
    auto edit = [this, serial](int, CMemletData& d) {
        CEditDlg dlg;
        d.GetText(&dlg.m_strText);
        if (dlg.DoModal() != IDOK)
            return;
        // Only the text: everything else of the record may have changed since.
        WithRecord(serial, [&](int, CMemletData& now) {
            now.SetText(dlg.m_strText);
            SetDlgText(IDC_EDIT_TEXT, dlg.m_strText);
            RedrawWindow(GetDlgItem(IDC_EDIT_TEXT), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        });
    };
    // Closed and kept closed while the user edits: the text goes into the
    // record, and the next tick opens the note with it.
    WithClosedRecord(row, [&](int, CMemletData& d) {
        if (d.m_nReadOnly == 0)
            edit(row, d);
        else if (AppMessageBox("書き込み禁止状態ですが編集しますか？", MB_YESNO) == IDYES)
            WithRecord(serial, edit);
    });
}
