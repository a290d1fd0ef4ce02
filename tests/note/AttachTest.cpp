// A note record opening its window on a target of the test, handing it
// every value, and taking the window's state back.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/TestWindows.h"
#include "model/FullRecord.h"
#include "model/MemletData.h"
#include "note/ArrowWin.h"
#include "note/NoteFixture.h"
#include "panel/Hub.h"

namespace {

RECT WorkAreaOf(HMONITOR monitor) {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(monitor, &mi);
    return mi.rcWork;
}

CMemletData Stored(RECT rect) {
    CMemletData r;
    r.m_rectWin = rect;
    return r;
}

class AttachTest : public NoteTest {
protected:
    void TearDown() override {
        g_nIniWidth = 200;
        g_nIniHeight = 60;
        NoteTest::TearDown();
    }
    // The note opened on the fixture's target; null when it did not open.
    CMemletWin* Attach(CMemletData& r) {
        r.StartMemlet(m_target.m_hWnd);
        return r.m_pMemletWin;
    }
    RECT TargetWorkArea() {
        return WorkAreaOf(MonitorFromWindow(m_target.m_hWnd, MONITOR_DEFAULTTONEAREST));
    }
};

TEST_F(AttachTest, NoteWithoutASizeOpensCentredOnItsTargetInsideTheWorkArea) {
    g_nIniWidth = 240;
    g_nIniHeight = 80;
    CMemletData r;
    CMemletWin* win = Attach(r);
    ASSERT_TRUE(win);
    EXPECT_EQ(1, r.m_bAttached);
    EXPECT_EQ(m_target.m_hWnd, r.m_hWndTarget);
    EXPECT_TRUE(IsWindowVisible(win->m_hWnd));
    EXPECT_EQ(m_target.m_hWnd, GetWindow(win->m_hWnd, GW_OWNER));
    // The target's centre is (400, 300).
    EXPECT_EQ((RECT{280, 260, 520, 340}), WindowRect(win->m_hWnd));

    // Near the edges of the screen the note is moved into the work area.
    RECT work = TargetWorkArea();
    struct Case {
        POINT target;
        RECT expected;
    } cases[] = {
        {{work.right - 100, work.bottom - 50}, {work.right - 240, work.bottom - 80, work.right, work.bottom}},
        {{work.left - 500, work.top - 350}, {work.left, work.top, work.left + 240, work.top + 80}},
    };
    for (const Case& c : cases) {
        MoveTarget(c.target.x, c.target.y);
        ASSERT_EQ(c.target.x, WindowRect(m_target.m_hWnd).left);
        CMemletData edge;
        CMemletWin* w = Attach(edge);
        ASSERT_TRUE(w);
        EXPECT_EQ(c.expected, WindowRect(w->m_hWnd)) << c.target.x;
        edge.EndMemlet();
    }
}

TEST_F(AttachTest, HiddenOrMinimisedTargetCentresTheNoteInTheMainMonitorsWorkArea) {
    ASSERT_EQ(nullptr, AppMainWindow());  // the primary monitor then
    RECT work = WorkAreaOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
    RECT expected{(work.left + work.right) / 2 - 100, (work.top + work.bottom) / 2 - 30, 0, 0};
    expected.right = expected.left + 200;
    expected.bottom = expected.top + 60;
    for (int show : {SW_HIDE, SW_MINIMIZE}) {
        ShowWindow(m_target.m_hWnd, show);
        CMemletData r;
        CMemletWin* win = Attach(r);
        ASSERT_TRUE(win);
        EXPECT_EQ(expected, WindowRect(win->m_hWnd)) << show;
        r.EndMemlet();
        ShowWindow(m_target.m_hWnd, SW_RESTORE);
    }
}

TEST_F(AttachTest, StoredRectOpensExactlyThere) {
    for (int frame : {0, 1}) {
        CMemletData r = Stored(RECT{150, 120, 390, 200});
        r.m_nFrame = frame;
        CMemletWin* win = Attach(r);
        ASSERT_TRUE(win);
        EXPECT_EQ(r.m_rectWin, WindowRect(win->m_hWnd)) << frame;
        EXPECT_EQ(r.m_rectWin, win->m_rectWin) << frame;
        r.EndMemlet();
        EXPECT_EQ((RECT{150, 120, 390, 200}), r.m_rectWin) << frame;
    }
}

TEST_F(AttachTest, WindowGetsEveryValue) {
    CMemletData a = FullRecord();
    a.m_rectWin = {150, 120, 390, 200};
    a.m_strExeName = "DESKTOP";
    a.m_strText = "一行目\r\n二行目";
    a.m_nTransparent = 40;
    a.m_nColor = 2;
    a.m_nPickPos = 1;
    a.m_nBkColor = 3;
    a.m_nBkTransparent = 0;
    a.m_nGraFlg = 1;
    a.m_nGraPtn = 5;
    a.m_logFont.lfHeight = -18;
    a.m_logFont.lfItalic = 1;
    strcpy(a.m_logFont.lfFaceName, "ＭＳ Ｐゴシック");
    a.m_rectTarget = {10, 20, 30, 40};  // a desktop note is not followed: kept
    a.m_arrow.m_nStartX = -150;
    a.m_arrow.m_nStartY = -90;
    a.m_arrow.m_nEndX = 12;
    a.m_arrow.m_nEndY = 34;
    CMemletWin* win = Attach(a);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    EXPECT_EQ(1, win->m_bDesktop);
    EXPECT_EQ(m_target.m_hWnd, win->m_hWndTarget);
    EXPECT_EQ(a.m_strText, win->getText());
    EXPECT_EQ(1, win->isReadOnly());
    EXPECT_EQ(" R", win->m_stPickBar.GetText());
    EXPECT_EQ(40, win->m_nTransparent);
    EXPECT_EQ(102, win->m_nAlpha);
    EXPECT_EQ(102, LayeredOf(h).alpha);
    EXPECT_EQ((DWORD)LWA_ALPHA, LayeredOf(h).flags);
    EXPECT_EQ(1, win->m_nMouseHideCtl);
    EXPECT_EQ(2, win->m_nColor);
    EXPECT_EQ(1, win->m_nPickPos);
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ((RECT{0, 0, client.right, 17}), ClientRectIn(win->m_stPickBar.m_hWnd, h));
    EXPECT_EQ(3, win->m_nBkColor);
    EXPECT_EQ(RGB(200, 200, 255), win->m_editMemlet.m_crBase);
    EXPECT_EQ(1, win->m_nTxColor);
    EXPECT_EQ(1, win->m_nGraFlg);
    EXPECT_EQ(5, win->m_nGraPtn);
    EXPECT_EQ(1, win->m_editMemlet.m_nGradation);
    EXPECT_EQ(5, win->m_editMemlet.m_nPattern);
    LOGFONTA lf = win->getLogFont();
    EXPECT_EQ(-18, lf.lfHeight);
    EXPECT_EQ(1, lf.lfItalic);
    EXPECT_EQ(700, lf.lfWeight);
    EXPECT_STREQ("ＭＳ Ｐゴシック", lf.lfFaceName);
    EXPECT_EQ(1, win->hasFrame());
    EXPECT_EQ(a.m_rectWin, WindowRect(h));
    EXPECT_EQ(a.m_rectTarget, win->m_rectTarget);
    EXPECT_EQ(1, win->m_arrow.m_nArwFlag);
    EXPECT_EQ(-150, win->m_arrow.m_nStartX);
    EXPECT_EQ(-90, win->m_arrow.m_nStartY);
    EXPECT_EQ(12, win->m_arrow.m_nEndX);
    EXPECT_EQ(34, win->m_arrow.m_nEndY);
    EXPECT_EQ(2, win->m_nArLineWidth);
    EXPECT_EQ(2, win->m_reserve.m_nKind);
    EXPECT_EQ(9, win->m_reserve.m_nHour);
    EXPECT_EQ(30, win->m_reserve.m_nMinute);
    EXPECT_EQ(2, win->m_reserve.m_nWeekMask);
    EXPECT_EQ(1, win->m_reserve.m_nDue);

    // A second note on the same target: see-through, without a frame, with
    // a target rect it stored when the target stood 10 px left and 20 px up.
    CMemletData b = Stored(RECT{300, 300, 500, 360});
    b.m_strExeName = "APP.EXE";
    b.m_nBkTransparent = 1;
    b.m_nBkColor = 1;
    b.m_nGraFlg = 1;
    b.m_nGraPtn = 3;
    b.m_rectTarget = Offset(kTargetRect, -10, -20);
    CMemletWin* other = Attach(b);
    ASSERT_TRUE(other);
    EXPECT_EQ(0, other->m_bDesktop);
    EXPECT_EQ(0, other->isReadOnly());
    EXPECT_EQ("", other->m_stPickBar.GetText());
    EXPECT_EQ(0, other->hasFrame());
    EXPECT_EQ(1, other->m_nBkTransparent);
    EXPECT_EQ(1, other->m_nGraFlg);
    EXPECT_EQ(0, other->m_editMemlet.m_nGradation);  // no gradation on a see-through background
    EXPECT_EQ(RGB(255, 200, 200), other->m_editMemlet.m_crBase);
    Layered keyed = LayeredOf(other->m_hWnd);
    EXPECT_EQ(RGB(255, 200, 200), keyed.key);
    EXPECT_EQ(178, keyed.alpha);
    EXPECT_EQ((DWORD)(LWA_COLORKEY | LWA_ALPHA), keyed.flags);
    EXPECT_EQ(kTargetRect, other->m_rectTarget);
    EXPECT_EQ((RECT{310, 320, 510, 380}), WindowRect(other->m_hWnd));
    EXPECT_TRUE(IsWindow(h));
}

// A stored size equal to the one the window is created with sends no
// WM_SIZE: the pick bar still goes to its side.
TEST_F(AttachTest, PickBarGoesToItsSideWhenThePlacementKeepsTheSize) {
    auto* probe = new CMemletWin;
    ASSERT_TRUE(probe->Create(m_target.m_hWnd));
    RECT created = WindowRect(probe->m_hWnd);
    probe->DestroyWindow();
    for (int frame : {0, 1}) {
        for (int side : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "frame " << frame << " side " << side);
            CMemletData r = Stored(Offset(created, 300 - created.left, 300 - created.top));
            r.m_nFrame = frame;
            r.m_nPickPos = side;
            CMemletWin* win = Attach(r);
            ASSERT_TRUE(win);
            ASSERT_EQ(r.m_rectWin, WindowRect(win->m_hWnd));
            RECT c;
            GetClientRect(win->m_hWnd, &c);
            const RECT expected[] = {
                {}, {0, 0, c.right, 17}, {0, 0, 17, c.bottom}, {0, c.bottom - 17, c.right, c.bottom}};
            EXPECT_EQ(expected[side], ClientRectIn(win->m_stPickBar.m_hWnd, win->m_hWnd));
            r.EndMemlet();
        }
    }
}

TEST_F(AttachTest, EndMemletCopiesTheUsersChangesBack) {
    CMemletData r = Stored(RECT{300, 300, 500, 360});
    r.m_strText = "メモ";
    r.m_tAcsDate = 1000;
    CMemletWin* win = Attach(r);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    SendMessageW(win->m_editMemlet.m_hWnd, WM_CHAR, L'x', 1);  // the caret is after the text
    win->setReadOnly(1);
    win->setFrame(1);
    win->m_nColor = 3;
    MoveWindow(h, 320, 310, 260, 90, TRUE);
    MoveTarget(kTargetRect.left + 30, kTargetRect.top + 40);
    ASSERT_TRUE(PumpUntil([h] { return WindowRect(h) == (RECT{350, 350, 610, 440}); })) << WindowRect(h);

    ASSERT_EQ(nullptr, g_pControlDlg);  // NotifyUpdateWindow reaches no panel
    r.EndMemlet();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(0, r.m_bAttached);
    EXPECT_EQ(nullptr, r.m_pMemletWin);
    EXPECT_EQ(1, r.m_bDirty);
    EXPECT_EQ(m_target.m_hWnd, r.m_hWndTarget);
    EXPECT_EQ("メモx", r.m_strText);
    EXPECT_EQ((RECT{350, 350, 610, 440}), r.m_rectWin);
    EXPECT_EQ(WindowRect(m_target.m_hWnd), r.m_rectTarget);
    EXPECT_EQ(1, r.m_nReadOnly);
    EXPECT_EQ(1, r.m_nFrame);
    EXPECT_EQ(3, r.m_nColor);
    EXPECT_EQ(1000, r.m_tAcsDate);  // only a lost note is stamped

    // Detached, it does nothing.
    r.m_bDirty = 0;
    r.EndMemlet();
    EXPECT_EQ(0, r.m_bDirty);
}

// Each look value, changed on the open note as its command leaves it,
// reaches the record when the note closes; the record held another value.
TEST_F(AttachTest, EndMemletCopiesEveryLookValueBack) {
    struct Case {
        const char* field;
        void (*change)(CMemletWin& w);
        bool (*copied)(const CMemletData& r);
    } cases[] = {
        {"read-only", [](CMemletWin& w) { w.setReadOnly(0); },
         [](const CMemletData& r) { return r.m_nReadOnly == 0; }},
        {"transparency", [](CMemletWin& w) { w.setTransparent(30); },
         [](const CMemletData& r) { return r.m_nTransparent == 30; }},
        {"see-through background",
         [](CMemletWin& w) {
             w.m_nBkTransparent = 0;
             w.setTransparent(w.m_nTransparent);
         },
         [](const CMemletData& r) { return r.m_nBkTransparent == 0; }},
        {"fading under the mouse", [](CMemletWin& w) { w.m_nMouseHideCtl = 0; },
         [](const CMemletData& r) { return r.m_nMouseHideCtl == 0; }},
        {"pick-bar colour", [](CMemletWin& w) { w.m_nColor = 1; },
         [](const CMemletData& r) { return r.m_nColor == 1; }},
        {"pick-bar side", [](CMemletWin& w) { w.m_nPickPos = 3; },
         [](const CMemletData& r) { return r.m_nPickPos == 3; }},
        {"background colour",
         [](CMemletWin& w) {
             w.m_nBkColor = 4;
             w.UpdateEditLook();
         },
         [](const CMemletData& r) { return r.m_nBkColor == 4; }},
        {"text colour", [](CMemletWin& w) { w.m_nTxColor = 3; },
         [](const CMemletData& r) { return r.m_nTxColor == 3; }},
        {"gradation",
         [](CMemletWin& w) {
             w.m_nGraFlg = 1;
             w.UpdateEditLook();
         },
         [](const CMemletData& r) { return r.m_nGraFlg == 1; }},
        {"gradation pattern",
         [](CMemletWin& w) {
             w.m_nGraPtn = 2;
             w.UpdateEditLook();
         },
         [](const CMemletData& r) { return r.m_nGraPtn == 2; }},
        {"font",
         [](CMemletWin& w) {
             LOGFONTA lf = w.getLogFont();
             lf.lfHeight = -20;
             lf.lfWeight = 400;
             lf.lfItalic = 0;
             strcpy(lf.lfFaceName, "Arial");
             w.setFont(lf);
         },
         [](const CMemletData& r) {
             const LOGFONTA& lf = r.m_logFont;
             return lf.lfHeight == -20 && lf.lfWeight == 400 && lf.lfItalic == 0 &&
                    std::string(lf.lfFaceName) == "Arial";
         }},
        {"size frame", [](CMemletWin& w) { w.setFrame(0); },
         [](const CMemletData& r) { return r.m_nFrame == 0; }},
        {"leader line off", [](CMemletWin& w) { w.DestroyArrowWin(); },
         [](const CMemletData& r) { return r.m_arrow.m_nArwFlag == 0; }},
        // The line's window holds the points while the user drags its ends.
        {"leader line dragged",
         [](CMemletWin& w) {
             if (!w.m_pArrowWin)
                 return;
             w.m_pArrowWin->m_arrow.m_nStartX = -40;
             w.m_pArrowWin->m_arrow.m_nStartY = -60;
             w.m_pArrowWin->m_arrow.m_nEndX = 77;
             w.m_pArrowWin->m_arrow.m_nEndY = 88;
         },
         [](const CMemletData& r) {
             const CArrowData& a = r.m_arrow;
             return a.m_nArwFlag == 1 && a.m_nStartX == -40 && a.m_nStartY == -60 && a.m_nEndX == 77 &&
                    a.m_nEndY == 88;
         }},
        {"leader line width",
         [](CMemletWin& w) {
             w.m_nArLineWidth = 3;
             w.setArrowWidth();
         },
         [](const CMemletData& r) { return r.m_nArLineWidth == 3; }},
        {"reservation",
         [](CMemletWin& w) {
             w.m_reserve.m_nKind = 3;
             w.m_reserve.m_nDue = 0;
         },
         [](const CMemletData& r) { return r.m_reserve.m_nKind == 3 && r.m_reserve.m_nDue == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        CMemletData r = FullRecord();
        r.m_rectWin = {300, 300, 500, 360};
        r.m_rectTarget = kTargetRect;
        ASSERT_FALSE(c.copied(r));
        CMemletWin* win = Attach(r);
        ASSERT_TRUE(win);
        c.change(*win);
        r.EndMemlet();
        ASSERT_EQ(nullptr, r.m_pMemletWin);
        EXPECT_TRUE(c.copied(r));
    }
}

TEST_F(AttachTest, LiveTextOver4000BytesReachesTheRecordCutOnACharacterBoundary) {
    struct Case {
        std::wstring live;
        std::string expected;
    } cases[] = {
        {std::wstring(3999, L'a') + L"あいう", std::string(3999, 'a')},
        {std::wstring(3998, L'a') + L"あいう", std::string(3998, 'a') + "あ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.size());
        CMemletData r = Stored(RECT{300, 300, 500, 360});
        CMemletWin* win = Attach(r);
        ASSERT_TRUE(win);
        // Typing stops at the limit; a text set on the control does not.
        SendMessageW(win->m_editMemlet.m_hWnd, WM_SETTEXT, 0, (LPARAM)c.live.c_str());
        ASSERT_GT(win->getText().size(), 4000u);
        std::string live;
        r.GetText(&live);
        EXPECT_EQ(c.expected, live);
        r.EndMemlet();
        EXPECT_EQ(c.expected, r.m_strText);
    }
}

TEST_F(AttachTest, CopiesForADuplicateAndForTheExportCache) {
    CMemletData r = Stored(RECT{100, 100, 300, 160});
    r.m_reserve.m_nKind = 2;
    r.m_reserve.m_nDue = 1;
    CMemletWin* win = Attach(r);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    SendMessageW(win->m_editMemlet.m_hWnd, WM_CHAR, L'x', 1);

    CMemletData duplicate = r;
    duplicate.CopyWindow();
    EXPECT_EQ((RECT{105, 105, 305, 165}), duplicate.m_rectWin);
    EXPECT_EQ("x", duplicate.m_strText);  // the live state
    EXPECT_EQ(0, duplicate.m_bAttached);
    EXPECT_EQ(nullptr, duplicate.m_pMemletWin);
    EXPECT_EQ(0, duplicate.m_reserve.m_nKind);
    EXPECT_EQ(1, duplicate.m_reserve.m_nDue);

    CMemletData exported = r;
    exported.CopyWindowForExport();
    EXPECT_EQ((RECT{100, 100, 300, 160}), exported.m_rectWin);
    EXPECT_EQ("x", exported.m_strText);
    EXPECT_EQ(0, exported.m_bAttached);
    EXPECT_EQ(nullptr, exported.m_pMemletWin);
    EXPECT_EQ(2, exported.m_reserve.m_nKind);
    EXPECT_EQ(0, exported.m_reserve.m_nDue);

    // The source keeps its window.
    EXPECT_EQ(1, r.m_bAttached);
    EXPECT_EQ(win, r.m_pMemletWin);
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ((RECT{100, 100, 300, 160}), WindowRect(h));
    EXPECT_EQ(2, r.m_reserve.m_nKind);
    EXPECT_EQ(1, r.m_reserve.m_nDue);

    // Copies of a detached note keep their rect.
    CMemletData closed = Stored(RECT{100, 100, 300, 160});
    closed.m_reserve.m_nKind = 2;
    closed.m_reserve.m_nDue = 1;
    CMemletData closedDuplicate = closed, closedExport = closed;
    closedDuplicate.CopyWindow();
    closedExport.CopyWindowForExport();
    EXPECT_EQ(closed.m_rectWin, closedDuplicate.m_rectWin);
    EXPECT_EQ(closed.m_rectWin, closedExport.m_rectWin);
    EXPECT_EQ(0, closedDuplicate.m_reserve.m_nKind);
    EXPECT_EQ(1, closedDuplicate.m_reserve.m_nDue);
    EXPECT_EQ(2, closedExport.m_reserve.m_nKind);
    EXPECT_EQ(0, closedExport.m_reserve.m_nDue);
}

TEST_F(AttachTest, SyncWindowDataKeepsTheRecordAttached) {
    CMemletData r = Stored(RECT{300, 300, 500, 360});
    CMemletWin* win = Attach(r);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    SendMessageW(win->m_editMemlet.m_hWnd, WM_CHAR, L'y', 1);
    MoveWindow(h, 310, 320, 220, 70, TRUE);
    r.SyncWindowData();
    EXPECT_EQ("y", r.m_strText);
    EXPECT_EQ((RECT{310, 320, 530, 390}), r.m_rectWin);
    EXPECT_EQ(1, r.m_bAttached);
    EXPECT_EQ(win, r.m_pMemletWin);
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ(0, r.m_bDirty);

    CMemletData closed = Stored(RECT{1, 2, 3, 4});
    closed.m_strText = "保存";
    closed.SyncWindowData();
    EXPECT_EQ("保存", closed.m_strText);
    EXPECT_EQ((RECT{1, 2, 3, 4}), closed.m_rectWin);
}

TEST_F(AttachTest, TextOfAClosedAndAnOpenNote) {
    CMemletData r = Stored(RECT{300, 300, 500, 360});
    r.GetText(nullptr);
    r.SetText("閉じた");
    EXPECT_EQ("閉じた", r.m_strText);
    std::string out = "before";
    r.GetText(&out);
    EXPECT_EQ("閉じた", out);

    CMemletWin* win = Attach(r);
    ASSERT_TRUE(win);
    EXPECT_EQ("閉じた", win->getText());
    r.SetText("開いた");
    EXPECT_EQ("開いた", win->getText());
    EXPECT_EQ("閉じた", r.m_strText);  // until the window's state is copied back
    r.GetText(&out);
    EXPECT_EQ("開いた", out);
    r.GetText(nullptr);
    r.EndMemlet();
    EXPECT_EQ("開いた", r.m_strText);
}

TEST_F(AttachTest, CentringOnTheTargetAndOnItsMonitor) {
    CMemletData r = Stored(RECT{300, 300, 501, 361});  // 201 x 61
    CMemletWin* win = Attach(r);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    SetWindowPos(m_target.m_hWnd, nullptr, -200, -150, 301, 201, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ((RECT{-200, -150, 101, 51}), WindowRect(m_target.m_hWnd));
    // The follow step may move the note with its target: wait for it.
    ASSERT_TRUE(PumpUntil([&] { return win->m_rectTarget == WindowRect(m_target.m_hWnd); }));
    RECT before = WindowRect(h);

    // Detached, without a window, or with its target gone: nothing moves.
    HWND gone = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    CMemletData detached = r, windowless = r, orphan = r;
    detached.m_bAttached = 0;
    windowless.m_pMemletWin = nullptr;
    orphan.m_hWndTarget = gone;
    for (CMemletData* c : {&detached, &windowless, &orphan}) {
        c->CenterOnTarget();
        c->CenterOnMonitor();
        EXPECT_EQ(before, WindowRect(h));
    }

    // Centres (-49.5, -49.5) truncate toward zero; so do the halves of 201 x 61.
    r.CenterOnTarget();
    EXPECT_EQ((RECT{-149, -79, 52, -18}), WindowRect(h));

    RECT t = WindowRect(m_target.m_hWnd);
    RECT work = WorkAreaOf(MonitorFromRect(&t, MONITOR_DEFAULTTONEAREST));
    POINT centre{(work.left + work.right) / 2, (work.top + work.bottom) / 2};
    r.CenterOnMonitor();
    EXPECT_EQ((RECT{centre.x - 100, centre.y - 30, centre.x + 101, centre.y + 31}), WindowRect(h));
}

// Rects from a file may lie anywhere an int reaches; the system keeps a
// window within 16-bit coordinates.
TEST_F(AttachTest, RectsNearTheIntLimitsPlaceTheNoteWithoutOverflow) {
    struct Case {
        RECT stored, target;
        int side;  // 1: far right and down, -1: far left and up
    } cases[] = {
        {{INT_MAX - 200, INT_MAX - 60, INT_MAX, INT_MAX}, {}, 1},
        {{INT_MIN, INT_MIN, INT_MIN + 200, INT_MIN + 60}, {}, -1},
        // The target moved by more than an int holds since the note was seen.
        {{300, 300, 500, 360}, {INT_MIN, INT_MIN, INT_MIN + 600, INT_MIN + 400}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        CMemletData r = Stored(c.stored);
        r.m_rectTarget = c.target;
        CMemletWin* win = Attach(r);
        ASSERT_TRUE(win);
        RECT w = WindowRect(win->m_hWnd);
        EXPECT_EQ(200, w.right - w.left) << w;
        EXPECT_EQ(60, w.bottom - w.top) << w;
        EXPECT_GT(c.side * w.left, 30000) << w;
        EXPECT_GT(c.side * w.top, 30000) << w;
        r.EndMemlet();
        EXPECT_EQ(w, r.m_rectWin);
    }
}

// The tracking step with real windows: the desktop entry and the target.
TEST_F(AttachTest, FindMatchOpensAndClosesTheNotes) {
    CWinInf desktop;
    desktop.m_hWnd = GetDesktopWindow();
    desktop.m_strTitle = desktop.m_strProcessName = desktop.m_strPath = "DESKTOP";
    CWinInf target;
    target.m_hWnd = m_target.m_hWnd;
    target.m_strTitle = "付箋の貼り先";
    target.m_strProcessName = "APP.EXE";
    target.m_strPath = "C:\\APP.EXE";
    std::vector<CWinInf> list{desktop, target};

    CMemletData onDesktop;
    onDesktop.m_strExeName = onDesktop.m_strTitle = onDesktop.m_strExePath = "DESKTOP";
    CMemletData onTarget = Stored(RECT{300, 300, 500, 360});
    onTarget.m_strExeName = "APP.EXE";
    onTarget.m_strTitle = "付箋の貼り先";
    onTarget.m_tAcsDate = 1000;
    onDesktop.FindMatch(list);
    onTarget.FindMatch(list);
    ASSERT_TRUE(onDesktop.m_pMemletWin && onTarget.m_pMemletWin);
    EXPECT_EQ(GetDesktopWindow(), onDesktop.m_hWndTarget);
    EXPECT_EQ(1, onDesktop.m_pMemletWin->m_bDesktop);
    EXPECT_EQ(m_target.m_hWnd, onTarget.m_hWndTarget);
    EXPECT_EQ(0, onTarget.m_pMemletWin->m_bDesktop);
    EXPECT_EQ("C:\\APP.EXE", onTarget.m_strExePath);

    // The title changes: the note closes; it comes back where it was.
    HWND first = onTarget.m_pMemletWin->m_hWnd;
    MoveWindow(first, 320, 330, 200, 60, TRUE);
    list[1].m_strTitle = "別の題";
    int64_t before = _time64(nullptr);
    onDesktop.FindMatch(list);
    onTarget.FindMatch(list);
    EXPECT_EQ(1, onDesktop.m_bAttached);
    EXPECT_EQ(0, onTarget.m_bAttached);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(1, onTarget.m_bDirty);
    EXPECT_GE(onTarget.m_tAcsDate, before);
    list[1].m_strTitle = "付箋の貼り先";
    onTarget.FindMatch(list);
    ASSERT_TRUE(onTarget.m_pMemletWin);
    EXPECT_EQ((RECT{320, 330, 520, 390}), WindowRect(onTarget.m_pMemletWin->m_hWnd));

    // The desktop note has no owner among the test's windows.
    list.erase(list.begin());
    HWND desktopNote = onDesktop.m_pMemletWin->m_hWnd;
    onDesktop.FindMatch(list);
    EXPECT_EQ(0, onDesktop.m_bAttached);
    EXPECT_FALSE(IsWindow(desktopNote));
}

}  // namespace
