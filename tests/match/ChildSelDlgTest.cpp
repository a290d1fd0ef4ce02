// The child-window choice on a window of the test's own, run modal and
// driven from inside its loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/ChildPreview.h"
#include "dialogs/ChildSelDlg.h"
#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "match/MatchFixture.h"
#include "model/MemletData.h"
#include "panel/PanelFixture.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"
#include "storage/WriteIniFile.h"

namespace {

const char kNoChild[] = "子ウィンドウ（コンポーネント）が選択されていません";
const char kNotUnique[] =
    "この組はユニーク（唯一の子ウィンドウ）ではありません.\r\n最初に条件が合致した子ウィンドウでマッチングを行います.\r\n"
    "よろしいですか？";

class ChildSelDlgTest : public testing::Test {
protected:
    void SetUp() override {
        AnswerBoxes({});
        ASSERT_TRUE(m_target.Open(RECT{700, 300, 1000, 500}));
    }
    void TearDown() override { m_target.Destroy(); }
    CChildTarget m_target;
};

CChildSelDlg* Dlg(HWND hwnd) { return dynamic_cast<CChildSelDlg*>(CWnd::FromHandle(hwnd)); }

TEST_F(ChildSelDlgTest, ListsTheChildrenAConditionCanNameAndChoosesTheGivenOne) {
    const struct {
        std::string cls;
        int id;
        int mark;
    } cases[] = {
        {"Button", 101, 0},
        {"Edit", 201, 2},    // a grandchild
        {"Button", 106, 3},  // the first of two
        {"Edit", 107, 5},
        {"button", 101, -1},  // the class is compared byte for byte
        {"Button", 999, -1},
        {"", 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cls + " " + std::to_string(c.id));
        CChildSelDlg dlg;
        dlg.m_hWndTarget = m_target.Hwnd();
        dlg.m_strClass = c.cls;
        dlg.m_nCtlId = c.id;
        RunDialog(dlg, kChildSelCaption, [&](HWND h) {
            EXPECT_EQ((std::vector<std::string>{"Button", "Static", "Edit", "Button", "Button", "Edit", "Static"}),
                      RowTexts(h, IDC_LIST_CHILD, 0));
            EXPECT_EQ((std::vector<std::string>{"101", "105", "201", "106", "106", "107", "108"}),
                      RowTexts(h, IDC_LIST_CHILD, 1));
            std::vector<std::string> texts = RowTexts(h, IDC_LIST_CHILD, 2);
            ASSERT_EQ(7u, texts.size());
            EXPECT_EQ("了解", texts[0]);
            EXPECT_EQ("孫", texts[2]);
            EXPECT_EQ("一行目  二行目", texts[5]);
            // Cut on a character boundary: 255 characters, 510 bytes.
            EXPECT_EQ(LongText().substr(0, 510), texts[6]);
            char handle[16];
            snprintf(handle, sizeof handle, "0x%08x", (unsigned)(uintptr_t)m_target.Child(101));
            EXPECT_EQ(handle, RowTexts(h, IDC_LIST_CHILD, 3)[0]);
            EXPECT_EQ(c.mark, Mark(h, IDC_LIST_CHILD));
            CChildSelDlg* d = Dlg(h);
            ASSERT_NE(nullptr, d);
            EXPECT_EQ(c.mark >= 0, d->m_rectChild.right != d->m_rectChild.left);
            PressButton(h, IDCANCEL);
        });
        // Cancel changes nothing given.
        EXPECT_EQ(c.cls, dlg.GetChildClass());
        EXPECT_EQ(c.id, dlg.m_nCtlId);
    }
}

TEST_F(ChildSelDlgTest, OkTakesTheChosenRowAndAsksWhenThePairIsNotUnique) {
    const struct {
        const char* name;
        int row;
        std::vector<int> answers;
        std::vector<std::string> boxes;
        bool ends;
        std::string cls, text;
        int id;
    } cases[] = {
        {"no row", -1, {}, {kNoChild}, false, "", "", 0},
        {"unique", 0, {}, {}, true, "Button", "了解", 101},
        {"grandchild", 2, {}, {}, true, "Edit", "孫", 201},
        {"shared, yes", 4, {IDYES}, {kNotUnique}, true, "Button", "同じ二", 106},
        {"shared, no", 3, {IDNO}, {kNotUnique}, false, "", "", 0},
        {"multi-line", 5, {}, {}, true, "Edit", "一行目  二行目", 107},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AnswerBoxes(c.answers);
        CChildSelDlg dlg;
        dlg.m_hWndTarget = m_target.Hwnd();
        INT_PTR result = RunDialog(dlg, kChildSelCaption, [&](HWND h) {
            if (c.row >= 0)
                ClickRow(h, IDC_LIST_CHILD, c.row);
            PressButton(h, IDOK);
            if (!c.ends)
                PressButton(h, IDCANCEL);  // still open
        });
        EXPECT_EQ(c.boxes, TakeShownBoxes());
        EXPECT_EQ(c.ends ? IDOK : IDCANCEL, result);
        if (c.ends) {
            EXPECT_EQ(c.cls, dlg.GetChildClass());
            EXPECT_EQ(c.text, dlg.GetChildText());
            EXPECT_EQ(c.id, dlg.m_nCtlId);
        }
    }
}

// The chosen child's frame on the screen: red, one pixel wide, where the
// picture of the window puts the child.
TEST_F(ChildSelDlgTest, FramesTheChosenChildInRed) {
    CChildSelDlg dlg;
    dlg.m_hWndTarget = m_target.Hwnd();
    RunDialog(dlg, kChildSelCaption, [&](HWND h) {
        ClickRow(h, IDC_LIST_CHILD, 0);  // Button 101 at (10, 10) 60 x 20
        CChildSelDlg* d = Dlg(h);
        ASSERT_NE(nullptr, d);
        EXPECT_EQ((RECT{10, 10, 70, 30}), d->m_rectChild);
        EXPECT_EQ(300, d->m_nWidth);
        EXPECT_EQ(200, d->m_nHeight);
        SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
        CPreviewLayout l = LayoutPreview(CChildSelDlg::kImageOrigin, CChildSelDlg::kImageSize, 300, 200,
                                         d->m_rectChild);
        ASSERT_TRUE(l.framed);
        POINT origin{0, 0};
        ClientToScreen(h, &origin);
        CPixels pixels(240, 220);
        ASSERT_TRUE(pixels.CaptureScreen(origin.x, origin.y));
        const COLORREF red = RGB(255, 0, 0);
        int midX = (l.frame.left + l.frame.right) / 2, midY = (l.frame.top + l.frame.bottom) / 2;
        EXPECT_EQ(red, pixels.Colour(l.frame.left, midY));
        EXPECT_EQ(red, pixels.Colour(l.frame.right - 1, midY));
        EXPECT_EQ(red, pixels.Colour(midX, l.frame.top));
        EXPECT_EQ(red, pixels.Colour(midX, l.frame.bottom - 1));
        EXPECT_NE(red, pixels.Colour(midX, midY));
        EXPECT_NE(red, pixels.Colour(l.frame.left - 1, midY));
        EXPECT_NE(red, pixels.Colour(l.frame.left + 1, midY));
        PressButton(h, IDCANCEL);
    });
}

// A minimised target is drawn at its normal size and minimised again with
// its styles; a layered one whose attributes cannot be read is asked about
// first, and No leaves it alone.
TEST_F(ChildSelDlgTest, MinimisedTargetsEndMinimisedWithTheirStyles) {
    const struct {
        const char* name;
        bool layered;
        std::vector<int> answers;
        bool drawn;
    } cases[] = {
        {"plain", false, {}, true},
        {"layered, no", true, {IDNO}, false},
        {"layered, yes", true, {IDYES}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_target.Destroy();
        ASSERT_TRUE(m_target.Open(RECT{700, 300, 1000, 500}, c.layered ? WS_EX_LAYERED : 0));
        HWND t = m_target.Hwnd();
        ShowWindow(t, SW_MINIMIZE);
        PumpPending();
        ASSERT_TRUE(IsIconic(t));
        LONG style = GetWindowLongW(t, GWL_STYLE), exStyle = GetWindowLongW(t, GWL_EXSTYLE);
        WINDOWPLACEMENT before{};
        before.length = sizeof before;
        GetWindowPlacement(t, &before);
        AnswerBoxes(c.answers);
        CChildSelDlg dlg;
        dlg.m_hWndTarget = t;
        RunDialog(dlg, kChildSelCaption, [&](HWND h) {
            CChildSelDlg* d = Dlg(h);
            ASSERT_NE(nullptr, d);
            EXPECT_EQ(c.drawn, d->m_nWidth > 0);
            if (c.drawn) {
                EXPECT_EQ(300, d->m_nWidth);
                EXPECT_EQ(200, d->m_nHeight);
            }
            EXPECT_EQ(7u, d->m_ChildList.size());
            PressButton(h, IDCANCEL);
        });
        std::vector<std::string> expected;
        if (c.layered)
            expected.push_back("レイヤー情報が取得できません。レイヤーパラメータが失われますが続行しますか?");
        EXPECT_EQ(expected, TakeShownBoxes());
        EXPECT_TRUE(IsIconic(t));
        EXPECT_EQ(style, GetWindowLongW(t, GWL_STYLE));
        EXPECT_EQ(exStyle, GetWindowLongW(t, GWL_EXSTYLE));
        WINDOWPLACEMENT after{};
        after.length = sizeof after;
        GetWindowPlacement(t, &after);
        EXPECT_EQ(before.rcNormalPosition, after.rcNormalPosition);
        if (c.drawn) {
            EXPECT_FALSE(m_target.m_top.m_bPrintedIconic);
        }
    }
}

// A minimised target without a normal size to show it at is drawn as it
// is, not restored: it never leaves its minimised state.
TEST_F(ChildSelDlgTest, MinimisedTargetWithoutANormalSizeStaysMinimised) {
    HWND t = m_target.Hwnd();
    ShowWindow(t, SW_MINIMIZE);
    PumpPending();
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(t, &wp);
    wp.rcNormalPosition = RECT{700, 300, 700, 300};
    wp.showCmd = SW_SHOWMINNOACTIVE;
    SetWindowPlacement(t, &wp);
    PumpPending();
    ASSERT_TRUE(IsIconic(t));
    LONG exStyle = GetWindowLongW(t, GWL_EXSTYLE);
    CChildSelDlg dlg;
    dlg.m_hWndTarget = t;
    RunDialog(dlg, kChildSelCaption, [&](HWND h) {
        EXPECT_TRUE(IsIconic(t));
        PressButton(h, IDC_BUTTON_RELOADIMAGE);
        PressButton(h, IDCANCEL);
    });
    EXPECT_TRUE(TakeShownBoxes().empty());
    EXPECT_TRUE(IsIconic(t));
    EXPECT_EQ(exStyle, GetWindowLongW(t, GWL_EXSTYLE));
    if (m_target.m_top.m_nPrinted > 0) {
        EXPECT_TRUE(m_target.m_top.m_bPrintedIconic);
    }
}

// The target closed while the dialog is open: the picture and the frame
// stay, a new picture is not taken, and OK gives what was listed.
TEST_F(ChildSelDlgTest, TargetGoneWhileOpen) {
    CChildSelDlg dlg;
    dlg.m_hWndTarget = m_target.Hwnd();
    INT_PTR result = RunDialog(dlg, kChildSelCaption, [&](HWND h) {
        ClickRow(h, IDC_LIST_CHILD, 5);
        CChildSelDlg* d = Dlg(h);
        ASSERT_NE(nullptr, d);
        RECT frame = d->m_rectChild;
        m_target.Destroy();
        PressButton(h, IDC_BUTTON_RELOADIMAGE);
        EXPECT_EQ(300, d->m_nWidth);
        EXPECT_NE(nullptr, d->m_bmpImage.GetSafeHandle());
        ClickRow(h, IDC_LIST_CHILD, 0);  // its window is gone: the frame stays
        EXPECT_EQ(frame, d->m_rectChild);
        PressButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("Button", dlg.GetChildClass());
    EXPECT_EQ("了解", dlg.GetChildText());
    EXPECT_EQ(101, dlg.m_nCtlId);
}

// A target that stopped taking messages costs the wait, not a hang.
TEST(ChildSelDlgHung, OpensAndClosesWithinSeconds) {
    AnswerBoxes({});
    CHungWindow hung(RECT{700, 300, 900, 450}, RGB(200, 200, 200), false);
    ASSERT_NE(nullptr, hung.Hwnd());
    DWORD start = GetTickCount();
    CChildSelDlg dlg;
    dlg.m_hWndTarget = hung.Hwnd();
    RunDialog(dlg, kChildSelCaption, [&](HWND h) {
        CChildSelDlg* d = Dlg(h);
        ASSERT_NE(nullptr, d);
        EXPECT_EQ(0, d->m_nWidth);
        PressButton(h, IDC_BUTTON_RELOADIMAGE);
        PressButton(h, IDCANCEL);
    });
    EXPECT_LT(GetTickCount() - start, 3500u);
}

// What a pick takes is what matching compares, also after the record has
// been written to a data file and read back: the multi-line child and the
// long text.
TEST_F(ChildSelDlgTest, PicksStillMatchAfterASaveAndReload) {
    TempFolder folder;
    for (int row : {5, 6}) {
        SCOPED_TRACE(row);
        CChildSelDlg dlg;
        dlg.m_hWndTarget = m_target.Hwnd();
        ASSERT_EQ(IDOK, RunDialog(dlg, kChildSelCaption, [&](HWND h) {
                      ClickRow(h, IDC_LIST_CHILD, row);
                      PressButton(h, IDOK);
                  }));
        CMemletData d;
        d.m_nProcessFlag = 0;
        d.m_nTitleFlag = 0;
        d.m_nExtentFlag = 1;
        d.m_nExFullFlag = 1;
        d.m_strExClass = dlg.GetChildClass();
        d.m_nExCtlId = dlg.m_nCtlId;
        d.m_strExText = dlg.GetChildText();
        std::wstring path = folder.File(L"CorvanaData.ini");
        CWriteIniFile w;
        ASSERT_TRUE(w.openFile(path));
        ASSERT_TRUE(d.WriteIniSection(w, 0, 0, "MEMLETITEM0", path));
        ASSERT_TRUE(w.closeFile());
        CMemletData back;
        back.ReadIniSection(0, "MEMLETITEM0", path);
        EXPECT_EQ(d.m_strExText, back.m_strExText);
        CWinInf window;
        window.m_hWnd = m_target.Hwnd();
        EXPECT_EQ(1, back.IsMatch(window));
    }
}

}  // namespace
