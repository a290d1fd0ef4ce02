// A list-view control in report view; texts are CP932.
#pragma once
#include "framework/Wnd.h"

#include <commctrl.h>

class CListCtrl : public CWnd {
public:
    DWORD GetExtendedStyle() const { return (DWORD)Send(LVM_GETEXTENDEDLISTVIEWSTYLE); }
    DWORD SetExtendedStyle(DWORD exStyle) { return (DWORD)Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle); }
    // width -1 leaves the width to the control. Returns the index or -1.
    int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT, int width = -1);
    // image -1: no image. Returns the index or -1.
    // A row shows its texts on one line: a line break as one space.
    int InsertItem(int item, const std::string& text, int image = -1);
    bool SetItemText(int item, int subItem, const std::string& text);
    std::string GetItemText(int item, int subItem) const;
    bool DeleteAllItems() { return Send(LVM_DELETEALLITEMS) != 0; }
    int GetItemCount() const { return (int)Send(LVM_GETITEMCOUNT); }
    // The row commands act on, -1 for none.
    int GetSelectionMark() const { return (int)Send(LVM_GETSELECTIONMARK); }
    int SetSelectionMark(int item) { return (int)Send(LVM_SETSELECTIONMARK, 0, item); }
    bool SetItemState(int item, UINT state, UINT mask);
    int SetHotItem(int item) { return (int)Send(LVM_SETHOTITEM, item); }
    bool EnsureVisible(int item, bool partialOK) { return Send(LVM_ENSUREVISIBLE, item, partialOK) != 0; }
    HIMAGELIST SetImageList(HIMAGELIST list, int type) { return (HIMAGELIST)Send(LVM_SETIMAGELIST, type, (LPARAM)list); }
};
