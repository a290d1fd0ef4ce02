#include <gtest/gtest.h>

#include <climits>

#include "framework/Rects.h"
#include "model/MemletLook.h"
#include "note/MemletGeometry.h"
#include "note/NoteFixture.h"

namespace {

// Indices come from files and other programs: unknown ones take the
// table's last row, and brushes are picked by the same row.
TEST(MemletLook, EveryIndexHasAColour) {
    struct Case {
        int index;
        COLORREF pick, back, text;
        int pickRow, backRow;
    } cases[] = {
        {0, RGB(255, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), 0, 0},
        {1, RGB(0, 255, 0), RGB(255, 200, 200), RGB(255, 0, 0), 1, 1},
        {2, RGB(0, 0, 255), RGB(200, 255, 200), RGB(0, 0, 255), 2, 2},
        {3, RGB(253, 140, 2), RGB(200, 200, 255), RGB(0, 0, 0), 3, 3},
        {4, RGB(0, 0, 0), RGB(255, 255, 180), RGB(0, 0, 0), 4, 4},
        {5, RGB(0, 0, 0), RGB(150, 150, 150), RGB(0, 0, 0), 4, 5},
        {6, RGB(0, 0, 0), RGB(150, 150, 150), RGB(0, 0, 0), 4, 5},
        {-1, RGB(0, 0, 0), RGB(150, 150, 150), RGB(0, 0, 0), 4, 5},
        {INT_MAX, RGB(0, 0, 0), RGB(150, 150, 150), RGB(0, 0, 0), 4, 5},
        {INT_MIN, RGB(0, 0, 0), RGB(150, 150, 150), RGB(0, 0, 0), 4, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(c.pick, PickBarColor(c.index));
        EXPECT_EQ(c.back, BackColor(c.index));
        EXPECT_EQ(c.text, TextColor(c.index));
        EXPECT_EQ(c.pickRow, PickBarRow(c.index));
        EXPECT_EQ(c.backRow, BackRow(c.index));
    }
    EXPECT_EQ(RGB(0, 0, 0), PickBarMarkColor(0));
    EXPECT_EQ(RGB(255, 0, 0), PickBarMarkColor(1));
    EXPECT_EQ(RGB(255, 0, 0), PickBarMarkColor(-3));
}

TEST(MemletLook, AlphaOfPercentAndTheFade) {
    EXPECT_EQ(51, AlphaOfPercent(20));
    EXPECT_EQ(178, AlphaOfPercent(70));
    EXPECT_EQ(255, AlphaOfPercent(100));
    EXPECT_EQ(0, AlphaOfPercent(-5));
    EXPECT_EQ(255, AlphaOfPercent(INT_MAX));
    // Counted down from ten: visible parts in 255 of the note's alpha.
    const int whole[] = {255, 220, 180, 150, 100, 60, 0, 0, 0, 0};
    const int half[] = {128, 110, 90, 75, 50, 30, 0, 0, 0, 0};
    for (int i = 0; i < kFadeSteps; i++) {
        EXPECT_EQ(whole[i], FadeAlpha(kFadeSteps - 1 - i, 255)) << i;
        EXPECT_EQ(half[i], FadeAlpha(kFadeSteps - 1 - i, 128)) << i;
    }
}

TEST(MemletGeometry, PickBarOnEachSide) {
    struct Case {
        int pickPos;
        RECT bar, edit;
    } cases[] = {
        {0, {183, 0, 200, 60}, {0, 0, 183, 60}},
        {1, {0, 0, 200, 17}, {0, 17, 200, 60}},
        {2, {0, 0, 17, 60}, {17, 0, 200, 60}},
        {3, {0, 43, 200, 60}, {0, 0, 200, 43}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pickPos);
        RECT bar, edit;
        ASSERT_TRUE(LayoutPickBar(c.pickPos, 200, 60, bar, edit));
        EXPECT_EQ(c.bar, bar);
        EXPECT_EQ(c.edit, edit);
    }
    RECT bar, edit;
    EXPECT_FALSE(LayoutPickBar(4, 200, 60, bar, edit));
    EXPECT_FALSE(LayoutPickBar(-1, 200, 60, bar, edit));
    // A client area smaller than the bar gives no negative sizes.
    ASSERT_TRUE(LayoutPickBar(0, 10, 5, bar, edit));
    EXPECT_EQ(0, edit.right - edit.left);
}

TEST(MemletGeometry, MinimumHoldsThePickBar) {
    // d is the frame's share of the width; it serves for the height too.
    EXPECT_EQ(25, PickBarMinimum(0, SIZE{10, 5}, 8).cx);
    EXPECT_EQ(5, PickBarMinimum(0, SIZE{10, 5}, 8).cy);
    EXPECT_EQ(25, PickBarMinimum(3, SIZE{10, 5}, 8).cy);
    EXPECT_EQ(10, PickBarMinimum(3, SIZE{10, 5}, 8).cx);
    EXPECT_EQ(40, PickBarMinimum(2, SIZE{40, 5}, 8).cx);
    EXPECT_EQ(5, PickBarMinimum(7, SIZE{10, 5}, 8).cy);
}

TEST(MemletGeometry, WheelStepsOnePixelANotch) {
    SIZE min{50, 20};
    struct Case {
        UINT flags;
        int delta;
        SIZE from, to;
    } cases[] = {
        {MK_CONTROL, -360, {200, 60}, {203, 60}},
        {MK_SHIFT, -120, {200, 60}, {200, 61}},
        {MK_CONTROL | MK_SHIFT, 240, {200, 60}, {198, 58}},
        {0, -360, {200, 60}, {200, 60}},
        {MK_CONTROL, -119, {200, 60}, {200, 60}},  // less than a notch
        {MK_SHIFT, 1200, {200, 25}, {200, 20}},
        {MK_CONTROL | MK_SHIFT, 120, {50, 20}, {50, 20}},
        {MK_CONTROL, 120, {30, 10}, {50, 20}},  // already below: raised to the floor
        {MK_CONTROL, -120, {INT_MAX - 1, 60}, {INT_MAX / 2, 60}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.flags << " " << c.delta);
        SIZE to = WheelResize(c.from, c.flags, c.delta, min);
        EXPECT_EQ(c.to.cx, to.cx);
        EXPECT_EQ(c.to.cy, to.cy);
    }
}

TEST(MemletGeometry, OffsetKeepsTheSizeAndNeverOverflows) {
    EXPECT_EQ((RECT{130, 120, 330, 180}), OffsetRectClamped(RECT{100, 100, 300, 160}, 30, 20));
    EXPECT_EQ((RECT{-100, -40, 100, 20}), OffsetRectClamped(RECT{100, 100, 300, 160}, -200, -140));
    // Near the ends of the int range, from files or other programs.
    RECT distant = OffsetRectClamped(RECT{INT_MAX - 10, INT_MIN + 5, INT_MAX, INT_MIN + 25}, (int64_t)INT_MAX * 2,
                                 -(int64_t)INT_MAX * 2);
    EXPECT_EQ(10, distant.right - distant.left);
    EXPECT_EQ(20, distant.bottom - distant.top);
    EXPECT_GT(distant.right, distant.left);
    EXPECT_LT(distant.top, 0);
    RECT wide = OffsetRectClamped(RECT{INT_MIN, 0, INT_MAX, 10}, 0, 0);
    EXPECT_GT(wide.right, wide.left);
    RECT inverted = OffsetRectClamped(RECT{100, 100, 50, 50}, 1, 1);
    EXPECT_EQ((RECT{101, 101, 101, 101}), inverted);
}

TEST(MemletGeometry, CentreTruncatesTowardZero) {
    struct Case {
        RECT around;
        SIZE size;
        RECT expected;
    } cases[] = {
        {{100, 100, 700, 500}, {200, 60}, {300, 270, 500, 330}},
        {{0, 0, 101, 51}, {201, 61}, {-50, -5, 151, 56}},        // 50 - 100, 25 - 30
        {{-200, -150, 101, 51}, {201, 61}, {-149, -79, 52, -18}},  // -49 - 100, -49 - 30
        {{-3, -3, 0, 0}, {1, 1}, {-1, -1, 0, 0}},
        {{INT_MAX - 10, INT_MIN, INT_MAX, INT_MIN + 10}, {20, 20}, {INT_MAX / 2, -(INT_MAX / 2), INT_MAX / 2 + 20,
                                                                     -(INT_MAX / 2) + 20}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {20, 20}, {-10, -10, 10, 10}},  // the sum in 64 bits
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CenterIn(c.around, c.size)) << c.around;
}

// A note taken to another window: half of each margin, truncating toward
// zero, which is not always the centre-minus-half of CenterIn.
TEST(MemletGeometry, CentreByMarginsTruncatesTowardZero) {
    struct Case {
        RECT r, area, expected;
    } cases[] = {
        {{0, 0, 200, 60}, {100, 100, 700, 500}, {300, 270, 500, 330}},
        {{7, 7, 58, 38}, {0, 0, 100, 50}, {24, 9, 75, 40}},                // CenterIn: 25, 10
        {{0, 0, 201, 61}, {0, 0, 100, 50}, {-50, -5, 151, 56}},            // -101 / 2, -11 / 2
        {{0, 0, 201, 61}, {-200, -150, 101, 51}, {-150, -80, 51, -19}},
        {{100, 100, 50, 50}, {0, 0, 100, 50}, {50, 25, 50, 25}},           // inverted: no size
        {{0, 0, 20, 20}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {-11, -11, 9, 9}},  // the width in 64 bits
        {{0, 0, 20, 20}, {INT_MAX - 10, INT_MIN, INT_MAX, INT_MIN + 10},
         {INT_MAX / 2, -(INT_MAX / 2), INT_MAX / 2 + 20, -(INT_MAX / 2) + 20}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 100, 50},
         {-(INT_MAX / 2 / 2) + 50, -(INT_MAX / 2 / 2) + 25, -(INT_MAX / 2 / 2) + 50 + INT_MAX / 2,
          -(INT_MAX / 2 / 2) + 25 + INT_MAX / 2}},  // a size beyond the limit is the limit
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CenterRectIn(c.r, c.area)) << c.r << " in " << c.area;
}

TEST(MemletGeometry, KeepInsideMovesTheRightAndBottomEdgesInFirst) {
    const RECT area{0, 0, 1280, 770};
    struct Case {
        RECT r, expected;
    } cases[] = {
        {{100, 100, 300, 160}, {100, 100, 300, 160}},
        {{1200, 750, 1400, 810}, {1080, 710, 1280, 770}},
        {{-50, -20, 150, 40}, {0, 0, 200, 60}},
        {{-100, 900, 1500, 1000}, {0, 670, 1600, 770}},  // wider than the area: its left edge in it
        {{-100, -100, 100, 2000}, {0, 0, 200, 2100}},    // higher than the area: its top edge in it
        {{INT_MAX - 10, INT_MIN, INT_MAX, INT_MIN + 10}, {1270, 0, 1280, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, KeepInside(c.r, area)) << c.r;
}

}  // namespace
