#include <gtest/gtest.h>

#include "app/OpaCheck.h"
#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"

namespace {

// A parent that answers WM_GETFONT with a font of the test's, or null.
class CFontParent : public CWnd {
public:
    HFONT font = nullptr;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_GETFONT)
            return (LRESULT)font;
        return CWnd::WindowProc(msg, wp, lp);
    }
};

class CTestOpaCheck : public COpaCheck {
public:
    bool glow = false;

protected:
    bool IsGlowOn() const override { return glow; }
};

constexpr int kW = 300, kH = 40;

HFONT MakeFont(int height) {
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS UI Gothic");
}

// Two check boxes of the same caption side by side: one ours, one plain.
// Their own font is tiny, so that the caption the system draws fills only
// a few rows; the glow's caption comes in the parent's font.
class OpaCheck : public testing::Test {
protected:
    void SetUp() override {
        CWnd::CreateArgs args;
        args.title = "親";
        args.style = WS_POPUP;
        args.background = GetSysColorBrush(COLOR_BTNFACE);
        args.x = 40;
        args.y = 200;
        args.cx = kW;
        args.cy = 2 * kH + 10;
        ASSERT_TRUE(parent.Create(args));
        ours = MakeCheck(0);
        plain = MakeCheck(kH + 10);
        ASSERT_TRUE(check.Subclass(ours));
        ShowWindow(parent.m_hWnd, SW_SHOWNOACTIVATE);
        UpdateWindow(parent.m_hWnd);
        PumpPending();
    }
    void TearDown() override {
        parent.DestroyWindow();
        DeleteObject(tiny);
        if (parentFont)
            DeleteObject(parentFont);
    }

    HWND MakeCheck(int y) {
        HWND h =
            CreateWindowExW(0, L"BUTTON", ToWide("付箋を不透明にする").c_str(), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                            0, y, kW, kH, parent.m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(h, WM_SETFONT, (WPARAM)tiny, FALSE);
        return h;
    }

    // Rows with ink right of the box, as the window shows it.
    int CaptionRows(HWND h) {
        CPixels pixels(kW, kH);
        EXPECT_TRUE(pixels.CaptureClient(h));
        return InkRows(pixels, 16, pixels.Colour(kW - 2, kH / 2));
    }

    CFontParent parent;
    CTestOpaCheck check;
    HWND ours = nullptr, plain = nullptr;
    HFONT tiny = MakeFont(-4);
    HFONT parentFont = nullptr;
};

TEST_F(OpaCheck, WithoutGlowAPlainCheckBox) {
    parentFont = MakeFont(-24);
    parent.font = parentFont;
    check.glow = false;
    CPixels a(kW, kH), b(kW, kH);
    ASSERT_TRUE(a.CaptureClient(ours));
    ASSERT_TRUE(b.CaptureClient(plain));
    int differ = 0;
    for (int y = 0; y < kH; y++)
        for (int x = 0; x < kW; x++) differ += a.At(x, y) != b.At(x, y);
    EXPECT_EQ(0, differ);
    EXPECT_LT(CaptionRows(ours), 8);
}

TEST_F(OpaCheck, TheGlowDrawsTheCaptionInTheParentsFont) {
    struct {
        const char* name;
        int parentHeight;  // 0: the parent has no font
        int minRows;
    } cases[] = {{"parent's font", -24, 14}, {"no font: the GUI font", 0, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (parentFont)
            DeleteObject(parentFont);
        parentFont = c.parentHeight ? MakeFont(c.parentHeight) : nullptr;
        parent.font = parentFont;
        check.glow = true;
        int rows = CaptionRows(ours);
        EXPECT_GE(rows, c.minRows);
        EXPECT_LE(rows, kH);
        check.glow = false;
        EXPECT_LT(CaptionRows(ours), c.minRows);
        check.glow = true;
        // The parent's font is the parent's: still whole after painting.
        if (parentFont) {
            LOGFONTW lf{};
            EXPECT_EQ((int)sizeof lf, GetObjectW(parentFont, sizeof lf, &lf));
            EXPECT_EQ(c.parentHeight, lf.lfHeight);
        }
    }
}

TEST_F(OpaCheck, WithoutACaptionOnlyTheBox) {
    check.glow = true;
    check.SetText("");
    parentFont = MakeFont(-24);
    parent.font = parentFont;
    EXPECT_EQ(0, CaptionRows(ours));
}

}  // namespace
