#include <gtest/gtest.h>

#include <vector>

#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "note/Gradation.h"
#include "note/NoteFixture.h"

#include <commctrl.h>

namespace {

TEST(Gradation, TintAndShade) {
    const COLORREF yellow = RGB(255, 255, 180), grey = RGB(150, 150, 150);
    EXPECT_EQ(yellow, TintColor(yellow, 100));
    EXPECT_EQ(RGB(255, 255, 255), TintColor(yellow, 0));
    EXPECT_EQ(RGB(255, 255, 255), TintColor(yellow, -40));
    EXPECT_EQ(RGB(255, 255, 233), TintColor(yellow, 30));  // 255 - 75 * 30 / 100
    EXPECT_EQ(RGB(255, 255, 195), TintColor(yellow, 80));
    EXPECT_EQ(RGB(224, 224, 224), TintColor(grey, 30));
    EXPECT_EQ(RGB(255, 255, 255), ShadeColor(RGB(255, 255, 255)));
    EXPECT_EQ(RGB(124, 124, 124), ShadeColor(grey));
    EXPECT_EQ(RGB(255, 255, 162), ShadeColor(yellow));
    EXPECT_EQ(RGB(0, 0, 0), ShadeColor(RGB(0, 10, 0)));  // capped at 0
    EXPECT_EQ(0u, ShadeColor(RGB(1, 2, 3)) >> 24);
}

TEST(Gradation, BandsRunFromTheFirstColour) {
    const COLORREF a = RGB(0, 64, 255), b = RGB(64, 0, 191);
    EXPECT_EQ(a, BandColor(a, b, 0));
    EXPECT_EQ(RGB(32, 32, 223), BandColor(a, b, 32));
    EXPECT_EQ(RGB(63, 1, 192), BandColor(a, b, 63));
}

// A bitmap to paint into, pre-filled so that unpainted pixels show.
constexpr COLORREF kUnpainted = RGB(255, 0, 255);
class Canvas : public CPixels {
public:
    Canvas(int w, int h) : CPixels(w, h) { Fill(0x00FF00FF); }
};

bool AllAre(const CPixels& p, COLORREF c) {
    for (int y = 0; y < p.Height(); y++)
        for (int x = 0; x < p.Width(); x++)
            if (p.Colour(x, y) != c)
                return false;
    return true;
}

// Within the rounding of a gradient fill.
bool Near(COLORREF a, COLORREF b, int tolerance = 4) {
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

const COLORREF kBase = RGB(200, 200, 255);

// Where each pattern has its edge and middle colours: (x, y) on a 128 x 128
// field and the colour expected there.
struct Sample {
    int x, y;
    COLORREF c;
};
struct PatternCase {
    int pattern;
    std::vector<Sample> samples;
};

std::vector<PatternCase> PatternCases() {
    const COLORREF light = TintColor(kBase, 30), strong = TintColor(kBase, 80), shade = ShadeColor(kBase);
    return {
        {0, {{64, 0, shade}, {64, 127, light}}},
        {1, {{64, 0, light}, {64, 127, shade}}},
        {2, {{0, 64, shade}, {127, 64, light}}},
        {3, {{0, 64, light}, {127, 64, shade}}},
        // Two halves meeting along the middle line.
        {4, {{64, 0, strong}, {64, 63, light}, {64, 64, light}, {64, 127, strong}}},
        {5, {{64, 0, light}, {64, 63, strong}, {64, 64, strong}, {64, 127, light}}},
        {6, {{0, 64, light}, {63, 64, strong}, {64, 64, strong}, {127, 64, light}}},
        {7, {{0, 64, strong}, {63, 64, light}, {64, 64, light}, {127, 64, strong}}},
    };
}

TEST(Gradation, EachPatternHasItsColoursAtItsEdges) {
    for (const PatternCase& pc : PatternCases()) {
        SCOPED_TRACE(pc.pattern);
        Canvas canvas(128, 128);
        ASSERT_TRUE(PaintGradation(canvas.Dc(), RECT{0, 0, 128, 128}, kBase, pc.pattern));
        for (const Sample& s : pc.samples)
            EXPECT_TRUE(Near(s.c, canvas.Colour(s.x, s.y))) << s.x << "," << s.y << " " << std::hex << canvas.Colour(s.x, s.y);
    }
}

TEST(Gradation, BandsAreCountedFromTheBottomAndLeftEdges) {
    // 64 rows in a half of 64: band i is one row, i rows above the bottom.
    const COLORREF light = TintColor(kBase, 30), strong = TintColor(kBase, 80);
    Canvas canvas(8, 128);
    PaintGradation(canvas.Dc(), RECT{0, 0, 8, 128}, kBase, 4);
    EXPECT_EQ(BandColor(light, strong, 0), canvas.Colour(0, 63));   // upper half: middle line at its bottom
    EXPECT_EQ(BandColor(light, strong, 63), canvas.Colour(0, 0));
    EXPECT_EQ(BandColor(strong, light, 0), canvas.Colour(0, 127));  // lower half: the edge at its bottom
    EXPECT_EQ(BandColor(strong, light, 10), canvas.Colour(0, 117));
    Canvas across(128, 8);
    PaintGradation(across.Dc(), RECT{0, 0, 128, 8}, kBase, 6);
    EXPECT_EQ(BandColor(light, strong, 0), across.Colour(0, 0));
    EXPECT_EQ(BandColor(light, strong, 5), across.Colour(5, 0));
    EXPECT_EQ(BandColor(strong, light, 0), across.Colour(64, 0));
    // A half narrower than 64 skips its empty bands and still fills it all.
    Canvas narrow(20, 3);
    PaintGradation(narrow.Dc(), RECT{0, 0, 20, 3}, kBase, 7);
    for (int x = 0; x < 20; x++)
        EXPECT_NE(kUnpainted, narrow.Colour(x, 1)) << x;
}

TEST(Gradation, WhiteStaysWhiteAndUnknownPatternsPaintNothing) {
    for (int pattern = 0; pattern < kGradationPatterns; pattern++) {
        Canvas canvas(40, 30);
        PaintGradation(canvas.Dc(), RECT{0, 0, 40, 30}, RGB(255, 255, 255), pattern);
        EXPECT_TRUE(AllAre(canvas, RGB(255, 255, 255))) << pattern;
    }
    for (int pattern : {8, 9, -1, 1000}) {
        Canvas canvas(40, 30);
        EXPECT_FALSE(PaintGradation(canvas.Dc(), RECT{0, 0, 40, 30}, kBase, pattern));
        EXPECT_TRUE(AllAre(canvas, kUnpainted)) << pattern;
    }
}

// The note's own edit paints its background when asked to erase.
TEST_F(NoteTest, EditPaintsTheNotesGradation) {
    NoteLook look;
    look.bkColor = 3;  // RGB(200, 200, 255)
    look.graFlg = 1;
    look.rect = RECT{300, 300, 500, 400};
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND edit = win->m_editMemlet.m_hWnd;
    RECT client;
    GetClientRect(edit, &client);
    const int w = client.right, h = client.bottom;
    for (const PatternCase& pc : PatternCases()) {
        SCOPED_TRACE(pc.pattern);
        win->m_nGraPtn = pc.pattern;
        win->UpdateEditLook();
        Canvas canvas(w, h);
        EXPECT_TRUE(SendMessageW(edit, WM_ERASEBKGND, (WPARAM)canvas.Dc(), 0));
        Canvas expected(w, h);
        PaintGradation(expected.Dc(), client, kBase, pc.pattern);
        for (int y : {0, h / 2 - 1, h / 2, h - 1})
            for (int x : {0, w / 2 - 1, w / 2, w - 1})
                EXPECT_EQ(expected.Colour(x, y), canvas.Colour(x, y)) << x << "," << y;
    }
    // Gradation off, or a see-through background: one colour.
    win->m_nGraFlg = 0;
    win->UpdateEditLook();
    Canvas solid(w, h);
    SendMessageW(edit, WM_ERASEBKGND, (WPARAM)solid.Dc(), 0);
    EXPECT_TRUE(AllAre(solid, kBase));
    win->m_nGraFlg = 1;
    win->m_nBkTransparent = 1;
    win->UpdateEditLook();
    Canvas keyed(w, h);
    SendMessageW(edit, WM_ERASEBKGND, (WPARAM)keyed.Dc(), 0);
    EXPECT_TRUE(AllAre(keyed, kBase));
}

// What the edit is asked to erase: the clip box of each WM_ERASEBKGND.
std::vector<RECT> g_erased;
LRESULT CALLBACK EraseSpy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_ERASEBKGND) {
        RECT box{};
        GetClipBox((HDC)wp, &box);
        g_erased.push_back(box);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// Typing or scrolling over a gradation erases all of it, so no stripes of
// old background stay behind the text.
TEST_F(NoteTest, TypingOverAGradationRepaintsTheWholeField) {
    NoteLook look;
    look.graFlg = 1;
    for (int i = 0; i < 12; i++)
        look.text += "行\r\n";
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND edit = win->m_editMemlet.m_hWnd;
    // The note's own enabling and hover repaint it whole too: let them pass.
    HWND note = win->m_hWnd;
    PumpUntil([note] { return IsWindowEnabled(note) != 0; });
    PumpFor(250);
    RECT client;
    GetClientRect(edit, &client);
    SetWindowSubclass(edit, EraseSpy, 1, 0);
    auto erasedWhole = [&] {
        PumpPending();
        UpdateWindow(edit);
        bool whole = false;
        for (const RECT& r : g_erased)
            whole = whole || r == client;
        g_erased.clear();
        return whole;
    };
    erasedWhole();
    SendMessageW(edit, WM_CHAR, L'x', 1);
    EXPECT_TRUE(erasedWhole());
    SendMessageW(edit, WM_CHAR, VK_BACK, 1);
    EXPECT_TRUE(erasedWhole());
    SendMessageW(edit, EM_LINESCROLL, 0, -3);
    EXPECT_TRUE(erasedWhole());
    ASSERT_GT(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 1);
    SendMessageW(edit, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_TRUE(erasedWhole());
    // The caret moved up past the first line shown scrolls the view too.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    EXPECT_EQ(0, SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    EXPECT_TRUE(erasedWhole());
    SendMessageW(edit, WM_KEYDOWN, VK_NEXT, 1);
    EXPECT_TRUE(erasedWhole());
    // A solid background is erased only when the system asks.
    win->m_nGraFlg = 0;
    win->UpdateEditLook();
    erasedWhole();
    SendMessageW(edit, WM_CHAR, L'y', 1);
    EXPECT_FALSE(erasedWhole());
    RemoveWindowSubclass(edit, EraseSpy, 1);
}

}  // namespace
