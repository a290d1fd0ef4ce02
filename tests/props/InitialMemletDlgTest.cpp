// The initial-values dialog: the summary of a template note, the swatches'
// colours, and each 変更 driven through the real dialog it opens.
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "dialogs/InitSizeDlg.h"
#include "dialogs/InitialMemletDlg.h"
#include "framework/ModalScript.h"
#include "framework/Window.h"
#include "platform/FontSize.h"
#include "props/PropsTest.h"
#include "res/resource.h"

namespace {

struct Look {
    int pickPos, frame, arwFlag, lineWidth, graFlg, graPtn;
    LONG fontHeight;
    int transparent, mouseHide, txColor, color, bkColor;
};

struct Shown {
    const char *pickPos, *frame, *arrow, *gradation, *sizeLabel;
    std::string size;
    const char *transparent, *mouseHide;
    COLORREF tx, pick, bk;
};

struct ShowCase {
    Look look;
    Shown shown;
};

CMemletData Template(const Look& l) {
    CMemletData d;
    d.m_nPickPos = l.pickPos;
    d.m_nFrame = l.frame;
    d.m_arrow.m_nArwFlag = l.arwFlag;
    d.m_nArLineWidth = l.lineWidth;
    d.m_nGraFlg = l.graFlg;
    d.m_nGraPtn = l.graPtn;
    d.m_logFont.lfHeight = l.fontHeight;
    strcpy(d.m_logFont.lfFaceName, "ＭＳ Ｐゴシック");
    d.m_nTransparent = l.transparent;
    d.m_nMouseHideCtl = l.mouseHide;
    d.m_nTxColor = l.txColor;
    d.m_nColor = l.color;
    d.m_nBkColor = l.bkColor;
    return d;
}

// The brush the dialog gives a static, as its colour.
COLORREF BrushOf(HWND dlg, int id) {
    HWND ctl = GetDlgItem(dlg, id);
    HDC dc = GetDC(ctl);
    auto brush = (HBRUSH)SendMessageW(dlg, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)ctl);
    ReleaseDC(ctl, dc);
    LOGBRUSH lb{};
    if (!brush || !GetObjectW(brush, sizeof lb, &lb))
        return CLR_INVALID;
    return lb.lbColor;
}

std::string Text(HWND dlg, int id) { return GetWindowTextCp932(GetDlgItem(dlg, id)); }

constexpr COLORREF kSummary = RGB(255, 255, 180);

TEST(InitialMemletDlg, EveryValueAndSwatchOfTheTemplate) {
    const ShowCase cases[] = {
        {{0, 0, 0, 1, 1, 0, -12, 70, 0, 0, 0, 5},
         {"右", "サイズ変更枠を外す", "なし　　線幅：標準", "Gradation 有り:上から下", "サイズ",
          std::to_string(PixelToPoint(12)), "70", "マウス重なり透明化OFF", RGB(0, 0, 0), RGB(255, 0, 0),
          RGB(150, 150, 150)}},
        {{3, 1, 1, 2, 0, 5, 20, 40, 1, 1, 3, 4},
         {"下", "サイズ変更枠を付ける", "あり　　線幅：太い", "Gradation 無し", "高さ", "20", "40",
          "マウス重なり透明化ON", RGB(255, 0, 0), RGB(253, 140, 2), RGB(255, 255, 180)}},
        {{7, 0, 2, 5, 1, 9, 0, 100, 0, 7, 9, 0},
         {"下", "サイズ変更枠を外す", "なし　　線幅：Unknown", "Gradation 有り:", "サイズ", "デフォルト", "100",
          "マウス重なり透明化OFF", RGB(0, 0, 255), RGB(0, 0, 0), RGB(255, 255, 255)}},
        {{1, 0, 1, 0, 1, 7, -16, 20, 0, 2, 2, 2},
         {"上", "サイズ変更枠を外す", "あり　　線幅：細い", "Gradation 有り:中央から左右", "サイズ",
          std::to_string(PixelToPoint(16)), "20", "マウス重なり透明化OFF", RGB(0, 0, 255), RGB(0, 0, 255),
          RGB(200, 255, 200)}},
        {{2, 0, 0, 1, 1, 4, -12, 70, 0, 1, 1, -1},
         {"左", "サイズ変更枠を外す", "なし　　線幅：標準", "Gradation 有り:上下から中央", "サイズ",
          std::to_string(PixelToPoint(12)), "70", "マウス重なり透明化OFF", RGB(255, 0, 0), RGB(0, 255, 0),
          RGB(150, 150, 150)}},
        {{0, 0, 0, 1, 1, 3, -12, 70, 0, 0, 2, 3},
         {"右", "サイズ変更枠を外す", "なし　　線幅：標準", "Gradation 有り:右から左", "サイズ",
          std::to_string(PixelToPoint(12)), "70", "マウス重なり透明化OFF", RGB(0, 0, 0), RGB(0, 0, 255),
          RGB(200, 200, 255)}},
    };
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(c.shown.arrow);
        CInitialMemletDlg dlg;
        dlg.m_MemletData = Template(c.look);
        dlg.m_nIniHeight = 60;
        dlg.m_nIniWidth = 200;
        ASSERT_TRUE(dlg.Create(nullptr));
        HWND h = dlg.m_hWnd;
        EXPECT_EQ("付箋初期値", dlg.GetText());
        EXPECT_EQ(c.shown.pickPos, Text(h, IDC_STATIC_INI_PICKPOS));
        EXPECT_EQ(c.shown.frame, Text(h, IDC_STATIC_INI_FRAME));
        EXPECT_EQ(c.shown.arrow, Text(h, IDC_STATIC_INI_ARROW));
        EXPECT_EQ(c.shown.gradation, Text(h, IDC_STATIC_INI_GRADATION));
        EXPECT_EQ("ＭＳ Ｐゴシック", Text(h, IDC_STATIC_INI_FONTNAME));
        EXPECT_EQ(c.shown.sizeLabel, Text(h, IDC_STATIC_INI_FONTSIZELABEL));
        EXPECT_EQ(c.shown.size, Text(h, IDC_STATIC_INI_FONTSIZE));
        EXPECT_EQ(c.shown.transparent, Text(h, IDC_STATIC_INI_TRANSPARENT));
        EXPECT_EQ(c.shown.mouseHide, Text(h, IDC_STATIC_INI_MOUSEHIDE));
        EXPECT_EQ("60", Text(h, IDC_STATIC_INI_HEIGHT));
        EXPECT_EQ("200", Text(h, IDC_STATIC_INI_WIDTH));
        EXPECT_EQ(c.shown.tx, BrushOf(h, IDC_STATIC_INI_TXCOLOR));
        EXPECT_EQ(c.shown.pick, BrushOf(h, IDC_STATIC_INI_COLOR));
        EXPECT_EQ(c.shown.bk, BrushOf(h, IDC_STATIC_INI_BKCOLOR));
        for (int id : {IDC_STATIC_INI_PICKPOS, IDC_STATIC_INI_FRAME, IDC_STATIC_INI_FONTSIZE,
                       IDC_STATIC_INI_TRANSPARENT, IDC_STATIC_INI_FONTNAME, IDC_STATIC_INI_MOUSEHIDE,
                       IDC_STATIC_INI_HEIGHT, IDC_STATIC_INI_WIDTH, IDC_STATIC_INI_ARROW, IDC_STATIC_INI_GRADATION})
            EXPECT_EQ(kSummary, BrushOf(h, id)) << id;
        dlg.DestroyWindow();
    }
}

// The font chooser of the tests: a 16-pixel Arial.
bool ChooseArial(HWND, LOGFONTA& font) {
    strcpy(font.lfFaceName, "Arial");
    font.lfHeight = -16;
    font.lfWeight = FW_BOLD;
    return true;
}

class ChooserSeam {
public:
    explicit ChooserSeam(CInitialMemletDlg::ChooseFontProc proc) { CInitialMemletDlg::s_chooseFont = proc; }
    ~ChooserSeam() { CInitialMemletDlg::s_chooseFont = CInitialMemletDlg::ChooseScreenFont; }
};

// Runs the nested dialog of a 変更 button with its own script.
void ClickThrough(CDialog& dlg, int button, const char* caption, std::function<void(HWND)> script, bool& ran) {
    CModalScript inner(caption, std::move(script));
    Click(dlg, button);
    ran = inner.Ran();
}

TEST(InitialMemletDlg, EveryChangeGoesThroughItsDialogOntoTheCopy) {
    CBoxRecorder boxes;
    ChooserSeam seam(ChooseArial);
    CInitialMemletDlg dlg;
    const CMemletData given = Template({0, 0, 0, 1, 1, 0, -12, 70, 0, 0, 0, 5});
    dlg.m_MemletData = given;
    dlg.m_nIniHeight = 60;
    dlg.m_nIniWidth = 200;
    bool ranColor = false, ranFrame = false, ranTrans = false, ranSize = false;
    bool bkChoiceDisabled = false;
    int lower[2] = {}, upper[2] = {};
    std::map<int, std::string> shown;
    CModalScript script("付箋初期値", [&](HWND h) {
        ClickThrough(dlg, IDC_BUTTON_INI_COLOR, "付箋色＆引出し線設定", [](HWND c) {
            for (int id : {IDC_RADIO_POS_TOP, IDC_RADIO_PICK_GREEN, IDC_RADIO_BK_BLUE, IDC_RADIO_TX_RED,
                           IDC_RADIO_ARROW_SHOW, IDC_RADIO_LINE_THICK, IDC_CHECK_GRADATION})
                Click(c, id);
            Click(c, IDOK);
        }, ranColor);
        ClickThrough(dlg, IDC_BUTTON_INI_FRAME, "サイズ変更枠", [](HWND c) {
            Click(c, IDC_RADIO_FRAME_ON);
            Click(c, IDOK);
        }, ranFrame);
        ClickThrough(dlg, IDC_BUTTON_INI_TRANS, "透明度の設定", [&](HWND c) {
            bkChoiceDisabled = !IsWindowEnabled(GetDlgItem(c, IDC_CHECK_BKTRANSPARENT));
            SetDlgItemTextW(c, IDC_EDIT_PERCENT, L"40");
            Click(c, IDC_RADIO_MOUSEHIDE_ON);
            Click(c, IDOK);
        }, ranTrans);
        ClickThrough(dlg, IDC_BUTTON_INI_SIZE, "付箋初期サイズ設定", [&](HWND c) {
            auto* size = dynamic_cast<CInitSizeDlg*>(CWnd::FromHandle(c));
            if (!size)
                return;
            size->m_spinHeight.GetRange32(lower[0], upper[0]);
            size->m_spinWidth.GetRange32(lower[1], upper[1]);
            // The height up by its arrow key, a width out of range typed.
            HWND height = GetDlgItem(c, IDC_EDIT_INISIZE_HEIGHT);
            SendMessageW(height, WM_KEYDOWN, VK_UP, 1);
            SendMessageW(height, WM_KEYUP, VK_UP, 1 | (3u << 30));
            SetDlgItemTextW(c, IDC_EDIT_INISIZE_WIDTH, L"1000");
            Click(c, IDOK);
        }, ranSize);
        Click(dlg, IDC_BUTTON_INI_FONT);
        for (int id : {IDC_STATIC_INI_PICKPOS, IDC_STATIC_INI_ARROW, IDC_STATIC_INI_GRADATION, IDC_STATIC_INI_FRAME,
                       IDC_STATIC_INI_TRANSPARENT, IDC_STATIC_INI_MOUSEHIDE, IDC_STATIC_INI_HEIGHT,
                       IDC_STATIC_INI_WIDTH, IDC_STATIC_INI_FONTNAME, IDC_STATIC_INI_FONTSIZE})
            shown[id] = Text(h, id);
        Click(dlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(ranColor && ranFrame && ranTrans && ranSize);
    const CMemletData& d = dlg.m_MemletData;
    EXPECT_EQ(1, d.m_nPickPos);
    EXPECT_EQ(1, d.m_nColor);
    EXPECT_EQ(3, d.m_nBkColor);
    EXPECT_EQ(1, d.m_nTxColor);
    EXPECT_EQ(1, d.m_arrow.m_nArwFlag);
    EXPECT_EQ(2, d.m_nArLineWidth);
    EXPECT_EQ(0, d.m_nGraFlg);
    EXPECT_EQ(1, d.m_nFrame);
    EXPECT_EQ(40, d.m_nTransparent);
    EXPECT_EQ(1, d.m_nMouseHideCtl);
    EXPECT_STREQ("Arial", d.m_logFont.lfFaceName);
    EXPECT_EQ(-16, d.m_logFont.lfHeight);
    EXPECT_EQ(61, dlg.m_nIniHeight);
    EXPECT_EQ(200, dlg.m_nIniWidth);
    EXPECT_TRUE(bkChoiceDisabled);
    EXPECT_EQ(20, lower[0]);
    EXPECT_EQ(400, upper[0]);
    EXPECT_EQ(50, lower[1]);
    EXPECT_EQ(600, upper[1]);
    EXPECT_EQ("上", shown[IDC_STATIC_INI_PICKPOS]);
    EXPECT_EQ("あり　　線幅：太い", shown[IDC_STATIC_INI_ARROW]);
    EXPECT_EQ("Gradation 無し", shown[IDC_STATIC_INI_GRADATION]);
    EXPECT_EQ("サイズ変更枠を付ける", shown[IDC_STATIC_INI_FRAME]);
    EXPECT_EQ("40", shown[IDC_STATIC_INI_TRANSPARENT]);
    EXPECT_EQ("マウス重なり透明化ON", shown[IDC_STATIC_INI_MOUSEHIDE]);
    EXPECT_EQ("61", shown[IDC_STATIC_INI_HEIGHT]);
    EXPECT_EQ("200", shown[IDC_STATIC_INI_WIDTH]);
    EXPECT_EQ("Arial", shown[IDC_STATIC_INI_FONTNAME]);
    EXPECT_EQ(std::to_string(PixelToPoint(16)), shown[IDC_STATIC_INI_FONTSIZE]);
    EXPECT_TRUE(boxes.Take().empty());
}

// The system's chooser: screen fonts without the effects, and a LOGFONT back.
TEST(InitialMemletDlg, TheRealFontChooserOffersNoEffects) {
    CInitialMemletDlg dlg;
    dlg.m_MemletData = Template({0, 0, 0, 1, 1, 0, -12, 70, 0, 0, 0, 5});
    bool ran = false, effectsHidden = false;
    std::string face;
    CModalScript script("付箋初期値", [&](HWND) {
        CNewWindowScript chooser(L"#32770", [&](HWND c) {
            effectsHidden = true;
            for (int id : {chx1, chx2, cmb4}) {
                HWND ctl = GetDlgItem(c, id);
                if (ctl && IsWindowVisible(ctl))
                    effectsHidden = false;
            }
            SendMessageW(c, WM_COMMAND, IDOK, 0);
        });
        Click(dlg, IDC_BUTTON_INI_FONT);
        ran = chooser.Ran();
        face = Text(dlg.m_hWnd, IDC_STATIC_INI_FONTNAME);
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(ran);
    EXPECT_TRUE(effectsHidden);
    EXPECT_FALSE(face.empty());
    EXPECT_EQ(face, std::string(dlg.m_MemletData.m_logFont.lfFaceName));
}

}  // namespace
