// What the panel shows of the selected row and how it looks: the note view
// and the buttons that follow the row, a row chosen from outside, the
// colours of its controls, its buttons' cursor and font; where a re-pasted
// note lands; and the tray's choice of a window to paste on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandsFixture.h"
#include "framework/ModalScript.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "res/resource.h"

namespace {

const int kRowButtons[] = {IDC_BUTTON_WINDOWCENTER, IDC_BUTTON_MONITORCENTER, IDC_BUTTON_EDITTEXT,
                           IDC_BUTTON_MATCHCONDITION};

// The four buttons' states as "1101" in the order above.
std::string States(const CommandsTest* t, bool (CommandsTest::*enabled)(int) const) {
    std::string s;
    for (int id : kRowButtons)
        s += (t->*enabled)(id) ? '1' : '0';
    return s;
}

class PanelViewTest : public CommandsTest {
protected:
    std::string ButtonStates() const { return States(this, &PanelViewTest::Enabled); }
    void ClickList() {
        NMHDR nm{Fields(m_panel).m_ListCtrl.m_hWnd, IDC_LIST_DATA, (UINT)NM_CLICK};
        m_panel.Send(WM_NOTIFY, IDC_LIST_DATA, (LPARAM)&nm);
    }
    static COLORREF BrushColor(LRESULT brush) {
        LOGBRUSH lb{};
        if (!brush || !GetObjectW((HBRUSH)brush, sizeof lb, &lb))
            return CLR_INVALID;
        return lb.lbColor;
    }
};

TEST_F(PanelViewTest, TheRowsNoteAndButtonsFollowTheClick) {
    OpenScene();
    ASSERT_FALSE(HasFatalFailure());
    NoteOf("A")->setText("開いた付箋の今の本文");
    struct Row {
        int row;
        const char* state;  // "open", "closed", "desktop", "none"
        std::string text;
        std::string buttons;  // 1178 1179 1186 1019
    } rows[] = {
        {1, "open", "開いた付箋の今の本文", "1101"},
        {2, "closed", "B", "0011"},
        {3, "desktop", "C", "1100"},
        {4, "none (past the end)", "", "0000"},
        {-1, "none", "", "0000"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.state);
        // From a row that shows the opposite of what is expected.
        m_panel.SelectItem(2);
        m_panel.ShowItem(r.row);
        EXPECT_EQ(r.text, ShownText());
        EXPECT_EQ(r.buttons, ButtonStates());
        if (r.row < 0)
            continue;
        // The click shows the row the mark is on.
        m_panel.SelectItem(r.row == 2 ? 1 : 2);
        Mark(r.row);
        ClickList();
        if (r.row < 4) {
            EXPECT_EQ(r.text, ShownText());
            EXPECT_EQ(r.buttons, ButtonStates());
        }
    }
    // A click on empty space leaves the view as it was.
    m_panel.SelectItem(1);
    Mark(-1);
    ClickList();
    EXPECT_EQ("開いた付箋の今の本文", ShownText());
    EXPECT_EQ("1101", ButtonStates());
    CloseScene();
}

TEST_F(PanelViewTest, SelectItemMarksTheRowAndScrollsItWhollyIntoView) {
    std::vector<CMemletData> notes;
    for (int i = 0; i < 40; i++)
        notes.push_back(Note("行" + std::to_string(i), "どこにもない窓", RECT{0, 0, 200, 60}));
    ShowNotes(notes);
    CListCtrl& list = Fields(m_panel).m_ListCtrl;
    for (int row : {39, 0, 20}) {
        SCOPED_TRACE(row);
        m_panel.SelectItem(row);
        EXPECT_EQ(row, list.GetSelectionMark());
        EXPECT_EQ(LVIS_SELECTED, (UINT)list.Send(LVM_GETITEMSTATE, row, LVIS_SELECTED));
        EXPECT_EQ(row, (int)list.Send(LVM_GETHOTITEM));
        RECT item{LVIR_BOUNDS, 0, 0, 0}, client;
        list.Send(LVM_GETITEMRECT, row, (LPARAM)&item);
        GetClientRect(list.m_hWnd, &client);
        RECT header;
        GetWindowRect((HWND)list.Send(LVM_GETHEADER), &header);
        EXPECT_GE(item.top, header.bottom - header.top);
        EXPECT_LE(item.bottom, client.bottom);
        EXPECT_EQ("行" + std::to_string(row), ShownText());
    }
    // Out of range: the selection and the view stay.
    for (int row : {-1, 40}) {
        m_panel.SelectItem(row);
        EXPECT_EQ(20, list.GetSelectionMark());
        EXPECT_EQ("行20", ShownText());
    }
}

TEST_F(PanelViewTest, ARepastedNoteKeepsItsSizeCentredOnTheWindow) {
    struct Case {
        const char* name;
        RECT window;  // as made
        RECT note;    // as it lands
    } cases[] = {
        // 201 x 61 on a narrower, lower window partly off the screen's top
        // left: the halves of -51 and -21 truncate toward zero.
        {"narrow, negative", {-100, -20, 50, 20}, {-125, -30, 76, 31}},
        {"wide, odd", {301, 203, 702, 506}, {401, 324, 602, 385}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TargetArgs args;
        args.title = "貼り替え先";
        args.style = WS_POPUP | WS_CAPTION;
        args.x = c.window.left;
        args.y = c.window.top;
        args.cx = c.window.right - c.window.left;
        args.cy = c.window.bottom - c.window.top;
        HWND w = Target(args);
        ASSERT_EQ(c.window, WindowRect(w));
        CMemletData b = Note("B", "どこにもない窓", RECT{10, 10, 211, 71});
        b.m_strPart = "部分";
        b.m_nFull = 0;
        b.m_nBkColor = 3;
        b.m_arrow.m_nArwFlag = 1;
        b.m_arrow.m_nEndX = 99;
        b.m_strExClass = "OwnClass";
        ShowNotes({DesktopNote("C", RECT{40, 600, 240, 660}), b});
        const CMemletData before = Fields(m_panel).m_MemletList[1];
        Mark(1);
        CModalScript script(kWindowSelCaption, [&](HWND dlg) { EXPECT_TRUE(ChooseWindow(dlg, w)); });
        Click(IDC_BUTTON_REPASTE);
        EXPECT_TRUE(script.Ran());
        ASSERT_EQ("C B", Labels(false));
        const CMemletData& d = Fields(m_panel).m_MemletList[1];
        const CMemletData& tpl = Fields(m_panel).m_MemletTemplate;
        EXPECT_EQ(c.note, d.m_rectWin);
        EXPECT_EQ(c.window, d.m_rectTarget);
        EXPECT_EQ("貼り替え先", d.m_strTitle);
        EXPECT_EQ(kTargetsExeName, d.m_strExeName);
        EXPECT_EQ(Targets().Path().empty(), d.m_strExePath.empty());
        EXPECT_EQ(nullptr, d.m_hWndTarget);
        // The condition from the template, its child class included.
        EXPECT_EQ(tpl.m_nTitleFlag, d.m_nTitleFlag);
        EXPECT_EQ(tpl.m_nProcessFlag, d.m_nProcessFlag);
        EXPECT_EQ(tpl.m_nFull, d.m_nFull);
        EXPECT_EQ(tpl.m_nExtentFlag, d.m_nExtentFlag);
        EXPECT_EQ(tpl.m_nExFullFlag, d.m_nExFullFlag);
        EXPECT_EQ(tpl.m_strExText, d.m_strExText);
        EXPECT_EQ(tpl.m_strExPart, d.m_strExPart);
        EXPECT_EQ(tpl.m_nExCtlId, d.m_nExCtlId);
        EXPECT_EQ("TplClass", d.m_strExClass);
        // Its own part, look, text and dates.
        EXPECT_EQ("部分", d.m_strPart);
        EXPECT_EQ(3, d.m_nBkColor);
        EXPECT_EQ("B", d.m_strText);
        EXPECT_EQ(before.m_tGenDate, d.m_tGenDate);
        EXPECT_EQ(before.m_tAcsDate, d.m_tAcsDate);
        // No leader line; the template's offsets for the next one.
        EXPECT_EQ(0, d.m_arrow.m_nArwFlag);
        EXPECT_EQ(11, d.m_arrow.m_nStartX);
        EXPECT_EQ(12, d.m_arrow.m_nStartY);
        EXPECT_EQ(13, d.m_arrow.m_nEndX);
        EXPECT_EQ(14, d.m_arrow.m_nEndY);
        // The row stays selected, and the file has the move.
        EXPECT_EQ(1, Fields(m_panel).m_ListCtrl.GetSelectionMark());
        EXPECT_EQ("C B", FileLabels(DataPath()));
        // The next tick opens it on that window.
        Tick();
        EXPECT_NE(nullptr, NoteOf("B"));
        EXPECT_EQ(w, Fields(m_panel).m_MemletList[1].m_hWndTarget);
        ClearNotes();
        Targets().Close(w);
    }
}

TEST_F(PanelViewTest, ControlColours) {
    HDC dc = CreateCompatibleDC(nullptr);
    struct Case {
        const char* name;
        UINT msg;
        HWND ctl;
        COLORREF brush;  // CLR_NONE: not one of the panel's two
        int bkModeAfter;
    } cases[] = {
        {"note view (read-only edit)", WM_CTLCOLORSTATIC, m_panel.GetDlgItem(IDC_EDIT_TEXT), RGB(240, 240, 200),
         TRANSPARENT},
        {"count", WM_CTLCOLORSTATIC, m_panel.GetDlgItem(IDC_STATIC_COUNT), RGB(240, 240, 200), TRANSPARENT},
        {"radio", WM_CTLCOLORSTATIC, m_panel.GetDlgItem(IDC_RADIO_TITLE), RGB(230, 230, 230), TRANSPARENT},
        {"button", WM_CTLCOLORBTN, m_panel.GetDlgItem(IDC_BUTTON_DELETE), RGB(230, 230, 230), OPAQUE},
        {"dialog", WM_CTLCOLORDLG, m_panel.m_hWnd, RGB(230, 230, 230), OPAQUE},
        {"list (another kind)", WM_CTLCOLOREDIT, Fields(m_panel).m_ListCtrl.m_hWnd, CLR_NONE, OPAQUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetBkMode(dc, OPAQUE);
        LRESULT brush = m_panel.Send(c.msg, (WPARAM)dc, (LPARAM)c.ctl);
        COLORREF got = BrushColor(brush);
        if (c.brush == CLR_NONE) {
            EXPECT_NE(RGB(230, 230, 230), got);
            EXPECT_NE(RGB(240, 240, 200), got);
        } else {
            EXPECT_EQ(c.brush, got);
        }
        EXPECT_EQ(c.bkModeAfter, GetBkMode(dc));
    }
    DeleteDC(dc);
}

TEST_F(PanelViewTest, TheFourteenButtonsHaveTheHandAndTheMenuFont) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    for (int id : {IDC_BUTTON_TELOPCANCEL, IDC_BUTTON_TELOP, IDC_BUTTON_INITIALMEMLET, IDC_BUTTON_PRESET,
                   IDC_BUTTON_PROPATY, IDC_BUTTON_EDITTEXT, IDC_BUTTON_MATCHCONDITION, IDC_BUTTON_REPASTE,
                   IDC_BUTTON_EXPORTSTACK, IDC_BUTTON_PENDINGLIST, IDC_BUTTON_WINDOWCENTER,
                   IDC_BUTTON_MONITORCENTER, IDC_BUTTON_DELETE, IDC_BUTTON_DELETEALL}) {
        SCOPED_TRACE(id);
        HWND b = m_panel.GetDlgItem(id);
        ASSERT_NE(nullptr, b);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        SendMessageW(b, WM_SETCURSOR, (WPARAM)b, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(hand, GetCursor());
        LOGFONTA lf{};
        ASSERT_TRUE(GetObjectA((HFONT)SendMessageW(b, WM_GETFONT, 0, 0), sizeof lf, &lf));
        EXPECT_STREQ(metrics.lfMenuFont.lfFaceName, lf.lfFaceName);
        EXPECT_EQ(metrics.lfMenuFont.lfHeight, lf.lfHeight);
    }
    // Not the other controls.
    HWND radio = m_panel.GetDlgItem(IDC_RADIO_TITLE);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    SendMessageW(radio, WM_SETCURSOR, (WPARAM)radio, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(hand, GetCursor());
}

TEST_F(PanelViewTest, TheTraysChoiceOfAWindowPastesANewNoteOnIt) {
    OpenScene();
    ASSERT_FALSE(HasFatalFailure());
    {
        CModalScript script(kWindowSelCaption, [&](HWND dlg) { CancelDialog(dlg); });
        m_panel.SelectWindowAndPaste();
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ("D A B C", Labels(false));
    }
    CModalScript script(kWindowSelCaption, [&](HWND dlg) { EXPECT_TRUE(ChooseWindow(dlg, m_w2)); });
    m_panel.SelectWindowAndPaste();
    EXPECT_TRUE(script.Ran());
    ASSERT_EQ("新 D A B C", Labels(false));
    EXPECT_EQ("命令の的二", Fields(m_panel).m_MemletList[0].m_strTitle);
    EXPECT_EQ(kTargetsExeName, Fields(m_panel).m_MemletList[0].m_strExeName);
    Tick();
    ASSERT_NE(nullptr, NoteOf("新"));
    EXPECT_EQ(m_w2, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    CloseScene();
}

}  // namespace
