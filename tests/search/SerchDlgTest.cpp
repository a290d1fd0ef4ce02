// The search panel over a real panel's list: which notes each condition
// finds (double-byte traps, flags, age, open notes), the order of the
// refusals, stepping through the results, the label, the searches again
// after a refill, and what the user typed but did not search yet.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <ctime>
#include <vector>

#include "dialogs/SerchDlg.h"
#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "panel/PanelFixture.h"
#include "res/resource.h"
#include "search/SearchControls.h"

namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kHour = 3600;
const char kOpenTitle[] = "検索の的";

CMemletData Note(const char* text) {
    CMemletData d;
    d.m_strText = text;
    d.m_strExeName = "";
    d.m_nSerial = CMemletData::NewSerial();
    return d;
}

class SerchDlgTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        ASSERT_TRUE(m_search.Create(m_host.m_hWnd));
        m_search.SetPanel(&m_panel);
        m_search.Initialize();
        SetWindowPos(m_search.m_hWnd, HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    void TearDown() override {
        m_search.DestroyWindow();
        PanelTest::TearDown();
    }

    void Fill(std::vector<CMemletData> list) {
        Fields(m_panel).m_MemletList = std::move(list);
        m_panel.UpdateList();
        PumpPending();
    }
    // The notes whose target is the helper's window of kOpenTitle open on it.
    void OpenNotes() {
        Target(kOpenTitle);
        Tick();
    }
    CMemletData OpenNote(const char* text) const {
        CMemletData d = NoteFor(kOpenTitle);
        d.m_strText = text;
        d.m_nSerial = CMemletData::NewSerial();
        return d;
    }
    int Mark() const { return Fields(m_panel).m_ListCtrl.GetSelectionMark(); }
    int Selected() const {
        return (int)Fields(m_panel).m_ListCtrl.Send(LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    }
    COLORREF LabelColour() {
        HWND label = m_search.GetDlgItem(IDC_STATIC_SERCH_RESULT);
        RECT r;
        ::GetClientRect(label, &r);
        CPixels pixels(r.right, r.bottom);
        EXPECT_TRUE(pixels.CaptureClient(label));
        return pixels.Colour(2, r.bottom / 2);
    }
    // The panel's list refilled, and what that posted handled.
    void Refill() {
        m_panel.UpdateList();
        PumpPending();
    }

    CSerchDlg m_search;
    SearchControls m_c{m_search};
};

// One search of the table: the ticks and queries given, the rows found.
struct Case {
    const char* name;
    const char* body = nullptr;  // ticked when given
    bool bodyCase = false;
    const char* title = nullptr;
    bool titleCase = false;
    const char* program = nullptr;
    bool lastRef = false;  // at the days the panel shows at first, 90
    bool shownOnly = false;
    std::vector<int> rows;
};

TEST_F(SerchDlgTest, EachConditionFindsItsNotesInListOrder) {
    const int64_t now = _time64(nullptr);
    std::vector<CMemletData> list = {
        Note("ソ"),  // 83 5C: its trail byte is a backslash
        Note("Ｂ"),  // 82 61: its trail byte is an 'a'
        Note("ｂ"),
        Note("ABC"),
        Note(""),
        Note(""),
        Note(""),
        Note(""),
        Note(""),
        OpenNote("開いた付箋"),
    };
    list[3].m_strTitle = "ABC議事録 - メモ帳";
    list[4].m_strTitle = "ABC議事録 - メモ帳";
    list[4].m_nTitleFlag = 0;
    list[5].m_strExeName = "NOTEPAD.EXE";
    list[6].m_strExeName = "NOTEPAD.EXE";
    list[6].m_nProcessFlag = 0;
    list[7].m_tAcsDate = now - 90 * kDay - kHour;
    list[8].m_tAcsDate = now - 89 * kDay - 23 * kHour;
    Fill(list);
    OpenNotes();
    for (size_t i = 0; i < Fields(m_panel).m_MemletList.size(); i++)
        ASSERT_EQ(i == 9 ? 1 : 0, Fields(m_panel).m_MemletList[i].m_bAttached) << i;
    // The open note's window holds other text than its record.
    HWND edit = GetDlgItem(Fields(m_panel).m_MemletList[9].m_pMemletWin->m_hWnd, IDC_EDIT_MEMLET);
    SetWindowTextW(edit, L"生きた本文");

    const Case cases[] = {
        {.name = "a backslash is no trail byte", .body = "\\", .rows = {}},
        {.name = "the same, case counted", .body = "\\", .bodyCase = true, .rows = {}},
        {.name = "a whole double-byte character", .body = "ソ", .rows = {0}},
        {.name = "an 'a' is no trail byte", .body = "a", .rows = {3}},
        {.name = "the same, case counted", .body = "a", .bodyCase = true, .rows = {}},
        {.name = "full-width letters upper-cased", .body = "ｂ", .rows = {1, 2}},
        {.name = "full-width letters, case counted", .body = "ｂ", .bodyCase = true, .rows = {2}},
        {.name = "upper case, case counted", .body = "Ｂ", .bodyCase = true, .rows = {1}},
        {.name = "abc finds ABC", .body = "abc", .rows = {3}},
        {.name = "abc, case counted", .body = "abc", .bodyCase = true, .rows = {}},
        {.name = "an open note's live text", .body = "生きた", .rows = {9}},
        {.name = "not its stored text", .body = "開いた", .rows = {}},
        {.name = "a title only where the title counts", .title = "メモ帳", .rows = {3}},
        {.name = "a title upper-cased", .title = "abc", .rows = {3}},
        {.name = "a title, case counted", .title = "abc", .titleCase = true, .rows = {}},
        {.name = "a program only where the program counts", .program = "notepad", .rows = {5}},
        {.name = "90 days and an hour, not 89 days 23 hours", .lastRef = true, .rows = {7}},
        {.name = "the open notes only", .shownOnly = true, .rows = {9}},
        {.name = "all conditions at once", .body = "abc", .title = "議事録", .rows = {3}},
        {.name = "one failing condition is enough", .body = "abc", .title = "メモ帳", .program = "notepad",
         .rows = {}},
    };
    for (const Case& k : cases) {
        m_c.Clear();
        if (k.body) {
            m_c.Tick(IDC_CHECK_SERCH_BODY);
            m_c.Type(IDC_EDIT_SERCH_BODY, k.body);
        }
        m_c.Tick(IDC_CHECK_SERCH_BODYCASE, k.bodyCase);
        if (k.title) {
            m_c.Tick(IDC_CHECK_SERCH_TITLE);
            m_c.Type(IDC_EDIT_SERCH_TITLE, k.title);
        }
        m_c.Tick(IDC_CHECK_SERCH_TITLECASE, k.titleCase);
        if (k.program) {
            m_c.Tick(IDC_CHECK_SERCH_PROGRAM);
            m_c.Type(IDC_EDIT_SERCH_PROGRAM, k.program);
        }
        m_c.Tick(IDC_CHECK_SERCH_LASTREF, k.lastRef);
        m_c.Tick(IDC_CHECK_SERCH_SHOWNONLY, k.shownOnly);
        m_c.Search();
        EXPECT_TRUE(TakeBoxes().empty()) << k.name;
        EXPECT_EQ(k.rows, m_search.Results()) << k.name;
        if (k.rows.empty()) {
            EXPECT_EQ(-1, m_search.Current()) << k.name;
            EXPECT_EQ("該当データなし", m_c.Label()) << k.name;
            continue;
        }
        EXPECT_EQ(0, m_search.Current()) << k.name;
        char label[64];
        snprintf(label, sizeof label, "%d件中 1番目のデータ", (int)k.rows.size());
        EXPECT_EQ(label, m_c.Label()) << k.name;
        EXPECT_EQ(k.rows[0], Mark()) << k.name;
        EXPECT_EQ(k.rows[0], Selected()) << k.name;
    }
}

TEST_F(SerchDlgTest, RefusalsComeInOrderAndChangeNothing) {
    std::vector<CMemletData> list = {Note("一"), Note("二"), Note("三")};
    list[1].m_strTitle = "議事録 - メモ帳";
    list[2].m_strTitle = "報告書 - メモ帳";
    list[2].m_nTitleFlag = 0;
    Fill(list);

    m_c.Search();
    EXPECT_EQ(std::vector<std::string>{"検索条件がいずれも選択されていません"}, TakeBoxes());
    EXPECT_EQ(0, Fields(m_panel).m_bRefreshListener);

    m_c.Tick(IDC_CHECK_SERCH_TITLE);
    m_c.Type(IDC_EDIT_SERCH_TITLE, "メモ帳");
    m_c.Search();
    ASSERT_EQ(std::vector<int>{1}, m_search.Results());

    m_c.Tick(IDC_CHECK_SERCH_BODY);
    m_c.Tick(IDC_CHECK_SERCH_PROGRAM);
    m_c.Type(IDC_EDIT_SERCH_TITLE, "");
    const char* refusals[] = {
        "本文テキスト条件がチェックされていますが,検索文字列が設定されていません.",
        "WindowTitle条件がチェックされていますが,検索文字列が設定されていません",
        "ProgramName条件がチェックされていますが,検索文字列が設定されていません",
    };
    const int fills[] = {IDC_EDIT_SERCH_BODY, IDC_EDIT_SERCH_TITLE, IDC_EDIT_SERCH_PROGRAM};
    for (int i = 0; i < 3; i++) {
        m_c.Search();
        EXPECT_EQ(std::vector<std::string>{refusals[i]}, TakeBoxes()) << i;
        EXPECT_EQ(std::vector<int>{1}, m_search.Results()) << i;
        EXPECT_EQ("1件中 1番目のデータ", m_c.Label()) << i;
        m_c.Type(fills[i], "何か");
    }
    // The refused queries never became the active ones: a refill searches
    // again by the title alone.
    Fields(m_panel).m_MemletList[2].m_nTitleFlag = 1;
    Refill();
    EXPECT_EQ((std::vector<int>{1, 2}), m_search.Results());
    EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(SerchDlgTest, PrevAndNextWrapWithTheirLabelsAndColours) {
    Fill({Note("会議A"), Note("x"), Note("会議B"), Note("y"), Note("会議C")});
    EXPECT_EQ("該当データなし", m_c.Label());
    EXPECT_FALSE(Differs(RGB(255, 255, 180), LabelColour()));
    m_c.Press(IDC_BUTTON_SERCH_NEXT);  // nothing shown yet: nothing to step
    EXPECT_EQ(-1, Mark());

    m_c.Tick(IDC_CHECK_SERCH_BODY);
    m_c.Type(IDC_EDIT_SERCH_BODY, "会議");
    m_c.Search();
    EXPECT_EQ((std::vector<int>{0, 2, 4}), m_search.Results());
    EXPECT_FALSE(Differs(RGB(0, 255, 0), LabelColour()));
    struct Step {
        int button;
        const char* label;
        int row;
    };
    const Step steps[] = {
        {IDC_BUTTON_SERCH_NEXT, "3件中 2番目のデータ", 2}, {IDC_BUTTON_SERCH_NEXT, "3件中 3番目のデータ", 4},
        {IDC_BUTTON_SERCH_NEXT, "3件中 1番目のデータ", 0}, {IDC_BUTTON_SERCH_PREV, "3件中 3番目のデータ", 4},
        {IDC_BUTTON_SERCH_PREV, "3件中 2番目のデータ", 2},
    };
    for (const Step& s : steps) {
        m_c.Press(s.button);
        EXPECT_EQ(s.label, m_c.Label());
        EXPECT_EQ(s.row, Mark()) << s.label;
        EXPECT_EQ(s.row, Selected()) << s.label;
    }

    // One result: nothing to step to.
    m_c.Type(IDC_EDIT_SERCH_BODY, "会議C");
    m_c.Search();
    m_c.Press(IDC_BUTTON_SERCH_NEXT);
    m_c.Press(IDC_BUTTON_SERCH_PREV);
    EXPECT_EQ("1件中 1番目のデータ", m_c.Label());
    EXPECT_EQ(4, Mark());

    // None: yellow again, and the selection stays where it was.
    m_c.Type(IDC_EDIT_SERCH_BODY, "無い言葉");
    m_c.Search();
    EXPECT_EQ("該当データなし", m_c.Label());
    EXPECT_FALSE(Differs(RGB(255, 255, 180), LabelColour()));
    m_c.Press(IDC_BUTTON_SERCH_PREV);
    EXPECT_EQ("該当データなし", m_c.Label());
    EXPECT_EQ(4, Mark());
}

TEST_F(SerchDlgTest, AListChangeSearchesAgainAndSelectsTheFirstResult) {
    Fill({OpenNote("会議1"), Note("その他"), Note("会議2"), Note("会議3")});
    OpenNotes();
    ASSERT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
    m_c.Tick(IDC_CHECK_SERCH_BODY);
    m_c.Type(IDC_EDIT_SERCH_BODY, "会議");
    m_c.Search();
    EXPECT_EQ(1, Fields(m_panel).m_bRefreshListener);
    EXPECT_EQ(WM_SERCH_UPDATE, Fields(m_panel).m_nRefreshMessage);
    EXPECT_EQ(0x8064u, Fields(m_panel).m_nRefreshMessage);
    EXPECT_EQ(m_search.m_hWnd, Fields(m_panel).m_hWndRefreshListener);
    m_c.Press(IDC_BUTTON_SERCH_NEXT);
    EXPECT_EQ(2, Mark());

    // The open note deleted from its own menu.
    NotifyDeleteWindow(Fields(m_panel).m_MemletList[0].m_pMemletWin);
    ASSERT_EQ(3u, Fields(m_panel).m_MemletList.size());
    PumpPending();
    EXPECT_EQ((std::vector<int>{1, 2}), m_search.Results());
    EXPECT_EQ("2件中 1番目のデータ", m_c.Label());
    EXPECT_EQ(1, Mark());
    EXPECT_EQ(1, Selected());

    // A search that finds nothing stops the searching again.
    m_c.Type(IDC_EDIT_SERCH_BODY, "新しい");
    m_c.Search();
    EXPECT_EQ("該当データなし", m_c.Label());
    m_panel.InsertMemlet(Note("新しい会議"));
    PumpPending();
    EXPECT_TRUE(m_search.Results().empty());
    EXPECT_EQ("該当データなし", m_c.Label());
}

TEST_F(SerchDlgTest, WhatIsTypedButNotSearchedSurvives) {
    Fill({Note("会議1"), Note("会議2"), Note("雑談")});
    m_c.Tick(IDC_CHECK_SERCH_BODY);
    m_c.Type(IDC_EDIT_SERCH_BODY, "会議");
    m_c.Search();
    ASSERT_EQ((std::vector<int>{0, 1}), m_search.Results());

    // The user goes on typing a new query.
    m_c.Type(IDC_EDIT_SERCH_BODY, "打ちかけ");
    m_c.Tick(IDC_CHECK_SERCH_BODYCASE);
    m_c.Tick(IDC_CHECK_SERCH_TITLE);
    m_c.Type(IDC_EDIT_SERCH_TITLE, "未検索の題");
    m_c.Tick(IDC_CHECK_SERCH_TITLECASE);
    m_c.Tick(IDC_CHECK_SERCH_PROGRAM);
    m_c.Type(IDC_EDIT_SERCH_PROGRAM, "prog");
    m_c.Tick(IDC_CHECK_SERCH_LASTREF);
    m_c.Tick(IDC_CHECK_SERCH_SHOWNONLY);
    m_c.Type(IDC_EDIT_SERCH_DAYS, "30");
    auto typed = [&](const char* when, const char* days) {
        EXPECT_EQ("打ちかけ", m_c.Text(IDC_EDIT_SERCH_BODY)) << when;
        EXPECT_EQ("未検索の題", m_c.Text(IDC_EDIT_SERCH_TITLE)) << when;
        EXPECT_EQ("prog", m_c.Text(IDC_EDIT_SERCH_PROGRAM)) << when;
        EXPECT_EQ(days, m_c.Text(IDC_EDIT_SERCH_DAYS)) << when;
        for (int id : {IDC_CHECK_SERCH_BODY, IDC_CHECK_SERCH_BODYCASE, IDC_CHECK_SERCH_TITLE,
                       IDC_CHECK_SERCH_TITLECASE, IDC_CHECK_SERCH_PROGRAM, IDC_CHECK_SERCH_LASTREF,
                       IDC_CHECK_SERCH_SHOWNONLY})
            EXPECT_TRUE(m_c.Ticked(id)) << when << " " << id;
    };

    Refill();  // searched again with the conditions of the last search
    EXPECT_EQ((std::vector<int>{0, 1}), m_search.Results());
    typed("after a refill", "30");
    m_c.Press(IDC_BUTTON_SERCH_NEXT);
    EXPECT_EQ("2件中 2番目のデータ", m_c.Label());
    typed("after Next", "30");
    m_c.Press(IDC_BUTTON_SERCH_PREV);
    typed("after Prev", "30");

    // Shown again: no result, the days back at 90, the rest as typed.
    m_search.Initialize();
    EXPECT_EQ("該当データなし", m_c.Label());
    typed("after a new show", "90");
}

TEST_F(SerchDlgTest, EnterRunsTheSearch) {
    Fill({Note("会議"), Note("雑談")});
    m_c.Tick(IDC_CHECK_SERCH_BODY);
    m_c.Type(IDC_EDIT_SERCH_BODY, "雑談");
    m_c.Key(IDC_EDIT_SERCH_BODY, VK_RETURN);
    EXPECT_EQ(std::vector<int>{1}, m_search.Results());
    EXPECT_EQ(1, Mark());
    EXPECT_TRUE(m_search.IsWindowVisible());
}

TEST_F(SerchDlgTest, WithoutAPanelNothingIsSearched) {
    Fill({Note("会議")});
    m_search.SetPanel(nullptr);
    m_c.Tick(IDC_CHECK_SERCH_BODY);
    m_c.Type(IDC_EDIT_SERCH_BODY, "会議");
    m_c.Search();
    EXPECT_TRUE(m_search.Results().empty());
    EXPECT_EQ(0, Fields(m_panel).m_bRefreshListener);
    EXPECT_EQ(-1, Mark());
}

}  // namespace
