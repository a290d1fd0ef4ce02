// The colour and leader-line dialog run modal and driven from inside its
// own loop.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/ColorSettingDlg.h"
#include "framework/TestWindows.h"
#include "notedialogs/ModalScript.h"
#include "res/resource.h"

namespace {

// Each radio group: its member and its radios in the order of their values.
struct Group {
    const char* name;
    int CColorSettingDlg::*member;
    std::vector<int> ids;
};
const Group kGroups[] = {
    {"pick-bar colour", &CColorSettingDlg::m_nColor,
     {IDC_RADIO_PICK_RED, IDC_RADIO_PICK_GREEN, IDC_RADIO_PICK_BLUE, IDC_RADIO_PICK_ORANGE, IDC_RADIO_PICK_BLACK}},
    {"pick-bar side", &CColorSettingDlg::m_nPickPos,
     {IDC_RADIO_POS_RIGHT, IDC_RADIO_POS_TOP, IDC_RADIO_POS_LEFT, IDC_RADIO_POS_BOTTOM}},
    // 白 comes first although its id is not the lowest.
    {"background",
     &CColorSettingDlg::m_nBkColor,
     {IDC_RADIO_BK_WHITE, IDC_RADIO_BK_RED, IDC_RADIO_BK_GREEN, IDC_RADIO_BK_BLUE, IDC_RADIO_BK_ORANGE,
      IDC_RADIO_BK_GREY}},
    {"text colour", &CColorSettingDlg::m_nTxColor, {IDC_RADIO_TX_BLACK, IDC_RADIO_TX_RED, IDC_RADIO_TX_BLUE}},
    {"leader line", &CColorSettingDlg::m_nArwFlag, {IDC_RADIO_ARROW_NONE, IDC_RADIO_ARROW_SHOW}},
    {"gradation pattern",
     &CColorSettingDlg::m_nGraPtn,
     {IDC_RADIO_GRA_TOPDOWN, IDC_RADIO_GRA_BOTTOMUP, IDC_RADIO_GRA_LEFTRIGHT, IDC_RADIO_GRA_RIGHTLEFT,
      IDC_RADIO_GRA_TOWARDMIDDLE_V, IDC_RADIO_GRA_FROMMIDDLE_V, IDC_RADIO_GRA_TOWARDMIDDLE_H,
      IDC_RADIO_GRA_FROMMIDDLE_H}},
    {"line width", &CColorSettingDlg::m_nArLineWidth,
     {IDC_RADIO_LINE_THIN, IDC_RADIO_LINE_NORMAL, IDC_RADIO_LINE_THICK}},
};

const int kPatternIds[] = {IDC_RADIO_GRA_TOPDOWN,        IDC_RADIO_GRA_BOTTOMUP,     IDC_RADIO_GRA_LEFTRIGHT,
                           IDC_RADIO_GRA_RIGHTLEFT,      IDC_RADIO_GRA_TOWARDMIDDLE_V, IDC_RADIO_GRA_FROMMIDDLE_V,
                           IDC_RADIO_GRA_TOWARDMIDDLE_H, IDC_RADIO_GRA_FROMMIDDLE_H};

// The samples and the colours a note shows for the same choice.
const struct {
    int id;
    COLORREF colour;
} kSamples[] = {
    {IDC_STATIC_PICK_RED, RGB(255, 0, 0)},      {IDC_STATIC_PICK_GREEN, RGB(0, 255, 0)},
    {IDC_STATIC_PICK_BLUE, RGB(0, 0, 255)},     {IDC_STATIC_PICK_ORANGE, RGB(253, 140, 2)},
    {IDC_STATIC_PICK_BLACK, RGB(0, 0, 0)},      {IDC_STATIC_BK_RED, RGB(255, 200, 200)},
    {IDC_STATIC_BK_GREEN, RGB(200, 255, 200)},  {IDC_STATIC_BK_BLUE, RGB(200, 200, 255)},
    {IDC_STATIC_BK_ORANGE, RGB(255, 255, 180)}, {IDC_STATIC_BK_GREY, RGB(150, 150, 150)},
};

// Every group given the same value (the last row for shorter groups, or
// all out of range), gradation on so that the patterns can be chosen.
void Give(CColorSettingDlg& dlg, int value, bool clampToRows) {
    for (const Group& g : kGroups) {
        int n = (int)g.ids.size();
        dlg.*g.member = clampToRows && value >= n ? n - 1 : value;
    }
    dlg.m_nGraFlg = 1;
}

std::vector<int> Checked(CColorSettingDlg& dlg, const Group& g) {
    std::vector<int> out;
    for (int id : g.ids)
        if (IsChecked(dlg, id))
            out.push_back(id);
    return out;
}

TEST(ColorSettingDlg, ConstructedWithNoColourNoLeaderLineAndNoCheck) {
    CColorSettingDlg dlg;
    EXPECT_EQ(-1, dlg.m_nColor);
    EXPECT_EQ(-1, dlg.m_nBkColor);
    EXPECT_EQ(-1, dlg.m_nArwFlag);
    EXPECT_EQ(0, dlg.m_nGraFlg);
    EXPECT_EQ(0, dlg.m_nArLineWidth);
    EXPECT_EQ(0, dlg.m_nTargetCheck);
    EXPECT_EQ(nullptr, dlg.m_hTargetWnd);
}

TEST(ColorSettingDlg, EachValueChecksItsRadioAndComesBackUnchanged) {
    for (int value = 0; value < 8; value++) {
        SCOPED_TRACE(value);
        CColorSettingDlg dlg;
        Give(dlg, value, true);
        INT_PTR result = RunModal(dlg, [&] {
            EXPECT_EQ("付箋色＆引出し線設定", dlg.GetText());
            for (const Group& g : kGroups) {
                SCOPED_TRACE(g.name);
                EXPECT_EQ(std::vector<int>{g.ids[dlg.*g.member]}, Checked(dlg, g));
            }
            EXPECT_TRUE(IsChecked(dlg, IDC_CHECK_GRADATION));
            Click(dlg, IDOK);
        });
        EXPECT_EQ(IDOK, result);
        for (const Group& g : kGroups) {
            int n = (int)g.ids.size();
            EXPECT_EQ(value < n ? value : n - 1, dlg.*g.member) << g.name;
        }
        EXPECT_EQ(1, dlg.m_nGraFlg);
    }
}

TEST(ColorSettingDlg, EachClickedRadioGivesItsValue) {
    // Round k clicks the k-th radio of every group long enough; the others
    // keep what they were given.
    for (int k = 0; k < 8; k++) {
        SCOPED_TRACE(k);
        CColorSettingDlg dlg;
        Give(dlg, 0, true);
        for (const Group& g : kGroups)
            dlg.*g.member = (int)g.ids.size() - 1;  // the last row, so that a click changes it
        INT_PTR result = RunModal(dlg, [&] {
            for (const Group& g : kGroups)
                if (k < (int)g.ids.size())
                    Click(dlg, g.ids[k]);
            Click(dlg, IDOK);
        });
        EXPECT_EQ(IDOK, result);
        for (const Group& g : kGroups) {
            int n = (int)g.ids.size();
            EXPECT_EQ(k < n ? k : n - 1, dlg.*g.member) << g.name;
        }
    }
}

TEST(ColorSettingDlg, ValuesOutOfRangeCheckNothingAndComeBackAsGiven) {
    // A stored index no radio stands for: the group shows none, and OK
    // without a choice returns what the caller gave, also after the
    // gradation box has taken every group into the members.
    for (int value : {-1, -5, 8, 99}) {
        for (bool tick : {false, true}) {
            SCOPED_TRACE(testing::Message() << value << (tick ? " ticked" : ""));
            CColorSettingDlg dlg;
            Give(dlg, value, false);
            INT_PTR result = RunModal(dlg, [&] {
                for (const Group& g : kGroups)
                    EXPECT_TRUE(Checked(dlg, g).empty()) << g.name;
                if (tick) {
                    Click(dlg, IDC_CHECK_GRADATION);
                    Click(dlg, IDC_CHECK_GRADATION);
                }
                Click(dlg, IDOK);
            });
            EXPECT_EQ(IDOK, result);
            for (const Group& g : kGroups)
                EXPECT_EQ(value, dlg.*g.member) << g.name;
        }
    }
}

TEST(ColorSettingDlg, OneGroupOutOfRangeOthersChosen) {
    CColorSettingDlg dlg;
    Give(dlg, 1, true);
    dlg.m_nColor = 7;  // from a file of another version
    INT_PTR result = RunModal(dlg, [&] {
        Click(dlg, IDC_RADIO_BK_GREY);
        Click(dlg, IDC_CHECK_GRADATION);  // off: every member from the controls
        Click(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(7, dlg.m_nColor);
    EXPECT_EQ(5, dlg.m_nBkColor);
    EXPECT_EQ(0, dlg.m_nGraFlg);
    EXPECT_EQ(1, dlg.m_nGraPtn);
}

TEST(ColorSettingDlg, PatternsEnabledExactlyWhileGradationIsTicked) {
    for (int given : {0, 1}) {
        SCOPED_TRACE(given);
        CColorSettingDlg dlg;
        Give(dlg, 0, true);
        dlg.m_nGraFlg = given;
        std::vector<bool> ticked;  // after each click
        INT_PTR result = RunModal(dlg, [&] {
            auto expectPatterns = [&](bool enabled) {
                for (int id : kPatternIds)
                    EXPECT_EQ(enabled, IsEnabled(dlg, id)) << id;
            };
            expectPatterns(given == 1);
            for (int i = 0; i < 3; i++) {
                Click(dlg, IDC_CHECK_GRADATION);
                bool on = IsChecked(dlg, IDC_CHECK_GRADATION);
                ticked.push_back(on);
                expectPatterns(on);
            }
            // Nothing else depends on the box.
            for (const Group& g : kGroups) {
                if (g.member == &CColorSettingDlg::m_nGraPtn)
                    continue;
                for (int id : g.ids)
                    EXPECT_TRUE(IsEnabled(dlg, id)) << id;
            }
            Click(dlg, IDOK);
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_EQ((std::vector<bool>{given == 0, given == 1, given == 0}), ticked);
        EXPECT_EQ(given == 0 ? 1 : 0, dlg.m_nGraFlg);
    }
}

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH lb{};
    if (!brush || GetObjectW(brush, sizeof lb, &lb) != sizeof lb || lb.lbStyle != BS_SOLID)
        return CLR_INVALID;
    return lb.lbColor;
}

TEST(ColorSettingDlg, SamplesShowTheNotesColours) {
    CColorSettingDlg dlg;
    Give(dlg, 0, true);
    INT_PTR result = RunModal(dlg, [&] {
        HDC dc = CreateCompatibleDC(nullptr);
        for (const auto& s : kSamples) {
            SCOPED_TRACE(s.id);
            HWND sample = dlg.GetDlgItem(s.id);
            EXPECT_TRUE(GetWindowLongW(sample, GWL_STYLE) & SS_SUNKEN);
            EXPECT_EQ("", dlg.GetDlgText(s.id));
            SetBkMode(dc, OPAQUE);
            HBRUSH brush = (HBRUSH)dlg.Send(WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)sample);
            EXPECT_EQ(s.colour, BrushColour(brush));
            EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
            EXPECT_EQ(s.colour, ScreenColourOf(sample));
        }
        // Radios, the box and the group frames keep the dialog's brush and
        // draw their text without a background of its own.
        for (int id : {IDC_RADIO_BK_WHITE, IDC_RADIO_PICK_RED, IDC_CHECK_GRADATION}) {
            SCOPED_TRACE(id);
            HWND ctl = dlg.GetDlgItem(id);
            SetBkMode(dc, OPAQUE);
            HBRUSH brush = (HBRUSH)dlg.Send(WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)ctl);
            EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
            EXPECT_EQ((HBRUSH)DefDlgProcW(dlg.m_hWnd, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)ctl), brush);
        }
        HWND ok = dlg.GetDlgItem(IDOK);
        EXPECT_EQ(GetStockObject(NULL_BRUSH), (HGDIOBJ)dlg.Send(WM_CTLCOLORBTN, (WPARAM)dc, (LPARAM)ok));
        EXPECT_EQ((HBRUSH)DefDlgProcW(dlg.m_hWnd, WM_CTLCOLORDLG, (WPARAM)dc, (LPARAM)dlg.m_hWnd),
                  (HBRUSH)dlg.Send(WM_CTLCOLORDLG, (WPARAM)dc, (LPARAM)dlg.m_hWnd));
        DeleteDC(dc);
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST(ColorSettingDlg, ClosedNoteTurnsOkIntoACancelWithoutTakingTheChoice) {
    const struct {
        const char* what;
        int check;
        bool destroy;
        INT_PTR result;
    } cases[] = {
        {"note open", 1, false, IDOK},
        {"note closed meanwhile", 1, true, IDCANCEL},
        {"template note, no check", 0, true, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CTargetWnd target;
        CColorSettingDlg dlg;
        Give(dlg, 0, true);
        dlg.m_nTargetCheck = c.check;
        dlg.m_hTargetWnd = c.check ? target.Hwnd() : nullptr;
        INT_PTR result = RunModal(dlg, [&] {
            Click(dlg, IDC_RADIO_PICK_BLUE);
            if (c.destroy)
                target.Destroy();
            Click(dlg, IDOK);
        });
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(result == IDOK ? 2 : 0, dlg.m_nColor);
    }
}

}  // namespace
