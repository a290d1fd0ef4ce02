// A list-view control in report view; texts are CP932. A list of owner data
// (LVS_OWNERDATA) holds only a count and the rows' states; its parent gives
// the texts and images when the control asks (LVN_GETDISPINFO), through
// SetDispText.
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
    // The rows of a list of owner data.
    bool SetItemCountEx(int count, DWORD flags = 0) { return Send(LVM_SETITEMCOUNT, count, flags) != 0; }
    int GetItemCount() const { return (int)Send(LVM_GETITEMCOUNT); }
    // The row commands act on, -1 for none.
    int GetSelectionMark() const { return (int)Send(LVM_GETSELECTIONMARK); }
    int SetSelectionMark(int item) { return (int)Send(LVM_SETSELECTIONMARK, 0, item); }
    bool SetItemState(int item, UINT state, UINT mask);
    int SetHotItem(int item) { return (int)Send(LVM_SETHOTITEM, item); }
    bool EnsureVisible(int item, bool partialOK) { return Send(LVM_ENSUREVISIBLE, item, partialOK) != 0; }
    HIMAGELIST SetImageList(HIMAGELIST list, int type) { return (HIMAGELIST)Send(LVM_SETIMAGELIST, type, (LPARAM)list); }
};

// A row's text into the buffer the control gave with its request, on one
// line as InsertItem and SetItemText show it, cut to the buffer.
void SetDispText(LVITEMW& item, const std::string& text);
