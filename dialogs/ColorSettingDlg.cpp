#include "dialogs/ColorSettingDlg.h"

#include "res/resource.h"

namespace {

// The sample beside each colour radio, and its brush.
const struct {
    int id;
    int brush;
} kSamples[] = {
    {IDC_STATIC_PICK_RED, 0},    {IDC_STATIC_PICK_GREEN, 1},  {IDC_STATIC_PICK_BLUE, 2},
    {IDC_STATIC_PICK_ORANGE, 3}, {IDC_STATIC_PICK_BLACK, 4},  {IDC_STATIC_BK_RED, kPickBarRows + 1},
    {IDC_STATIC_BK_GREEN, kPickBarRows + 2}, {IDC_STATIC_BK_BLUE, kPickBarRows + 3},
    {IDC_STATIC_BK_ORANGE, kPickBarRows + 4}, {IDC_STATIC_BK_GREY, kPickBarRows + 5},
};

const int kPatternRadios[] = {
    IDC_RADIO_GRA_TOPDOWN,        IDC_RADIO_GRA_BOTTOMUP,     IDC_RADIO_GRA_LEFTRIGHT,
    IDC_RADIO_GRA_RIGHTLEFT,      IDC_RADIO_GRA_TOWARDMIDDLE_V, IDC_RADIO_GRA_FROMMIDDLE_V,
    IDC_RADIO_GRA_TOWARDMIDDLE_H, IDC_RADIO_GRA_FROMMIDDLE_H,
};

// What a group read: its checked radio, or the caller's value when none is.
void KeepGiven(int& value, int given) {
    if (value == -1)
        value = given;
}

}  // namespace

CColorSettingDlg::CColorSettingDlg() : CDialog(IDD_COLORSETTINGDLG) {
    // The samples show the note's own colours: the pick-bar rows, then the
    // background rows (white has no sample).
    int n = 0;
    for (int i = 0; i < kPickBarRows; i++)
        m_brSample[n++] = CreateSolidBrush(PickBarColor(i));
    for (int i = 0; i < kBackRows; i++)
        m_brSample[n++] = CreateSolidBrush(BackColor(i));
}

CColorSettingDlg::~CColorSettingDlg() {
    // The window goes before the brushes it paints with.
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
    for (int i = kPickBarRows + kBackRows - 1; i >= 0; i--)
        DeleteObject(m_brSample[i]);
}

void CColorSettingDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Radio(dx, IDC_RADIO_PICK_RED, m_nColor);
    DDX_Radio(dx, IDC_RADIO_POS_RIGHT, m_nPickPos);
    DDX_Radio(dx, IDC_RADIO_BK_WHITE, m_nBkColor);
    DDX_Radio(dx, IDC_RADIO_TX_BLACK, m_nTxColor);
    DDX_Radio(dx, IDC_RADIO_ARROW_NONE, m_nArwFlag);
    DDX_Check(dx, IDC_CHECK_GRADATION, m_nGraFlg);
    DDX_Radio(dx, IDC_RADIO_GRA_TOPDOWN, m_nGraPtn);
    DDX_Radio(dx, IDC_RADIO_LINE_THIN, m_nArLineWidth);
}

bool CColorSettingDlg::OnInitDialog() {
    m_given = Given{m_nColor, m_nPickPos, m_nBkColor, m_nTxColor, m_nArwFlag, m_nGraPtn, m_nArLineWidth};
    CDialog::OnInitDialog();
    EnableGradationPattern();
    return true;
}

void CColorSettingDlg::EnableGradationPattern() {
    for (int id : kPatternRadios)
        ::EnableWindow(GetDlgItem(id), m_nGraFlg == 1);
}

void CColorSettingDlg::OnCheckGradation() {
    UpdateData(true);
    EnableGradationPattern();
}

void CColorSettingDlg::OnOK() {
    // The note was closed meanwhile: nothing is to be written into it.
    if (m_nTargetCheck == 1 && !::IsWindow(m_hTargetWnd)) {
        EndDialog(IDCANCEL);
        return;
    }
    if (!UpdateData(true))
        return;
    KeepGiven(m_nColor, m_given.color);
    KeepGiven(m_nPickPos, m_given.pickPos);
    KeepGiven(m_nBkColor, m_given.bkColor);
    KeepGiven(m_nTxColor, m_given.txColor);
    KeepGiven(m_nArwFlag, m_given.arwFlag);
    KeepGiven(m_nGraPtn, m_given.graPtn);
    KeepGiven(m_nArLineWidth, m_given.arLineWidth);
    EndDialog(IDOK);
}

bool CColorSettingDlg::OnCommand(int id, int code, HWND ctl) {
    if (id == IDC_CHECK_GRADATION && code == BN_CLICKED) {
        OnCheckGradation();
        return true;
    }
    return CDialog::OnCommand(id, code, ctl);
}

HBRUSH CColorSettingDlg::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH brush = CDialog::OnCtlColor(dc, ctl, ctlType);
    if (ctlType == CTLCOLOR_BTN)
        return (HBRUSH)GetStockObject(NULL_BRUSH);
    if (ctlType == CTLCOLOR_STATIC) {
        // Radio buttons, check boxes and group boxes ask as statics too.
        SetBkMode(dc, TRANSPARENT);
        int id = GetDlgCtrlID(ctl);
        for (const auto& s : kSamples) {
            if (s.id == id)
                return m_brSample[s.brush];
        }
    }
    return brush;
}
