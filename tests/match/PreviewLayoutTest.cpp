// Where the child-window pickers draw a window's picture and the chosen
// child's frame, for both of their boxes.
#include <gtest/gtest.h>

#include "dialogs/ChildPreview.h"
#include "dialogs/ChildSelDlg.h"
#include "dialogs/WinExSelDlg.h"

namespace {

TEST(PreviewLayout, PictureAndFrameInBothBoxes) {
    const POINT sel = CChildSelDlg::kImageOrigin, ex = CWinExSelDlg::kImageOrigin;
    const SIZE selBox = CChildSelDlg::kImageSize, exBox = CWinExSelDlg::kImageSize;
    const struct {
        const char* name;
        POINT origin;
        SIZE box;
        int cx, cy;
        RECT child;
        bool image, stretch;
        int drawnCx, drawnCy;
        double scale;
        bool framed;
        RECT frame;
    } cases[] = {
        // Copied 1:1; the frame of a child outside the picture is cut at the box's edges.
        {"150x100 1:1", sel, selBox, 150, 100, RECT{20, 30, 400, 300}, true, false, 200, 170, 1, true,
         RECT{30, 50, 210, 190}},
        {"150x100 inside", sel, selBox, 150, 100, RECT{5, 6, 50, 40}, true, false, 200, 170, 1, true,
         RECT{15, 26, 60, 60}},
        // No edge is held at the left or top side.
        {"left of the picture", sel, selBox, 150, 100, RECT{-30, -8, 20, 10}, true, false, 200, 170, 1, true,
         RECT{-20, 12, 30, 30}},
        {"400x170 halved", sel, selBox, 400, 170, RECT{100, 40, 300, 160}, true, true, 200, 85, 0.5, true,
         RECT{60, 40, 160, 100}},
        {"400x170 cut below", sel, selBox, 400, 170, RECT{0, 100, 400, 400}, true, true, 200, 85, 0.5, true,
         RECT{10, 70, 210, 105}},
        {"200x340 halved", sel, selBox, 200, 340, RECT{10, 10, 190, 330}, true, true, 100, 170, 0.5, true,
         RECT{15, 25, 105, 185}},
        // As large as the box: the scale path with factor 1.
        {"200x170 scaled by 1", sel, selBox, 200, 170, RECT{10, 10, 50, 50}, true, true, 200, 170, 1, true,
         RECT{20, 30, 60, 70}},
        {"300x120 in the other box", ex, exBox, 300, 120, RECT{50, 20, 250, 100}, true, true, 150, 60, 0.5, true,
         RECT{45, 160, 145, 200}},
        {"149x119 in the other box", ex, exBox, 149, 119, RECT{0, 0, 200, 200}, true, false, 150, 120, 1, true,
         RECT{20, 150, 170, 270}},
        // A zero-width or zero-height frame is not drawn.
        {"zero-width frame", sel, selBox, 150, 100, RECT{40, 10, 40, 90}, true, false, 200, 170, 1, false, RECT{}},
        {"zero-height frame", ex, exBox, 300, 120, RECT{10, 60, 90, 60}, true, true, 150, 60, 0.5, false, RECT{}},
        // No picture: nothing drawn, nothing framed, nothing divided by zero.
        {"no snapshot", sel, selBox, 0, 0, RECT{1, 1, 20, 20}, false, false, 0, 0, 0, false, RECT{}},
        {"zero width", sel, selBox, 0, 300, RECT{1, 1, 20, 20}, false, false, 0, 0, 0, false, RECT{}},
        {"zero height", ex, exBox, 500, 0, RECT{1, 1, 20, 20}, false, false, 0, 0, 0, false, RECT{}},
        // A window claiming an absurd place gives a frame cut to the box, without overflow.
        {"huge child", sel, selBox, 400, 170, RECT{-2000000000, -2000000000, 2000000000, 2000000000}, true, true,
         200, 85, 0.5, true, RECT{-999999990, -999999980, 210, 105}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CPreviewLayout l = LayoutPreview(c.origin, c.box, c.cx, c.cy, c.child);
        EXPECT_EQ(c.image, l.image);
        EXPECT_EQ(c.stretch, l.stretch);
        EXPECT_EQ(c.drawnCx, l.cx);
        EXPECT_EQ(c.drawnCy, l.cy);
        EXPECT_DOUBLE_EQ(c.scale, l.scale);
        EXPECT_EQ(c.framed, l.framed);
        if (c.framed) {
            EXPECT_EQ(c.frame.left, l.frame.left);
            EXPECT_EQ(c.frame.top, l.frame.top);
            EXPECT_EQ(c.frame.right, l.frame.right);
            EXPECT_EQ(c.frame.bottom, l.frame.bottom);
        }
    }
}

}  // namespace
