// The program's resources as windres built them from the UTF-8 sources.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/App.h"
#include "res/resource.h"

namespace {

TEST(Resources, JapaneseStringComesBackAsUtf16) {
    wchar_t buf[64] = {};
    int n = LoadStringW(AppInstance(), IDS_APPNAME, buf, 64);
    EXPECT_EQ(std::wstring(L"コルヴァナ"), std::wstring(buf, n > 0 ? n : 0));
}

TEST(Resources, IconsHaveBothSizes) {
    for (int id : {IDR_MAINFRAME, IDI_DESKTOP}) {
        for (int size : {16, 32}) {
            HICON icon = (HICON)LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
            ASSERT_NE(nullptr, icon) << id << " " << size;
            ICONINFO info{};
            ASSERT_TRUE(GetIconInfo(icon, &info));
            BITMAP bm{};
            GetObjectW(info.hbmColor, sizeof bm, &bm);
            EXPECT_EQ(size, bm.bmWidth) << id;
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(icon);
        }
    }
}

TEST(Resources, VersionResource) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path, &handle);
    ASSERT_NE(0u, size);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", (void**)&fixed, &len));
    EXPECT_EQ(MAKELONG(1, 1), fixed->dwProductVersionMS);
    EXPECT_EQ(MAKELONG(193, 6), fixed->dwProductVersionLS);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", (void**)&translation, &len));
    ASSERT_EQ(4u, len);
    EXPECT_EQ(0x0411, translation[0]);
    EXPECT_EQ(0x04B0, translation[1]);

    struct Value {
        const wchar_t* key;
        const wchar_t* expected;
    };
    const Value values[] = {
        {L"ProductVersion", L"1.1.6.193"},
        {L"FileVersion", L"1.1.6.193"},
        {L"ProductName", L"Corvana"},
        {L"FileDescription", L"コルヴァナ 付箋"},
    };
    for (const auto& v : values) {
        wchar_t* text = nullptr;
        std::wstring key = std::wstring(L"\\StringFileInfo\\041104b0\\") + v.key;
        ASSERT_TRUE(VerQueryValueW(data.data(), key.c_str(), (void**)&text, &len)) << v.key;
        EXPECT_EQ(std::wstring(v.expected), std::wstring(text)) << v.key;
    }
}

// The manifest puts the version 6 common controls into the process (Wine's
// version 6 reports 5.81 from DllGetVersion: the folder it came from tells).
TEST(Resources, ManifestBringsCommonControls6) {
    HMODULE comctl = nullptr;
    ASSERT_TRUE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   (LPCWSTR)(void*)&InitCommonControlsEx, &comctl));
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    CharLowerW(path);
    EXPECT_NE(nullptr, wcsstr(path, L"microsoft.windows.common-controls_6595b64144ccf1df_6.")) << path;
}

}  // namespace
