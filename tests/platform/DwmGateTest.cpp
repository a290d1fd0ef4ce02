#include <gtest/gtest.h>

#include "platform/Dwm.h"
#include "platform/OsVersion.h"

// These run first in the executable: once the library has been bound it
// stays bound.

static OSVERSIONINFOA Version(DWORD major, DWORD minor) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    return info;
}

TEST(DwmGate, VistaFromMajorVersionSix) {
    struct {
        DWORD major, minor;
        int vista;
    } cases[] = {{5, 1, 0}, {5, 2, 0}, {6, 0, 1}, {6, 1, 1}, {10, 0, 1}};
    for (const auto& c : cases) {
        OSVERSIONINFOA info = Version(c.major, c.minor);
        SetOSVersion(&info);
        EXPECT_EQ(c.vista, IsVistaOrLater()) << c.major << "." << c.minor;
    }
    SetOSVersion(nullptr);
    EXPECT_FALSE(DwmLibraryTried());
}

TEST(DwmGate, BelowSixEveryWrapperFailsWithoutTheLibrary) {
    OSVERSIONINFOA info = Version(5, 2);
    SetOSVersion(&info);

    BOOL enabled = TRUE;
    EXPECT_EQ(0xFFFFFFFFu, static_cast<unsigned>(IsCompositionEnabled(&enabled)));
    EXPECT_EQ(FALSE, enabled);
    EXPECT_EQ(kDwmUnavailable, IsCompositionEnabled(nullptr));

    HTHUMBNAIL thumbnail = nullptr;
    DWM_THUMBNAIL_PROPERTIES properties{};
    MARGINS margins{};
    EXPECT_EQ(kDwmUnavailable, RegisterThumbnail(GetDesktopWindow(), GetDesktopWindow(), &thumbnail));
    EXPECT_EQ(kDwmUnavailable, UpdateThumbnailProperties(thumbnail, &properties));
    EXPECT_EQ(kDwmUnavailable, UnregisterThumbnail(thumbnail));
    EXPECT_EQ(kDwmUnavailable, ExtendFrameIntoClientArea(GetDesktopWindow(), &margins));
    EXPECT_TRUE(FAILED(kDwmUnavailable));

    EXPECT_FALSE(DwmLibraryTried());
    SetOSVersion(nullptr);
}

TEST(DwmGate, RealSystem) {
    SetOSVersion(nullptr);
    OSVERSIONINFOA real{};
    real.dwOSVersionInfoSize = sizeof(real);
    ASSERT_TRUE(GetVersionExA(&real));
    const int vista = real.dwMajorVersion >= 6;
    EXPECT_EQ(vista, IsVistaOrLater());

    BOOL enabled = TRUE;
    HRESULT hr = IsCompositionEnabled(&enabled);
    if (vista) {
        EXPECT_TRUE(DwmLibraryTried());
        EXPECT_NE(kDwmUnavailable, hr);
        EXPECT_TRUE(SUCCEEDED(hr));
    } else {
        EXPECT_EQ(kDwmUnavailable, hr);
        EXPECT_EQ(FALSE, enabled);
        EXPECT_FALSE(DwmLibraryTried());
    }
}
