#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/GradientFill.h"

namespace {

constexpr int kSize = 64;

// A top-down 32-bit memory bitmap selected into a memory DC.
class GradientFillTest : public testing::Test {
protected:
    void SetUp() override {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = kSize;
        bmi.bmiHeader.biHeight = -kSize;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        ASSERT_TRUE(dc && bitmap && bits);
        old = SelectObject(dc, bitmap);
    }
    void TearDown() override {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }

    COLORREF Pixel(int x, int y) {
        GdiFlush();
        DWORD p = bits[y * kSize + x];  // 0x00RRGGBB
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    DWORD* bits = nullptr;
};

::testing::AssertionResult Near(COLORREF expected, COLORREF actual, int tolerance) {
    if (abs(GetRValue(expected) - GetRValue(actual)) <= tolerance &&
        abs(GetGValue(expected) - GetGValue(actual)) <= tolerance &&
        abs(GetBValue(expected) - GetBValue(actual)) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "expected 0x" << expected << ", got 0x" << actual;
}

TEST_F(GradientFillTest, CornersTakeTheirColours) {
    struct {
        bool horizontal;
        COLORREF first, second;
    } cases[] = {
        {false, RGB(255, 0, 0), RGB(0, 0, 255)},
        {false, RGB(0x12, 0x34, 0x56), RGB(0xF0, 0xE0, 0xD0)},
        {true, RGB(0, 255, 0), RGB(255, 255, 255)},
        {true, RGB(0x56, 0x34, 0x12), RGB(0x0A, 0xB0, 0x60)},
    };
    const RECT rect = {0, 0, kSize, kSize};
    const int last = kSize - 1;
    for (const auto& c : cases) {
        BOOL ok = c.horizontal ? GradientFillH(dc, rect, c.first, c.second)
                               : GradientFillV(dc, rect, c.first, c.second);
        ASSERT_TRUE(ok);
        // The first colour along the starting edge, nearly the second at the far edge.
        const int tolerance = 256 / kSize + 1;
        EXPECT_TRUE(Near(c.first, Pixel(0, 0), 1)) << c.horizontal;
        if (c.horizontal) {
            EXPECT_TRUE(Near(c.first, Pixel(0, last), 1));
            EXPECT_TRUE(Near(c.second, Pixel(last, 0), tolerance));
            EXPECT_TRUE(Near(c.second, Pixel(last, last), tolerance));
        } else {
            EXPECT_TRUE(Near(c.first, Pixel(last, 0), 1));
            EXPECT_TRUE(Near(c.second, Pixel(0, last), tolerance));
            EXPECT_TRUE(Near(c.second, Pixel(last, last), tolerance));
        }
    }
}

}  // namespace
