#include "framework/ListCtrl.h"

#include <algorithm>

#include "framework/Text.h"

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) {
    std::wstring text = ToWide(heading);
    LVCOLUMNW col{};
    col.mask = LVCF_FMT | LVCF_TEXT;
    col.fmt = format;
    col.pszText = text.data();
    if (width >= 0) {
        col.mask |= LVCF_WIDTH;
        col.cx = width;
    }
    return (int)Send(LVM_INSERTCOLUMNW, column, (LPARAM)&col);
}

int CListCtrl::InsertItem(int item, const std::string& text, int image) {
    std::wstring w = ToWide(OneLine(text));
    LVITEMW it{};
    it.mask = LVIF_TEXT;
    it.iItem = item;
    it.pszText = w.data();
    // Without an image of its own an item would show the list's first one.
    it.mask |= LVIF_IMAGE;
    it.iImage = image >= 0 ? image : I_IMAGENONE;
    return (int)Send(LVM_INSERTITEMW, 0, (LPARAM)&it);
}

bool CListCtrl::SetItemText(int item, int subItem, const std::string& text) {
    std::wstring w = ToWide(OneLine(text));
    LVITEMW it{};
    it.iSubItem = subItem;
    it.pszText = w.data();
    return Send(LVM_SETITEMTEXTW, item, (LPARAM)&it) != 0;
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
    // The control copies at most the buffer less one; grow until it fits.
    for (size_t size = 256;; size *= 2) {
        std::wstring w(size, L'\0');
        LVITEMW it{};
        it.iSubItem = subItem;
        it.pszText = w.data();
        it.cchTextMax = (int)size;
        int n = (int)Send(LVM_GETITEMTEXTW, item, (LPARAM)&it);
        if (n < (int)size - 1 || size >= (1u << 20)) {
            w.resize(n > 0 ? n : 0);
            return FromWide(w);
        }
    }
}

bool CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMW it{};
    it.state = state;
    it.stateMask = mask;
    return Send(LVM_SETITEMSTATE, item, (LPARAM)&it) != 0;
}

void SetDispText(LVITEMW& item, const std::string& text) {
    if (!item.pszText || item.cchTextMax <= 0)
        return;
    std::wstring w = ToWide(OneLine(text));
    size_t n = std::min(w.size(), (size_t)item.cchTextMax - 1);
    w.copy(item.pszText, n);
    item.pszText[n] = L'\0';
}
