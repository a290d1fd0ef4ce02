#include <gtest/gtest.h>

#include <vector>

#include "app/MFCButtonEx.h"
#include "controls/ControlsResource.h"
#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "platform/MenuFont.h"
#include "platform/OsVersion.h"

namespace {

class CTestButton : public CMFCButtonEx {
public:
    int draws = 0;
    void OnDraw(HDC dc, const RECT& rect, UINT state) override {
        draws++;
        CMFCButtonEx::OnDraw(dc, rect, state);
    }
};

class CButtonsDlg : public CDialog {
public:
    CButtonsDlg() : CDialog(IDD_BUTTONS) {}
    CTestButton byDefault, normal, hover, disabled;
    struct Command {
        int id, code;
    };
    std::vector<Command> commands;

    int Clicks(int id) const {
        int n = 0;
        for (const auto& c : commands) n += c.id == id && c.code == BN_CLICKED;
        return n;
    }

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Control(dx, IDC_BTN_DEFAULT, byDefault);
        DDX_Control(dx, IDC_BTN_NORMAL, normal);
        DDX_Control(dx, IDC_BTN_HOVER, hover);
        DDX_Control(dx, IDC_BTN_DISABLED, disabled);
    }
    bool OnCommand(int id, int code, HWND ctl) override {
        if (id >= IDC_BTN_DEFAULT && id <= IDC_BTN_DISABLED) {
            commands.push_back({id, code});
            return true;
        }
        return CDialog::OnCommand(id, code, ctl);
    }
};

class Buttons : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create(nullptr));
        dlg.UpdateData(false);
        SetWindowPos(dlg.m_hWnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        UpdateWindow(dlg.m_hWnd);
        PumpPending();
    }
    void TearDown() override { dlg.DestroyWindow(); }

    static POINT Centre(const CWnd& w) {
        RECT r = w.GetClientRect();
        return POINT{r.right / 2, r.bottom / 2};
    }

    CButtonsDlg dlg;
};

TEST_F(Buttons, PaintThemselvesThroughTheirObject) {
    CTestButton* all[] = {&dlg.byDefault, &dlg.normal, &dlg.hover, &dlg.disabled};
    for (CTestButton* b : all) {
        EXPECT_EQ((DWORD)BS_OWNERDRAW, b->GetStyle() & BS_TYPEMASK);
        b->draws = 0;
        RedrawWindow(b->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(1, b->draws);
    }
    EXPECT_TRUE(dlg.byDefault.IsDefaultButton());
    EXPECT_FALSE(dlg.normal.IsDefaultButton());
}

TEST_F(Buttons, ClicksReachTheParent) {
    struct Step {
        UINT msg;
        bool inside;
    };
    struct {
        const char* name;
        std::vector<Step> steps;
        int clicks;
    } cases[] = {
        {"click", {{WM_LBUTTONDOWN, true}, {WM_LBUTTONUP, true}}, 1},
        // A quick second click counts as a click, as on any push button.
        {"double click",
         {{WM_LBUTTONDOWN, true}, {WM_LBUTTONUP, true}, {WM_LBUTTONDBLCLK, true}, {WM_LBUTTONUP, true}},
         2},
        {"released outside", {{WM_LBUTTONDOWN, true}, {WM_LBUTTONUP, false}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dlg.commands.clear();
        POINT in = Centre(dlg.normal);
        for (const Step& s : c.steps) {
            POINT p = s.inside ? in : POINT{-20, -20};
            dlg.normal.Send(s.msg, s.msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
        }
        EXPECT_EQ(c.clicks, dlg.Clicks(IDC_BTN_NORMAL));
        EXPECT_EQ(c.clicks, (int)dlg.commands.size()) << "nothing but clicks";
    }
    // The keyboard's press.
    dlg.commands.clear();
    dlg.normal.Send(BM_CLICK);
    EXPECT_EQ(1, dlg.Clicks(IDC_BTN_NORMAL));
}

TEST_F(Buttons, TheHandCursorWhenSet) {
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW), hand = LoadCursor(nullptr, IDC_HAND);
    ASSERT_NE(arrow, hand);
    struct {
        bool setHand;
        UINT hitTest;
        HCURSOR expected;
    } cases[] = {{false, HTCLIENT, arrow}, {true, HTCLIENT, hand}};
    for (const auto& c : cases) {
        if (c.setHand)
            dlg.hover.SetMouseCursorHand();
        SetCursor(nullptr);
        dlg.hover.Send(WM_SETCURSOR, (WPARAM)dlg.hover.m_hWnd, MAKELPARAM(c.hitTest, WM_MOUSEMOVE));
        EXPECT_EQ(c.expected, GetCursor()) << "hand set: " << c.setHand;
    }
}

TEST_F(Buttons, HighlightedWhileTheMouseIsOver) {
    RECT r = dlg.hover.GetWindowRect();
    ASSERT_TRUE(SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    POINT in = Centre(dlg.hover);
    dlg.hover.draws = 0;
    dlg.hover.Send(WM_MOUSEMOVE, 0, MAKELPARAM(in.x, in.y));
    EXPECT_TRUE(dlg.hover.IsHighlighted());
    UpdateWindow(dlg.hover.m_hWnd);
    EXPECT_EQ(1, dlg.hover.draws) << "painted anew under the mouse";
    EXPECT_FALSE(dlg.normal.IsHighlighted());

    RECT d = dlg.GetWindowRect();
    ASSERT_TRUE(SetCursorPos(d.right + 50, d.bottom + 50));
    EXPECT_TRUE(PumpUntil([&] { return !dlg.hover.IsHighlighted(); }));
    UpdateWindow(dlg.hover.m_hWnd);
    EXPECT_EQ(2, dlg.hover.draws);
}

TEST_F(Buttons, TheDefaultMovesWithTheFocus) {
    auto focus = [&](HWND h) { dlg.Send(WM_NEXTDLGCTL, (WPARAM)h, TRUE); };
    auto enter = [&] {
        MSG msg{GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001, 0, {}};
        EXPECT_TRUE(AppPreTranslateMessage(msg));
    };
    focus(dlg.normal.m_hWnd);
    EXPECT_TRUE(dlg.normal.IsDefaultButton());
    EXPECT_FALSE(dlg.byDefault.IsDefaultButton());
    enter();
    EXPECT_EQ(1, dlg.Clicks(IDC_BTN_NORMAL));

    // Away from the buttons the dialog's own default comes back.
    focus(dlg.GetDlgItem(IDC_FIELD));
    EXPECT_FALSE(dlg.normal.IsDefaultButton());
    EXPECT_TRUE(dlg.byDefault.IsDefaultButton());
    EXPECT_EQ((DWORD)BS_OWNERDRAW, dlg.normal.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ((DWORD)BS_OWNERDRAW, dlg.byDefault.GetStyle() & BS_TYPEMASK);
    enter();
    EXPECT_EQ(1, dlg.Clicks(IDC_BTN_DEFAULT));
}

// Every state's drawing, on a 32-bit surface whose alpha was 0, is opaque
// over the rectangle and leaves the rest alone.
TEST_F(Buttons, DrawnOpaqueWithinTheRectangle) {
    const UINT states[] = {0, ODS_SELECTED, ODS_FOCUS, ODS_DISABLED, ODS_SELECTED | ODS_FOCUS, ODS_NOACCEL};
    const RECT rect{6, 5, 106, 30};
    CPixels pixels(116, 40);
    for (CTestButton* b : {&dlg.normal, &dlg.byDefault}) {
        for (UINT state : states) {
            SCOPED_TRACE(testing::Message() << "state 0x" << std::hex << state);
            pixels.Fill(0);
            b->OnDraw(pixels.Dc(), rect, state);
            int transparent = 0, touched = 0, dark = 0;
            for (int y = 0; y < pixels.Height(); y++) {
                for (int x = 0; x < pixels.Width(); x++) {
                    POINT p{x, y};
                    DWORD px = pixels.At(x, y);
                    if (!PtInRect(&rect, p)) {
                        touched += px != 0;
                        continue;
                    }
                    transparent += (px >> 24) != 255;
                    COLORREF c = pixels.Colour(x, y);
                    dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 100;
                }
            }
            EXPECT_EQ(0, transparent);
            EXPECT_EQ(0, touched);
            if (!(state & ODS_DISABLED)) {
                EXPECT_GT(dark, 10) << "the caption";
            }
        }
    }
}

// The buttons' font on the main window; Windows 5.2 knows the metrics
// without the padded border width.
TEST(MenuFont, TheSystemsMenuFontOnEverySystem) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (DWORD major : {5u, 6u, 10u}) {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
        info.dwMajorVersion = major;
        info.dwMinorVersion = major == 5 ? 2 : 0;
        SetOSVersion(&info);
        HFONT font = CreateMenuFont();
        ASSERT_TRUE(font) << major;
        LOGFONTW lf{};
        EXPECT_EQ((int)sizeof lf, GetObjectW(font, sizeof lf, &lf));
        EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, lf.lfFaceName);
        EXPECT_EQ(metrics.lfMenuFont.lfHeight, lf.lfHeight);
        DeleteObject(font);
    }
    SetOSVersion(nullptr);
}

}  // namespace
