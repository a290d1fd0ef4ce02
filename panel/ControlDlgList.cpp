// The panel's list view of the note list: one row for each record, in list
// order, so that a row index is an index into the note list.
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
    for (size_t i = 0; i < m_MemletList.size(); i++) {
        CMemletData& data = m_MemletList[i];
        int row = (int)i;
        int image = m_ImageList.GetIconIndex(data.m_strExePath);
        m_ListCtrl.InsertItem(row, data.m_nProcessFlag ? data.m_strExeName : "", image);
        std::string second;
        if (m_nListMode == 1)
            data.GetText(&second);
        else if (data.m_nTitleFlag)
            second = data.m_nFull ? data.m_strTitle : data.m_strPart;
        m_ListCtrl.SetItemText(row, 1, second);
        m_ListCtrl.SetItemText(row, 2, ListDate(data.m_tAcsDate));
        m_ListCtrl.SetItemText(row, 3, ListDate(data.m_tGenDate));
        m_ListCtrl.SetItemText(row, 4, "");
    }
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
