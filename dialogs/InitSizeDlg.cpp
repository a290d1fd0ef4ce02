#include "dialogs/InitSizeDlg.h"

#include "model/PropatyData.h"
#include "res/resource.h"

CInitSizeDlg::CInitSizeDlg() : CDialog(IDD_INITSIZEDLG) {}

void CInitSizeDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_SPIN_INISIZE_WIDTH, m_spinWidth);
    DDX_Control(dx, IDC_SPIN_INISIZE_HEIGHT, m_spinHeight);
}

bool CInitSizeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CPropatyData limits;  // the panel's, or the defaults while there is none
    const CPropatyData& p = g_pPropatyData ? *g_pPropatyData : limits;
    m_spinHeight.SetRange32(p.m_nMinHeight, p.m_nMaxHeight);
    m_spinHeight.SetPos32(m_nHeight);
    m_spinWidth.SetRange32(p.m_nMinWidth, p.m_nMaxWidth);
    m_spinWidth.SetPos32(m_nWidth);
    return true;
}

void CInitSizeDlg::OnOK() {
    // Text that is no size within the range leaves the last valid position.
    m_nHeight = m_spinHeight.GetPos32();
    m_nWidth = m_spinWidth.GetPos32();
    CDialog::OnOK();
}
