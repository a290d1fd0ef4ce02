// The panel's construction and its list view 1002: columns, rows, dates,
// the count, the selection across a refill, the listener and the shared
// image list.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "panel/PanelFixture.h"
#include "platform/OsVersion.h"
#include "res/resource.h"

namespace {

TEST(PanelConstruction, PublishesItsLimitsAndItselfWithTheDefaults) {
    auto* panel = new CControlDlg;
    EXPECT_EQ(g_pPropatyData, static_cast<CPropatyData*>(panel));
    EXPECT_EQ(g_pControlDlg, panel);
    EXPECT_EQ(50, g_pPropatyData->m_nMinWidth);
    EXPECT_EQ(20, g_pPropatyData->m_nMinHeight);
    EXPECT_EQ(600, g_pPropatyData->m_nMaxWidth);
    EXPECT_EQ(400, g_pPropatyData->m_nMaxHeight);
    EXPECT_EQ(8u, panel->HkPastModifiers());
    EXPECT_EQ(83u, panel->HkPastKey());
    EXPECT_EQ(8u, panel->HkPastDtModifiers());
    EXPECT_EQ(86u, panel->HkPastDtKey());
    EXPECT_EQ(50, panel->PosInterval());
    EXPECT_EQ(0, Fields(*panel).m_bInit);
    EXPECT_EQ(0, panel->SaveTiming());
    EXPECT_EQ(0, Fields(*panel).m_nListMode);
    EXPECT_EQ(0, Fields(*panel).m_bRefreshListener);
    EXPECT_EQ(0, Fields(*panel).m_bPastBusy + Fields(*panel).m_bPastDtBusy);
    EXPECT_EQ(nullptr, panel->m_hWnd);  // no window before the main window creates it
    delete panel;
    EXPECT_EQ(nullptr, g_pPropatyData);
    EXPECT_EQ(nullptr, g_pControlDlg);
}

class PanelListTest : public PanelTest {
protected:
    HWND List() const { return m_panel.GetDlgItem(IDC_LIST_DATA); }
    int Rows() const { return (int)SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0); }
    std::string Cell(int row, int column) const { return Fields(m_panel).m_ListCtrl.GetItemText(row, column); }
    int Image(int row) const {
        LVITEMW it{};
        it.mask = LVIF_IMAGE;
        it.iItem = row;
        SendMessageW(List(), LVM_GETITEMW, 0, (LPARAM)&it);
        return it.iImage;
    }
    int Selected() const { return (int)SendMessageW(List(), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); }
    void Select(int row) {
        Fields(m_panel).m_ListCtrl.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Fields(m_panel).m_ListCtrl.SetSelectionMark(row);
    }
    std::string Count() const { return m_panel.GetDlgText(IDC_STATIC_COUNT); }
    void Fill(int n) {
        Fields(m_panel).m_MemletList.clear();
        for (int i = 0; i < n; i++)
            Fields(m_panel).m_MemletList.push_back(NoteFor("行" + std::to_string(i)));
        m_panel.UpdateList();
    }
};

TEST_F(PanelListTest, FiveColumnsWithTheirWidthsAndTexts) {
    struct Column {
        const char* text;
        int width;
    } expected[] = {{"ProgramName", 110}, {"WindowTitle/付箋Text", 300}, {"最終参照", 120}, {"作成", 110}, {"  ", 10}};
    HWND header = (HWND)SendMessageW(List(), LVM_GETHEADER, 0, 0);
    ASSERT_EQ(5, (int)SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < 5; i++) {
        wchar_t text[64] = {};
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        col.pszText = text;
        col.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(List(), LVM_GETCOLUMNW, i, (LPARAM)&col)) << i;
        EXPECT_EQ(FromWide(text), expected[i].text) << i;
        EXPECT_EQ(col.cx, expected[i].width) << i;
        EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT) << i;
    }
}

TEST_F(PanelListTest, ReportViewOfOneSelectionSharingTheCachesImages) {
    DWORD style = (DWORD)GetWindowLongW(List(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, (DWORD)LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    EXPECT_TRUE(style & LVS_SHAREIMAGELISTS);
    DWORD ex = Fields(m_panel).m_ListCtrl.GetExtendedStyle();
    EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
    EXPECT_EQ((ex & LVS_EX_GRIDLINES) != 0, IsVistaOrLater() != 0);
    EXPECT_EQ((HIMAGELIST)SendMessageW(List(), LVM_GETIMAGELIST, LVSIL_SMALL, 0),
              Fields(m_panel).m_ImageList.GetImageList());
    // The centring buttons wait for a selection.
    EXPECT_FALSE(IsWindowEnabled(m_panel.GetDlgItem(IDC_BUTTON_WINDOWCENTER)));
    EXPECT_FALSE(IsWindowEnabled(m_panel.GetDlgItem(IDC_BUTTON_MONITORCENTER)));
}

TEST_F(PanelListTest, TheImagesOutliveTheListView) {
    CMemletData d = NoteFor("的");
    d.m_strExePath = Targets().Path();
    Fields(m_panel).m_MemletList = {d};
    m_panel.UpdateList();
    // The row's icon, as drawing the row takes it.
    ASSERT_GE(Image(0), 0);
    HIMAGELIST images = Fields(m_panel).m_ImageList.GetImageList();
    int count = ImageList_GetImageCount(images);
    ASSERT_GE(count, 1);
    m_panel.DestroyWindow();
    EXPECT_EQ(count, ImageList_GetImageCount(images));
}

TEST_F(PanelListTest, EmptyListShowsNoRowsAndCountZero) {
    EXPECT_EQ(0, Rows());
    EXPECT_EQ("現在：0 枚", Count());
}

TEST_F(PanelListTest, ProgramNameOnlyWithTheProcessConditionWithItsIcon) {
    CMemletData on = NoteFor("一");
    on.m_strExePath = Targets().Path();
    CMemletData off = on;
    off.m_nProcessFlag = 0;
    CMemletData desktop = NoteFor("DESKTOP");
    desktop.m_strExeName = desktop.m_strExePath = "DESKTOP";
    Fields(m_panel).m_MemletList = {on, off, desktop};
    m_panel.UpdateList();
    ASSERT_EQ(3, Rows());
    EXPECT_EQ(kTargetsExeName, Cell(0, 0));
    EXPECT_EQ("", Cell(1, 0));
    EXPECT_EQ("DESKTOP", Cell(2, 0));
    // The same path gives the same image, another path another one.
    int program = Fields(m_panel).m_ImageList.GetIconIndex(Targets().Path());
    int desk = Fields(m_panel).m_ImageList.GetIconIndex("DESKTOP");
    ASSERT_GE(program, 0);
    ASSERT_GE(desk, 0);
    EXPECT_NE(program, desk);
    EXPECT_EQ(program, Image(0));
    EXPECT_EQ(program, Image(1));
    EXPECT_EQ(desk, Image(2));
    EXPECT_EQ("", Cell(0, 4));
}

TEST_F(PanelListTest, SecondColumnInTitleMode) {
    struct Case {
        int titleFlag, full;
        const char* shown;
    } cases[] = {{1, 1, "題名全体"}, {1, 0, "部分"}, {0, 1, ""}, {0, 0, ""}};
    Fields(m_panel).m_MemletList.clear();
    for (const Case& c : cases) {
        CMemletData d = NoteFor("題名全体");
        d.m_strPart = "部分";
        d.m_nTitleFlag = c.titleFlag;
        d.m_nFull = c.full;
        d.m_strText = "本文";
        Fields(m_panel).m_MemletList.push_back(d);
    }
    m_panel.UpdateList();
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(cases[i].shown, Cell(i, 1)) << "TITLEFLAG " << cases[i].titleFlag << " FULL " << cases[i].full;
}

TEST_F(PanelListTest, TextModeShowsTheLiveTextOfOpenNotesAndTheStoredTextOfOthers) {
    HWND w = Target("本文の的");
    CMemletData open = NoteFor("本文の的");
    open.m_strText = "保存の本文";
    CMemletData closed = NoteFor("どこにもない窓");
    closed.m_strText = "閉じた本文";
    Fields(m_panel).m_MemletList = {open, closed};
    Tick();
    ASSERT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
    EXPECT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    Fields(m_panel).m_MemletList[0].m_pMemletWin->setText("生きた本文");

    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(m_panel.m_hWnd, IDC_RADIO_TITLE));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(m_panel.m_hWnd, IDC_RADIO_TEXT));
    // The radio button as the user clicks it.
    SendMessageW(m_panel.GetDlgItem(IDC_RADIO_TEXT), BM_CLICK, 0, 0);
    EXPECT_EQ(1, Fields(m_panel).m_nListMode);
    EXPECT_EQ("生きた本文", Cell(0, 1));
    EXPECT_EQ("閉じた本文", Cell(1, 1));
    EXPECT_EQ("保存の本文", Fields(m_panel).m_MemletList[0].m_strText);  // only shown, not taken

    SendMessageW(m_panel.GetDlgItem(IDC_RADIO_TITLE), BM_CLICK, 0, 0);
    EXPECT_EQ(0, Fields(m_panel).m_nListMode);
    EXPECT_EQ("本文の的", Cell(0, 1));
    EXPECT_EQ("どこにもない窓", Cell(1, 1));
}

// A line break shows as one space in a row, in both modes; the record and
// the note keep their text. The open note's text is its edit field's.
TEST_F(PanelListTest, LineBreaksInRowsShowAsOneSpace) {
    Target("改行の的");
    CMemletData open = NoteFor("改行の的");
    CMemletData closed = NoteFor("どこにもない窓");
    closed.m_strTitle = "一行目\r\n二行目\n三行目";
    closed.m_strText = "Meeting at 3pm\r\n日本語テスト\r\n\r\n";
    Fields(m_panel).m_MemletList = {open, closed};
    Tick();
    ASSERT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
    Fields(m_panel).m_MemletList[0].m_pMemletWin->setText("上の行\r\n下の行");
    m_panel.UpdateList();
    EXPECT_EQ("一行目 二行目 三行目", Cell(1, 1));

    SendMessageW(m_panel.GetDlgItem(IDC_RADIO_TEXT), BM_CLICK, 0, 0);
    EXPECT_EQ("上の行 下の行", Cell(0, 1));
    EXPECT_EQ("Meeting at 3pm 日本語テスト  ", Cell(1, 1));
    std::string live;
    Fields(m_panel).m_MemletList[0].GetText(&live);
    EXPECT_EQ("上の行\r\n下の行", live);
    EXPECT_EQ("Meeting at 3pm\r\n日本語テスト\r\n\r\n", Fields(m_panel).m_MemletList[1].m_strText);
    SendMessageW(m_panel.GetDlgItem(IDC_RADIO_TITLE), BM_CLICK, 0, 0);
}

TEST_F(PanelListTest, DatesInLocalTimeWithTheMonthPaddedByABlank) {
    CMemletData a = NoteFor("日付");
    a.m_tAcsDate = LocalTime(2025, 12, 31, 23, 59);
    a.m_tGenDate = LocalTime(2026, 1, 5, 7, 8);
    CMemletData b = a;
    b.m_tAcsDate = LocalTime(2026, 9, 30, 0, 0);
    b.m_tGenDate = LocalTime(2024, 10, 1, 12, 3);
    // Times that have no local form.
    CMemletData bad = a;
    bad.m_tAcsDate = -1;
    bad.m_tGenDate = (int64_t)1 << 60;
    Fields(m_panel).m_MemletList = {a, b, bad};
    m_panel.UpdateList();
    EXPECT_EQ("2025/12/31 23:59", Cell(0, 2));
    EXPECT_EQ("2026/ 1/05 07:08", Cell(0, 3));
    EXPECT_EQ("2026/ 9/30 00:00", Cell(1, 2));
    EXPECT_EQ("2024/10/01 12:03", Cell(1, 3));
    EXPECT_EQ("0000/ 0/00 -1:-1", Cell(2, 2));
    EXPECT_EQ("0000/ 0/00 -1:-1", Cell(2, 3));
}

TEST_F(PanelListTest, CountOfRecords) {
    Fill(3);
    EXPECT_EQ(3, Rows());
    EXPECT_EQ("現在：3 枚", Count());
    Fill(12);
    EXPECT_EQ("現在：12 枚", Count());
}

TEST_F(PanelListTest, SelectedRowKeptAcrossARefill) {
    Fill(5);
    Select(2);
    ASSERT_EQ(2, Selected());
    m_panel.UpdateList();
    EXPECT_EQ(2, Selected());
    EXPECT_EQ(2, Fields(m_panel).m_ListCtrl.GetSelectionMark());
    // The row, not the record: another record at that row stays selected.
    Fields(m_panel).m_MemletList.erase(Fields(m_panel).m_MemletList.begin());
    m_panel.UpdateList();
    EXPECT_EQ(2, Selected());
    EXPECT_EQ("行3", Cell(2, 1));
}

TEST_F(PanelListTest, SelectionPastTheEndIsDropped) {
    Fill(5);
    Select(4);
    Fields(m_panel).m_MemletList.pop_back();
    m_panel.UpdateList();
    EXPECT_EQ(4, Rows());
    EXPECT_EQ(-1, Selected());
    // Commands act on the mark: it must not name a row that is gone.
    EXPECT_EQ(-1, Fields(m_panel).m_ListCtrl.GetSelectionMark());
    Fields(m_panel).m_MemletList.clear();
    Select(0);
    Fill(0);
    EXPECT_EQ(-1, Selected());
    EXPECT_EQ(-1, Fields(m_panel).m_ListCtrl.GetSelectionMark());
}

TEST_F(PanelListTest, NothingSelectedStaysUnselected) {
    Fill(3);
    m_panel.UpdateList();
    EXPECT_EQ(-1, Selected());
}

// A letter typed in the list goes to the next row whose program name
// starts with it, whatever its case; a row without a shown name is passed.
TEST_F(PanelListTest, ATypedLetterFindsTheRowByItsProgramName) {
    struct Row {
        const char* exe;
        int processFlag;
    } rows[] = {{"ALPHA.EXE", 1}, {"BOOK.EXE", 0}, {"BETA.EXE", 1}, {"BRAVO.EXE", 1}};
    Fields(m_panel).m_MemletList.clear();
    for (const Row& r : rows) {
        CMemletData d = NoteFor(r.exe);
        d.m_strExeName = r.exe;
        d.m_nProcessFlag = r.processFlag;
        Fields(m_panel).m_MemletList.push_back(d);
    }
    m_panel.UpdateList();
    ASSERT_EQ(-1, Selected());
    SendMessageW(List(), WM_CHAR, L'b', 1);
    EXPECT_EQ(2, Selected());
    EXPECT_EQ("BETA.EXE", Cell(Selected(), 0));
}

// Typed from a selected row: a letter goes to the next match below it and
// wraps past the end to the first; the same letter again steps on; letters
// typed together find the name that starts with all of them. Each word is
// typed after the list's type-ahead has lapsed.
TEST_F(PanelListTest, TypedLettersStepOnFromTheSelectedRowAndWrap) {
    const char* exes[] = {"ALPHA.EXE", "BOOK.EXE", "BETA.EXE", "CHARLIE.EXE", "BRAVO.EXE", "DELTA.EXE"};
    Fields(m_panel).m_MemletList.clear();
    for (const char* exe : exes) {
        CMemletData d = NoteFor(exe);
        d.m_strExeName = exe;
        d.m_nProcessFlag = std::string(exe) != "BOOK.EXE";  // no name shown
        Fields(m_panel).m_MemletList.push_back(d);
    }
    m_panel.UpdateList();
    struct Case {
        const char* what;
        int from;
        std::vector<const char*> words;
        std::vector<int> rows;  // selected after each word
    } cases[] = {
        {"below every match, in upper case", 5, {"B"}, {2}},
        {"between two matches", 3, {"b"}, {4}},
        {"again and again", 0, {"b", "b", "b"}, {2, 4, 2}},
        {"the only match, above", 4, {"c"}, {3}},
        {"together", 0, {"br"}, {4}},
        {"no match", 2, {"x"}, {2}},
    };
    // Longer than the list's type-ahead, in which a word's letters add up
    // (450 ms under Wine).
    constexpr DWORD kTypeAheadLapsedMs = 1000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Select(c.from);
        for (size_t i = 0; i < c.words.size(); i++) {
            PumpFor(kTypeAheadLapsedMs);
            for (const char* letter = c.words[i]; *letter; letter++)
                SendMessageW(List(), WM_CHAR, (WPARAM)*letter, 1);
            EXPECT_EQ(c.rows[i], Selected()) << c.words[i] << " typed " << i + 1 << ". ";
        }
    }
}

TEST_F(PanelListTest, ListenerHearsOfEveryRefillByPost) {
    CWnd listener;
    CWnd::CreateArgs args;
    args.title = "検索パネルの代わり";
    ASSERT_TRUE(listener.Create(args));
    const UINT message = RegisterWindowMessageA("WM_SERCH_UPDATE");
    auto posted = [&] {
        int n = 0;
        MSG msg;
        while (PeekMessageW(&msg, listener.m_hWnd, message, message, PM_REMOVE)) {
            EXPECT_EQ(0u, msg.wParam);
            EXPECT_EQ(0, msg.lParam);
            n++;
        }
        return n;
    };
    m_panel.UpdateList();
    EXPECT_EQ(0, posted());  // nobody asked yet

    m_panel.SetRefreshListener(listener.m_hWnd, message);
    m_panel.UpdateList();
    EXPECT_EQ(1, posted());
    m_panel.PasteToDesktop(0);  // a paste refills the list too
    EXPECT_EQ(1, posted());

    m_panel.ClearRefreshListener();
    m_panel.UpdateList();
    EXPECT_EQ(0, posted());
    listener.DestroyWindow();
}

}  // namespace
