#include "dialogs/InitialMemletDlg.h"

#include <commdlg.h>

#include <cstring>

#include "dialogs/ColorSettingDlg.h"
#include "dialogs/InitSizeDlg.h"
#include "dialogs/SizeFrameDlg.h"
#include "dialogs/TransSettingDlg.h"
#include "framework/Text.h"
#include "platform/FontSize.h"
#include "res/resource.h"

namespace {

// Brushes by their place in the dialog's array.
constexpr int kSummary = 0;
constexpr int kPickBar = 1;     // 赤 緑 青 橙 黒
constexpr int kBackground = 6;  // 白 赤 緑 青 橙 灰
constexpr int kText = 12;       // 黒 赤 青

const COLORREF kBrushColours[] = {
    RGB(255, 255, 180),
    RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(0, 0, 255),     RGB(253, 140, 2),   RGB(0, 0, 0),
    RGB(255, 255, 255), RGB(255, 200, 200), RGB(200, 255, 200), RGB(200, 200, 255), RGB(255, 255, 180),
    RGB(150, 150, 150),
    RGB(0, 0, 0),       RGB(255, 0, 0),     RGB(0, 0, 255),
};

// A table's row of an index; any other index is the last row.
int Row(int index, int rows) { return index >= 0 && index < rows ? index : rows - 1; }

const int kSummaryStatics[] = {
    IDC_STATIC_INI_PICKPOS,     IDC_STATIC_INI_FRAME,    IDC_STATIC_INI_FONTSIZE, IDC_STATIC_INI_TRANSPARENT,
    IDC_STATIC_INI_FONTNAME,    IDC_STATIC_INI_MOUSEHIDE, IDC_STATIC_INI_HEIGHT,  IDC_STATIC_INI_WIDTH,
    IDC_STATIC_INI_ARROW,       IDC_STATIC_INI_GRADATION,
};

const char* const kPickPos[] = {"右", "上", "左", "下"};
const char* const kLineWidth[] = {"細い", "標準", "太い"};
const char* const kPattern[] = {"上から下",     "下から上",     "左から右",     "右から左",
                                "上下から中央", "中央から上下", "左右から中央", "中央から左右"};

LOGFONTW ToWideFont(const LOGFONTA& a) {
    LOGFONTW w{};
    memcpy(&w, &a, offsetof(LOGFONTA, lfFaceName));
    std::wstring face = ToWide(std::string_view(a.lfFaceName, strnlen(a.lfFaceName, LF_FACESIZE)));
    wcsncpy(w.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return w;
}

LOGFONTA ToNarrowFont(const LOGFONTW& w) {
    LOGFONTA a{};
    memcpy(&a, &w, offsetof(LOGFONTW, lfFaceName));
    std::string face = MbCut(FromWide(std::wstring_view(w.lfFaceName, wcsnlen(w.lfFaceName, LF_FACESIZE))),
                             LF_FACESIZE - 1);
    memcpy(a.lfFaceName, face.data(), face.size());
    return a;
}

}  // namespace

CInitialMemletDlg::ChooseFontProc CInitialMemletDlg::s_chooseFont = CInitialMemletDlg::ChooseScreenFont;

CInitialMemletDlg::CInitialMemletDlg() : CDialog(IDD_INITIALMEMLETDLG) {
    for (int i = 0; i < kBrushes; i++)
        m_brush[i] = CreateSolidBrush(kBrushColours[i]);
}

CInitialMemletDlg::~CInitialMemletDlg() {
    // The window goes before the brushes it paints with.
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
    for (int i = kBrushes - 1; i >= 0; i--)
        DeleteObject(m_brush[i]);
}

bool CInitialMemletDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowValues();
    return true;
}

void CInitialMemletDlg::ShowValues() {
    const CMemletData& d = m_MemletData;
    SetDlgText(IDC_STATIC_INI_PICKPOS, kPickPos[Row(d.m_nPickPos, 4)]);
    SetDlgText(IDC_STATIC_INI_FRAME, d.m_nFrame ? "サイズ変更枠を付ける" : "サイズ変更枠を外す");
    std::string arrow = d.m_arrow.m_nArwFlag == 1 ? "あり　　線幅：" : "なし　　線幅：";
    int width = d.m_nArLineWidth;
    arrow += width >= 0 && width < 3 ? kLineWidth[width] : "Unknown";
    SetDlgText(IDC_STATIC_INI_ARROW, arrow);
    std::string gradation = "Gradation 無し";
    if (d.m_nGraFlg) {
        gradation = "Gradation 有り:";
        if (d.m_nGraPtn >= 0 && d.m_nGraPtn < 8)
            gradation += kPattern[d.m_nGraPtn];
    }
    SetDlgText(IDC_STATIC_INI_GRADATION, gradation);
    SetDlgText(IDC_STATIC_INI_FONTNAME, std::string(d.m_logFont.lfFaceName, strnlen(d.m_logFont.lfFaceName, LF_FACESIZE)));
    LONG height = d.m_logFont.lfHeight;
    if (height < 0) {
        SetDlgText(IDC_STATIC_INI_FONTSIZELABEL, "サイズ");
        SetDlgText(IDC_STATIC_INI_FONTSIZE, std::to_string(PixelToPoint(-height)));
    } else if (height > 0) {
        SetDlgText(IDC_STATIC_INI_FONTSIZELABEL, "高さ");
        SetDlgText(IDC_STATIC_INI_FONTSIZE, std::to_string(height));
    } else {
        SetDlgText(IDC_STATIC_INI_FONTSIZELABEL, "サイズ");
        SetDlgText(IDC_STATIC_INI_FONTSIZE, "デフォルト");
    }
    SetDlgText(IDC_STATIC_INI_TRANSPARENT, std::to_string(d.m_nTransparent));
    SetDlgText(IDC_STATIC_INI_MOUSEHIDE, d.m_nMouseHideCtl ? "マウス重なり透明化ON" : "マウス重なり透明化OFF");
    SetDlgText(IDC_STATIC_INI_HEIGHT, std::to_string(m_nIniHeight));
    SetDlgText(IDC_STATIC_INI_WIDTH, std::to_string(m_nIniWidth));
}

HBRUSH CInitialMemletDlg::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH brush = CDialog::OnCtlColor(dc, ctl, ctlType);
    if (ctlType != CTLCOLOR_STATIC)
        return brush;
    const CMemletData& d = m_MemletData;
    int id = GetDlgCtrlID(ctl);
    for (int s : kSummaryStatics) {
        if (s == id) {
            SetBkMode(dc, TRANSPARENT);
            return m_brush[kSummary];
        }
    }
    switch (id) {
    case IDC_STATIC_INI_TXCOLOR:
        SetBkMode(dc, TRANSPARENT);
        return m_brush[kText + Row(d.m_nTxColor, 3)];
    case IDC_STATIC_INI_COLOR:
        SetBkMode(dc, TRANSPARENT);
        return m_brush[kPickBar + Row(d.m_nColor, 5)];
    case IDC_STATIC_INI_BKCOLOR:
        SetBkMode(dc, TRANSPARENT);
        return m_brush[kBackground + Row(d.m_nBkColor, 6)];
    }
    return brush;
}

void CInitialMemletDlg::OnButtonColor() {
    CMemletData& d = m_MemletData;
    CColorSettingDlg dlg;
    dlg.m_nColor = d.m_nColor;
    dlg.m_nPickPos = d.m_nPickPos;
    dlg.m_nBkColor = d.m_nBkColor;
    dlg.m_nTxColor = d.m_nTxColor;
    dlg.m_nArwFlag = d.m_arrow.m_nArwFlag;
    dlg.m_nGraFlg = d.m_nGraFlg;
    dlg.m_nGraPtn = d.m_nGraPtn;
    dlg.m_nArLineWidth = d.m_nArLineWidth;
    if (dlg.DoModal() != IDOK)
        return;
    d.m_nColor = dlg.m_nColor;
    d.m_nPickPos = dlg.m_nPickPos;
    d.m_nBkColor = dlg.m_nBkColor;
    d.m_nTxColor = dlg.m_nTxColor;
    d.m_arrow.m_nArwFlag = dlg.m_nArwFlag;
    d.m_nGraFlg = dlg.m_nGraFlg;
    d.m_nGraPtn = dlg.m_nGraPtn;
    d.m_nArLineWidth = dlg.m_nArLineWidth;
    ShowValues();
    Invalidate();
}

void CInitialMemletDlg::OnButtonSizeFrame() {
    CSizeFrameDlg dlg;
    dlg.m_nFrame = m_MemletData.m_nFrame;
    if (dlg.DoModal() != IDOK)
        return;
    m_MemletData.m_nFrame = dlg.m_nFrame;
    ShowValues();
}

bool CInitialMemletDlg::ChooseScreenFont(HWND owner, LOGFONTA& font) {
    LOGFONTW lf = ToWideFont(font);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    // No colour, underline or strike-out: a note has its own text colour.
    cf.Flags &= ~CF_EFFECTS;
    if (!ChooseFontW(&cf))
        return false;
    font = ToNarrowFont(lf);
    return true;
}

void CInitialMemletDlg::OnButtonFont() {
    LOGFONTA font = m_MemletData.m_logFont;
    if (!s_chooseFont(m_hWnd, font))
        return;
    m_MemletData.m_logFont = font;
    ShowValues();
}

void CInitialMemletDlg::OnButtonTrans() {
    CTransSettingDlg dlg;
    dlg.m_nTransparent = m_MemletData.m_nTransparent;
    dlg.m_nMouseHideCtl = m_MemletData.m_nMouseHideCtl;
    if (dlg.DoModal() != IDOK)
        return;
    m_MemletData.m_nTransparent = dlg.m_nTransparent;
    m_MemletData.m_nMouseHideCtl = dlg.m_nMouseHideCtl;
    ShowValues();
}

void CInitialMemletDlg::OnButtonInitSize() {
    CInitSizeDlg dlg;
    dlg.m_nHeight = m_nIniHeight;
    dlg.m_nWidth = m_nIniWidth;
    if (dlg.DoModal() != IDOK)
        return;
    m_nIniHeight = dlg.m_nHeight;
    m_nIniWidth = dlg.m_nWidth;
    ShowValues();
}

bool CInitialMemletDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_BUTTON_INI_COLOR:
            OnButtonColor();
            return true;
        case IDC_BUTTON_INI_FRAME:
            OnButtonSizeFrame();
            return true;
        case IDC_BUTTON_INI_FONT:
            OnButtonFont();
            return true;
        case IDC_BUTTON_INI_TRANS:
            OnButtonTrans();
            return true;
        case IDC_BUTTON_INI_SIZE:
            OnButtonInitSize();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}
