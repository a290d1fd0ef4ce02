#include "dialogs/MemletListView.h"

#include "framework/MessageBox.h"
#include "platform/OsVersion.h"

void SetupMemletList(CListCtrl& list) {
    DWORD ex = list.GetExtendedStyle() | LVS_EX_FULLROWSELECT;
    if (IsVistaOrLater())
        ex |= LVS_EX_GRIDLINES;
    list.SetExtendedStyle(ex);
    list.InsertColumn(0, "ProgramName", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Window Title", LVCFMT_LEFT, 200);
    list.InsertColumn(2, "TEXT", LVCFMT_LEFT, 500);
    list.InsertColumn(3, "  ", LVCFMT_LEFT, 10);
}

void FillMemletList(CListCtrl& list, const std::vector<CMemletData>& records) {
    if (!list.m_hWnd)
        return;
    int mark = list.GetSelectionMark();
    list.SetRedraw(false);
    list.DeleteAllItems();
    for (size_t i = 0; i < records.size(); i++) {
        const CMemletData& data = records[i];
        int row = (int)i;
        list.InsertItem(row, data.m_strExeName);
        list.SetItemText(row, 1, data.m_strTitle);
        list.SetItemText(row, 2, data.m_strText);
        list.SetItemText(row, 3, "");
    }
    if (mark >= 0 && mark < list.GetItemCount()) {
        list.SetSelectionMark(mark);
        list.SetItemState(mark, LVIS_SELECTED, LVIS_SELECTED);
        list.SetHotItem(mark);
        list.EnsureVisible(mark, false);
    }
    list.SetRedraw(true);
}

int SelectedRecord(const CListCtrl& list, const std::vector<CMemletData>& records, uint64_t& serial) {
    serial = 0;
    int mark = list.GetSelectionMark();
    if (mark < 0) {
        AppMessageBox("データを選択してください", MB_OK);
        return -1;
    }
    if (mark >= (int)records.size())
        return -1;
    serial = records[mark].m_nSerial;
    return mark;
}

int FindBySerial(const std::vector<CMemletData>& records, uint64_t serial) {
    if (serial == 0)
        return -1;
    for (size_t i = 0; i < records.size(); i++)
        if (records[i].m_nSerial == serial)
            return (int)i;
    return -1;
}

bool DeleteSelectedMemlet(CListCtrl& list, std::vector<CMemletData>& records) {
    uint64_t serial = 0;
    int i = SelectedRecord(list, records, serial);
    if (i < 0)
        return false;
    records.erase(records.begin() + i);
    FillMemletList(list, records);
    return true;
}
