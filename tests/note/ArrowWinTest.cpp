// A note's leader line on a target window of the test: its window and
// handles, clicks, drags, following the target, and the line going while
// the user drags a handle.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "framework/GuardPage.h"
#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "model/MemletData.h"
#include "note/ArrowGeometry.h"
#include "note/ArrowWin.h"
#include "note/Mouse.h"
#include "note/NoteFixture.h"

namespace {

// Wine raises an activated owner above its popups (docs/wine.md): the note
// lies beside its target, and the line is clicked between the two.
const RECT kBesideTarget{800, 550, 1000, 610};

POINT TopLeft(const RECT& r) { return POINT{r.left, r.top}; }

POINT ClientOrigin(HWND hwnd) {
    POINT p{0, 0};
    ClientToScreen(hwnd, &p);
    return p;
}

CArrowData Points(int sx, int sy, int ex, int ey, int flag = 1) {
    CArrowData a;
    a.m_nArwFlag = flag;
    a.m_nStartX = sx;
    a.m_nStartY = sy;
    a.m_nEndX = ex;
    a.m_nEndY = ey;
    return a;
}

bool SamePoints(const CArrowData& a, const CArrowData& b) {
    return a.m_nArwFlag == b.m_nArwFlag && a.m_nStartX == b.m_nStartX && a.m_nStartY == b.m_nStartY &&
           a.m_nEndX == b.m_nEndX && a.m_nEndY == b.m_nEndY;
}

std::string Describe(const CArrowData& a) {
    return testing::PrintToString(std::vector<int>{a.m_nArwFlag, a.m_nStartX, a.m_nStartY, a.m_nEndX, a.m_nEndY});
}

HWND StartOf(CMemletWin* win) { return win->m_pArrowWin->m_pointStart.m_hWnd; }
HWND EndOf(CMemletWin* win) { return win->m_pArrowWin->m_pointEnd.m_hWnd; }

// What the line draws between the centres of its handles, in screen
// coordinates.
POINT StartCentre(CMemletWin* win) { return CentreOf(WindowRect(StartOf(win))); }
POINT EndCentre(CMemletWin* win) { return CentreOf(WindowRect(EndOf(win))); }
POINT Between(POINT a, POINT b, int num, int den) {
    return POINT{a.x + (b.x - a.x) * num / den, a.y + (b.y - a.y) * num / den};
}

// The colour the line window shows at a screen point, key included.
COLORREF LineColourAt(HWND line, POINT at) {
    RECT w = WindowRect(line);
    CPixels pixels(w.right - w.left, w.bottom - w.top);
    if (!pixels.CaptureClient(line))
        return CLR_INVALID;
    return pixels.Colour(at.x - w.left, at.y - w.top);
}

bool HandlesShown(CMemletWin* win) { return IsWindowVisible(StartOf(win)) && IsWindowVisible(EndOf(win)); }
bool HandlesHidden(CMemletWin* win) { return !IsWindowVisible(StartOf(win)) && !IsWindowVisible(EndOf(win)); }

// The user's click on the line, without the wait a real one needs.
void ShowHandles(CMemletWin* win) {
    SendMessageW(win->m_pArrowWin->m_hWnd, WM_LBUTTONDOWN, 0, 0);
    ASSERT_TRUE(HandlesShown(win));
}

// Wine may lay the line over its handles a moment after they are shown
// (docs/wine.md): the handle to be pressed on is brought to the front once
// they have settled.
void BringToFront(HWND handle) {
    PumpFor(150);
    SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    POINT c = CentreOf(WindowRect(handle));
    ASSERT_TRUE(PumpUntil([&] { return WindowFromPoint(c) == handle; }));
}

class ArrowTest : public NoteTest {
protected:
    void TearDown() override {
        MoveMouse(kAway);
        NoteTest::TearDown();
    }
    // The offset that puts the end handle's top-left corner at a screen
    // point.
    POINT EndOffsetFor(POINT screen) {
        POINT o = ClientOrigin(m_target.m_hWnd);
        return POINT{screen.x - o.x, screen.y - o.y};
    }
    // A note beside the target: the line starts in its text and ends on the
    // target near its bottom right corner.
    NoteLook LineLook() {
        NoteLook look;
        look.rect = kBesideTarget;
        look.percent = 100;
        POINT end = EndOffsetFor(POINT{640, 440});
        look.arrow = Points(60, 20, end.x, end.y);
        return look;
    }
    CMemletWin* OpenLine(const NoteLook& look) {
        CMemletWin* win = Open(look);
        if (!win || !win->m_pArrowWin)
            return nullptr;
        HWND h = win->m_hWnd;
        // Input once the note has enabled itself.
        PumpUntil([h] { return IsWindowEnabled(h) != 0; });
        return win;
    }
    // A point of the line between the note and the target: half-way, or a
    // third of the way from either end.
    POINT OnTheLine(CMemletWin* win, int thirds = 0) {
        return thirds ? Between(StartCentre(win), EndCentre(win), thirds, 3)
                      : Between(StartCentre(win), EndCentre(win), 1, 2);
    }
};

TEST_F(ArrowTest, LineIsALayeredPopupOfTheNoteWithHiddenHandles) {
    NoteLook look = LineLook();
    look.percent = 70;
    CMemletWin* win = OpenLine(look);
    ASSERT_TRUE(win);
    CArrowWin* line = win->m_pArrowWin;
    HWND l = line->m_hWnd;
    EXPECT_EQ(win->m_hWnd, GetWindow(l, GW_OWNER));
    EXPECT_TRUE(GetWindowLongW(l, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongW(l, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(IsWindowVisible(l));
    EXPECT_TRUE(IsWindowEnabled(l));
    Layered a = LayeredOf(l);
    EXPECT_EQ(0xFEFEFEu, a.key);
    EXPECT_EQ(178, a.alpha);
    EXPECT_EQ((DWORD)(LWA_COLORKEY | LWA_ALPHA), a.flags);

    // The handles: 15 px circles of the line, hidden but enabled, where the
    // offsets put them; the line window holds them with 10 px to spare.
    for (HWND p : {StartOf(win), EndOf(win)}) {
        EXPECT_EQ(l, GetWindow(p, GW_OWNER));
        EXPECT_TRUE(GetWindowLongW(p, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(IsWindowVisible(p));
        EXPECT_TRUE(IsWindowEnabled(p));
        RECT r = WindowRect(p);
        EXPECT_EQ(15, r.right - r.left);
        EXPECT_EQ(15, r.bottom - r.top);
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(COMPLEXREGION, GetWindowRgn(p, rgn));
        EXPECT_FALSE(PtInRegion(rgn, 0, 0));
        EXPECT_FALSE(PtInRegion(rgn, 14, 14));
        EXPECT_TRUE(PtInRegion(rgn, 7, 7));
        EXPECT_TRUE(PtInRegion(rgn, 7, 0));
        DeleteObject(rgn);
    }
    POINT note = ClientOrigin(win->m_hWnd);
    EXPECT_EQ((POINT{note.x + 60, note.y + 20}), TopLeft(WindowRect(StartOf(win))));
    EXPECT_EQ((POINT{640, 440}), TopLeft(WindowRect(EndOf(win))));
    EXPECT_EQ((RECT{640 - 10, 440 - 10, note.x + 60 + 15 + 10, note.y + 20 + 15 + 10}), WindowRect(l));
    EXPECT_TRUE(SamePoints(look.arrow, line->getArrowData())) << Describe(line->getArrowData());

    // The note's alpha, and opaque while the note is.
    win->SetOpaque();
    EXPECT_EQ(255, LayeredOf(l).alpha);
    win->ApplyAlpha();
    EXPECT_EQ(178, LayeredOf(l).alpha);
    SetFocus(win->m_editMemlet.m_hWnd);
    EXPECT_EQ(255, LayeredOf(l).alpha);
    EXPECT_EQ(kArrowKey, LayeredOf(l).key);
    SetFocus(m_target.m_hWnd);
    EXPECT_EQ(178, LayeredOf(l).alpha);
    win->setTransparent(20);
    EXPECT_EQ(51, LayeredOf(l).alpha);
    EXPECT_EQ((DWORD)(LWA_COLORKEY | LWA_ALPHA), LayeredOf(l).flags);
}

// A note of 200 x 60 starts its new line at (100, 30) from its client
// area's corner and ends it 100 px below its centre, 10 px inside the work
// area's right and bottom edges at most.
TEST_F(ArrowTest, NewLineRunsFromTheNotesCentreDownwards) {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(POINT{400, 400}, MONITOR_DEFAULTTONEAREST), &mi));
    const RECT work = mi.rcWork;
    struct Case {
        const char* where;
        RECT note;
        POINT end;  // the end handle's top-left corner
    } cases[] = {
        {"in the middle", {300, 300, 500, 360}, {400, 430}},
        {"near the bottom", {300, work.bottom - 80, 500, work.bottom - 20}, {400, work.bottom - 10}},
        {"in the bottom right corner",
         {work.right - 100, work.bottom - 70, work.right + 100, work.bottom - 10},
         {work.right - 10, work.bottom - 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        NoteLook look;
        look.rect = c.note;
        CMemletWin* win = Open(look);
        ASSERT_TRUE(win);
        ASSERT_EQ(c.note, WindowRect(win->m_hWnd));
        ASSERT_EQ(nullptr, win->m_pArrowWin);
        win->ShowArrow();
        ASSERT_TRUE(win->m_pArrowWin);
        CArrowData a = win->getArrowData();
        EXPECT_EQ(1, a.m_nArwFlag);
        EXPECT_EQ(100, a.m_nStartX);
        EXPECT_EQ(30, a.m_nStartY);
        EXPECT_EQ(c.end, TopLeft(WindowRect(EndOf(win))));
        POINT target = ClientOrigin(m_target.m_hWnd);
        EXPECT_EQ((POINT{c.end.x - target.x, c.end.y - target.y}), (POINT{a.m_nEndX, a.m_nEndY}));
        // Already on: nothing new.
        CArrowWin* line = win->m_pArrowWin;
        win->ShowArrow();
        EXPECT_EQ(line, win->m_pArrowWin);
        win->DestroyWindow();
    }
}

// A note whose target is gone keeps its flag and points and has no line;
// turned off then, it stays off.
TEST_F(ArrowTest, WithoutATargetThereIsNoLineAndOffStaysOff) {
    HWND gone = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    const CArrowData stored[] = {Points(kNeverPlaced, kNeverPlaced, 0, 0, 0), Points(30, 10, 250, 120, 0)};
    for (const CArrowData& s : stored) {
        SCOPED_TRACE(s.m_nStartX);
        NoteLook look;
        look.arrow = s;
        CMemletWin* win = Open(look);
        ASSERT_TRUE(win);
        win->setTargetWnd(gone);
        win->ShowArrow();
        EXPECT_EQ(nullptr, win->m_pArrowWin);
        CArrowData on = s;
        on.m_nArwFlag = 1;
        EXPECT_TRUE(SamePoints(on, win->getArrowData())) << Describe(win->getArrowData());
        // The note's moves and alpha have no line to go to.
        MoveWindow(win->m_hWnd, 320, 310, 200, 60, TRUE);
        win->SetOpaque();
        win->DestroyArrowWin();
        EXPECT_TRUE(SamePoints(s, win->getArrowData())) << Describe(win->getArrowData());
        win->DestroyWindow();
    }
}

TEST_F(ArrowTest, ClickOnTheLineShowsTheHandlesAndHidesThem) {
    CMemletWin* win = OpenLine(LineLook());
    ASSERT_TRUE(win);
    HWND l = win->m_pArrowWin->m_hWnd;
    // Drawn pixels over neither the note nor the target, far enough apart
    // that two clicks make no double-click.
    const POINT on[] = {OnTheLine(win, 1), OnTheLine(win, 2)};
    for (POINT p : on) {
        ASSERT_TRUE(PumpUntil([&] { return LineColourAt(l, p) == win->getBkColor(); }));
        ASSERT_EQ(l, WindowFromPoint(p));
    }
    ASSERT_TRUE(HandlesHidden(win));
    Click(on[0]);
    EXPECT_TRUE(PumpUntil([&] { return HandlesShown(win); }));
    EXPECT_TRUE(IsWindowEnabled(StartOf(win)));
    EXPECT_TRUE(IsWindowEnabled(EndOf(win)));
    Click(on[1]);
    EXPECT_TRUE(PumpUntil([&] { return HandlesHidden(win); }));
    Click(on[0]);
    EXPECT_TRUE(PumpUntil([&] { return HandlesShown(win); }));
    BringToFront(EndOf(win));
    DoubleClick(EndCentre(win));
    EXPECT_TRUE(PumpUntil([&] { return HandlesHidden(win); }));
    // Hiding the line hides them too.
    Click(on[1]);
    EXPECT_TRUE(PumpUntil([&] { return HandlesShown(win); }));
    ShowWindow(l, SW_HIDE);
    EXPECT_TRUE(HandlesHidden(win));
}

// A line that starts on the pick bar has the bar's colour; one that starts
// in the text has the note's background colour.
TEST_F(ArrowTest, LineTakesTheColourOfWhereItStarts) {
    NoteLook look = LineLook();
    look.color = 2;
    look.bkColor = 1;
    CMemletWin* win = OpenLine(look);
    ASSERT_TRUE(win);
    HWND l = win->m_pArrowWin->m_hWnd, start = StartOf(win);
    POINT bar = Centre(WindowRect(win->m_stPickBar.m_hWnd));
    POINT text = ClientOrigin(win->m_hWnd);
    struct Case {
        const char* where;
        POINT centre;
        COLORREF colour;
    } cases[] = {
        {"on the pick bar", bar, PickBarColor(2)},
        {"in the text", {text.x + 40, text.y + 30}, BackColor(1)},
        {"on the bar's edge", {bar.x - 8, bar.y}, PickBarColor(2)},
        {"beside the bar", {bar.x - 9, bar.y}, BackColor(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        SetWindowPos(start, nullptr, c.centre.x - 7, c.centre.y - 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(c.centre, StartCentre(win));
        EXPECT_EQ(c.colour, LineColourAt(l, OnTheLine(win)));
    }
    // The note's colours reach the line when they change.
    win->m_nBkColor = 2;
    win->setArrowBkColor();
    EXPECT_EQ(BackColor(2), LineColourAt(l, OnTheLine(win)));
    SetWindowPos(start, nullptr, bar.x - 7, bar.y - 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    win->m_nColor = 3;
    win->setArrowColor();
    EXPECT_EQ(PickBarColor(3), LineColourAt(l, OnTheLine(win)));
}

// Width 2 draws a 3 px line with a 15 px head; a line of 14 px at that
// width has no head.
TEST_F(ArrowTest, ThickLineHasAHeadUnlessItIsShorterThanTheHead) {
    struct Case {
        int length;
        bool head;
    } cases[] = {{40, true}, {15, true}, {14, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        NoteLook look = LineLook();
        look.lineWidth = 2;
        CMemletWin* win = OpenLine(look);
        ASSERT_TRUE(win);
        HWND l = win->m_pArrowWin->m_hWnd;
        RECT s = WindowRect(StartOf(win));
        SetWindowPos(EndOf(win), nullptr, s.left + c.length, s.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        POINT from = StartCentre(win), to = EndCentre(win);
        ASSERT_EQ(c.length, to.x - from.x);
        const COLORREF ink = win->getBkColor();
        // The pen: three rows, not five, where the head does not reach.
        int x = c.length > 2 * ArrowHeadLength(2) ? from.x + 4 : from.x;
        for (int dy : {-1, 0, 1})
            EXPECT_EQ(ink, LineColourAt(l, POINT{x, from.y + dy})) << dy;
        if (x > from.x) {
            for (int dy : {-2, 2})
                EXPECT_EQ(kArrowKey, LineColourAt(l, POINT{x, from.y + dy})) << dy;
        }
        // Inside the head, off the line: 10 px back from the tip, 4 px across.
        POINT inHead{to.x - 10, to.y + 3};
        EXPECT_EQ(c.head ? ink : kArrowKey, LineColourAt(l, inHead));
        win->DestroyWindow();
    }
}

TEST_F(ArrowTest, StartDraggedOutOfTheNoteSnapsOntoItsNearestEdge) {
    struct Case {
        const char* where;
        int dx, dy;
    } cases[] = {{"to the right", 150, 0}, {"above", 0, -80}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        CMemletWin* win = OpenLine(LineLook());
        ASSERT_TRUE(win);
        ShowHandles(win);
        BringToFront(StartOf(win));
        RECT client{};
        GetScreenClientRect(win->m_hWnd, client);
        POINT grip = StartCentre(win);
        // The last pixel inside on the right.
        POINT expected{c.dx > 0 ? client.right - 1 : grip.x, c.dy < 0 ? client.top : grip.y};
        StartDrag(grip, POINT{grip.x + c.dx, grip.y + c.dy});
        EXPECT_TRUE(PumpUntil([&] { return Centre(WindowRect(StartOf(win))) == expected; }))
            << WindowRect(StartOf(win));
        PumpFor(300);
        RECT s = WindowRect(StartOf(win));
        EXPECT_EQ(expected, Centre(s)) << s;
        CArrowData a = win->getArrowData();
        EXPECT_EQ((POINT{s.left - client.left, s.top - client.top}), (POINT{a.m_nStartX, a.m_nStartY}));
        EXPECT_EQ(FitAround(s, WindowRect(EndOf(win))), WindowRect(win->m_pArrowWin->m_hWnd));
        win->DestroyWindow();
    }
}

TEST_F(ArrowTest, EndDraggedWritesItsOffsetBack) {
    CMemletWin* win = OpenLine(LineLook());
    ASSERT_TRUE(win);
    ShowHandles(win);
    BringToFront(EndOf(win));
    CArrowData before = win->getArrowData();
    RECT e0 = WindowRect(EndOf(win));
    POINT grip = EndCentre(win);
    StartDrag(grip, POINT{grip.x - 40, grip.y + 30});
    EXPECT_TRUE(PumpUntil([&] { return WindowRect(EndOf(win)) == Offset(e0, -40, 30); })) << WindowRect(EndOf(win));
    PumpFor(300);
    CArrowData after = before;
    after.m_nEndX -= 40;
    after.m_nEndY += 30;
    EXPECT_TRUE(SamePoints(after, win->m_pArrowWin->getArrowData())) << Describe(win->m_pArrowWin->getArrowData());
    EXPECT_TRUE(SamePoints(after, win->getArrowData())) << Describe(win->getArrowData());
    EXPECT_EQ(FitAround(WindowRect(StartOf(win)), WindowRect(EndOf(win))), WindowRect(win->m_pArrowWin->m_hWnd));
}

TEST_F(ArrowTest, TargetMovedTakesTheNoteAndTheWholeLineAlong) {
    CMemletWin* win = OpenLine(LineLook());
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd, l = win->m_pArrowWin->m_hWnd;
    RECT note = WindowRect(h), s = WindowRect(StartOf(win)), e = WindowRect(EndOf(win)), line = WindowRect(l);
    CArrowData points = win->getArrowData();
    MoveTarget(kTargetRect.left + 40, kTargetRect.top + 25);
    ASSERT_TRUE(PumpUntil([&] { return WindowRect(h) == Offset(note, 40, 25); })) << WindowRect(h);
    EXPECT_EQ(Offset(s, 40, 25), WindowRect(StartOf(win)));
    EXPECT_EQ(Offset(e, 40, 25), WindowRect(EndOf(win)));
    EXPECT_EQ(Offset(line, 40, 25), WindowRect(l));
    EXPECT_TRUE(SamePoints(points, win->getArrowData())) << Describe(win->getArrowData());
    EXPECT_EQ(win->getBkColor(), LineColourAt(l, OnTheLine(win)));
}

// Only the line's place and size change as it follows: it takes no
// activation, and the note's text keeps the focus.
TEST_F(ArrowTest, TextKeepsTheFocusWhileTheLineFollows) {
    CMemletWin* win = OpenLine(LineLook());
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd, edit = win->m_editMemlet.m_hWnd;
    SetFocus(edit);
    ASSERT_EQ(edit, GetFocus());
    RECT note = WindowRect(h);
    MoveTarget(kTargetRect.left + 30, kTargetRect.top + 20);
    ASSERT_TRUE(PumpUntil([&] { return WindowRect(h) == Offset(note, 30, 20); })) << WindowRect(h);
    PumpFor(100);
    EXPECT_EQ(edit, GetFocus());
    EXPECT_EQ(h, GetActiveWindow());
}

TEST_F(ArrowTest, DetachAndReattachAndOffAndOnKeepTheDraggedPoints) {
    CMemletData r;
    r.m_rectWin = kBesideTarget;
    r.m_arrow = LineLook().arrow;
    r.StartMemlet(m_target.m_hWnd);
    CMemletWin* win = r.m_pMemletWin;
    ASSERT_TRUE(win && win->m_pArrowWin);
    // Where the user leaves the end.
    RECT e = Offset(WindowRect(EndOf(win)), -30, 20);
    SetWindowPos(EndOf(win), nullptr, e.left, e.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT s = WindowRect(StartOf(win));
    CArrowData dragged = win->m_pArrowWin->getArrowData();
    ASSERT_FALSE(SamePoints(r.m_arrow, dragged));

    r.EndMemlet();
    EXPECT_TRUE(SamePoints(dragged, r.m_arrow)) << Describe(r.m_arrow);
    r.StartMemlet(m_target.m_hWnd);
    win = r.m_pMemletWin;
    ASSERT_TRUE(win && win->m_pArrowWin);
    EXPECT_EQ(s, WindowRect(StartOf(win)));
    EXPECT_EQ(e, WindowRect(EndOf(win)));

    // Off: no line, and the points kept for the next time.
    win->DestroyArrowWin();
    EXPECT_EQ(nullptr, win->m_pArrowWin);
    CArrowData off = dragged;
    off.m_nArwFlag = 0;
    EXPECT_TRUE(SamePoints(off, win->getArrowData())) << Describe(win->getArrowData());
    // Nothing follows a line that is off.
    MoveWindow(win->m_hWnd, kBesideTarget.left, kBesideTarget.top + 5, 200, 60, TRUE);
    MoveWindow(win->m_hWnd, kBesideTarget.left, kBesideTarget.top, 200, 60, TRUE);
    win->ShowArrow();
    ASSERT_TRUE(win->m_pArrowWin);
    EXPECT_EQ(s, WindowRect(StartOf(win)));
    EXPECT_EQ(e, WindowRect(EndOf(win)));
    EXPECT_TRUE(SamePoints(dragged, win->getArrowData())) << Describe(win->getArrowData());
    r.EndMemlet();
    EXPECT_TRUE(SamePoints(dragged, r.m_arrow)) << Describe(r.m_arrow);
}

// Offsets from a file may lie anywhere an int reaches: the handles go as
// far as the system lets them, to the side the offsets say, and the start
// comes back onto the note's corner.
TEST_F(ArrowTest, OffsetsNearTheIntLimitsPlaceTheHandlesWithoutOverflow) {
    struct Case {
        CArrowData points;
        int side;  // 1: far right and down, -1: far left and up
    } cases[] = {
        {Points(INT_MAX, INT_MAX, INT_MAX, INT_MAX), 1},
        {Points(INT_MIN, INT_MIN, INT_MIN, INT_MIN), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.side);
        NoteLook look = LineLook();
        look.arrow = c.points;
        CMemletWin* win = Open(look);
        ASSERT_TRUE(win && win->m_pArrowWin);
        RECT client{};
        GetScreenClientRect(win->m_hWnd, client);
        POINT corner = c.side > 0 ? POINT{client.right - 1, client.bottom - 1} : POINT{client.left, client.top};
        EXPECT_EQ(corner, Centre(WindowRect(StartOf(win)))) << WindowRect(StartOf(win));
        RECT e = WindowRect(EndOf(win));
        EXPECT_GT(c.side * e.left, 30000) << e;
        EXPECT_GT(c.side * e.top, 30000) << e;
        // What the note holds stays as it came.
        EXPECT_TRUE(SamePoints(c.points, win->m_arrow)) << Describe(win->m_arrow);
        win->DestroyWindow();
    }
}

// While the line goes, what its handles report is no move of the user's.
struct DestroyProbe {
    HWND start, end, line;
    bool done = false;
    POINT put{};
    POINT at{};
    RECT lineBefore{}, lineAfter{};
};

LRESULT CALLBACK MoveTheOtherHandle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* probe = (DestroyProbe*)ref;
    if (msg == WM_DESTROY && !probe->done) {
        probe->done = true;
        HWND other = hwnd == probe->start ? probe->end : probe->start;
        RECT o = WindowRect(other);
        probe->put = POINT{o.left + 300, o.top + 200};
        probe->lineBefore = WindowRect(probe->line);
        SetWindowPos(other, nullptr, probe->put.x, probe->put.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        probe->at = TopLeft(WindowRect(other));
        probe->lineAfter = WindowRect(probe->line);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST_F(ArrowTest, HandlesMovedWhileTheLineGoesAreLeftAlone) {
    CMemletWin* win = OpenLine(LineLook());
    ASSERT_TRUE(win);
    DestroyProbe probe{StartOf(win), EndOf(win), win->m_pArrowWin->m_hWnd};
    ASSERT_TRUE(SetWindowSubclass(probe.start, MoveTheOtherHandle, 1, (DWORD_PTR)&probe));
    ASSERT_TRUE(SetWindowSubclass(probe.end, MoveTheOtherHandle, 1, (DWORD_PTR)&probe));
    CArrowData points = win->getArrowData();
    win->DestroyArrowWin();
    ASSERT_TRUE(probe.done);
    EXPECT_EQ(probe.put, probe.at);
    EXPECT_EQ(probe.lineBefore, probe.lineAfter);
    EXPECT_FALSE(IsWindow(probe.line));
    points.m_nArwFlag = 0;
    EXPECT_TRUE(SamePoints(points, win->getArrowData())) << Describe(win->getArrowData());
}

// The tracking tick may take the note away while the user drags a handle of
// its line: nothing touches the line or its handles afterwards.
class CGuardedLineNote : public CMemletWin {
protected:
    CArrowWin* NewArrowWin() override { return new Guarded<CArrowWin>; }
};

class LineGoneInADrag : public SelfDeleting {
protected:
    void SetUp() override {
        SelfDeleting::SetUp();
        CWnd::CreateArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.x = 100, args.y = 100, args.cx = 600, args.cy = 400;
        ASSERT_TRUE(m_target.Create(args));
    }
    void TearDown() override {
        m_target.DestroyWindow();
        PumpPending();
        MoveMouse(kAway);
        SelfDeleting::TearDown();
    }
    void DragWhileTheLineGoes(void (*away)());
    CWnd m_target;
};

CMemletWin* g_note;
HWND g_target, g_dragged;
void (*g_away)();
bool g_draggedInLoop;

void CALLBACK TakeTheLineAway(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_draggedInLoop = GetCapture() == g_dragged;
    g_away();
    SendMouse(MOUSEEVENTF_LEFTUP);
    // The button-up goes to whatever window lies under the cursor now.
    PostThreadMessageW(GetCurrentThreadId(), WM_LBUTTONUP, 0, 0);
}

void LineGoneInADrag::DragWhileTheLineGoes(void (*away)()) {
    NoteLook look;
    look.rect = kBesideTarget;
    POINT o = ClientOrigin(m_target.m_hWnd);
    look.arrow = Points(60, 20, 640 - o.x, 440 - o.y);
    CMemletWin* win = OpenNote(m_target.m_hWnd, look, new CGuardedLineNote);
    ASSERT_TRUE(win && win->m_pArrowWin);
    HWND h = win->m_hWnd, l = win->m_pArrowWin->m_hWnd;
    PumpUntil([h] { return IsWindowEnabled(h) != 0; });
    ShowHandles(win);
    BringToFront(EndOf(win));
    g_note = win;
    g_target = m_target.m_hWnd;
    g_dragged = EndOf(win);
    g_away = away;
    g_draggedInLoop = false;
    MoveMouse(EndCentre(win));
    PumpFor(50);
    SetTimer(nullptr, 0, 150, TakeTheLineAway);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(PumpUntil([l] { return !IsWindow(l); }));
    PumpFor(100);
    EXPECT_TRUE(g_draggedInLoop);
    EXPECT_FALSE(g_touchedAfterDelete);
}

TEST_F(LineGoneInADrag, TargetClosed) {
    DragWhileTheLineGoes([] { DestroyWindow(g_target); });
}

TEST_F(LineGoneInADrag, NoteDetached) {
    DragWhileTheLineGoes([] {
        g_note->getArrowData();
        g_note->DestroyWindow();
    });
}

}  // namespace
