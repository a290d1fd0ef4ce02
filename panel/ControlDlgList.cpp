// The panel's list view of the note list: one row for each record, in list
// order, so that a row index is an index into the note list. The list view
// is of owner data: the rows' texts come from the records as they are drawn.
#include <cstdio>
#include <ctime>

#include "framework/Text.h"
#include "panel/ControlDlg.h"
#include "res/resource.h"

// "%04d/%2d/%02d %02d:%02d" in local time; a time without a local form
// shows 0 and -1.
static std::string ListDate(int64_t t) {
    __time64_t tt = t;
    struct tm local {};
    bool ok = _localtime64_s(&local, &tt) == 0;
    char buf[64];
    snprintf(buf, sizeof buf, "%04d/%2d/%02d %02d:%02d", ok ? local.tm_year + 1900 : 0, ok ? local.tm_mon + 1 : 0,
             ok ? local.tm_mday : 0, ok ? local.tm_hour : -1, ok ? local.tm_min : -1);
    return buf;
}

void CControlDlg::MarkRow(int row) {
    m_ListCtrl.SetSelectionMark(row);
    m_ListCtrl.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    m_ListCtrl.SetHotItem(row);
    m_ListCtrl.EnsureVisible(row, false);
}

void CControlDlg::UpdateList() {
    if (!m_ListCtrl.m_hWnd)
        return;
    int mark = m_ListCtrl.GetSelectionMark();
    m_ListCtrl.SetRedraw(false);
    m_ListCtrl.DeleteAllItems();
    // The list view holds only the count: it asks for a row's texts and
    // icon when it draws the row (OnGetDispInfoListData), so that a refill
    // costs the same for ten rows or ten thousand.
    m_ListCtrl.SetItemCountEx((int)m_MemletList.size());
    // The row index stays selected, not the record; a row that is gone
    // leaves nothing selected.
    int count = m_ListCtrl.GetItemCount();
    if (mark >= 0 && mark < count)
        MarkRow(mark);
    m_ListCtrl.SetRedraw(true);
    char text[64];
    snprintf(text, sizeof text, "現在：%d 枚", (int)m_MemletList.size());
    SetDlgText(IDC_STATIC_COUNT, text);
    if (m_bRefreshListener == 1)
        PostMessageA(m_hWndRefreshListener, m_nRefreshMessage, 0, 0);
}

std::string CControlDlg::RowText(int row, int column) {
    CMemletData* data = RowRecord(row);
    if (!data)
        return {};
    switch (column) {
    case 0:
        return data->m_nProcessFlag ? data->m_strExeName : std::string();
    case 1: {
        std::string second;
        if (m_nListMode == 1)
            data->GetText(&second);
        else if (data->m_nTitleFlag)
            second = data->m_nFull ? data->m_strTitle : data->m_strPart;
        return second;
    }
    case 2:
        return ListDate(data->m_tAcsDate);
    case 3:
        return ListDate(data->m_tGenDate);
    }
    return {};
}

void CControlDlg::OnGetDispInfoListData(NMLVDISPINFOW* info) {
    LVITEMW& item = info->item;
    if (item.mask & LVIF_TEXT)
        SetDispText(item, RowText(item.iItem, item.iSubItem));
    if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) {
        // Without an image of its own a row would show the list's first one.
        CMemletData* data = RowRecord(item.iItem);
        int image = data ? m_ImageList.GetIconIndex(data->m_strExePath) : -1;
        item.iImage = image >= 0 ? image : I_IMAGENONE;
    }
}

int CControlDlg::OnFindItemListData(const NMLVFINDITEMW* find) {
    // Typing in the list finds the next row whose program name starts with
    // what was typed, as the list view does with rows it holds itself.
    const LVFINDINFOW& fi = find->lvfi;
    if (!(fi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !fi.psz)
        return -1;
    int count = (int)m_MemletList.size();
    int start = find->iStart < 0 || find->iStart >= count ? 0 : find->iStart;
    int length = lstrlenW(fi.psz);
    for (int k = 0; k < count; k++) {
        int row = start + k;
        if (row >= count) {
            if (!(fi.flags & LVFI_WRAP))
                break;
            row -= count;
        }
        std::wstring name = ToWide(RowText(row, 0));
        bool partial = (fi.flags & LVFI_PARTIAL) != 0;
        if (partial ? (int)name.size() >= length &&
                          CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name.c_str(), length, fi.psz,
                                         length) == CSTR_EQUAL
                    : lstrcmpiW(name.c_str(), fi.psz) == 0)
            return row;
    }
    return -1;
}
