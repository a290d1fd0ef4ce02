#include "platform/ImageListCashSmoll.h"

#include <shellapi.h>

#include "framework/App.h"
#include "framework/ListCtrl.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "res/resource.h"

CImageListCashSmoll::CImageListCashSmoll() {
    if (m_imageList.Create(16, 16, ILC_COLORDDB, 0, 50))
        m_imageList.SetBkColor(RGB(255, 255, 255));
}

CImageListCashSmoll::~CImageListCashSmoll() = default;

int CImageListCashSmoll::GetIconIndex(const std::string& path) {
    for (size_t i = 0; i < m_keys.size(); i++) {
        if (m_keys[i] == path)
            return (int)i;
    }

    HICON icon = nullptr;
    bool owned = false;
    if (path == "DESKTOP") {
        icon = LoadDesktopIcon();
        if (!icon) {
            Trace("ICON get fail(LoadIcon) path =%s\n", path.c_str());
            return -1;
        }
    } else {
        icon = LoadFileIcon(path);
        owned = icon != nullptr;
        if (!icon) {
            Trace("ICON get fail path =%s\n", path.c_str());
            icon = LoadErrorIcon();
        }
    }

    // The key goes in only with its image, so keys and images stay in step.
    int index = AddIcon(icon);
    if (owned)
        DestroyIcon(icon);
    if (index < 0) {
        Trace("ImageList_ReplaceIcon() fail path =%s\n", path.c_str());
        return -1;
    }
    m_keys.push_back(path);
    return index;
}

void CImageListCashSmoll::AttachTo(CListCtrl& list) {
    // Before the list takes the images: a list view destroys the lists it
    // holds unless it shares them, and several lists hold this one.
    LONG style = GetWindowLongW(list.m_hWnd, GWL_STYLE);
    if (!(style & LVS_SHAREIMAGELISTS))
        SetWindowLongW(list.m_hWnd, GWL_STYLE, style | LVS_SHAREIMAGELISTS);
    list.SetImageList(m_imageList.GetSafeHandle(), LVSIL_SMALL);
}

HICON CImageListCashSmoll::LoadDesktopIcon() { return LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_DESKTOP)); }

HICON CImageListCashSmoll::LoadFileIcon(const std::string& path) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(ToWide(path).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
        return nullptr;
    return info.hIcon;
}

HICON CImageListCashSmoll::LoadErrorIcon() { return LoadIconA(nullptr, IDI_HAND); }

int CImageListCashSmoll::AddIcon(HICON icon) { return m_imageList.Add(icon); }
