#include "dialogs/MatchConditionDlg.h"

#include "dialogs/ChildSelDlg.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

CMatchConditionDlg::CMatchConditionDlg() : CDialog(IDD_MATCHCONDITIONDLG) {
    m_brYellow = CreateSolidBrush(RGB(255, 255, 180));
}

CMatchConditionDlg::~CMatchConditionDlg() {
    // The statics use the brush until the window is gone.
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
    DeleteObject(m_brYellow);
}

void CMatchConditionDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_EDIT_TITLEPART, m_editPart);
    DDX_Control(dx, IDC_EDIT_EXPART, m_editExPart);
    DDX_Check(dx, IDC_CHECK_PROCESS, m_bProcess);
    DDX_Check(dx, IDC_CHECK_TITLE, m_bTitle);
    DDX_Text(dx, IDC_EDIT_TITLEPART, m_strPart);
    DDX_Check(dx, IDC_CHECK_TITLEFULL, m_bTitleFull);
    DDX_Check(dx, IDC_CHECK_EXFULL, m_bExFull);
    DDX_Check(dx, IDC_CHECK_EXTENT, m_bExtent);
    DDX_Text(dx, IDC_EDIT_EXPART, m_strExPart);
}

bool CMatchConditionDlg::OnInitDialog() {
    const CMemletData& d = m_MemletData;
    m_bProcess = d.m_nProcessFlag;
    m_bTitle = d.m_nTitleFlag;
    m_bTitleFull = d.m_nFull;
    m_strPart = d.m_strPart;
    m_bExtent = d.m_nExtentFlag;
    m_bExFull = d.m_nExFullFlag;
    m_strExPart = d.m_strExPart;
    ::EnableWindow(GetDlgItem(IDC_BUTTON_SELECTCHILD), m_bChildSelect != 0);
    ShowChildInfo();
    CDialog::OnInitDialog();  // the members to the controls
    return true;
}

void CMatchConditionDlg::ShowChildInfo() {
    SetDlgText(IDC_STATIC_EXCLASS, m_MemletData.m_strExClass);
    int id = m_MemletData.m_nExCtlId;
    SetDlgText(IDC_STATIC_EXCTLID, id == 0 ? std::string() : std::to_string(id));
    SetDlgText(IDC_STATIC_EXTEXT, m_MemletData.m_strExText);
}

bool CMatchConditionDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_CHECK_TITLEFULL:
            OnCheckTitleFull();
            return true;
        case IDC_CHECK_EXFULL:
            OnCheckExFull();
            return true;
        case IDC_BUTTON_ORGTITLE:
            OnButtonOrgTitle();
            return true;
        case IDC_BUTTON_ORGEXTEXT:
            OnButtonOrgExText();
            return true;
        case IDC_BUTTON_SELECTCHILD:
            OnButtonSelectChild();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}

void CMatchConditionDlg::OnCheckTitleFull() {
    UpdateData(true);
    if (m_bTitleFull == 0 && m_strPart.empty()) {
        m_strPart = m_MemletData.m_strTitle;
        UpdateData(false);
    }
}

void CMatchConditionDlg::OnCheckExFull() {
    UpdateData(true);
    if (m_bExFull == 0 && m_strExPart.empty()) {
        m_strExPart = m_MemletData.m_strExText;
        UpdateData(false);
    }
}

// Each sets its own edit only: what the user has changed elsewhere stays.
void CMatchConditionDlg::OnButtonOrgTitle() {
    m_strPart = m_MemletData.m_strTitle;
    SetDlgText(IDC_EDIT_TITLEPART, m_strPart);
}

void CMatchConditionDlg::OnButtonOrgExText() {
    m_strExPart = m_MemletData.m_strExText;
    SetDlgText(IDC_EDIT_EXPART, m_strExPart);
}

void CMatchConditionDlg::OnButtonSelectChild() {
    CChildSelDlg dlg;
    dlg.m_hWndTarget = m_MemletData.m_hWndTarget;
    dlg.m_strClass = m_MemletData.m_strExClass;
    dlg.m_nCtlId = m_MemletData.m_nExCtlId;
    dlg.m_strText = m_MemletData.m_strExText;
    if (dlg.DoModal() != IDOK)
        return;
    m_MemletData.m_strExClass = dlg.GetChildClass();
    m_MemletData.m_nExCtlId = dlg.m_nCtlId;
    m_MemletData.m_strExText = dlg.GetChildText();
    // A new child is compared whole, as shown.
    m_bExFull = 1;
    m_strExPart.clear();
    CheckDlgButton(m_hWnd, IDC_CHECK_EXFULL, BST_CHECKED);
    SetDlgText(IDC_EDIT_EXPART, m_strExPart);
    ShowChildInfo();
}

HBRUSH CMatchConditionDlg::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH brush = CDialog::OnCtlColor(dc, ctl, ctlType);
    if (ctlType != CTLCOLOR_STATIC)
        return brush;
    SetBkMode(dc, TRANSPARENT);
    int id = GetDlgCtrlID(ctl);
    if (id == IDC_STATIC_EXCLASS || id == IDC_STATIC_EXCTLID || id == IDC_STATIC_EXTEXT)
        return m_brYellow;
    return brush;
}

void CMatchConditionDlg::OnOK() {
    if (m_bWindowCheck == 1 && !::IsWindow(m_hWndCheck)) {
        EndDialog(IDCANCEL);
        return;
    }
    UpdateData(true);
    if (m_bProcess == 0 && m_bTitle == 0) {
        AppMessageBox("プロセス名かウィンドウタイトルいずれかをチェックしてください.");
        return;
    }
    if (m_bExtent == 1 && m_MemletData.m_strExClass.empty()) {
        AppMessageBox("拡張条件が選択されていますが子ウィンドウ（コンポーネント）が選択されていません");
        return;
    }
    CMemletData& d = m_MemletData;
    d.m_nProcessFlag = m_bProcess;
    d.m_nTitleFlag = m_bTitle;
    d.m_nExtentFlag = m_bExtent;
    d.m_nExFullFlag = m_bExFull;
    d.m_nFull = m_bTitleFull;
    d.m_strPart = m_strPart;
    d.m_strExPart = m_strExPart;
    EndDialog(IDOK);
}
