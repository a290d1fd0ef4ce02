#include <gtest/gtest.h>

#include <vector>

#include "platform/MultiDisplay.h"

TEST(MultiDisplay, EnumeratesWithThePrimaryFirst) {
    CMultiDisplay* display = CMultiDisplay::GetInstance();
    ASSERT_TRUE(display);
    EXPECT_EQ(display, CMultiDisplay::GetInstance());
    EXPECT_EQ(0, display->m_nCount);

    EXPECT_TRUE(display->EnumMonitors());
    ASSERT_GE(display->m_nCount, 1);
    ASSERT_EQ(size_t(display->m_nCount), display->m_MonitorList.size());
    const CMultiDisplay::Monitor& first = display->m_MonitorList[0];
    EXPECT_EQ(DWORD(MONITORINFOF_PRIMARY), first.info.dwFlags);
    EXPECT_NE('\0', first.info.szDevice[0]);  // filled as MONITORINFOEXA
    EXPECT_EQ(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), first.hMonitor);
    EXPECT_FALSE(IsRectEmpty(&first.info.rcMonitor));

    CMultiDisplay::DeleteInstance();
    EXPECT_EQ(0, CMultiDisplay::GetInstance()->m_nCount);
    CMultiDisplay::DeleteInstance();
}

TEST(MultiDisplay, PrimaryMovesToTheFront) {
    struct {
        std::vector<DWORD> flags;   // of monitors 1, 2, ... in enumeration order
        std::vector<int> order;     // monitor numbers in the list
    } cases[] = {
        {{0, MONITORINFOF_PRIMARY}, {2, 1}},
        {{MONITORINFOF_PRIMARY, 0, 0}, {1, 2, 3}},
        {{0, 0, MONITORINFOF_PRIMARY}, {3, 1, 2}},
    };
    for (const auto& c : cases) {
        CMultiDisplay display;
        for (size_t i = 0; i < c.flags.size(); i++) {
            CMultiDisplay::Monitor m{};
            m.info.dwFlags = c.flags[i];
            m.hMonitor = reinterpret_cast<HMONITOR>(i + 1);
            display.AddMonitor(m);
        }
        EXPECT_EQ(int(c.flags.size()), display.m_nCount);
        std::vector<int> order;
        for (const auto& m : display.m_MonitorList)
            order.push_back(int(reinterpret_cast<INT_PTR>(m.hMonitor)));
        EXPECT_EQ(c.order, order);
    }
}
