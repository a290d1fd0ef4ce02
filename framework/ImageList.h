// An image list owned by its object: destroyed with it.
#pragma once
#include <windows.h>

#include <commctrl.h>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { Destroy(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // ImageList_Create; a list held before is destroyed first.
    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    void Destroy();
    HIMAGELIST GetSafeHandle() const { return m_list; }

    int GetImageCount() const { return m_list ? ImageList_GetImageCount(m_list) : 0; }
    // Appends a copy of the icon's image (the icon stays the caller's);
    // the new index, or -1.
    int Add(HICON icon) { return m_list ? ImageList_ReplaceIcon(m_list, -1, icon) : -1; }
    COLORREF SetBkColor(COLORREF colour) { return ImageList_SetBkColor(m_list, colour); }

private:
    HIMAGELIST m_list = nullptr;
};
