#include "dialogs/ListRows.h"

#include <cstdint>
#include <cstdio>

#include "platform/OsVersion.h"

void SetListStyle(CListCtrl& list) {
    DWORD ex = LVS_EX_FULLROWSELECT;
    if (IsVistaOrLater())
        ex |= LVS_EX_GRIDLINES;
    list.SetExtendedStyle(ex);
}

void SelectListRow(CListCtrl& list, int row) {
    list.SetSelectionMark(row);
    list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    list.SetHotItem(row);
    list.EnsureVisible(row, false);
}

std::string HandleText(HWND hwnd) {
    char text[16];
    snprintf(text, sizeof text, "0x%08x", (unsigned)((uintptr_t)hwnd & 0xFFFFFFFFu));
    return text;
}

int FindRowByText(const CListCtrl& list, int column, const std::string& text) {
    int n = list.GetItemCount();
    for (int i = 0; i < n; i++)
        if (list.GetItemText(i, column) == text)
            return i;
    return -1;
}
