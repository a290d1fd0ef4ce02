#include <gtest/gtest.h>

#include <vector>

#include "framework/DrawingManager.h"

namespace {

constexpr int kW = 20, kH = 12;
constexpr DWORD kPixel = 0x00123456;  // alpha 0

// A 32-bit DIB section of either row order, selected into a memory DC.
class CDib {
public:
    CDib(bool bottomUp, int bitCount = 32) : m_bottomUp(bottomUp), m_bitCount(bitCount) {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = kW;
        bmi.bmiHeader.biHeight = bottomUp ? kH : -kH;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = (WORD)bitCount;
        bmi.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, (void**)&m_bits, nullptr, 0);
        m_old = SelectObject(dc, m_bitmap);
    }
    ~CDib() {
        SelectObject(dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(dc);
    }
    bool Ok() const { return dc && m_bitmap && m_bits; }
    size_t Stride() const { return (size_t)((kW * m_bitCount / 8 + 3) & ~3); }
    BYTE* Row(int y) const { return m_bits + (m_bottomUp ? kH - 1 - y : y) * Stride(); }
    DWORD& At(int x, int y) const { return reinterpret_cast<DWORD*>(Row(y))[x]; }

    HDC dc = nullptr;

private:
    bool m_bottomUp;
    int m_bitCount;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    BYTE* m_bits = nullptr;
};

TEST(FillAlpha, SetsTheAlphaOfTheRectangleOnly) {
    struct {
        const char* name;
        bool bottomUp;
        POINT viewport;
        RECT rect;
        RECT expected;  // device pixels that change
    } cases[] = {
        {"top-down", false, {0, 0}, {2, 3, 9, 7}, {2, 3, 9, 7}},
        {"bottom-up", true, {0, 0}, {2, 3, 9, 7}, {2, 3, 9, 7}},
        {"moved origin", false, {5, 2}, {0, 0, 4, 4}, {5, 2, 9, 6}},
        {"moved origin, bottom-up", true, {-1, 3}, {1, 0, 4, 2}, {0, 3, 3, 5}},
        {"past every edge", false, {0, 0}, {-3, -2, 25, 5}, {0, 0, kW, 5}},
        {"past every edge, bottom-up", true, {0, 0}, {4, 6, 40, 30}, {4, 6, kW, kH}},
        {"corners swapped", false, {0, 0}, {9, 7, 2, 3}, {2, 3, 9, 7}},
        {"empty", false, {0, 0}, {4, 4, 4, 9}, {0, 0, 0, 0}},
        {"outside", false, {0, 0}, {30, 1, 40, 5}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDib dib(c.bottomUp);
        ASSERT_TRUE(dib.Ok());
        for (int y = 0; y < kH; y++)
            for (int x = 0; x < kW; x++) dib.At(x, y) = kPixel;
        SetViewportOrgEx(dib.dc, c.viewport.x, c.viewport.y, nullptr);

        EXPECT_TRUE(FillAlpha(dib.dc, c.rect, 0xC8));

        GdiFlush();
        int wrong = 0;
        for (int y = 0; y < kH; y++) {
            for (int x = 0; x < kW; x++) {
                POINT p{x, y};
                DWORD expected = PtInRect(&c.expected, p) ? 0xC8000000 | kPixel : kPixel;
                if (dib.At(x, y) != expected && wrong++ < 3)
                    ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << dib.At(x, y);
            }
        }
        EXPECT_EQ(0, wrong);
    }
}

TEST(FillAlpha, OtherSurfacesGoThroughACopy) {
    // A 24-bit bitmap has no alpha: its colours come back unchanged.
    CDib rgb(false, 24);
    ASSERT_TRUE(rgb.Ok());
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) SetPixelV(rgb.dc, x, y, RGB(x * 10, y * 20, 77));
    EXPECT_TRUE(FillAlpha(rgb.dc, RECT{1, 1, 15, 10}, 255));
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) ASSERT_EQ(RGB(x * 10, y * 20, 77), GetPixel(rgb.dc, x, y)) << x << "," << y;

    // A bitmap of the screen's format at 32 bits keeps the alpha it was given.
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL);
    HBITMAP ddb = CreateCompatibleBitmap(screen, kW, kH);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(ddb);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, ddb);
    RECT all{0, 0, kW, kH};
    FillRect(dc, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(FillAlpha(dc, RECT{2, 2, 6, 6}, 255));
    SelectObject(dc, old);
    if (depth == 32) {
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = kW;
        bmi.bmiHeader.biHeight = -kH;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> bits(kW * kH);
        ASSERT_EQ(kH, GetDIBits(dc, ddb, 0, kH, bits.data(), &bmi, DIB_RGB_COLORS));
        EXPECT_EQ(0xFFFFFFFFu, bits[3 * kW + 3]);
    }
    DeleteDC(dc);
    DeleteObject(ddb);
}

}  // namespace
