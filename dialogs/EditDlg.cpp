#include "dialogs/EditDlg.h"

#include "res/resource.h"

namespace {

constexpr int kTextMargin = 2;  // px, left and right, as in the note

}  // namespace

CEditDlg::CEditDlg() : CDialog(IDD_EDITDLG) {}

void CEditDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_EDIT_BODY, m_strText);
    DDX_Control(dx, IDC_EDIT_BODY, m_editText);
}

bool CEditDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_editText.SetMargins(kTextMargin, kTextMargin);
    // The control counts characters; the byte limit is the field's own.
    m_editText.LimitText(kTextLimit);
    m_editText.SetByteLimit(kTextLimit);
    // A longer text is cut on a character boundary, as the note cuts it.
    m_editText.SetLimitedText(m_strText);
    CaretToEnd();
    return true;
}

void CEditDlg::CaretToEnd() {
    int n = GetWindowTextLengthW(m_editText.m_hWnd);
    m_editText.SetSel(n, n);
}

void CEditDlg::OnSetfocusEditText() { CaretToEnd(); }

void CEditDlg::OnButtonOk() {
    UpdateData(true);
    OnOK();
}

bool CEditDlg::OnCommand(int id, int code, HWND ctl) {
    if (id == IDOK && code == BN_CLICKED) {
        OnButtonOk();
        return true;
    }
    if (id == IDC_EDIT_BODY && code == EN_SETFOCUS) {
        OnSetfocusEditText();
        return true;
    }
    return CDialog::OnCommand(id, code, ctl);
}
