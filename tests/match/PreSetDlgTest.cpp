// The preset list, one preset, and the choice of a program and its child,
// run modal on windows of the test's own and driven from inside their
// loops. The window list comes from a panel whose window is not made.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "dialogs/ChildSelDlg.h"
#include "dialogs/PoreSetSettingDlg.h"
#include "dialogs/PreSetMatchConditionDlg.h"
#include "dialogs/WinExSelDlg.h"
#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "match/MatchFixture.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "panel/PanelFixture.h"
#include "res/resource.h"

namespace {

const char kNoChild[] = "子ウィンドウ（コンポーネント）が選択されていません";

std::string ModulePath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
}

CWinInf Entry(HWND hwnd, const std::string& process, const std::string& title) {
    CWinInf w;
    w.m_hWnd = hwnd;
    w.m_strTitle = title;
    w.m_strProcessName = process;
    w.m_strPath = ModulePath();
    return w;
}

CPreSetCondData Preset(const std::string& name, const std::string& exe, const std::string& cls = "Button",
                       int id = 101) {
    CPreSetCondData p;
    p.m_strCondName = name;
    p.m_strExeName = exe;
    p.m_strExClass = cls;
    p.m_nExCtlId = id;
    return p;
}

void SetEdit(HWND dlg, int id, const std::string& text) { SetWindowTextW(GetDlgItem(dlg, id), ToWide(text).c_str()); }
bool Checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

// Three windows of one program and one of another, listed by a panel.
class PreSetDlgTest : public testing::Test {
protected:
    void SetUp() override {
        AnswerBoxes({});
        for (int i = 0; i < 4; i++) {
            m_targets.push_back(std::make_unique<CChildTarget>());
            ASSERT_TRUE(m_targets.back()->Open(RECT{600 + 20 * i, 300 + 20 * i, 900 + 20 * i, 500 + 20 * i}));
        }
        Fields(m_panel).m_WinInfList = {Entry(GetDesktopWindow(), "DESKTOP", "DESKTOP"),
                                Entry(Hwnd(0), "TEST.EXE", "一枚目"), Entry(Hwnd(1), "OTHER.EXE", "別の"),
                                Entry(Hwnd(2), "TEST.EXE", "二枚目"), Entry(Hwnd(3), "TEST.EXE", "三枚目")};
        SetControlDlg(&m_panel);
    }
    void TearDown() override { SetControlDlg(nullptr); }
    HWND Hwnd(int i) const { return m_targets[i]->Hwnd(); }
    CColourWnd& Top(int i) { return m_targets[i]->m_top; }

    std::vector<std::unique_ptr<CChildTarget>> m_targets;
    CControlDlg m_panel;
};

CWinExSelDlg* WinEx(HWND h) { return dynamic_cast<CWinExSelDlg*>(CWnd::FromHandle(h)); }

TEST_F(PreSetDlgTest, WindowChoiceStartsOnTheGivenProgram) {
    const struct {
        const char* name;
        std::string process, cls;
        int id;
        int mark;  // row of the window list; the desktop is not listed
        int chosen;  // the window whose children are listed, -1 none
        std::string processAfter;
        int childMark;
    } cases[] = {
        {"the program's last window", "TEST.EXE", "", 0, 3, 3, "TEST.EXE", -1},
        {"and its condition child", "TEST.EXE", "Edit", 201, 3, 3, "TEST.EXE", 2},
        {"no program given: the first row's", "", "Button", 106, 0, 0, "TEST.EXE", 3},
        {"a program with no window", "NONE.EXE", "Button", 101, -1, -1, "NONE.EXE", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto& t : m_targets)
            t->m_top.m_nPrinted = 0;
        AnswerBoxes({});
        CWinExSelDlg dlg;
        dlg.m_strProcessName = c.process;
        dlg.m_strClass = c.cls;
        dlg.m_nCtlId = c.id;
        RunDialog(dlg, kWinExSelCaption, [&](HWND h) {
            EXPECT_EQ((std::vector<std::string>{"一枚目", "別の", "二枚目", "三枚目"}), RowTexts(h, IDC_LIST_WINEX, 0));
            EXPECT_EQ((std::vector<std::string>{"TEST.EXE", "OTHER.EXE", "TEST.EXE", "TEST.EXE"}),
                      RowTexts(h, IDC_LIST_WINEX, 1));
            EXPECT_EQ(c.mark, Mark(h, IDC_LIST_WINEX));
            EXPECT_EQ(c.childMark, Mark(h, IDC_LIST_CHILD));
            CWinExSelDlg* d = WinEx(h);
            ASSERT_NE(nullptr, d);
            EXPECT_EQ(c.processAfter, d->m_strProcessName);
            EXPECT_EQ(c.chosen >= 0 ? Hwnd(c.chosen) : nullptr, d->m_hWndSelect);
            EXPECT_EQ(c.chosen >= 0 ? 7u : 0u, RowTexts(h, IDC_LIST_CHILD, 0).size());
            EXPECT_EQ(c.childMark >= 0, d->m_rectChild.right != d->m_rectChild.left);
            // Only the window that stays chosen is drawn.
            for (int i = 0; i < 4; i++)
                EXPECT_EQ(i == c.chosen ? 1 : 0, Top(i).m_nPrinted) << i;
            // Every row shows its program's icon.
            LVITEMW item{};
            item.mask = LVIF_IMAGE;
            SendMessageW(GetDlgItem(h, IDC_LIST_WINEX), LVM_GETITEMW, 0, (LPARAM)&item);
            EXPECT_GE(item.iImage, 0);
            if (c.chosen < 0) {
                ClickRow(h, IDC_LIST_WINEX, -1);
                EXPECT_EQ(std::vector<std::string>{"ウィンドウを一覧で選択してください"}, TakeShownBoxes());
                PressButton(h, IDOK);
                EXPECT_EQ(std::vector<std::string>{kNoChild}, TakeShownBoxes());
            }
            PressButton(h, IDCANCEL);
        });
    }
}

TEST_F(PreSetDlgTest, WindowChoiceFollowsClicksAndKeepsRowsByHandle) {
    CWinExSelDlg dlg;
    dlg.m_strClass = "Edit";
    dlg.m_nCtlId = 107;
    INT_PTR result = RunDialog(dlg, kWinExSelCaption, [&](HWND h) {
        CWinExSelDlg* d = WinEx(h);
        ASSERT_NE(nullptr, d);
        EXPECT_EQ(5, Mark(h, IDC_LIST_CHILD));  // the condition child of row 0
        ClickRow(h, IDC_LIST_CHILD, 0);
        EXPECT_EQ((RECT{10, 10, 70, 30}), d->m_rectChild);
        // Another window: its condition child takes the selection.
        ClickRow(h, IDC_LIST_WINEX, 1);
        EXPECT_EQ("OTHER.EXE", d->m_strProcessName);
        EXPECT_EQ(Hwnd(1), d->m_hWndSelect);
        EXPECT_EQ(300, d->m_nWidth);
        EXPECT_EQ(5, Mark(h, IDC_LIST_CHILD));
        ClickRow(h, IDC_LIST_CHILD, 2);
        // The window list again: the row stays by its handle.
        Fields(m_panel).m_WinInfList.erase(Fields(m_panel).m_WinInfList.begin() + 1);
        PressButton(h, IDC_BUTTON_RELOADWINDOWS);
        EXPECT_EQ(0, Mark(h, IDC_LIST_WINEX));
        EXPECT_EQ((std::vector<std::string>{"別の", "二枚目", "三枚目"}), RowTexts(h, IDC_LIST_WINEX, 0));
        // The chosen window closed: the row and the picture go, the children stay.
        m_targets[1]->Destroy();
        Fields(m_panel).m_WinInfList.erase(Fields(m_panel).m_WinInfList.begin() + 1);
        PressButton(h, IDC_BUTTON_RELOADWINDOWS);
        EXPECT_EQ(-1, Mark(h, IDC_LIST_WINEX));
        EXPECT_EQ(7u, RowTexts(h, IDC_LIST_CHILD, 0).size());
        EXPECT_EQ(2, Mark(h, IDC_LIST_CHILD));
        // A row whose window is gone shows no picture, not the last one.
        ClickRow(h, IDC_LIST_WINEX, 0);
        EXPECT_EQ(300, d->m_nWidth);
        m_targets[2]->Destroy();
        ClickRow(h, IDC_LIST_WINEX, 0);
        EXPECT_EQ(0, d->m_nWidth);
        EXPECT_EQ(0u, RowTexts(h, IDC_LIST_CHILD, 0).size());
        Fields(m_panel).m_WinInfList.erase(Fields(m_panel).m_WinInfList.begin() + 1);
        PressButton(h, IDC_BUTTON_RELOADWINDOWS);
        PressButton(h, IDOK);  // no child row now
        EXPECT_EQ(std::vector<std::string>{kNoChild}, TakeShownBoxes());
        ClickRow(h, IDC_LIST_WINEX, 0);
        ClickRow(h, IDC_LIST_CHILD, 3);  // one of two that share a pair
        AnswerBoxes({IDYES});
        PressButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("TEST.EXE", dlg.GetProcessName());
    EXPECT_EQ("Button", dlg.GetChildClass());
    EXPECT_EQ(106, dlg.m_nCtlId);
}

// The setting dialog's OK: three messages, then three questions.
TEST(PreSetSetting, OkAsksForWhatIsMissing) {
    const char* const kNoName = "条件名が設定されていません";
    const char* const kNoExe = "プロセス名が設定されていません";
    const char* const kNoClass = "ウィンドウクラス名が設定されていません";
    const char* const kExtentOff = "拡張条件がチェックされていません.よろしいですか？";
    const char* const kTitleOff = "タイトル条件がチェックされていません.よろしいですか？";
    const char* const kProcessOff = "プロセス名条件がチェックされていません.よろしいですか？";
    const struct {
        const char* name;
        CPreSetCondData preset;
        bool untickTitle;
        std::vector<int> answers;
        std::vector<std::string> boxes;
        bool ends;
    } cases[] = {
        {"nothing yet", CPreSetCondData{}, false, {}, {kNoName}, false},
        {"no program", Preset("名前", "", ""), false, {}, {kNoExe}, false},
        {"no class", Preset("名前", "A.EXE", ""), false, {}, {kNoClass}, false},
        {"complete", Preset("名前", "A.EXE"), false, {}, {}, true},
        {"title off, no", Preset("名前", "A.EXE"), true, {IDNO}, {kTitleOff}, false},
        {"title off, yes", Preset("名前", "A.EXE"), true, {IDYES}, {kTitleOff}, true},
        {"flags off in the file", [] { auto p = Preset("名前", "A.EXE"); p.m_nExtentFlag = 0; p.m_nProcessFlag = 0; return p; }(),
         true, {IDYES, IDYES, IDYES}, {kExtentOff, kTitleOff, kProcessOff}, true},
        {"flags off, no to the last", [] { auto p = Preset("名前", "A.EXE"); p.m_nProcessFlag = 0; return p; }(),
         false, {IDNO}, {kProcessOff}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AnswerBoxes(c.answers);
        CPoreSetSettingDlg dlg;
        dlg.m_PreSetCondData = c.preset;
        INT_PTR result = RunDialog(dlg, kPreSetCaption, [&](HWND h) {
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(h, IDC_CHECK_PRESET_PROCESS)));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(h, IDC_CHECK_PRESET_EXTENT)));
            EXPECT_EQ(c.preset.m_nProcessFlag != 0, Checked(h, IDC_CHECK_PRESET_PROCESS));
            EXPECT_EQ(c.preset.m_nExtentFlag != 0, Checked(h, IDC_CHECK_PRESET_EXTENT));
            EXPECT_EQ(c.preset.m_strCondName, ItemText(h, IDC_EDIT_CONDNAME));
            EXPECT_EQ(c.preset.m_strExeName, ItemText(h, IDC_EDIT_EXENAME));
            EXPECT_EQ(c.preset.m_strExClass, ItemText(h, IDC_EDIT_EXCLASS));
            EXPECT_EQ(std::to_string(c.preset.m_nExCtlId), ItemText(h, IDC_EDIT_EXCTLID));
            if (c.untickTitle)
                PressButton(h, IDC_CHECK_PRESET_TITLE);
            PressButton(h, IDOK);
            if (!c.ends)
                PressButton(h, IDCANCEL);  // still open
        });
        EXPECT_EQ(c.boxes, TakeShownBoxes());
        EXPECT_EQ(c.ends ? IDOK : IDCANCEL, result);
        if (c.ends) {
            EXPECT_EQ(c.untickTitle ? 0 : 1, dlg.GetPreSetCondData().m_nTitleFlag);
        }
    }
}

// Adding twice for one program asks; No opens the entered values again,
// Yes keeps the list as it was. Then a change through the child choice,
// and deleting a middle row.
TEST_F(PreSetDlgTest, AddChangeAndDelete) {
    const std::string kExists = "プロセス名：TEST.EXE の設定は既に存在します.\r\n設定を破棄しましか？";
    CPreSetMatchConditionDlg dlg;
    dlg.m_PreSetList = {Preset("先", "FIRST.EXE")};
    std::unique_ptr<CModalScript> reopened;
    AnswerBoxes({IDNO, IDYES});
    INT_PTR result = RunDialog(dlg, kPreSetListCaption, [&](HWND h) {
        EXPECT_EQ((std::vector<std::string>{"先"}), RowTexts(h, IDC_LIST_PRESET, 0));
        // A new preset, its name taken from the program.
        EXPECT_TRUE(OpenNested(kPreSetCaption, [&] { PressButton(h, IDC_BUTTON_PRESETADD); }, [&](HWND s) {
            EXPECT_EQ("", ItemText(s, IDC_EDIT_CONDNAME));
            EXPECT_TRUE(OpenNested(kWinExSelCaption, [&] { PressButton(s, IDC_BUTTON_RUNNINGWINDOW); },
                                   [&](HWND w) {
                                       ClickRow(w, IDC_LIST_CHILD, 0);
                                       PressButton(w, IDOK);
                                   }));
            EXPECT_EQ("TEST.EXE", ItemText(s, IDC_EDIT_CONDNAME));
            EXPECT_EQ("TEST.EXE", ItemText(s, IDC_EDIT_EXENAME));
            EXPECT_EQ("Button", ItemText(s, IDC_EDIT_EXCLASS));
            EXPECT_EQ("101", ItemText(s, IDC_EDIT_EXCTLID));
            PressButton(s, IDOK);
        }));
        EXPECT_EQ((std::vector<std::string>{"先", "TEST.EXE"}), RowTexts(h, IDC_LIST_PRESET, 0));
        // The same program again, a name typed first.
        EXPECT_TRUE(OpenNested(kPreSetCaption, [&] { PressButton(h, IDC_BUTTON_PRESETADD); }, [&](HWND s) {
            SetEdit(s, IDC_EDIT_CONDNAME, "二つ目");
            EXPECT_TRUE(OpenNested(kWinExSelCaption, [&] { PressButton(s, IDC_BUTTON_RUNNINGWINDOW); },
                                   [&](HWND w) {
                                       ClickRow(w, IDC_LIST_CHILD, 2);
                                       PressButton(w, IDOK);
                                   }));
            EXPECT_EQ("二つ目", ItemText(s, IDC_EDIT_CONDNAME));
            PressButton(s, IDC_CHECK_PRESET_TITLE);
            reopened = std::make_unique<CModalScript>(kPreSetCaption, [&](HWND again) {
                EXPECT_EQ("二つ目", ItemText(again, IDC_EDIT_CONDNAME));
                EXPECT_EQ("TEST.EXE", ItemText(again, IDC_EDIT_EXENAME));
                EXPECT_EQ("Edit", ItemText(again, IDC_EDIT_EXCLASS));
                EXPECT_EQ("201", ItemText(again, IDC_EDIT_EXCTLID));
                EXPECT_FALSE(Checked(again, IDC_CHECK_PRESET_TITLE));
                AnswerBoxes({IDYES, IDYES});  // the title question, then the one for the program
                PressButton(again, IDOK);
            });
            AnswerBoxes({IDYES, IDNO});
            PressButton(s, IDOK);
        }));
        EXPECT_TRUE(reopened && reopened->Ran());
        EXPECT_EQ((std::vector<std::string>{"先", "TEST.EXE"}), RowTexts(h, IDC_LIST_PRESET, 0));
        EXPECT_EQ((std::vector<std::string>{"タイトル条件がチェックされていません.よろしいですか？", kExists}),
                  TakeShownBoxes());
        // Change: the child chosen on the program's last window.
        PressButton(h, IDC_BUTTON_PRESETCHANGE);
        EXPECT_EQ(std::vector<std::string>{"変更する条件を選択してください"}, TakeShownBoxes());
        ClickRow(h, IDC_LIST_PRESET, 1);
        EXPECT_TRUE(OpenNested(kPreSetCaption, [&] { PressButton(h, IDC_BUTTON_PRESETCHANGE); }, [&](HWND s) {
            EXPECT_TRUE(OpenNested(kChildSelCaption, [&] { PressButton(s, IDC_BUTTON_RUNNINGWINDOW); },
                                   [&](HWND c) {
                                       auto* d = dynamic_cast<CChildSelDlg*>(CWnd::FromHandle(c));
                                       EXPECT_TRUE(d && d->m_hWndTarget == Hwnd(3));
                                       EXPECT_EQ(0, Mark(c, IDC_LIST_CHILD));
                                       ClickRow(c, IDC_LIST_CHILD, 5);
                                       PressButton(c, IDOK);
                                   }));
            EXPECT_EQ("Edit", ItemText(s, IDC_EDIT_EXCLASS));
            EXPECT_EQ("107", ItemText(s, IDC_EDIT_EXCTLID));
            EXPECT_EQ("TEST.EXE", ItemText(s, IDC_EDIT_CONDNAME));
            PressButton(s, IDOK);
        }));
        // Delete the middle one of three: the mark stays on its index.
        dlg.m_PreSetList.push_back(Preset("後", "LAST.EXE"));
        ClickRow(h, IDC_LIST_PRESET, 1);
        PressButton(h, IDC_BUTTON_PRESETDELETE);
        EXPECT_EQ((std::vector<std::string>{"先", "後"}), RowTexts(h, IDC_LIST_PRESET, 0));
        EXPECT_EQ(1, Mark(h, IDC_LIST_PRESET));
        PressButton(h, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    std::vector<std::string> boxes = TakeShownBoxes();
    EXPECT_EQ(std::vector<std::string>{}, boxes);
    std::vector<CPreSetCondData> list = dlg.GetPreSetList();
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("FIRST.EXE", list[0].m_strExeName);
    EXPECT_EQ("LAST.EXE", list[1].m_strExeName);
}

// A program with no window now: the change cannot pick a child.
TEST_F(PreSetDlgTest, ChangeWithoutAWindowOfTheProgram) {
    AnswerBoxes({});
    CPoreSetSettingDlg dlg;
    dlg.m_nMode = 0;
    dlg.m_PreSetCondData = Preset("消えた", "GONE.EXE", "Edit", 7);
    RunDialog(dlg, kPreSetCaption, [&](HWND h) {
        PressButton(h, IDC_BUTTON_RUNNINGWINDOW);
        EXPECT_EQ(std::vector<std::string>{"現在該当プロセスのウィンドウが存在しません"}, TakeShownBoxes());
        EXPECT_EQ("Edit", ItemText(h, IDC_EDIT_EXCLASS));
        EXPECT_EQ("7", ItemText(h, IDC_EDIT_EXCTLID));
        PressButton(h, IDCANCEL);
    });
}

}  // namespace
