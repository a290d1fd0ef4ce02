#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/GuardPage.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "model/MemletData.h"
#include "note/Mouse.h"
#include "note/NoteFixture.h"
#include "res/resource.h"

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Real input, as the user gives it.
void SendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

void SendWheel(HWND hwnd, UINT flags, short delta) {
    RECT r = WindowRect(hwnd);
    POINT c = Centre(r);
    SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(flags, (WORD)delta), MAKELPARAM(c.x, c.y));
}

TEST_F(NoteTest, IsALayeredPopupOwnedByItsTargetEnabledAfterADelay) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    EXPECT_EQ(m_target.m_hWnd, GetWindow(h, GW_OWNER));
    DWORD style = GetWindowLongW(h, GWL_STYLE), ex = GetWindowLongW(h, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_EQ((DWORD)(WS_EX_TOOLWINDOW | WS_EX_LAYERED), ex & (WS_EX_TOOLWINDOW | WS_EX_LAYERED));
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_FALSE(IsWindowEnabled(h));
    EXPECT_TRUE(PumpUntil([h] { return IsWindowEnabled(h) != 0; }));
    // The focus goes back to the target.
    EXPECT_TRUE(PumpUntil([this] { return GetFocus() == m_target.m_hWnd; }));
    EXPECT_EQ(4000, (int)SendMessageW(win->m_editMemlet.m_hWnd, EM_GETLIMITTEXT, 0, 0));
    DWORD margins = (DWORD)SendMessageW(win->m_editMemlet.m_hWnd, EM_GETMARGINS, 0, 0);
    EXPECT_EQ(2, LOWORD(margins));
    EXPECT_EQ(2, HIWORD(margins));
}

TEST_F(NoteTest, AlphaFromTheOpacityWithTheKeyForASeeThroughBackground) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    const struct {
        int percent;
        BYTE alpha;
    } cases[] = {{20, 51}, {70, 178}, {100, 255}};
    for (const auto& c : cases) {
        win->setTransparent(c.percent);
        Layered l = LayeredOf(h);
        EXPECT_EQ(c.alpha, l.alpha) << c.percent;
        EXPECT_EQ((DWORD)LWA_ALPHA, l.flags) << c.percent;
    }
    win->m_nBkTransparent = 1;
    win->m_nBkColor = 2;
    win->setTransparent(70);
    Layered keyed = LayeredOf(h);
    EXPECT_EQ(RGB(200, 255, 200), keyed.key);
    EXPECT_EQ(178, keyed.alpha);
    EXPECT_EQ((DWORD)(LWA_COLORKEY | LWA_ALPHA), keyed.flags);
    // Opaque, the key dropped, while the text has the focus.
    PumpUntil([h] { return IsWindowEnabled(h) != 0; });
    SetFocus(m_target.m_hWnd);
    SetFocus(win->m_editMemlet.m_hWnd);
    Layered focused = LayeredOf(h);
    EXPECT_EQ(255, focused.alpha);
    EXPECT_EQ((DWORD)LWA_ALPHA, focused.flags);
    SetFocus(m_target.m_hWnd);
    Layered back = LayeredOf(h);
    EXPECT_EQ(178, back.alpha);
    EXPECT_EQ((DWORD)(LWA_COLORKEY | LWA_ALPHA), back.flags);
}

TEST_F(NoteTest, FollowsItsTargetByTheSameDistance) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    RECT start = WindowRect(h);
    ASSERT_EQ(look.rect, start);
    MoveTarget(kTargetRect.left + 40, kTargetRect.top + 25);
    EXPECT_TRUE(PumpUntil([&] { return WindowRect(h) == Offset(start, 40, 25); })) << WindowRect(h);
    // Again, after the first period.
    MoveTarget(kTargetRect.left + 10, kTargetRect.top + 5);
    EXPECT_TRUE(PumpUntil([&] { return WindowRect(h) == Offset(start, 10, 5); })) << WindowRect(h);
    EXPECT_EQ(WindowRect(h), win->m_rectWin);
    // Only the top-left corner counts.
    SetWindowPos(m_target.m_hWnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(200);
    EXPECT_EQ(Offset(start, 10, 5), WindowRect(h));
}

TEST_F(NoteTest, TargetFarOffTheScreenIsNotFollowed) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    RECT start = WindowRect(h);
    for (POINT distant : {POINT{150, 5000}, POINT{150, -1000}}) {
        MoveTarget(distant.x, distant.y);
        PumpFor(200);
        EXPECT_EQ(start, WindowRect(h)) << distant.y;
        // Back where it was last followed: the note has nothing to catch up.
        MoveTarget(kTargetRect.left, kTargetRect.top);
        PumpFor(200);
        EXPECT_EQ(start, WindowRect(h)) << distant.y;
    }
}

TEST_F(NoteTest, StoredTargetRectMovesTheNoteOnTheFirstStep) {
    // The target moved by (30, 20) while the note was away.
    NoteLook look;
    look.target = Offset(kTargetRect, -30, -20);
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    EXPECT_EQ(Offset(look.rect, 30, 20), WindowRect(win->m_hWnd));
    EXPECT_EQ(kTargetRect, win->m_rectTarget);
}

TEST_F(NoteTest, DesktopNoteNeverFollows) {
    NoteLook look;
    look.desktop = 1;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    RECT start = WindowRect(win->m_hWnd);
    MoveTarget(kTargetRect.left + 50, kTargetRect.top + 50);
    PumpFor(300);
    EXPECT_EQ(start, WindowRect(win->m_hWnd));
}

bool IsTopmost(HWND h) { return (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

TEST_F(NoteTest, MarkedDesktopNoteIsTopmost) {
    NoteLook look;
    look.text = "&#@いつも手前";
    look.desktop = 1;
    // A desktop note belongs to the desktop window: it has no owner.
    CMemletWin* desk = OpenNote(GetDesktopWindow(), look);
    look.desktop = 0;
    look.rect = Offset(look.rect, 0, 100);
    CMemletWin* onWindow = Open(look);
    ASSERT_TRUE(desk && onWindow);
    PumpFor(250);
    EXPECT_TRUE(IsTopmost(desk->m_hWnd));
    EXPECT_FALSE(IsTopmost(onWindow->m_hWnd));
    // One of the three characters taken out.
    HWND edit = desk->m_editMemlet.m_hWnd;
    SendMessageW(edit, EM_SETSEL, 1, 2);
    SendMessageW(edit, EM_REPLACESEL, FALSE, (LPARAM)L"");
    PumpFor(250);
    EXPECT_FALSE(IsTopmost(desk->m_hWnd));
    EXPECT_FALSE(IsTopmost(onWindow->m_hWnd));
    desk->setText("&#@");
    PumpFor(250);
    EXPECT_TRUE(IsTopmost(desk->m_hWnd));
    desk->DestroyWindow();
}

TEST_F(NoteTest, FadesUnderTheMouseAndComesBackWhenItLeaves) {
    SetCursorPos(kAway.x, kAway.y);
    NoteLook look;
    look.mouseHide = 1;
    look.percent = 100;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    PumpFor(250);
    MoveMouse(Centre(WindowRect(h)));
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    std::vector<int> seen{LayeredOf(h).alpha};
    EXPECT_TRUE(PumpUntil([&] {
        int a = LayeredOf(h).alpha;
        if (a != seen.back())
            seen.push_back(a);
        return a == 0;
    }));
    EXPECT_EQ((std::vector<int>{255, 220, 180, 150, 100, 60, 0}), seen);
    PumpFor(300);
    EXPECT_EQ(0, LayeredOf(h).alpha);
    MoveMouse(kAway);
    EXPECT_TRUE(PumpUntil([h] { return LayeredOf(h).alpha == 255; }));
}

// The timer ticks one window takes from this thread's queue, by timer id.
class TimerTicks {
public:
    explicit TimerTicks(HWND hwnd) {
        s_hwnd = hwnd;
        s_ticks = {};
        m_hook = SetWindowsHookExW(WH_GETMESSAGE, Count, nullptr, GetCurrentThreadId());
    }
    ~TimerTicks() {
        if (m_hook)
            UnhookWindowsHookEx(m_hook);
    }
    bool Hooked() const { return m_hook != nullptr; }
    // The ticks of id over ms of pumping.
    int Over(UINT_PTR id, DWORD ms) {
        s_ticks = {};
        PumpFor(ms);
        return Of(id);
    }
    int Of(UINT_PTR id) const { return id < s_ticks.size() ? s_ticks[id] : 0; }

private:
    static LRESULT CALLBACK Count(int code, WPARAM wp, LPARAM lp) {
        const MSG* m = (const MSG*)lp;
        if (code == HC_ACTION && wp == PM_REMOVE && m->message == WM_TIMER && m->hwnd == s_hwnd &&
            m->wParam < s_ticks.size())
            s_ticks[m->wParam]++;
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    static inline HWND s_hwnd;
    static inline std::array<int, 128> s_ticks;
    HHOOK m_hook = nullptr;
};

// A hundred notes rest on their windows most of the time: the fade timer
// runs only while a fade does, and starts again with the next one.
TEST_F(NoteTest, FadeTimerRunsOnlyWhileTheNoteFades) {
    constexpr UINT_PTR kHover = 108, kFade = 109;
    ASSERT_TRUE(PlaceCursor(kAway));
    NoteLook look;
    look.mouseHide = 1;
    look.percent = 100;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    TimerTicks ticks(h);
    ASSERT_TRUE(ticks.Hooked());
    EXPECT_EQ(0, ticks.Over(kFade, 700));
    EXPECT_GE(ticks.Of(kHover), 2);
    for (int round = 0; round < 2; round++) {
        ASSERT_TRUE(PlaceCursor(Centre(WindowRect(h)))) << round;
        EXPECT_TRUE(PumpUntil([h] { return LayeredOf(h).alpha == 0; })) << round;
        // The steps left after the note is invisible, and one tick that
        // finds nothing more to do.
        PumpFor(1200);
        EXPECT_EQ(0, LayeredOf(h).alpha) << round;
        EXPECT_EQ(0, ticks.Over(kFade, 700)) << round;
        EXPECT_GE(ticks.Of(kHover), 2) << round;
        ASSERT_TRUE(PlaceCursor(kAway)) << round;
        EXPECT_TRUE(PumpUntil([h] { return LayeredOf(h).alpha == 255; })) << round;
        PumpFor(300);
        EXPECT_EQ(0, ticks.Over(kFade, 700)) << round;
        EXPECT_EQ(255, LayeredOf(h).alpha) << round;
    }
}

// The system may refuse a timer (its quota spent): that fade does not run,
// the next one asks again and runs.
class CRefusedFadeTimerNote : public CMemletWin {
public:
    int m_nRefusals = 1;
    int m_nAsked = 0;

protected:
    bool SetFadeTimer(UINT ms) override {
        m_nAsked++;
        if (m_nRefusals > 0) {
            m_nRefusals--;
            return false;
        }
        return CMemletWin::SetFadeTimer(ms);
    }
};

TEST_F(NoteTest, AFadeWhoseTimerWasRefusedRunsTheNextTime) {
    ASSERT_TRUE(PlaceCursor(kAway));
    NoteLook look;
    look.mouseHide = 1;
    look.percent = 100;
    auto* win = new CRefusedFadeTimerNote;
    ASSERT_TRUE(OpenNote(m_target.m_hWnd, look, win));
    HWND h = win->m_hWnd;
    ASSERT_TRUE(PlaceCursor(Centre(WindowRect(h))));
    ASSERT_TRUE(PumpUntil([&] { return win->m_nAsked == 1; }));
    // Its first step only, which keeps the alpha.
    PumpFor(800);
    EXPECT_EQ(255, LayeredOf(h).alpha);
    ASSERT_TRUE(PlaceCursor(kAway));
    PumpFor(300);
    ASSERT_TRUE(PlaceCursor(Centre(WindowRect(h))));
    EXPECT_TRUE(PumpUntil([h] { return LayeredOf(h).alpha == 0; }));
    EXPECT_EQ(2, win->m_nAsked);
    ASSERT_TRUE(PlaceCursor(kAway));
    EXPECT_TRUE(PumpUntil([h] { return LayeredOf(h).alpha == 255; }));
}

TEST_F(NoteTest, CtrlOverASeeThroughNoteShowsItWhole) {
    SetCursorPos(kAway.x, kAway.y);
    NoteLook look;
    look.bkTransparent = 1;
    look.percent = 70;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    MoveMouse(Centre(WindowRect(h)));
    PumpFor(300);
    EXPECT_EQ((DWORD)(LWA_COLORKEY | LWA_ALPHA), LayeredOf(h).flags);
    SendKey(VK_CONTROL, false);
    EXPECT_TRUE(PumpUntil([h] { return LayeredOf(h).flags == LWA_ALPHA && LayeredOf(h).alpha == 255; }));
    SendKey(VK_CONTROL, true);
    MoveMouse(kAway);
    EXPECT_TRUE(PumpUntil([h] { return LayeredOf(h).flags == (LWA_COLORKEY | LWA_ALPHA); }));
    EXPECT_EQ(178, LayeredOf(h).alpha);
}

TEST_F(NoteTest, WheelResizesDownToTheFloor) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    RECT start = WindowRect(h);
    SendWheel(h, MK_CONTROL, -360);
    RECT wider = WindowRect(h);
    EXPECT_EQ((RECT{start.left, start.top, start.right + 3, start.bottom}), wider);
    EXPECT_EQ(wider, win->m_rectWin);
    // The wheel over the text resizes too.
    SendWheel(win->m_editMemlet.m_hWnd, MK_SHIFT, -120);
    EXPECT_EQ(Height(start) + 1, Height(WindowRect(h)));
    for (int i = 0; i < 50; i++)
        SendWheel(h, MK_SHIFT, 120);
    EXPECT_EQ(20, Height(WindowRect(h)));
    for (int i = 0; i < 200; i++)
        SendWheel(h, MK_CONTROL | MK_SHIFT, 240);
    EXPECT_EQ(50, Width(WindowRect(h)));
    EXPECT_EQ(20, Height(WindowRect(h)));
    EXPECT_EQ(start.left, WindowRect(h).left);
    EXPECT_EQ(start.top, WindowRect(h).top);
}

TEST_F(NoteTest, PickBarOnItsSideAndTheWindowHoldsIt) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd, bar = win->m_stPickBar.m_hWnd, edit = win->m_editMemlet.m_hWnd;
    RECT c;
    GetClientRect(h, &c);
    const struct {
        int pickPos;
        RECT bar, edit;
    } cases[] = {
        {0, {c.right - 17, 0, c.right, c.bottom}, {0, 0, c.right - 17, c.bottom}},
        {1, {0, 0, c.right, 17}, {0, 17, c.right, c.bottom}},
        {2, {0, 0, 17, c.bottom}, {17, 0, c.right, c.bottom}},
        {3, {0, c.bottom - 17, c.right, c.bottom}, {0, 0, c.right, c.bottom - 17}},
    };
    RECT outer = WindowRect(h);
    for (const auto& k : cases) {
        SCOPED_TRACE(k.pickPos);
        win->m_nPickPos = k.pickPos;
        // A size change runs the layout again.
        MoveWindow(h, outer.left, outer.top, Width(outer) - 1, Height(outer) - 1, TRUE);
        MoveWindow(h, outer.left, outer.top, Width(outer), Height(outer), TRUE);
        EXPECT_EQ(k.bar, ClientRectIn(bar, h));
        EXPECT_EQ(k.edit, ClientRectIn(edit, h));
        EXPECT_EQ(outer, WindowRect(h));
    }
    // Too low for a bar along the top: heightened to hold it.
    win->m_nPickPos = 1;
    int d = Width(outer) - c.right;
    MoveWindow(h, outer.left, outer.top, 120, 10, TRUE);
    EXPECT_EQ(d + 17, Height(WindowRect(h)));
    EXPECT_EQ(120, Width(WindowRect(h)));
    EXPECT_EQ(outer.left, WindowRect(h).left);
    // An unknown side leaves the controls alone.
    win->m_nPickPos = 9;
    RECT barBefore = ClientRectIn(bar, h);
    MoveWindow(h, outer.left, outer.top, 160, 50, TRUE);
    EXPECT_EQ(barBefore, ClientRectIn(bar, h));
}

TEST_F(NoteTest, EscAndCloseNeverCloseANote) {
    NoteLook look;
    look.text = "消えない";
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd, edit = win->m_editMemlet.m_hWnd;
    PumpUntil([h] { return IsWindowEnabled(h) != 0; });
    SetFocus(edit);
    for (WPARAM vk : {VK_ESCAPE, VK_RETURN}) {
        PostMessageW(edit, WM_KEYDOWN, vk, 1);
        PostMessageW(edit, WM_KEYUP, vk, 0xC0000001);
    }
    PostMessageW(h, WM_CLOSE, 0, 0);
    PostMessageW(h, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(h, WM_COMMAND, IDOK, 0);
    PumpFor(200);
    ASSERT_TRUE(IsWindow(h));
    EXPECT_TRUE(IsWindowVisible(h));
    EXPECT_EQ(win, CWnd::FromHandle(h));
}

TEST_F(NoteTest, FirstFocusPutsTheCaretAfterTheText) {
    NoteLook look;
    look.text = "あいうえお";
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd, edit = win->m_editMemlet.m_hWnd;
    PumpUntil([this, h] { return IsWindowEnabled(h) && GetFocus() == m_target.m_hWnd; });
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SetFocus(edit);
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(5u, start);
    EXPECT_EQ(5u, end);
    // Later focus changes leave the caret where it is.
    SendMessageW(edit, EM_SETSEL, 2, 2);
    SetFocus(m_target.m_hWnd);
    SetFocus(edit);
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(2u, start);
}

// Given the focus by the dialog manager, the text is not selected whole:
// a key typed then adds to the note instead of replacing it.
TEST_F(NoteTest, OpenedNoteTakesTypingAfterItsText) {
    NoteLook look;
    look.text = "メモ";
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd, edit = win->m_editMemlet.m_hWnd;
    SendMessageW(edit, WM_CHAR, L'x', 1);
    EXPECT_EQ("メモx", win->getText());
    PumpUntil([h] { return IsWindowEnabled(h) != 0; });
    SetFocus(h);  // the dialog hands its focus on to the text
    EXPECT_EQ(edit, GetFocus());
    SendMessageW(edit, WM_CHAR, L'y', 1);
    EXPECT_EQ("メモxy", win->getText());
}

TEST_F(NoteTest, FontGoesInAndComesBack) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    LOGFONTA lf = DefaultMemletFont();
    lf.lfHeight = -20;
    lf.lfItalic = 1;
    win->setFont(lf);
    win->setFont(lf);  // the font before is let go, not the one in use
    LOGFONTA back = win->getLogFont();
    EXPECT_STREQ("ＭＳ Ｐゴシック", back.lfFaceName);
    EXPECT_EQ(-20, back.lfHeight);
    EXPECT_EQ(1, back.lfItalic);
    HFONT used = (HFONT)SendMessageW(win->m_editMemlet.m_hWnd, WM_GETFONT, 0, 0);
    LOGFONTA inUse{};
    EXPECT_NE(0, GetObjectA(used, sizeof inUse, &inUse));
    EXPECT_EQ(-20, inUse.lfHeight);
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; i++)
        out += s;
    return out;
}

// The text limit holds in bytes of the code page, whatever the control
// counts, and never splits a double-byte character.
TEST_F(NoteTest, TextHoldsAtMost4000Bytes) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND edit = win->m_editMemlet.m_hWnd;
    auto typeChar = [edit](wchar_t c) { SendMessageW(edit, WM_CHAR, c, 1); };

    win->setText(std::string(3998, 'a'));
    typeChar(L'あ');
    EXPECT_EQ(std::string(3998, 'a') + "あ", win->getText());
    typeChar(L'い');
    typeChar(L'b');
    EXPECT_EQ(4000u, win->getText().size());

    win->setText(std::string(3999, 'a'));
    typeChar(L'あ');
    EXPECT_EQ(std::string(3999, 'a'), win->getText());
    SendMessageW(edit, WM_IME_CHAR, L'い', 1);
    EXPECT_EQ(std::string(3999, 'a'), win->getText());
    typeChar(L'b');
    EXPECT_EQ(std::string(3999, 'a') + "b", win->getText());

    // A paste at the start keeps what fits of it, whole characters only.
    win->setText(std::string(3995, 'a'));
    SendMessageW(edit, EM_SETSEL, 0, 0);
    ASSERT_TRUE(OpenClipboard(win->m_hWnd));
    EmptyClipboard();
    const wchar_t paste[] = L"かきくけこ";
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, sizeof paste);
    memcpy(GlobalLock(mem), paste, sizeof paste);
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);
    CloseClipboard();
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ("かき" + std::string(3995, 'a'), win->getText());
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(2u, end);  // the caret after what went in

    // Replacing a selection with more than fits.
    win->setText(Repeat("あ", 1999) + "xy");
    SendMessageW(edit, EM_SETSEL, 1999, 2001);
    SendMessageW(edit, EM_REPLACESEL, TRUE, (LPARAM)L"さしすせそ");
    EXPECT_EQ(Repeat("あ", 1999) + "さ", win->getText());

    // A text set from the record is cut the same way.
    win->setText(Repeat("あ", 2500));
    EXPECT_EQ(Repeat("あ", 2000), win->getText());
    win->setText("a" + Repeat("あ", 2000));
    EXPECT_EQ("a" + Repeat("あ", 1999), win->getText());
}

TEST_F(NoteTest, ReadOnlyMarkAndSizeFrame) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    EXPECT_EQ(0, win->isReadOnly());
    EXPECT_EQ("", win->m_stPickBar.GetText());
    win->setReadOnly(1);
    EXPECT_EQ(1, win->isReadOnly());
    EXPECT_EQ(" R", win->m_stPickBar.GetText());
    SendMessageW(win->m_editMemlet.m_hWnd, WM_CHAR, L'z', 1);
    EXPECT_EQ("", win->getText());
    win->setReadOnly(0);
    EXPECT_EQ("", win->m_stPickBar.GetText());

    EXPECT_EQ(1, win->hasFrame());
    RECT framed = WindowRect(h), framedClient;
    GetClientRect(h, &framedClient);
    win->setFrame(0);
    EXPECT_EQ(0, win->hasFrame());
    RECT bare;
    GetClientRect(h, &bare);
    // The frame's pixels are client area now.
    EXPECT_GT(bare.right, framedClient.right);
    EXPECT_EQ(framed, WindowRect(h));
    win->setFrame(1);
    EXPECT_EQ(1, win->hasFrame());
}

HBRUSH CtlColor(HWND note, UINT msg, HWND ctl, HDC dc) {
    return (HBRUSH)SendMessageW(note, msg, (WPARAM)dc, (LPARAM)ctl);
}

COLORREF BrushColor(HBRUSH b) {
    LOGBRUSH lb{};
    GetObjectW(b, sizeof lb, &lb);
    return lb.lbColor;
}

// Colour indices from files and other programs never reach past a table.
TEST_F(NoteTest, ControlColoursForAnyIndex) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd, bar = win->m_stPickBar.m_hWnd, edit = win->m_editMemlet.m_hWnd;
    HDC dc = GetDC(h);
    for (int index : {0, 1, 3, 4, 5, 7, -1, 100000}) {
        SCOPED_TRACE(index);
        win->m_nColor = index;
        win->m_nBkColor = index;
        win->m_nTxColor = index;
        EXPECT_EQ(PickBarColor(index), BrushColor(CtlColor(h, WM_CTLCOLORSTATIC, bar, dc)));
        EXPECT_EQ(PickBarMarkColor(index), GetTextColor(dc));
        EXPECT_EQ(BackColor(index), BrushColor(CtlColor(h, WM_CTLCOLORDLG, h, dc)));
        EXPECT_EQ(BackColor(index), BrushColor(CtlColor(h, WM_CTLCOLOREDIT, edit, dc)));
        EXPECT_EQ(TextColor(index), GetTextColor(dc));
        EXPECT_EQ(BackColor(index), GetBkColor(dc));
        // Read-only, the edit asks as a static.
        EXPECT_EQ(BackColor(index), BrushColor(CtlColor(h, WM_CTLCOLORSTATIC, edit, dc)));
    }
    HBRUSH none = (HBRUSH)GetStockObject(NULL_BRUSH);
    // Over a gradation the edit draws its text only.
    win->m_nGraFlg = 1;
    win->m_nTxColor = 2;
    EXPECT_EQ(none, CtlColor(h, WM_CTLCOLOREDIT, edit, dc));
    EXPECT_EQ(TextColor(2), GetTextColor(dc));
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
    EXPECT_EQ(none, CtlColor(h, WM_CTLCOLORSTATIC, edit, dc));
    // A see-through background: no gradation, and the bar is hidden until
    // the mouse or the focus comes.
    win->m_nBkTransparent = 1;
    win->m_nColor = 2;
    EXPECT_NE(none, CtlColor(h, WM_CTLCOLOREDIT, edit, dc));
    EXPECT_EQ(none, CtlColor(h, WM_CTLCOLORSTATIC, bar, dc));
    PumpUntil([h] { return IsWindowEnabled(h) != 0; });
    SetFocus(edit);
    EXPECT_EQ(PickBarColor(2), BrushColor(CtlColor(h, WM_CTLCOLORSTATIC, bar, dc)));
    SetFocus(m_target.m_hWnd);
    ReleaseDC(h, dc);
}

// Wine raises an activated owner above its popups (docs/wine.md): a note
// to be clicked lies beside its target.
const RECT kBesideTarget{800, 550, 1000, 610};

TEST_F(NoteTest, DragByThePickBarMovesTheNote) {
    NoteLook look;
    look.rect = kBesideTarget;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    PumpUntil([h] { return IsWindowEnabled(h) != 0; });
    RECT start = WindowRect(h);
    POINT grip = Centre(WindowRect(win->m_stPickBar.m_hWnd));
    StartDrag(grip, POINT{grip.x - 60, grip.y + 35});
    EXPECT_TRUE(PumpUntil([&] { return WindowRect(h) == Offset(start, -60, 35); })) << WindowRect(h);
    PumpFor(300);
    EXPECT_EQ(Offset(start, -60, 35), WindowRect(h));
    EXPECT_EQ(WindowRect(h), win->m_rectWin);
    MoveMouse(kAway);
}

// The tracking tick may take the note away while the user drags it: the
// handler that runs the drag must not touch the object afterwards.
class NoteGoneInADrag : public SelfDeleting {
protected:
    void SetUp() override {
        SelfDeleting::SetUp();
        CWnd::CreateArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.x = 100, args.y = 100, args.cx = 500, args.cy = 400;
        ASSERT_TRUE(m_target.Create(args));
    }
    void TearDown() override {
        m_target.DestroyWindow();
        SelfDeleting::TearDown();
    }
    CWnd m_target;
};

CMemletWin* g_dragged;
bool g_draggedInLoop;
void CALLBACK DestroyDragged(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_draggedInLoop = GetCapture() == g_dragged->m_hWnd;
    g_dragged->DestroyWindow();
    SendMouse(MOUSEEVENTF_LEFTUP);
    // The button-up goes to whatever window lies under the cursor now.
    PostThreadMessageW(GetCurrentThreadId(), WM_LBUTTONUP, 0, 0);
}

TEST_F(NoteGoneInADrag, NothingTouchesTheNoteAfterwards) {
    NoteLook look;
    look.rect = kBesideTarget;
    auto* win = new Guarded<CMemletWin>;
    ASSERT_TRUE(OpenNote(m_target.m_hWnd, look, win));
    HWND h = win->m_hWnd;
    PumpUntil([h] { return IsWindowEnabled(h) != 0; });
    g_dragged = win;
    MoveMouse(Centre(WindowRect(win->m_stPickBar.m_hWnd)));
    PumpFor(50);
    SetTimer(nullptr, 0, 150, DestroyDragged);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(PumpUntil([h] { return !IsWindow(h); }));
    PumpFor(100);
    EXPECT_TRUE(g_draggedInLoop);
    EXPECT_FALSE(g_touchedAfterDelete);
    MoveMouse(kAway);
}

}  // namespace
