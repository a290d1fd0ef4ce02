// The preview beside the window list: what it shows, read back from the
// screen, for windows of every kind, and the window manager's thumbnail.
#include <gtest/gtest.h>

#include <objbase.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/PreviewWindows.h"
#include "dialogs/WindowSelDlg.h"
#include "framework/MessageBox.h"
#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "platform/Dwm.h"

namespace {

const std::string kLayerQuestion = "レイヤー情報が取得できません。レイヤーパラメータが失われますが続行しますか?";

std::vector<std::string> g_boxes;
int g_answer = IDYES;

int AnswerBox(const std::string& text, UINT) {
    g_boxes.push_back(text);
    return g_answer;
}

CWinInf Entry(HWND hwnd) {
    CWinInf w;
    w.m_hWnd = hwnd;
    w.m_strTitle = "対象";
    w.m_strProcessName = "TARGET.EXE";
    w.m_strPath = "C:\\target.exe";
    return w;
}

// The size a snapshot of cx by cy is drawn at in a control of W by H.
SIZE Fitted(int cx, int cy, int W, int H) {
    if (cx < W && cy < H)
        return SIZE{cx, cy};
    double sx = (double)W / cx, sy = (double)H / cy;
    return sy > sx ? SIZE{W, (LONG)(cy * sx)} : SIZE{(LONG)(cx * sy), H};
}

// The dialog open without its modal loop, showing row 0 of the list.
class Preview : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        g_boxes.clear();
        g_answer = IDYES;
        SetMessageBoxHook(AnswerBox);
    }
    void TearDown() override {
        m_dlg.reset();
        SetMessageBoxHook(nullptr);
        CoUninitialize();
    }
    // Opens the dialog on the window and says how long the opening took.
    DWORD Open(HWND target) {
        m_dlg = std::make_unique<CWindowSelDlg>();
        m_dlg->SetWinInfList({Entry(target)});
        DWORD start = GetTickCount();
        EXPECT_TRUE(m_dlg->Create(nullptr));
        DWORD spent = GetTickCount() - start;
        m_dlg->ShowWindow(SW_SHOWNOACTIVATE);
        PumpPending();
        return spent;
    }
    HWND PreviewHwnd() const { return m_dlg->m_stcImage.m_hWnd; }
    SIZE ControlSize() const {
        RECT r = m_dlg->m_stcImage.GetClientRect();
        return SIZE{r.right, r.bottom};
    }
    std::unique_ptr<CWindowSelDlg> m_dlg;
};

TEST_F(Preview, LargeWindowsAreScaledDownWithTheirAspectSmallOnesShownAsTheyAre) {
    // The control's size first, from a dialog showing nothing.
    Open(nullptr);
    const SIZE box = ControlSize();
    ASSERT_GT(box.cx, 40);
    ASSERT_GT(box.cy, 40);
    m_dlg.reset();
    const struct {
        const char* name;
        int cx, cy;
    } cases[] = {
        {"wide", 540, 270},
        {"tall", 200, 600},
        {"small", 40, 30},
        {"as large as the control", box.cx, box.cy},
        {"narrow but too tall", box.cx / 2, box.cy * 2},
        {"low but too wide", box.cx * 3, box.cy / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CColourWnd target;
        ASSERT_TRUE(target.Open(RECT{600, 100, 600 + c.cx, 100 + c.cy}, RGB(30, 60, 200)));
        Open(target.m_hWnd);
        SIZE want = Fitted(c.cx, c.cy, box.cx, box.cy);
        Shown shown = ShownPicture(PreviewHwnd());
        EXPECT_NEAR(want.cx, shown.cx, 1);
        EXPECT_NEAR(want.cy, shown.cy, 1);
        EXPECT_FALSE(Differs(target.m_colour, shown.middle));
        EXPECT_TRUE(g_boxes.empty());
        m_dlg.reset();
    }
}

TEST_F(Preview, TheDesktopRowIsACopyOfTheScreen) {
    // The screen in four colours.
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const COLORREF colours[4] = {RGB(220, 20, 20), RGB(20, 180, 20), RGB(30, 60, 200), RGB(230, 200, 20)};
    CColourWnd quarters[4];
    for (int i = 0; i < 4; i++) {
        int x = (i % 2) * cx / 2, y = (i / 2) * cy / 2;
        ASSERT_TRUE(quarters[i].Open(RECT{x, y, x + cx / 2, y + cy / 2}, colours[i]));
        SetWindowPos(quarters[i].m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        UpdateWindow(quarters[i].m_hWnd);
    }
    PumpPending();
    Open(GetDesktopWindow());
    const SIZE box = ControlSize();
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    SIZE want = Fitted(desktop.right - desktop.left, desktop.bottom - desktop.top, box.cx, box.cy);
    Shown shown = ShownPicture(PreviewHwnd());
    EXPECT_NEAR(want.cx, shown.cx, 1);
    EXPECT_NEAR(want.cy, shown.cy, 1);
    for (int i = 0; i < 4; i++) {
        int x = want.cx / 4 + (i % 2) * want.cx / 2, y = want.cy / 4 + (i / 2) * want.cy / 2;
        EXPECT_FALSE(Differs(colours[i], ShownAt(PreviewHwnd(), x, y))) << i;
    }
}

TEST_F(Preview, AnotherProgramsWindowThatCannotBeDrawnShowsNothingAndSaysNothing) {
    COtherProgram other;
    ASSERT_TRUE(other.Window());
    CColourWnd own;
    ASSERT_TRUE(own.Open(RECT{600, 100, 900, 300}, RGB(20, 180, 20)));
    m_dlg = std::make_unique<CWindowSelDlg>();
    m_dlg->SetWinInfList({Entry(other.Window()), Entry(own.m_hWnd)});
    ASSERT_TRUE(m_dlg->Create(nullptr));
    m_dlg->ShowWindow(SW_SHOWNOACTIVATE);
    PumpPending();
    Shown shown = ShownPicture(PreviewHwnd());
    // Wine's PrintWindow draws nothing of another process's window; where
    // it draws, the picture is the window's.
    EXPECT_EQ(!PrintWindowDraws(other.Window()), shown.empty());
    EXPECT_TRUE(g_boxes.empty());
    // The dialog goes on as before.
    m_dlg->m_stcImage.SetTarget(own.m_hWnd);
    shown = ShownPicture(PreviewHwnd());
    EXPECT_FALSE(shown.empty());
    EXPECT_FALSE(Differs(own.m_colour, shown.middle));
}

// A window that does not answer holds the preview up for the wait only,
// is left as it is, and shows no picture; neither does a window that is
// gone, in place of the last one's.
TEST_F(Preview, AHungWindowComesBackAfterTheWaitWithNoPictureAndUntouched) {
    for (bool minimised : {false, true}) {
        SCOPED_TRACE(minimised ? "minimised" : "shown");
        CHungWindow hung(RECT{600, 100, 900, 300}, RGB(220, 20, 20), minimised);
        ASSERT_TRUE(hung.Hwnd());
        DWORD exStyle = GetWindowLongW(hung.Hwnd(), GWL_EXSTYLE);
        DWORD spent = Open(hung.Hwnd());
        EXPECT_LT(spent, 1500u);
        EXPECT_TRUE(ShownPicture(PreviewHwnd()).empty());
        EXPECT_EQ(0, m_dlg->m_stcImage.m_nWidth);
        hung.Release();
        EXPECT_TRUE(hung.ReleasedInTime());
        EXPECT_FALSE(hung.Printed());
        EXPECT_FALSE(hung.Touched());
        EXPECT_EQ(minimised, IsIconic(hung.Hwnd()) != 0);
        EXPECT_EQ(exStyle, (DWORD)GetWindowLongW(hung.Hwnd(), GWL_EXSTYLE));
        EXPECT_TRUE(g_boxes.empty());
        m_dlg.reset();
    }
}

TEST_F(Preview, AWindowThatIsGoneOrHungShowsNoPictureInPlaceOfTheLastOne) {
    CColourWnd shown, gone;
    ASSERT_TRUE(shown.Open(RECT{600, 100, 900, 300}, RGB(20, 180, 20)));
    ASSERT_TRUE(gone.Open(RECT{600, 400, 900, 600}, RGB(220, 20, 20)));
    HWND goneHwnd = gone.m_hWnd;
    gone.DestroyWindow();
    CHungWindow hung(RECT{600, 400, 900, 600}, RGB(220, 20, 20), false);
    ASSERT_TRUE(hung.Hwnd());
    Open(shown.m_hWnd);
    for (HWND next : {goneHwnd, hung.Hwnd()}) {
        m_dlg->m_stcImage.SetTarget(shown.m_hWnd);
        ASSERT_FALSE(ShownPicture(PreviewHwnd()).empty());
        m_dlg->m_stcImage.SetTarget(next);
        EXPECT_TRUE(ShownPicture(PreviewHwnd()).empty()) << (next == goneHwnd ? "gone" : "hung");
    }
    hung.Release();
    EXPECT_TRUE(g_boxes.empty());
}

// A minimised window is drawn at its normal size, fully transparent and
// far off the screens, then minimised again as it was.
TEST_F(Preview, AMinimisedWindowIsDrawnUnseenAtItsNormalSizeAndPutBack) {
    enum Layer { kPlain, kLayered, kUnreadable };
    const RECT normal{600, 100, 900, 250};
    const RECT hostile{-2000000000, -2000000000, 2000000000, 2000000000};
    const struct {
        const char* name;
        Layer layer;
        int answer;
        RECT normal;
        bool asked, drawn;
    } cases[] = {
        {"plain", kPlain, IDYES, normal, false, true},
        {"layered", kLayered, IDYES, normal, false, true},
        {"layered, unreadable, go on", kUnreadable, IDYES, normal, true, true},
        {"layered, unreadable, stop", kUnreadable, IDNO, normal, true, false},
        // Wider and higher than an int can tell.
        {"normal place beyond the coordinates", kPlain, IDYES, hostile, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_boxes.clear();
        g_answer = c.answer;
        CColourWnd target;
        ASSERT_TRUE(target.Open(normal, RGB(30, 60, 200)));
        HWND h = target.m_hWnd;
        if (c.layer != kPlain)
            SetWindowLongW(h, GWL_EXSTYLE, GetWindowLongW(h, GWL_EXSTYLE) | WS_EX_LAYERED);
        if (c.layer == kLayered)
            SetLayeredWindowAttributes(h, RGB(1, 2, 3), 180, LWA_ALPHA | LWA_COLORKEY);
        ShowWindow(h, SW_MINIMIZE);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(h, &placement);
        placement.rcNormalPosition = c.normal;
        placement.showCmd = SW_SHOWMINIMIZED;
        SetWindowPlacement(h, &placement);
        PumpPending();
        ASSERT_TRUE(IsIconic(h));
        const DWORD exStyle = GetWindowLongW(h, GWL_EXSTYLE);
        target.m_drawn = {};

        Open(h);

        EXPECT_EQ(c.asked ? std::vector<std::string>{kLayerQuestion} : std::vector<std::string>{}, g_boxes);
        EXPECT_EQ(c.drawn, target.m_drawn.count > 0);
        Shown shown = ShownPicture(PreviewHwnd());
        EXPECT_EQ(c.drawn, !shown.empty());
        if (c.drawn) {
            const CColourWnd::Drawn& d = target.m_drawn;
            EXPECT_FALSE(Differs(target.m_colour, shown.middle));
            EXPECT_FALSE(d.iconic);
            EXPECT_TRUE(d.layered);
            EXPECT_TRUE(d.attributesRead);
            EXPECT_EQ(0, d.alpha);
            EXPECT_TRUE(d.flags & LWA_ALPHA);
            if (c.normal.left == normal.left) {
                EXPECT_EQ((RECT{10600, 10100, 10900, 10250}), d.rect);
                EXPECT_EQ(300, m_dlg->m_stcImage.m_nWidth);
                EXPECT_EQ(150, m_dlg->m_stcImage.m_nHeight);
            } else {
                // No larger than the screens.
                EXPECT_GT(m_dlg->m_stcImage.m_nWidth, 0);
                EXPECT_LE(m_dlg->m_stcImage.m_nWidth, GetSystemMetrics(SM_CXVIRTUALSCREEN));
                EXPECT_LE(m_dlg->m_stcImage.m_nHeight, GetSystemMetrics(SM_CYVIRTUALSCREEN));
            }
        }
        // Back as it was.
        EXPECT_TRUE(IsIconic(h));
        EXPECT_TRUE(IsWindowVisible(h));
        WINDOWPLACEMENT after{};
        after.length = sizeof after;
        GetWindowPlacement(h, &after);
        // Wine keeps no normal place beyond its coordinates for a window
        // that is not minimised when it is given one.
        if (c.normal == normal) {
            EXPECT_EQ(normal, after.rcNormalPosition);
        }
        EXPECT_EQ(exStyle, (DWORD)GetWindowLongW(h, GWL_EXSTYLE));
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        BOOL read = GetLayeredWindowAttributes(h, &key, &alpha, &flags);
        switch (c.layer) {
        case kPlain:
            break;
        case kLayered:
            EXPECT_TRUE(read);
            EXPECT_EQ(RGB(1, 2, 3), key);
            EXPECT_EQ(180, alpha);
            EXPECT_EQ((DWORD)(LWA_ALPHA | LWA_COLORKEY), flags);
            break;
        case kUnreadable:
            if (c.answer == IDYES) {
                // Its own were lost: neither alpha nor colour key, opaque.
                EXPECT_TRUE(read);
                EXPECT_EQ(0u, flags);
            } else {
                EXPECT_FALSE(read);
            }
            break;
        }
        m_dlg.reset();
    }
}

// The window manager stood in for: what the preview asks of it.
class CFakeStcImage : public CStcImage {
public:
    ~CFakeStcImage() override { m_hThumbnail = 0; }
    HRESULT composition = S_OK;
    BOOL enabled = TRUE;
    HRESULT registration = S_OK;
    std::vector<std::string> calls;
    DWM_THUMBNAIL_PROPERTIES properties{};

    static std::string Id(HWND h) {
        char buf[32];
        snprintf(buf, sizeof buf, "%p", (void*)h);
        return buf;
    }

protected:
    HRESULT QueryComposition(BOOL* on) override {
        *on = composition == kDwmUnavailable ? FALSE : enabled;
        return composition;
    }
    HRESULT CallRegisterThumbnail(HWND destination, HWND source, HTHUMBNAIL* thumbnail) override {
        calls.push_back("register " + Id(destination) + " " + Id(source));
        if (FAILED(registration))
            return registration;
        *thumbnail = (HTHUMBNAIL)(intptr_t)++m_next;
        return S_OK;
    }
    HRESULT CallUpdateThumbnailProperties(HTHUMBNAIL thumbnail, const DWM_THUMBNAIL_PROPERTIES* p) override {
        calls.push_back("update " + std::to_string((intptr_t)thumbnail));
        properties = *p;
        return S_OK;
    }
    HRESULT CallUnregisterThumbnail(HTHUMBNAIL thumbnail) override {
        calls.push_back("unregister " + std::to_string((intptr_t)thumbnail));
        return S_OK;
    }

private:
    int m_next = 0;
};

TEST(Thumbnail, LiveWhileCompositionIsOnTheDesktopAndFailuresAsSnapshotsOrNothing) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    // A parent whose client area begins at (100, 100) on the screen, the
    // preview at (30, 40) in it; a second destination at the screen's origin.
    CWnd parent, other;
    CWnd::CreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE;
    args.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    args.x = 100;
    args.y = 100;
    args.cx = 300;
    args.cy = 200;
    ASSERT_TRUE(parent.Create(args));
    args.x = args.y = 0;
    ASSERT_TRUE(other.Create(args));
    HWND stc = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 30, 40, 120, 90, parent.m_hWnd, nullptr,
                               nullptr, nullptr);
    CFakeStcImage preview;
    ASSERT_TRUE(preview.Subclass(stc));
    CColourWnd a, b;
    ASSERT_TRUE(a.Open(RECT{600, 100, 900, 300}, RGB(220, 20, 20)));
    ASSERT_TRUE(b.Open(RECT{600, 400, 800, 500}, RGB(20, 180, 20)));
    const std::string P = CFakeStcImage::Id(parent.m_hWnd), O = CFakeStcImage::Id(other.m_hWnd);
    const std::string A = CFakeStcImage::Id(a.m_hWnd), B = CFakeStcImage::Id(b.m_hWnd);
    HWND desktop = GetDesktopWindow();

    const struct {
        const char* name;
        HWND destination;  // null: the parent
        HRESULT composition;
        HRESULT registration;
        HWND target;
        std::vector<std::string> calls;
        int thumbnail;        // 0: none held
        bool snapshot;        // a picture of its own
        HWND targetAfter;
        RECT rect;            // where the live picture goes
    } steps[] = {
        {"on: live, on the parent", nullptr, S_OK, S_OK, a.m_hWnd, {"register " + P + " " + A, "update 1"}, 1, false,
         a.m_hWnd, RECT{30, 40, 150, 130}},
        {"the next one ends the last", other.m_hWnd, S_OK, S_OK, b.m_hWnd,
         {"unregister 1", "register " + O + " " + B, "update 2"}, 2, false, b.m_hWnd, RECT{130, 140, 250, 230}},
        {"the desktop: the screen", nullptr, S_OK, S_OK, desktop, {"unregister 2"}, 0, true, b.m_hWnd, {}},
        {"registration fails: nothing", nullptr, S_OK, E_FAIL, a.m_hWnd, {"register " + P + " " + A}, 0, false,
         a.m_hWnd, {}},
        {"no window manager: a snapshot", nullptr, kDwmUnavailable, S_OK, b.m_hWnd, {}, 0, true, a.m_hWnd, {}},
        {"the question fails: nothing", nullptr, E_FAIL, S_OK, a.m_hWnd, {}, 0, false, a.m_hWnd, {}},
        {"on again", nullptr, S_OK, S_OK, a.m_hWnd, {"register " + P + " " + A, "update 3"}, 3, false, a.m_hWnd,
         RECT{30, 40, 150, 130}},
        {"none", nullptr, S_OK, S_OK, nullptr, {"unregister 3"}, 0, false, a.m_hWnd, {}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.name);
        preview.calls.clear();
        preview.properties = {};
        preview.m_hDestWnd = s.destination;
        preview.composition = s.composition;
        preview.registration = s.registration;
        preview.SetTarget(s.target);
        EXPECT_EQ(s.calls, preview.calls);
        EXPECT_EQ(s.thumbnail, (int)(intptr_t)preview.m_hThumbnail);
        EXPECT_EQ(s.snapshot, preview.m_nWidth > 0 && preview.m_nHeight > 0);
        EXPECT_EQ(s.targetAfter, preview.m_hTarget);
        if (s.thumbnail) {
            const DWM_THUMBNAIL_PROPERTIES& p = preview.properties;
            EXPECT_EQ(0x1Du, p.dwFlags);
            EXPECT_EQ(s.rect, p.rcDestination);
            EXPECT_EQ(255, p.opacity);
            EXPECT_TRUE(p.fVisible);
            EXPECT_FALSE(p.fSourceClientAreaOnly);
        }
    }
    CoUninitialize();
}

}  // namespace
