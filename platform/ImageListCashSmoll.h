// Small (16 x 16) program icons by executable path, so that refilling a
// list asks the shell for a program's icon only once. The cache only grows:
// a path keeps its index for the cache's life. List views attached to it
// borrow its images and must not outlive it. The shell's icons need COM
// on the calling (user-interface) thread.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/ImageList.h"

class CListCtrl;

class CImageListCashSmoll {
public:
    CImageListCashSmoll();
    virtual ~CImageListCashSmoll();
    CImageListCashSmoll(const CImageListCashSmoll&) = delete;
    CImageListCashSmoll& operator=(const CImageListCashSmoll&) = delete;

    // The index of the path's icon, added on first use. Paths are compared
    // byte for byte, letter case included; "DESKTOP" is the desktop entry.
    // A file without an icon gets the system's error icon. -1 when no image
    // could be added (the desktop icon missing, the image list full): then
    // nothing is stored and the next request tries again.
    int GetIconIndex(const std::string& path);

    // Shows the cache's icons as the list's small images. The list is made
    // to share them (LVS_SHAREIMAGELISTS): only the cache destroys them.
    void AttachTo(CListCtrl& list);

    HIMAGELIST GetImageList() const { return m_imageList.GetSafeHandle(); }

protected:
    // Where icons come from.
    // The program's desktop icon, shared: never destroyed. Null when missing.
    virtual HICON LoadDesktopIcon();
    // The shell's small icon of the file, the caller's to destroy; null when
    // there is none.
    virtual HICON LoadFileIcon(const std::string& path);
    // The system's error icon, shared.
    virtual HICON LoadErrorIcon();
    // Appends the icon's image: its index, or -1.
    virtual int AddIcon(HICON icon);

private:
    CImageList m_imageList;
    // The key at position i belongs to image i.
    std::vector<std::string> m_keys;
};
