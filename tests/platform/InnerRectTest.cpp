#include <gtest/gtest.h>

#include "platform/InnerRect.h"

namespace {

// A framed top-level window with a client area of 300 x 200 and one child.
class InnerRectTest : public testing::Test {
protected:
    void SetUp() override {
        RECT frame = {0, 0, 300, 200};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        outer = CreateWindowExA(0, "STATIC", "outer", WS_OVERLAPPEDWINDOW, 120, 80, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(outer);
        RECT client{};
        GetClientRect(outer, &client);
        ASSERT_EQ(300, client.right);
        ASSERT_EQ(200, client.bottom);
    }
    void TearDown() override { DestroyWindow(outer); }

    HWND Child(int x, int y, int w, int h) {
        return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, x, y, w, h, outer, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }

    HWND outer = nullptr;
};

TEST_F(InnerRectTest, MarginsAreTheDistancesFromTheClientEdges) {
    struct {
        int x, y, w, h;
        int left, right, top, bottom;
    } cases[] = {
        {0, 0, 300, 200, 0, 0, 0, 0},      // fills the client area exactly
        {10, 20, 260, 140, 10, 30, 20, 40},
        {-5, 0, 310, 210, -5, -5, 0, -10},  // larger than the client area
    };
    for (const auto& c : cases) {
        HWND child = Child(c.x, c.y, c.w, c.h);
        ASSERT_TRUE(child);
        MARGINS m{-99, -99, -99, -99};
        GetInnerMargins(outer, child, &m);
        EXPECT_EQ(c.left, m.cxLeftWidth) << c.x << "," << c.y;
        EXPECT_EQ(c.right, m.cxRightWidth) << c.x << "," << c.y;
        EXPECT_EQ(c.top, m.cyTopHeight) << c.x << "," << c.y;
        EXPECT_EQ(c.bottom, m.cyBottomHeight) << c.x << "," << c.y;
        DestroyWindow(child);
    }
}

TEST_F(InnerRectTest, InnerRectIsInClientCoordinates) {
    HWND child = Child(10, 20, 260, 140);
    ASSERT_TRUE(child);
    RECT r{};
    GetInnerRect(outer, child, &r);
    EXPECT_EQ(10, r.left);
    EXPECT_EQ(20, r.top);
    EXPECT_EQ(270, r.right);
    EXPECT_EQ(160, r.bottom);
}

}  // namespace
