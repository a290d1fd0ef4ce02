// The leader line's arithmetic: pens, new points, the start's clamp onto
// the note, the window around the handles and the head. Offsets and rects
// come from files and other programs: the cases reach the ends of the int
// range.
#include <gtest/gtest.h>

#include <climits>

#include "framework/Rects.h"
#include "note/ArrowGeometry.h"
#include "note/NoteFixture.h"

namespace {

constexpr int kFar = (int)kCoordLimit;

TEST(ArrowGeometry, PenAndHeadOfEachWidth) {
    struct Case {
        int index, pen, head;
    } cases[] = {
        {0, 1, 10}, {1, 2, 12}, {2, 3, 15}, {3, 2, 2}, {-1, 2, 2}, {INT_MAX, 2, 2}, {INT_MIN, 2, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.pen, ArrowPenWidth(c.index)) << c.index;
        EXPECT_EQ(c.head, ArrowHeadLength(c.index)) << c.index;
    }
}

// A handle's place is its origin plus its offset; what is stored back is
// the difference. Centres truncate toward zero.
TEST(ArrowGeometry, PlacesOffsetsAndCentres) {
    EXPECT_EQ((POINT{150, 80}), PointAt(POINT{100, 100}, 50, -20));
    EXPECT_EQ((POINT{kFar, -kFar}), PointAt(POINT{100, 100}, INT_MAX, INT_MIN));
    EXPECT_EQ((POINT{-kFar, kFar}), PointAt(POINT{INT_MIN, INT_MAX}, -1, 1));
    EXPECT_EQ((POINT{50, -20}), OffsetFrom(POINT{150, 80}, POINT{100, 100}));
    EXPECT_EQ((POINT{INT_MAX, INT_MIN}), OffsetFrom(POINT{INT_MAX, INT_MIN}, POINT{INT_MIN, INT_MAX}));
    EXPECT_EQ((POINT{7, 7}), CentreOf(RECT{0, 0, 15, 15}));
    EXPECT_EQ((POINT{-13, -13}), CentreOf(RECT{-20, -20, -5, -5}));
    EXPECT_EQ((POINT{-1, -1}), CentreOf(RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
}

// A new line starts at the note's centre and ends 100 px below it, kept
// off the work area's right and bottom edges.
TEST(ArrowGeometry, DefaultPoints) {
    const RECT screen{0, 0, 1280, 800};
    struct Case {
        RECT note, work;
        POINT start, end;
    } cases[] = {
        {{300, 300, 500, 360}, screen, {100, 30}, {400, 430}},
        {{300, 300, 501, 361}, screen, {100, 30}, {400, 430}},
        {{300, 700, 500, 760}, screen, {100, 30}, {400, 790}},     // near the bottom
        {{1200, 300, 1400, 360}, screen, {100, 30}, {1270, 430}},  // near the right
        {{1200, 720, 1400, 780}, screen, {100, 30}, {1270, 790}},
        {{-400, -500, -200, -440}, screen, {100, 30}, {-300, -370}},  // the left and top edges do not count
        {{2400, 950, 2600, 1010}, {1280, 0, 2560, 1024}, {100, 30}, {2500, 1014}},  // a monitor on the right
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, screen, {INT_MAX, INT_MAX}, {-1, 99}},
        {{INT_MAX - 200, INT_MAX - 60, INT_MAX, INT_MAX}, screen, {100, 30}, {1270, 790}},
        {{0, 0, 200, 60}, {INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5}, {100, 30}, {INT_MIN, INT_MIN}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        EXPECT_EQ(c.start, DefaultStartOffset(c.note));
        EXPECT_EQ(c.end, KeepOffWorkEdges(BelowCentre(c.note), c.work));
    }
}

// Each side is tested with the centre as it was: the start handle's
// centre ends on the nearest edge of the note's client rect.
TEST(ArrowGeometry, StartClampedOntoTheNote) {
    const RECT note{100, 100, 300, 160};
    auto at = [](int x, int y) { return RECT{x, y, x + 15, y + 15}; };
    struct Case {
        const char* where;
        RECT note, handle;
        bool moved;
        RECT expected;
    } cases[] = {
        {"inside", note, at(150, 120), false, at(150, 120)},
        {"above", note, at(150, 50), true, at(150, 93)},
        {"below", note, at(150, 200), true, at(150, 152)},
        {"left", note, at(20, 120), true, at(93, 120)},
        {"right", note, at(400, 120), true, at(292, 120)},
        {"above left", note, at(20, 20), true, at(93, 93)},
        {"below right", note, at(400, 300), true, at(292, 152)},
        {"centre on the top edge", note, at(150, 93), false, at(150, 93)},
        {"centre on the right edge", note, at(293, 120), false, at(293, 120)},
        {"left of a note left of the screen", {-300, -200, -100, -140}, at(-400, -180), true, at(-307, -180)},
        {"at the far corner", note, {INT_MIN, INT_MIN, INT_MIN + 15, INT_MIN + 15}, true, at(93, 93)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        RECT h = c.handle;
        EXPECT_EQ(c.moved, ClampIntoNote(h, c.note));
        EXPECT_EQ(c.expected, h);
        // Once on the note it stays.
        EXPECT_FALSE(ClampIntoNote(h, c.note));
    }
}

TEST(ArrowGeometry, WindowAroundBothHandles) {
    struct Case {
        RECT a, b, expected;
    } cases[] = {
        {{100, 100, 115, 115}, {300, 250, 315, 265}, {90, 90, 325, 275}},
        {{300, 250, 315, 265}, {100, 100, 115, 115}, {90, 90, 325, 275}},
        {{300, 100, 315, 115}, {100, 250, 115, 265}, {90, 90, 325, 275}},
        {{100, 100, 115, 115}, {100, 100, 115, 115}, {90, 90, 125, 125}},
        {{INT_MIN, INT_MIN, INT_MIN + 15, INT_MIN + 15},
         {INT_MAX - 15, INT_MAX - 15, INT_MAX, INT_MAX},
         {-kFar, -kFar, kFar, kFar}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, FitAround(c.a, c.b)) << c.a << " " << c.b;
}

// The tip at the end; the base h back along the line, 0.4 h to each side,
// each corner truncated toward zero.
TEST(ArrowGeometry, HeadUnlessTheLineIsShorterThanIt) {
    struct Case {
        const char* line;
        POINT s, e;
        int h;
        bool head;
        POINT left, right;
    } cases[] = {
        {"to the right", {0, 0}, {40, 0}, 15, true, {25, 6}, {25, -6}},
        {"up and left", {0, 0}, {-30, -40}, 10, true, {-20, -34}, {-27, -29}},
        {"as long as its head", {0, 0}, {0, 15}, 15, true, {-6, 0}, {6, 0}},
        {"14 px at width 2", {0, 0}, {14, 0}, ArrowHeadLength(2), false, {}, {}},
        {"no length", {5, 5}, {5, 5}, ArrowHeadLength(7), false, {}, {}},
        {"across the int range", {INT_MIN, 0}, {0, 0}, 16, true, {-16, 6}, {-16, -6}},
        {"at the end of the range", {INT_MAX, INT_MAX - 64}, {INT_MAX, INT_MAX}, 16, true,
         {INT_MAX - 7, INT_MAX - 16}, {INT_MAX, INT_MAX - 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        POINT corners[3] = {};
        ASSERT_EQ(c.head, ArrowHead(c.s, c.e, c.h, corners));
        if (!c.head)
            continue;
        EXPECT_EQ(c.e, corners[0]);
        EXPECT_EQ(c.left, corners[1]);
        EXPECT_EQ(c.right, corners[2]);
    }
}

}  // namespace
