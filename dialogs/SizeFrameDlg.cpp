#include "dialogs/SizeFrameDlg.h"

#include "res/resource.h"

CSizeFrameDlg::CSizeFrameDlg() : CDialog(IDD_SIZEFRAMEDLG) {}

void CSizeFrameDlg::DoDataExchange(CDataExchange& dx) { DDX_Radio(dx, IDC_RADIO_FRAME_OFF, m_nFrame); }

bool CSizeFrameDlg::OnInitDialog() {
    m_nGivenFrame = m_nFrame;
    CDialog::OnInitDialog();
    UpdateData(false);
    return true;
}

void CSizeFrameDlg::OnOK() {
    if (!UpdateData(true))
        return;
    if (m_nFrame == -1)
        m_nFrame = m_nGivenFrame;
    EndDialog(IDOK);
}
