// A parked record pasted on a chosen window through the hub: where it lands,
// what it takes from the window and the template, and what it keeps.
#include <gtest/gtest.h>

#include <climits>

#include "caches/CachesFixture.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "storage/MemletDataStore.h"
#include "storage/StorageTestFiles.h"

namespace {

CWinInf WinInfOf(HWND hwnd, const std::string& title) {
    CWinInf w;
    w.m_hWnd = hwnd;
    w.m_strTitle = title;
    w.m_strProcessName = kTargetsExeName;
    w.m_strPath = "C:\\tests\\corvana_targets.exe";
    return w;
}

CMemletData Parked() {
    CMemletData d = TwoRecords()[0];  // a leader line and a child condition
    d.m_hWndTarget = (HWND)0x1234;
    d.m_nTitleFlag = 0;
    d.m_nFull = 0;
    d.m_nExtentFlag = 1;
    d.m_nExFullFlag = 0;
    return d;
}

TEST_F(CachesTest, RepasteToWinInfTakesTheWindowAndTheTemplate) {
    HWND w = Target("行き先", 100, 100, 600, 400);
    Fields(m_panel).m_nSaveTiming = 1;
    CMemletData& tpl = Fields(m_panel).m_MemletTemplate;
    tpl.m_nTitleFlag = 1;
    tpl.m_nProcessFlag = 1;
    tpl.m_nFull = 1;
    tpl.m_nExtentFlag = 0;
    tpl.m_nExFullFlag = 1;
    tpl.m_strExText = "型の本文";
    tpl.m_strExPart = "型";
    tpl.m_nExCtlId = 7;
    tpl.m_strExClass = "型のクラス";
    tpl.m_arrow.m_nArwFlag = 1;
    tpl.m_arrow.m_nStartX = -11;
    tpl.m_arrow.m_nStartY = -12;
    tpl.m_arrow.m_nEndX = 13;
    tpl.m_arrow.m_nEndY = 14;
    InsertMemlet(PendingRecord('Z'));
    CMemletData parked = Parked();
    parked.m_reserve.m_nKind = 3;  // on one date, long past: no longer due
    parked.m_reserve.m_nDue = 1;
    parked.m_reserve.m_nYear = 2001;
    parked.m_reserve.m_nMonth = 1;
    parked.m_reserve.m_nDay = 1;
    RepasteToWinInf(WinInfOf(w, "行き先"), parked);
    ASSERT_EQ(2u, Fields(m_panel).m_MemletList.size());
    const CMemletData& d = Fields(m_panel).m_MemletList[0];
    EXPECT_EQ(parked.m_strText, d.m_strText);
    EXPECT_EQ(nullptr, d.m_hWndTarget);
    EXPECT_EQ(RECT({300, 270, 500, 330}), d.m_rectWin);
    EXPECT_EQ(RECT({100, 100, 700, 500}), d.m_rectTarget);
    EXPECT_EQ("行き先", d.m_strTitle);
    EXPECT_EQ(kTargetsExeName, d.m_strExeName);
    EXPECT_EQ("C:\\tests\\corvana_targets.exe", d.m_strExePath);
    EXPECT_EQ(1, d.m_nTitleFlag);
    EXPECT_EQ(1, d.m_nFull);
    EXPECT_EQ(0, d.m_nExtentFlag);
    EXPECT_EQ(1, d.m_nExFullFlag);
    EXPECT_EQ("型の本文", d.m_strExText);
    EXPECT_EQ("型", d.m_strExPart);
    EXPECT_EQ(7, d.m_nExCtlId);
    EXPECT_EQ("Edit", d.m_strExClass);  // its own
    EXPECT_EQ("報告", d.m_strPart);
    EXPECT_EQ(0, d.m_arrow.m_nArwFlag);
    EXPECT_EQ(-11, d.m_arrow.m_nStartX);
    EXPECT_EQ(14, d.m_arrow.m_nEndY);
    EXPECT_EQ(0, d.m_reserve.m_nDue);
    // Saved at once: the data file holds it first.
    std::vector<CMemletData> saved;
    LoadMemletFile(DataPath(), saved);
    ASSERT_EQ(2u, saved.size());
    EXPECT_EQ("行き先", saved[0].m_strTitle);
}

// A window gone before the paste: no place to take, the record kept all the
// same (it has already left the pending list).
TEST_F(CachesTest, RepasteToAWindowGoneKeepsTheRecord) {
    HWND w = Target("消える窓");
    Targets().Close(w);
    CMemletData parked = Parked();
    RepasteToWinInf(WinInfOf(w, "消える窓"), parked);
    ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
    const CMemletData& d = Fields(m_panel).m_MemletList[0];
    EXPECT_EQ(RECT{}, d.m_rectTarget);
    EXPECT_EQ(parked.m_rectWin, d.m_rectWin);
    EXPECT_EQ("消える窓", d.m_strTitle);
    EXPECT_EQ(parked.m_strText, d.m_strText);
}

// Rectangles at the ends of the int range are centred without overflow.
TEST_F(CachesTest, RepasteCentresHugeRectanglesWithoutOverflow) {
    HWND w = Target("大きさ", 100, 100, 600, 400);
    const RECT rects[] = {
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {INT_MAX, INT_MAX, INT_MIN, INT_MIN},
        {INT_MAX - 10, INT_MIN + 10, INT_MAX, INT_MIN + 70},
    };
    for (const RECT& r : rects) {
        SCOPED_TRACE(testing::Message() << r);
        Fields(m_panel).m_MemletList.clear();
        CMemletData parked = Parked();
        parked.m_rectWin = r;
        RepasteToWinInf(WinInfOf(w, "大きさ"), parked);
        ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
        RECT got = Fields(m_panel).m_MemletList[0].m_rectWin;
        EXPECT_LE(got.left, got.right);
        EXPECT_LE(got.top, got.bottom);
        int64_t cx = ((int64_t)got.left + got.right) / 2, cy = ((int64_t)got.top + got.bottom) / 2;
        EXPECT_NEAR(400, cx, 1);
        EXPECT_NEAR(300, cy, 1);
    }
}

}  // namespace
