// The match condition dialog run modal and driven from inside its loop.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/MatchConditionDlg.h"
#include "framework/App.h"
#include "framework/BoxOverDialog.h"
#include "framework/MessageBox.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "match/MatchFixture.h"
#include "notemenu/Steps.h"
#include "res/resource.h"

namespace {

const char kNoFlag[] = "プロセス名かウィンドウタイトルいずれかをチェックしてください.";
const char kNoChild[] = "拡張条件が選択されていますが子ウィンドウ（コンポーネント）が選択されていません";
const char kTitle[] = "議事録.txt - メモ帳";

CMemletData Record() {
    CMemletData d;
    d.m_strTitle = kTitle;
    d.m_nProcessFlag = 1;
    d.m_nTitleFlag = 1;
    d.m_nFull = 1;
    d.m_nExtentFlag = 0;
    d.m_nExFullFlag = 1;
    d.m_strExText = "元の子";
    return d;
}

bool Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

void SetCheck(HWND dlg, int id, bool on) {
    if (Checked(dlg, id) != on)
        PressButton(dlg, id);
}

void SetEdit(HWND dlg, int id, const std::string& text) { SetWindowTextW(GetDlgItem(dlg, id), ToWide(text).c_str()); }

class MatchConditionDlgTest : public testing::Test {
protected:
    void SetUp() override {
        AnswerBoxes({});
        ASSERT_TRUE(m_target.Open(RECT{700, 300, 1000, 500}));
    }
    void TearDown() override { m_target.Destroy(); }
    CChildTarget m_target;
};

TEST_F(MatchConditionDlgTest, OkChecksTheConditionThenTakesTheControls) {
    struct Case {
        const char* name;
        std::function<void(HWND)> edit;
        std::vector<std::string> boxes;
        bool ends;
        std::function<void(const CMemletData&)> check;
    };
    HWND target = m_target.Hwnd();
    const Case cases[] = {
        {"both tests off",
         [](HWND h) {
             SetCheck(h, IDC_CHECK_PROCESS, false);
             SetCheck(h, IDC_CHECK_TITLE, false);
         },
         {kNoFlag}, false, nullptr},
        {"child test without a child", [](HWND h) { SetCheck(h, IDC_CHECK_EXTENT, true); }, {kNoChild}, false,
         nullptr},
        {"child test with a child picked",
         [](HWND h) {
             SetCheck(h, IDC_CHECK_EXTENT, true);
             SetCheck(h, IDC_CHECK_EXFULL, false);  // fills 1117 with EXTEXT
             EXPECT_EQ("元の子", ItemText(h, IDC_EDIT_EXPART));
             EXPECT_TRUE(OpenNested(
                 kChildSelCaption, [&] { PressButton(h, IDC_BUTTON_SELECTCHILD); },
                 [](HWND c) {
                     ClickRow(c, IDC_LIST_CHILD, 2);
                     PressButton(c, IDOK);
                 }));
             EXPECT_EQ("Edit", ItemText(h, IDC_STATIC_EXCLASS));
             EXPECT_EQ("201", ItemText(h, IDC_STATIC_EXCTLID));
             EXPECT_EQ("孫", ItemText(h, IDC_STATIC_EXTEXT));
             EXPECT_TRUE(Checked(h, IDC_CHECK_EXFULL));
             EXPECT_EQ("", ItemText(h, IDC_EDIT_EXPART));
         },
         {}, true,
         [](const CMemletData& d) {
             EXPECT_EQ(1, d.m_nExtentFlag);
             EXPECT_EQ("Edit", d.m_strExClass);
             EXPECT_EQ(201, d.m_nExCtlId);
             EXPECT_EQ("孫", d.m_strExText);
             EXPECT_EQ(1, d.m_nExFullFlag);
             EXPECT_EQ("", d.m_strExPart);
         }},
        {"every control to its field",
         [](HWND h) {
             SetCheck(h, IDC_CHECK_PROCESS, false);
             SetCheck(h, IDC_CHECK_TITLEFULL, false);  // fills 1049 with TITLE
             EXPECT_EQ(kTitle, ItemText(h, IDC_EDIT_TITLEPART));
             SetEdit(h, IDC_EDIT_TITLEPART, "議事録");
             SetCheck(h, IDC_CHECK_EXFULL, false);
             SetEdit(h, IDC_EDIT_EXPART, "子");
         },
         {}, true,
         [](const CMemletData& d) {
             EXPECT_EQ(0, d.m_nProcessFlag);
             EXPECT_EQ(1, d.m_nTitleFlag);
             EXPECT_EQ(0, d.m_nExtentFlag);
             EXPECT_EQ(0, d.m_nFull);
             EXPECT_EQ("議事録", d.m_strPart);
             EXPECT_EQ(0, d.m_nExFullFlag);
             EXPECT_EQ("子", d.m_strExPart);
             EXPECT_EQ(kTitle, d.m_strTitle);
             EXPECT_EQ("元の子", d.m_strExText);
         }},
        {"unticking with a text kept, and 元テキスト setting its own edit only",
         [](HWND h) {
             SetEdit(h, IDC_EDIT_TITLEPART, "手入力");
             SetCheck(h, IDC_CHECK_TITLEFULL, false);
             EXPECT_EQ("手入力", ItemText(h, IDC_EDIT_TITLEPART));
             SetEdit(h, IDC_EDIT_EXPART, "別の");
             PressButton(h, IDC_BUTTON_ORGTITLE);
             EXPECT_EQ(kTitle, ItemText(h, IDC_EDIT_TITLEPART));
             EXPECT_EQ("別の", ItemText(h, IDC_EDIT_EXPART));
             SetCheck(h, IDC_CHECK_PROCESS, false);
             PressButton(h, IDC_BUTTON_ORGEXTEXT);
             EXPECT_EQ("元の子", ItemText(h, IDC_EDIT_EXPART));
             EXPECT_FALSE(Checked(h, IDC_CHECK_PROCESS));
         },
         {}, true,
         [](const CMemletData& d) {
             EXPECT_EQ(0, d.m_nProcessFlag);
             EXPECT_EQ(0, d.m_nFull);
             EXPECT_EQ(kTitle, d.m_strPart);
             EXPECT_EQ("元の子", d.m_strExPart);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnswerBoxes({});
        CMatchConditionDlg dlg;
        dlg.m_MemletData = Record();
        dlg.m_MemletData.m_hWndTarget = target;
        INT_PTR result = RunDialog(dlg, kMatchCaption, [&](HWND h) {
            c.edit(h);
            PressButton(h, IDOK);
            if (!c.ends)
                PressButton(h, IDCANCEL);  // still open
        });
        EXPECT_EQ(c.boxes, TakeShownBoxes());
        EXPECT_EQ(c.ends ? IDOK : IDCANCEL, result);
        if (c.check)
            c.check(dlg.GetMemletData());
    }
}

TEST_F(MatchConditionDlgTest, ShowsTheRecordAndTheChildsId) {
    const struct {
        int id;
        const char* shown;
    } cases[] = {{0, ""}, {-5, "-5"}, {12, "12"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CMatchConditionDlg dlg;
        dlg.m_MemletData = Record();
        dlg.m_MemletData.m_nExCtlId = c.id;
        dlg.m_MemletData.m_strExClass = "Edit";
        dlg.m_MemletData.m_nTitleFlag = 0;
        dlg.m_MemletData.m_strPart = "部分";
        dlg.m_bChildSelect = 0;
        RunDialog(dlg, kMatchCaption, [&](HWND h) {
            EXPECT_EQ(c.shown, ItemText(h, IDC_STATIC_EXCTLID));
            EXPECT_EQ("Edit", ItemText(h, IDC_STATIC_EXCLASS));
            EXPECT_EQ("元の子", ItemText(h, IDC_STATIC_EXTEXT));
            EXPECT_TRUE(Checked(h, IDC_CHECK_PROCESS));
            EXPECT_FALSE(Checked(h, IDC_CHECK_TITLE));
            EXPECT_TRUE(Checked(h, IDC_CHECK_TITLEFULL));
            EXPECT_EQ("部分", ItemText(h, IDC_EDIT_TITLEPART));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(h, IDC_BUTTON_SELECTCHILD)));
            PressButton(h, IDCANCEL);
        });
    }
}

// OK with neither test ticked, the real box: it is modal to the dialog, so a
// second OK opens no second box, and once it is answered the dialog is in
// front again over the main window, which stays disabled.
TEST_F(MatchConditionDlgTest, RefusedOksBoxIsModalToTheDialog) {
    SetMessageBoxHook(nullptr);
    CWnd main;
    ASSERT_TRUE(ShowMainStandIn(main, RECT{200, 100, 800, 600}));
    Watchdog watchdog;
    CBoxSeen seen;
    std::vector<std::function<bool()>> opening = {[&] {
        if (!(seen.dialog = WindowWithCaption(kMatchCaption)))
            return false;
        CheckDlgButton(seen.dialog, IDC_CHECK_PROCESS, BST_UNCHECKED);
        CheckDlgButton(seen.dialog, IDC_CHECK_TITLE, BST_UNCHECKED);
        PostMessageW(GetDlgItem(seen.dialog, IDOK), BM_CLICK, 0, 0);
        return true;
    }};
    CSteps run(BoxOverDialog(std::move(opening), kNoFlag, IDOK, seen));
    CMatchConditionDlg dlg;
    dlg.m_MemletData = Record();
    INT_PTR result = dlg.DoModal();
    AppSetMainWindow(nullptr);
    EXPECT_TRUE(run.Done());
    EXPECT_EQ(IDCANCEL, result);
    ExpectBoxModalToTheDialog(seen);
    EXPECT_TRUE(IsWindowEnabled(main.m_hWnd));
    main.DestroyWindow();
}

// Opened for a note whose window closes meanwhile: OK is a silent cancel.
TEST_F(MatchConditionDlgTest, OkOnceTheNoteIsGoneIsACancel) {
    CColourWnd note;
    ASSERT_TRUE(note.Open(RECT{100, 100, 300, 160}, RGB(255, 255, 150)));
    CMatchConditionDlg dlg;
    dlg.m_MemletData = Record();
    dlg.m_bWindowCheck = 1;
    dlg.m_hWndCheck = note.m_hWnd;
    INT_PTR result = RunDialog(dlg, kMatchCaption, [&](HWND h) {
        SetCheck(h, IDC_CHECK_PROCESS, false);
        SetCheck(h, IDC_CHECK_TITLE, false);
        ::DestroyWindow(note.m_hWnd);
        PressButton(h, IDOK);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(TakeShownBoxes().empty());
    EXPECT_EQ(1, dlg.GetMemletData().m_nProcessFlag);
}

}  // namespace
