// The transparency dialog run modal and driven from inside its own loop, on
// both of its roads: for an open note (the see-through background can be
// chosen) and for the template note (it cannot).
#include <gtest/gtest.h>

#include "dialogs/TransSettingDlg.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "notedialogs/ModalScript.h"
#include "res/resource.h"

namespace {

// A dialog for an open note, whose window is target.
void ForNote(CTransSettingDlg& dlg, const CTargetWnd& target) {
    dlg.m_nTargetCheck = 1;
    dlg.m_hTargetWnd = target.Hwnd();
}

std::string Hex(const std::string& s) {
    std::string out;
    char b[4];
    for (unsigned char c : s) {
        snprintf(b, sizeof b, "%02X", c);
        out += b;
    }
    return out;
}

TEST(TransSettingDlg, PercentFieldIsAnUpDownFrom20To100) {
    CTargetWnd target;
    CTransSettingDlg dlg;
    ForNote(dlg, target);
    dlg.m_nTransparent = 70;
    dlg.m_nMouseHideCtl = 0;
    INT_PTR result = RunModal(dlg, [&] {
        EXPECT_EQ("透明度の設定", dlg.GetText());
        int lower = 0, upper = 0;
        dlg.m_spin.GetRange32(lower, upper);
        EXPECT_EQ(20, lower);
        EXPECT_EQ(100, upper);
        HWND edit = dlg.GetDlgItem(IDC_EDIT_PERCENT);
        EXPECT_EQ(edit, dlg.m_spin.GetBuddy());
        EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & ES_CENTER);
        EXPECT_EQ("70", dlg.GetDlgText(IDC_EDIT_PERCENT));
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST(TransSettingDlg, RangeTextIsShownByteForByte) {
    CTransSettingDlg dlg;
    INT_PTR result = RunModal(dlg, [&] {
        // The static has no id: it is the window of that text.
        std::string found;
        for (HWND h = GetWindow(dlg.m_hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            std::string text = GetWindowTextCp932(h);
            if (text.rfind("20%", 0) == 0)
                found = text;
        }
        EXPECT_EQ("20%(薄い)～100%(濃い）の範囲で設定", found);
        EXPECT_EQ("32302528949682A22981603130302528945A82A2816A82CC94CD88CD82C590DD92E8",
                  Hex(found));
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST(TransSettingDlg, OkTakesTheUpDownsPosition) {
    // What the field holds at OK, the caller's percent before.
    const struct {
        int given;
        const wchar_t* typed;  // null: left as shown
        WORD key;              // 0: none; an arrow key in the field
        int result;
    } cases[] = {
        {70, nullptr, 0, 70},   {20, nullptr, 0, 20},   {100, nullptr, 0, 100},
        {150, nullptr, 0, 100}, {5, nullptr, 0, 20},    {70, L"45", 0, 45},
        {70, L"150", 0, 70},    {70, L"abc", 0, 70},    {70, L"", 0, 70},
        {70, L"19", 0, 70},     {70, L"60x", 0, 70},    {70, nullptr, VK_UP, 71},
        {70, nullptr, VK_DOWN, 69}, {100, nullptr, VK_UP, 100}, {70, L"150", VK_UP, 71},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.given << " " << (c.typed ? FromWide(c.typed) : "-") << " " << c.key);
        CTargetWnd target;
        CTransSettingDlg dlg;
        ForNote(dlg, target);
        dlg.m_nTransparent = c.given;
        dlg.m_nMouseHideCtl = 0;
        INT_PTR result = RunModal(dlg, [&] {
            HWND edit = dlg.GetDlgItem(IDC_EDIT_PERCENT);
            SetFocus(edit);
            if (c.typed) {
                SendMessageW(edit, EM_SETSEL, 0, -1);
                SendMessageW(edit, WM_CLEAR, 0, 0);
                TypeText(c.typed);
            }
            if (c.key)
                PressKey(c.key);
            Click(dlg, IDOK);
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ(c.result, dlg.m_nTransparent);
    }
}

TEST(TransSettingDlg, MouseOverRadiosGiveTheirValues) {
    const struct {
        int given;
        int checked;  // 0: none
        int click;    // 0: none
        int result;
    } cases[] = {
        {0, IDC_RADIO_MOUSEHIDE_OFF, 0, 0},
        {1, IDC_RADIO_MOUSEHIDE_ON, 0, 1},
        {0, IDC_RADIO_MOUSEHIDE_OFF, IDC_RADIO_MOUSEHIDE_ON, 1},
        {1, IDC_RADIO_MOUSEHIDE_ON, IDC_RADIO_MOUSEHIDE_OFF, 0},
        // Out of range: nothing checked, and the caller's value comes back
        // though the background rule took the controls into the members.
        {-1, 0, 0, -1},
        {2, 0, 0, 2},
        {99, 0, 0, 99},
        {2, 0, IDC_RADIO_MOUSEHIDE_ON, 1},
    };
    for (bool note : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << (note ? "note " : "template ") << c.given << " " << c.click);
            CTargetWnd target;
            CTransSettingDlg dlg;
            if (note)
                ForNote(dlg, target);
            dlg.m_nTransparent = 80;
            dlg.m_nMouseHideCtl = c.given;
            INT_PTR result = RunModal(dlg, [&] {
                EXPECT_EQ(c.checked == IDC_RADIO_MOUSEHIDE_OFF, IsChecked(dlg, IDC_RADIO_MOUSEHIDE_OFF));
                EXPECT_EQ(c.checked == IDC_RADIO_MOUSEHIDE_ON, IsChecked(dlg, IDC_RADIO_MOUSEHIDE_ON));
                if (c.click)
                    Click(dlg, c.click);
                Click(dlg, IDOK);
            });
            EXPECT_EQ(IDOK, result);
            EXPECT_EQ(c.result, dlg.m_nMouseHideCtl);
            EXPECT_EQ(0, dlg.m_nBkTransparent);
            EXPECT_EQ(80, dlg.m_nTransparent);
        }
    }
}

TEST(TransSettingDlg, SeeThroughBackgroundNeverFadesUnderTheMouse) {
    // At open and after each click of the box: ticked, both mouse-over
    // radios are disabled and 行わない is chosen.
    for (int mouse : {0, 1}) {
        for (int bk : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "mouse " << mouse << " bk " << bk);
            CTargetWnd target;
            CTransSettingDlg dlg;
            ForNote(dlg, target);
            dlg.m_nMouseHideCtl = mouse;
            dlg.m_nBkTransparent = bk;
            INT_PTR result = RunModal(dlg, [&] {
                EXPECT_TRUE(IsEnabled(dlg, IDC_CHECK_BKTRANSPARENT));
                EXPECT_TRUE(IsEnabled(dlg, IDC_GROUP_BKTRANSPARENT));
                for (int i = 0; i < 3; i++) {
                    bool ticked = IsChecked(dlg, IDC_CHECK_BKTRANSPARENT);
                    EXPECT_EQ(!ticked, IsEnabled(dlg, IDC_RADIO_MOUSEHIDE_OFF)) << i;
                    EXPECT_EQ(!ticked, IsEnabled(dlg, IDC_RADIO_MOUSEHIDE_ON)) << i;
                    if (ticked) {
                        EXPECT_TRUE(IsChecked(dlg, IDC_RADIO_MOUSEHIDE_OFF)) << i;
                        EXPECT_FALSE(IsChecked(dlg, IDC_RADIO_MOUSEHIDE_ON)) << i;
                    }
                    if (i < 2)
                        Click(dlg, IDC_CHECK_BKTRANSPARENT);
                }
                Click(dlg, IDOK);
            });
            EXPECT_EQ(IDOK, result);
            EXPECT_EQ(bk, dlg.m_nBkTransparent);  // clicked twice
            EXPECT_EQ(0, dlg.m_nMouseHideCtl);  // ticked once on the way
        }
    }
}

TEST(TransSettingDlg, TemplateNoteCannotChooseASeeThroughBackground) {
    CTransSettingDlg dlg;  // no target check
    dlg.m_nTransparent = 60;
    dlg.m_nMouseHideCtl = 1;
    INT_PTR result = RunModal(dlg, [&] {
        EXPECT_FALSE(IsEnabled(dlg, IDC_CHECK_BKTRANSPARENT));
        EXPECT_FALSE(IsEnabled(dlg, IDC_GROUP_BKTRANSPARENT));
        EXPECT_FALSE(IsChecked(dlg, IDC_CHECK_BKTRANSPARENT));
        EXPECT_TRUE(IsEnabled(dlg, IDC_RADIO_MOUSEHIDE_OFF));
        EXPECT_TRUE(IsEnabled(dlg, IDC_RADIO_MOUSEHIDE_ON));
        EXPECT_TRUE(IsChecked(dlg, IDC_RADIO_MOUSEHIDE_ON));
        Click(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(60, dlg.m_nTransparent);
    EXPECT_EQ(1, dlg.m_nMouseHideCtl);
    EXPECT_EQ(0, dlg.m_nBkTransparent);
}

TEST(TransSettingDlg, ClosedNoteTurnsOkIntoACancelWithoutTakingTheChoice) {
    const struct {
        const char* what;
        bool check;
        bool destroy;
        INT_PTR result;
    } cases[] = {
        {"note open", true, false, IDOK},
        {"note closed meanwhile", true, true, IDCANCEL},
        {"template note, no check", false, true, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CTargetWnd target;
        CTransSettingDlg dlg;
        if (c.check)
            ForNote(dlg, target);
        dlg.m_nTransparent = 50;
        dlg.m_nMouseHideCtl = 1;
        INT_PTR result = RunModal(dlg, [&] {
            Click(dlg, IDC_RADIO_MOUSEHIDE_OFF);
            if (c.destroy)
                target.Destroy();
            Click(dlg, IDOK);
        });
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(result == IDOK ? 0 : 1, dlg.m_nMouseHideCtl);
    }
}

}  // namespace
