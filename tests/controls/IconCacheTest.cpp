#include <gtest/gtest.h>

#include <objbase.h>

#include <map>
#include <vector>

#include "framework/ListCtrl.h"
#include "framework/Pixels.h"
#include "platform/ImageListCashSmoll.h"
#include "res/resource.h"

namespace {

// The shell's icons need COM on the thread.
class IconCache : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
    void TearDown() override { CoUninitialize(); }
};

// The pixels of an image of a list.
std::vector<DWORD> ImagePixels(HIMAGELIST list, int index) {
    CPixels pixels(16, 16);
    pixels.Fill(0);
    ImageList_Draw(list, index, pixels.Dc(), 0, 0, ILD_NORMAL);
    std::vector<DWORD> out;
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++) out.push_back(pixels.At(x, y) & 0xFFFFFF);
    return out;
}

// The image an icon makes in a list like the cache's.
std::vector<DWORD> IconPixels(HICON icon) {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLORDDB, 0, 1);
    ImageList_SetBkColor(list, RGB(255, 255, 255));
    ImageList_ReplaceIcon(list, -1, icon);
    std::vector<DWORD> out = ImagePixels(list, 0);
    ImageList_Destroy(list);
    return out;
}

std::string ModulePath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = (char)(c - 'A' + 'a');
    return s;
}

TEST_F(IconCache, EveryKeyTakesOnePosition) {
    const std::string exe = ModulePath();
    const std::string lower = Lower(exe);
    ASSERT_NE(exe, lower);
    const std::string missing = "C:\\存在しない\\フォルダ\\none.exe";
    struct {
        std::string path;
        int index;
    } steps[] = {
        {exe, 0},       {exe, 0},        // the same path twice: one image
        {lower, 1},                      // differs only in case: an image of its own
        {"DESKTOP", 2}, {"DESKTOP", 2},  // the program's own icon
        {"desktop", 3},                  // only the upper-case word is the desktop
        {missing, 4},   {missing, 4},    // no file: the error icon, still a position
        {exe, 0},       {"DESKTOP", 2},
    };
    CImageListCashSmoll cache;
    for (const auto& s : steps) EXPECT_EQ(s.index, cache.GetIconIndex(s.path)) << s.path;
    HIMAGELIST list = cache.GetImageList();
    EXPECT_EQ(5, ImageList_GetImageCount(list));

    // What each position shows.
    EXPECT_EQ(IconPixels(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_DESKTOP))), ImagePixels(list, 2));
    EXPECT_EQ(IconPixels(LoadIconA(nullptr, IDI_HAND)), ImagePixels(list, 4));
    EXPECT_EQ(ImagePixels(list, 0), ImagePixels(list, 1));
    EXPECT_NE(ImagePixels(list, 4), ImagePixels(list, 0));
}

// Icons of one colour each instead of the shell's, and the failures at will.
class CFakeIconCache : public CImageListCashSmoll {
public:
    CFakeIconCache() : desktop(SolidIcon(RGB(255, 255, 0))), error(SolidIcon(RGB(0, 0, 0))) {}
    ~CFakeIconCache() override {
        DestroyIcon(desktop);
        DestroyIcon(error);
    }

    static HICON SolidIcon(COLORREF colour) {
        HDC screen = GetDC(nullptr);
        HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
        ReleaseDC(nullptr, screen);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, image);
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all{0, 0, 16, 16};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        SelectObject(dc, old);
        DeleteDC(dc);
        BYTE zeros[16 * 16 / 8] = {};
        HBITMAP mask = CreateBitmap(16, 16, 1, 1, zeros);  // all opaque
        ICONINFO info{TRUE, 0, 0, mask, image};
        HICON icon = CreateIconIndirect(&info);
        DeleteObject(mask);
        DeleteObject(image);
        return icon;
    }

    std::map<std::string, COLORREF> files;  // paths with an icon
    bool desktopMissing = false;
    bool failNextAdd = false;
    HICON desktop, error;
    std::vector<HICON> handedOver;  // file icons, the cache's to destroy

protected:
    HICON LoadDesktopIcon() override { return desktopMissing ? nullptr : desktop; }
    HICON LoadFileIcon(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end())
            return nullptr;
        handedOver.push_back(SolidIcon(it->second));
        return handedOver.back();
    }
    HICON LoadErrorIcon() override { return error; }
    int AddIcon(HICON icon) override {
        if (failNextAdd) {
            failNextAdd = false;
            return -1;
        }
        return CImageListCashSmoll::AddIcon(icon);
    }
};

COLORREF ImageColour(const CImageListCashSmoll& cache, int index) {
    DWORD p = ImagePixels(cache.GetImageList(), index)[8 * 16 + 8];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

TEST_F(IconCache, AFailedAddStoresNothing) {
    CFakeIconCache cache;
    cache.files = {{"a.exe", kRed}, {"b.exe", kGreen}, {"c.exe", kBlue}};
    EXPECT_EQ(0, cache.GetIconIndex("a.exe"));
    cache.failNextAdd = true;
    EXPECT_EQ(-1, cache.GetIconIndex("b.exe"));
    // Keys and images stay in step: every later path finds its own image.
    EXPECT_EQ(1, cache.GetIconIndex("c.exe"));
    EXPECT_EQ(2, cache.GetIconIndex("b.exe"));
    EXPECT_EQ(1, cache.GetIconIndex("c.exe"));
    EXPECT_EQ(0, cache.GetIconIndex("a.exe"));
    EXPECT_EQ(3, ImageList_GetImageCount(cache.GetImageList()));
    EXPECT_EQ(kRed, ImageColour(cache, 0));
    EXPECT_EQ(kBlue, ImageColour(cache, 1));
    EXPECT_EQ(kGreen, ImageColour(cache, 2));
}

TEST_F(IconCache, AMissingDesktopIconLeavesTheCacheAsItWas) {
    CFakeIconCache cache;
    cache.files = {{"a.exe", kRed}};
    EXPECT_EQ(0, cache.GetIconIndex("a.exe"));
    cache.desktopMissing = true;
    EXPECT_EQ(-1, cache.GetIconIndex("DESKTOP"));
    EXPECT_EQ(-1, cache.GetIconIndex("DESKTOP"));
    EXPECT_EQ(1, ImageList_GetImageCount(cache.GetImageList()));
    EXPECT_EQ(1, cache.GetIconIndex("b.exe"));
    // The next request tries again.
    cache.desktopMissing = false;
    EXPECT_EQ(2, cache.GetIconIndex("DESKTOP"));
    EXPECT_EQ(2, cache.GetIconIndex("DESKTOP"));
    EXPECT_EQ(RGB(255, 255, 0), ImageColour(cache, 2));
    EXPECT_EQ(RGB(0, 0, 0), ImageColour(cache, 1));
}

TEST_F(IconCache, OnlyTheShellsIconsAreDestroyed) {
    CFakeIconCache cache;
    cache.files = {{"a.exe", kRed}};
    EXPECT_EQ(0, cache.GetIconIndex("DESKTOP"));
    EXPECT_EQ(1, cache.GetIconIndex("a.exe"));
    EXPECT_EQ(2, cache.GetIconIndex("gone.exe"));
    cache.failNextAdd = true;
    EXPECT_EQ(-1, cache.GetIconIndex("a2.exe"));
    cache.files["a3.exe"] = kGreen;
    cache.failNextAdd = true;
    EXPECT_EQ(-1, cache.GetIconIndex("a3.exe"));

    ICONINFO info{};
    // The shared ones live on: the desktop's and the error icon.
    ASSERT_TRUE(GetIconInfo(cache.desktop, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    ASSERT_TRUE(GetIconInfo(cache.error, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    // The file icons are gone, added or not.
    ASSERT_EQ(2u, cache.handedOver.size());
    for (HICON icon : cache.handedOver) EXPECT_FALSE(GetIconInfo(icon, &info));
}

TEST_F(IconCache, ListViewsOnlyBorrowTheImages) {
    CImageListCashSmoll cache;
    ASSERT_EQ(0, cache.GetIconIndex(ModulePath()));
    ASSERT_EQ(1, cache.GetIconIndex("DESKTOP"));
    HIMAGELIST images = cache.GetImageList();

    // Two lists, as the panel and a dialog hold the same cache's images.
    for (int round = 0; round < 2; round++) {
        HWND hwnd = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 100, 100, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(hwnd);
        CListCtrl list;
        ASSERT_TRUE(list.Subclass(hwnd));
        cache.AttachTo(list);
        EXPECT_TRUE(list.GetStyle() & LVS_SHAREIMAGELISTS);
        EXPECT_EQ(images, (HIMAGELIST)list.Send(LVM_GETIMAGELIST, LVSIL_SMALL));
        EXPECT_EQ(0, list.InsertItem(0, "表示ソフト", 1));
        DestroyWindow(hwnd);
    }

    EXPECT_EQ(2, ImageList_GetImageCount(images));
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(2, cache.GetIconIndex("C:\\none.exe"));
    EXPECT_EQ(3, ImageList_GetImageCount(images));
}

}  // namespace
