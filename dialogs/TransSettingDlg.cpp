#include "dialogs/TransSettingDlg.h"

#include "res/resource.h"

namespace {

constexpr int kMinPercent = 20;
constexpr int kMaxPercent = 100;

}  // namespace

CTransSettingDlg::CTransSettingDlg() : CDialog(IDD_TRANSSETTINGDLG) {}

void CTransSettingDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_SPIN_PERCENT, m_spin);
    DDX_Radio(dx, IDC_RADIO_MOUSEHIDE_OFF, m_nMouseHideCtl);
    DDX_Check(dx, IDC_CHECK_BKTRANSPARENT, m_nBkTransparent);
}

bool CTransSettingDlg::OnInitDialog() {
    m_nGivenMouseHideCtl = m_nMouseHideCtl;
    CDialog::OnInitDialog();
    m_spin.SetRange32(kMinPercent, kMaxPercent);
    m_spin.SetPos32(m_nTransparent);
    if (m_nTargetCheck == 0) {
        ::EnableWindow(GetDlgItem(IDC_CHECK_BKTRANSPARENT), FALSE);
        ::EnableWindow(GetDlgItem(IDC_GROUP_BKTRANSPARENT), FALSE);
    }
    OnCheckBkTransparent();
    return true;
}

void CTransSettingDlg::OnCheckBkTransparent() {
    UpdateData(true);
    bool transparent = m_nBkTransparent == 1;
    ::EnableWindow(GetDlgItem(IDC_RADIO_MOUSEHIDE_OFF), !transparent);
    ::EnableWindow(GetDlgItem(IDC_RADIO_MOUSEHIDE_ON), !transparent);
    if (transparent) {
        m_nMouseHideCtl = 0;
        UpdateData(false);
    }
}

void CTransSettingDlg::OnOK() {
    // Text in the field that is no percent within the range leaves the
    // position the control last took.
    m_nTransparent = m_spin.GetPos32();
    // The note was closed meanwhile: nothing is to be written into it.
    if (m_nTargetCheck == 1 && !::IsWindow(m_hTargetWnd)) {
        EndDialog(IDCANCEL);
        return;
    }
    if (!UpdateData(true))
        return;
    if (m_nMouseHideCtl == -1)
        m_nMouseHideCtl = m_nGivenMouseHideCtl;
    EndDialog(IDOK);
}

bool CTransSettingDlg::OnCommand(int id, int code, HWND ctl) {
    if (id == IDC_CHECK_BKTRANSPARENT && code == BN_CLICKED) {
        OnCheckBkTransparent();
        return true;
    }
    return CDialog::OnCommand(id, code, ctl);
}
