// A note's popup menu on its window, and the commands that change the note
// itself: edit mode, size frame, colours and leader line, transparency and
// font, driven through the menu's commands and the dialogs they open.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "note/ArrowWin.h"
#include "note/Mouse.h"
#include "note/NoteFixture.h"
#include "notemenu/Steps.h"
#include "res/resource.h"

namespace {

const char kColorCaption[] = "付箋色＆引出し線設定";
const char kTransCaption[] = "透明度の設定";

// A menu as text: "id text" per entry, "-" for a separator, "> text [...]"
// for a submenu; a greyed entry is marked "(grey)".
std::string Describe(HMENU menu) {
    std::ostringstream out;
    int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; i++) {
        wchar_t text[128] = {};
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        mi.dwTypeData = text;
        mi.cch = 128;
        GetMenuItemInfoW(menu, i, TRUE, &mi);
        if (i)
            out << ", ";
        if (mi.fType & MFT_SEPARATOR)
            out << "-";
        else if (mi.hSubMenu)
            out << "> " << FromWide(text) << " [" << Describe(mi.hSubMenu) << "]";
        else
            out << mi.wID << " " << FromWide(text) << ((mi.fState & MFS_GRAYED) ? " (grey)" : "");
    }
    return out.str();
}

// The note's menu as a right click opens it, read off the screen and closed.
std::string OpenedMenu(HWND note) {
    std::string seen;
    CSteps steps({[&] {
        std::vector<HWND> menus = OpenMenus();
        if (menus.empty())
            return false;
        seen = Describe(MenuOf(menus.back()));
        EndMenu();
        return true;
    }});
    PostMessageW(note, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return steps.Done() && OpenMenus().empty(); }));
    return seen;
}

std::string ExpectedMenu(bool desktop, bool readOnly) {
    std::string grey = " (grey)";
    return "32777 付箋色＆引出し線設定, 32781 フォント変更, 32776 透明度設定, "
           "> サイズ変更枠 [32779 付ける, -, 32780 外す], "
           "> 編集モード [32774 書き込み禁止" + (readOnly ? grey : "") + ", -, 32775 書き込み可能" +
           (readOnly ? "" : grey) + "], -, "
           "> 移動 [32791 DeskTop, 32792 移動先ウィンドウ選択, 32805 保留リスト], "
           "32783 複製, 32787 分割, 32788 吸収, -, 32796 マッチング条件設定" + (desktop ? grey : "") +
           ", -, 32802 エクスポート, -, 32773 はがす";
}

void Command(CMemletWin* win, int id) { SendMessageW(win->m_hWnd, WM_COMMAND, id, 0); }

// The colour dialog from the note's menu: the radios clicked in order,
// then OK (or Cancel).
bool ChangeColours(CMemletWin* win, std::vector<int> clicks, int close = IDOK) {
    CModalScript script(kColorCaption, [clicks, close](HWND dlg) {
        for (int id : clicks)
            SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
        PostMessageW(GetDlgItem(dlg, close), BM_CLICK, 0, 0);
    });
    Command(win, ID_MENUITEM_COLOR);
    return script.Ran();
}

RECT ClientOf(HWND child, HWND parent) { return ClientRectIn(child, parent); }

class NoteMenuTest : public NoteTest {};

TEST_F(NoteMenuTest, MenuStatesFollowTheTargetAndTheEditMode) {
    const struct {
        bool desktop;
        bool readOnly;
    } cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const auto& c : cases) {
        NoteLook look;
        look.text = "メモ";
        look.desktop = c.desktop;
        look.readOnly = c.readOnly;
        look.percent = 50;
        CMemletWin* win = c.desktop ? OpenNote(GetDesktopWindow(), look) : Open(look);
        ASSERT_TRUE(win);
        HWND h = win->m_hWnd;
        EXPECT_EQ(ExpectedMenu(c.desktop, c.readOnly), OpenedMenu(h)) << c.desktop << c.readOnly;
        // Opaque once the menu has closed.
        EXPECT_EQ(255, LayeredOf(h).alpha);
        EXPECT_EQ((DWORD)LWA_ALPHA, LayeredOf(h).flags);
        win->DestroyWindow();
    }
}

TEST_F(NoteMenuTest, ARealRightClickOnThePickBarOpensTheMenuAndAnEntryPickedByItsRectRuns) {
    NoteLook look;
    look.text = "右クリック";
    // Wine raises an activated owner above its popups: beside the target.
    look.rect = RECT{800, 550, 1000, 610};
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    ASSERT_TRUE(PumpUntil([h] { return IsWindowEnabled(h) != 0; }));
    ASSERT_TRUE(PlaceCursor(Centre(win->m_stPickBar.GetWindowRect())));
    HMENU editMode = nullptr;
    // Under Wine a click that comes as a menu opens is now and then lost:
    // each one is given again until what it opens is there.
    int clicks = 0;
    DWORD clicked = 0;
    auto clickItem = [&](HWND menuWnd, HMENU menu, int item) {
        if (clicks > 0 && GetTickCount() - clicked < 500)
            return;
        RECT r{};
        GetMenuItemRect(menuWnd, menu, item, &r);
        SendClickAt(Centre(r));
        clicks++;
        clicked = GetTickCount();
    };
    CSteps steps({
        [&] {
            std::vector<HWND> menus = OpenMenus();
            if (!editMode) {
                if (menus.empty())
                    return false;
                editMode = GetSubMenu(MenuOf(menus.back()), 4);
            }
            if (MenuWindowOf(editMode)) {
                clicks = 0;
                return true;
            }
            if (!menus.empty())
                clickItem(menus.back(), MenuOf(menus.back()), 4);
            return false;
        },
        [&] {
            HWND sub = MenuWindowOf(editMode);
            if (!sub)
                return clicks > 0;
            clickItem(sub, editMode, 0);  // 書き込み禁止
            return false;
        },
    });
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(PumpUntil([&] { return steps.Done() && OpenMenus().empty() && win->isReadOnly(); }));
    EXPECT_EQ(" R", win->m_stPickBar.GetText());
    MoveMouse(kAway);
}

TEST_F(NoteMenuTest, EditModeChangesOnlyWhenItDiffers) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    Command(win, ID_MENUITEM_WRITABLE);
    EXPECT_EQ(0, win->isReadOnly());
    EXPECT_EQ("", win->m_stPickBar.GetText());
    Command(win, ID_MENUITEM_READONLY);
    EXPECT_EQ(1, win->isReadOnly());
    EXPECT_EQ(" R", win->m_stPickBar.GetText());
    Command(win, ID_MENUITEM_READONLY);
    EXPECT_EQ(1, win->isReadOnly());
    Command(win, ID_MENUITEM_WRITABLE);
    EXPECT_EQ(0, win->isReadOnly());
    EXPECT_EQ("", win->m_stPickBar.GetText());
}

TEST_F(NoteMenuTest, TheFrameComesAndGoesOnceKeepingTheOuterSize) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    const RECT outer = WindowRect(h);
    auto laidOut = [&] {
        // Text and bar fill the client area whatever the frame.
        RECT c = win->GetClientRect();
        return ClientOf(win->m_editMemlet.m_hWnd, h) == RECT{0, 0, c.right - 17, c.bottom} &&
               ClientOf(win->m_stPickBar.m_hWnd, h) == RECT{c.right - 17, 0, c.right, c.bottom};
    };
    const struct {
        int id;
        int frame;
    } steps[] = {{ID_MENUITEM_FRAMEON, 1}, {ID_MENUITEM_FRAMEOFF, 0}, {ID_MENUITEM_FRAMEOFF, 0},
                 {ID_MENUITEM_FRAMEON, 1}, {ID_MENUITEM_FRAMEON, 1}};
    for (const auto& s : steps) {
        Command(win, s.id);
        EXPECT_EQ(s.frame, win->hasFrame()) << s.id;
        EXPECT_EQ(outer, WindowRect(h)) << s.id;
        EXPECT_TRUE(laidOut()) << s.id;
    }
    RECT c = win->GetClientRect();
    EXPECT_LT(c.right, outer.right - outer.left);  // the frame takes its share again
}

TEST_F(NoteMenuTest, ANewPickBarSideMovesTheBarAndKeepsTheOuterSize) {
    const struct {
        int radio;
        int side;
    } sides[] = {{IDC_RADIO_POS_RIGHT, 0}, {IDC_RADIO_POS_TOP, 1}, {IDC_RADIO_POS_LEFT, 2}, {IDC_RADIO_POS_BOTTOM, 3}};
    for (const auto& s : sides) {
        NoteLook look;
        look.pickPos = (s.side + 2) % 4;
        CMemletWin* win = Open(look);
        ASSERT_TRUE(win);
        HWND h = win->m_hWnd;
        const RECT outer = WindowRect(h);
        ASSERT_TRUE(ChangeColours(win, {s.radio}));
        EXPECT_EQ(s.side, win->m_nPickPos);
        EXPECT_EQ(outer, WindowRect(h)) << s.side;
        RECT c = win->GetClientRect();
        const RECT bars[] = {{c.right - 17, 0, c.right, c.bottom},
                             {0, 0, c.right, 17},
                             {0, 0, 17, c.bottom},
                             {0, c.bottom - 17, c.right, c.bottom}};
        EXPECT_EQ(bars[s.side], ClientOf(win->m_stPickBar.m_hWnd, h)) << s.side;
        win->DestroyWindow();
    }
}

TEST_F(NoteMenuTest, ColourOkGivesNoteTextFieldAndLineTheirNewValues) {
    NoteLook look;
    look.color = 0;
    look.bkColor = 4;
    look.lineWidth = 1;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    ASSERT_TRUE(ChangeColours(win, {IDC_RADIO_PICK_BLUE, IDC_RADIO_BK_GREEN, IDC_RADIO_TX_RED, IDC_CHECK_GRADATION,
                                    IDC_RADIO_GRA_FROMMIDDLE_V, IDC_RADIO_ARROW_SHOW, IDC_RADIO_LINE_THICK}));
    EXPECT_EQ(2, win->m_nColor);
    EXPECT_EQ(2, win->m_nBkColor);
    EXPECT_EQ(1, win->m_nTxColor);
    EXPECT_EQ(1, win->m_nGraFlg);
    EXPECT_EQ(5, win->m_nGraPtn);
    EXPECT_EQ(2, win->m_nArLineWidth);
    EXPECT_EQ(RGB(200, 255, 200), win->m_editMemlet.m_crBase);
    EXPECT_EQ(1, win->m_editMemlet.m_nGradation);
    EXPECT_EQ(5, win->m_editMemlet.m_nPattern);
    EXPECT_EQ(1, win->m_arrow.m_nArwFlag);
    CArrowWin* line = win->m_pArrowWin;
    ASSERT_TRUE(line);
    EXPECT_EQ(RGB(0, 0, 255), line->m_crInside);
    EXPECT_EQ(RGB(200, 255, 200), line->m_crOutside);
    EXPECT_EQ(2, line->m_nLineWidth);
}

TEST_F(NoteMenuTest, CancelAndOkUnchangedLeaveTheNoteAsItWas) {
    NoteLook look;
    look.bkColor = 9;  // a stored index out of range: grey
    look.color = 7;
    look.pickPos = 1;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    const RECT bar = win->m_stPickBar.GetWindowRect();
    ASSERT_TRUE(ChangeColours(win, {IDC_RADIO_BK_RED, IDC_RADIO_PICK_RED, IDC_RADIO_POS_LEFT}, IDCANCEL));
    EXPECT_EQ(9, win->m_nBkColor);
    EXPECT_EQ(7, win->m_nColor);
    EXPECT_EQ(1, win->m_nPickPos);
    ASSERT_TRUE(ChangeColours(win, {}));
    EXPECT_EQ(9, win->m_nBkColor);
    EXPECT_EQ(7, win->m_nColor);
    EXPECT_EQ(RGB(150, 150, 150), win->m_editMemlet.m_crBase);
    EXPECT_EQ(bar, win->m_stPickBar.GetWindowRect());
    EXPECT_EQ(0, win->m_arrow.m_nArwFlag);
}

TEST_F(NoteMenuTest, TheLeaderLineOffAndOnAgainKeepsTheDraggedPoints) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    ASSERT_TRUE(ChangeColours(win, {IDC_RADIO_ARROW_SHOW}));
    ASSERT_TRUE(win->m_pArrowWin);
    // The end handle dragged 40 px right and 30 px down.
    CPointWin& end = win->m_pArrowWin->m_pointEnd;
    RECT r = end.GetWindowRect();
    end.MoveWindow(Offset(r, 40, 30), true);
    CArrowData dragged = win->m_pArrowWin->getArrowData();

    ASSERT_TRUE(ChangeColours(win, {IDC_RADIO_ARROW_NONE}));
    EXPECT_EQ(nullptr, win->m_pArrowWin);
    EXPECT_EQ(0, win->m_arrow.m_nArwFlag);
    EXPECT_EQ(dragged.m_nEndX, win->m_arrow.m_nEndX);
    EXPECT_EQ(dragged.m_nEndY, win->m_arrow.m_nEndY);
    EXPECT_EQ(dragged.m_nStartX, win->m_arrow.m_nStartX);

    ASSERT_TRUE(ChangeColours(win, {IDC_RADIO_ARROW_SHOW}));
    ASSERT_TRUE(win->m_pArrowWin);
    EXPECT_EQ(1, win->m_arrow.m_nArwFlag);
    EXPECT_EQ(Offset(r, 40, 30), win->m_pArrowWin->m_pointEnd.GetWindowRect());
}

TEST_F(NoteMenuTest, ALineThatHadNoWindowIsTurnedOffAllTheSame) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    // Its target went before the line could open.
    CWnd gone;
    CWnd::CreateArgs args;
    ASSERT_TRUE(gone.Create(args));
    HWND goneWnd = gone.m_hWnd;
    gone.DestroyWindow();
    win->setTargetWnd(goneWnd);
    win->ShowArrow();
    ASSERT_EQ(1, win->m_arrow.m_nArwFlag);
    ASSERT_EQ(nullptr, win->m_pArrowWin);
    bool shownOn = false;
    CModalScript script(kColorCaption, [&](HWND dlg) {
        shownOn = IsDlgButtonChecked(dlg, IDC_RADIO_ARROW_SHOW) == BST_CHECKED;
        SendMessageW(GetDlgItem(dlg, IDC_RADIO_ARROW_NONE), BM_CLICK, 0, 0);
        PostMessageW(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
    });
    Command(win, ID_MENUITEM_COLOR);
    ASSERT_TRUE(script.Ran());
    EXPECT_TRUE(shownOn);
    EXPECT_EQ(0, win->m_arrow.m_nArwFlag);
}

TEST_F(NoteMenuTest, TransparencyOkSetsTheKeyBeforeTheAlphaAndTheGradationAfter) {
    NoteLook look;
    look.percent = 70;
    look.bkColor = 4;
    look.graFlg = 1;
    look.mouseHide = 1;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND h = win->m_hWnd;
    ASSERT_EQ(1, win->m_editMemlet.m_nGradation);
    auto change = [&](const wchar_t* percent, bool toggleBackground) {
        CModalScript script(kTransCaption, [=](HWND dlg) {
            SetDlgItemTextW(dlg, IDC_EDIT_PERCENT, percent);
            if (toggleBackground)
                SendMessageW(GetDlgItem(dlg, IDC_CHECK_BKTRANSPARENT), BM_CLICK, 0, 0);
            PostMessageW(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
        });
        Command(win, ID_MENUITEM_TRANS);
        return script.Ran();
    };

    ASSERT_TRUE(change(L"40", true));
    EXPECT_EQ(40, win->m_nTransparent);
    EXPECT_EQ(1, win->m_nBkTransparent);
    EXPECT_EQ(0, win->m_nMouseHideCtl);  // a see-through note never fades
    Layered l = LayeredOf(h);
    EXPECT_EQ(102, l.alpha);
    EXPECT_EQ(RGB(255, 255, 180), l.key);
    EXPECT_EQ((DWORD)(LWA_COLORKEY | LWA_ALPHA), l.flags);
    EXPECT_EQ(0, win->m_editMemlet.m_nGradation);

    ASSERT_TRUE(change(L"abc", true));  // not a percent: the last one stays
    EXPECT_EQ(40, win->m_nTransparent);
    EXPECT_EQ(0, win->m_nBkTransparent);
    l = LayeredOf(h);
    EXPECT_EQ(102, l.alpha);
    EXPECT_EQ((DWORD)LWA_ALPHA, l.flags);
    EXPECT_EQ(1, win->m_editMemlet.m_nGradation);
}

// The font dialog the note owns: the first face that differs from the
// note's, then OK; the face chosen, or "" when no dialog opened.
std::string ChooseOtherFace(CMemletWin* win, bool ok = true) {
    std::string chosen;
    HWND note = win->m_hWnd;
    CSteps steps({[&] {
        HWND dlg = OwnedDialog(note);
        if (!dlg)
            return false;
        HWND faces = GetDlgItem(dlg, 0x470);  // the face list
        char current[LF_FACESIZE] = {};
        LOGFONTA lf = win->getLogFont();
        lstrcpynA(current, lf.lfFaceName, LF_FACESIZE);
        int n = (int)SendMessageW(faces, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < n && chosen.empty(); i++) {
            wchar_t name[LF_FACESIZE + 8] = {};
            SendMessageW(faces, CB_GETLBTEXT, i, (LPARAM)name);
            std::string face = FromWide(name);
            if (face != current && name[0] != L'@' && face.size() < LF_FACESIZE) {
                SendMessageW(faces, CB_SETCURSEL, i, 0);
                SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), (LPARAM)faces);
                chosen = face;
            }
        }
        PostMessageW(GetDlgItem(dlg, ok ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
        return true;
    }});
    Watchdog watchdog;
    Command(win, ID_MENUITEM_FONT);
    return steps.Done() ? chosen : "";
}

bool IsFont(HFONT f) { return GetObjectType(f) == OBJ_FONT; }

TEST_F(NoteMenuTest, TheFontDialogGivesTheTextItsFaceAndFreesOnlyTheNotesOwnFont) {
    NoteLook look;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HFONT before = win->m_editMemlet.GetFont();
    std::string face = ChooseOtherFace(win);
    ASSERT_FALSE(face.empty());
    EXPECT_EQ(face, std::string(win->getLogFont().lfFaceName));
    HFONT after = win->m_editMemlet.GetFont();
    EXPECT_NE(before, after);
    EXPECT_TRUE(IsFont(after));
    EXPECT_FALSE(IsFont(before));  // the note's own earlier font

    // Cancel changes nothing.
    ASSERT_FALSE(ChooseOtherFace(win, false).empty());
    EXPECT_EQ(after, win->m_editMemlet.GetFont());
    EXPECT_EQ(face, std::string(win->getLogFont().lfFaceName));
}

TEST_F(NoteMenuTest, ANoteWithoutAFontOfItsOwnKeepsTheWindowsFontAlive) {
    NoteLook look;
    look.ownFont = 0;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HFONT shared = win->m_editMemlet.GetFont();
    ASSERT_TRUE(IsFont(shared));
    ASSERT_EQ(shared, win->m_stPickBar.GetFont());
    ASSERT_FALSE(ChooseOtherFace(win).empty());
    HFONT first = win->m_editMemlet.GetFont();
    EXPECT_NE(shared, first);
    EXPECT_TRUE(IsFont(shared));
    EXPECT_EQ(shared, win->m_stPickBar.GetFont());
    ASSERT_FALSE(ChooseOtherFace(win).empty());
    EXPECT_FALSE(IsFont(first));
    EXPECT_TRUE(IsFont(shared));
}

TEST_F(NoteMenuTest, AFieldWithoutAFontOpensNoDialog) {
    NoteLook look;
    look.ownFont = 0;
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    win->m_editMemlet.SetFont(nullptr, false);
    ASSERT_EQ(nullptr, win->m_editMemlet.GetFont());
    EXPECT_EQ("", ChooseOtherFace(win));
    EXPECT_EQ(nullptr, win->m_editMemlet.GetFont());
}

}  // namespace
