#include "dialogs/PoreSetSettingDlg.h"

#include "dialogs/ChildSelDlg.h"
#include "dialogs/WinExSelDlg.h"
#include "framework/MessageBox.h"
#include "panel/Hub.h"
#include "res/resource.h"

CPoreSetSettingDlg::CPoreSetSettingDlg() : CDialog(IDD_PRESETSETTINGDLG) {}

void CPoreSetSettingDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Check(dx, IDC_CHECK_PRESET_EXTENT, m_bExtent);
    DDX_Check(dx, IDC_CHECK_PRESET_PROCESS, m_bProcess);
    DDX_Check(dx, IDC_CHECK_PRESET_TITLE, m_bTitle);
    DDX_Control(dx, IDC_EDIT_CONDNAME, m_editName);
    DDX_Text(dx, IDC_EDIT_CONDNAME, m_strName);
}

bool CPoreSetSettingDlg::OnInitDialog() {
    m_bExtent = m_PreSetCondData.m_nExtentFlag;
    m_bProcess = m_PreSetCondData.m_nProcessFlag;
    m_bTitle = m_PreSetCondData.m_nTitleFlag;
    m_strName = m_PreSetCondData.m_strCondName;
    ShowCondData();
    CDialog::OnInitDialog();  // the members to the controls
    return true;
}

void CPoreSetSettingDlg::ShowCondData() {
    SetDlgText(IDC_EDIT_CONDNAME, m_PreSetCondData.m_strCondName);
    SetDlgText(IDC_EDIT_EXENAME, m_PreSetCondData.m_strExeName);
    SetDlgText(IDC_EDIT_EXCLASS, m_PreSetCondData.m_strExClass);
    SetDlgText(IDC_EDIT_EXCTLID, std::to_string(m_PreSetCondData.m_nExCtlId));
}

bool CPoreSetSettingDlg::OnCommand(int id, int code, HWND ctl) {
    if (id == IDC_BUTTON_RUNNINGWINDOW && code == BN_CLICKED) {
        OnButtonRunningWindow();
        return true;
    }
    return CDialog::OnCommand(id, code, ctl);
}

INT_PTR CPoreSetSettingDlg::PickWindowAndChild(std::string& exeName, std::string& className, int& ctlId) {
    CWinExSelDlg dlg;
    dlg.m_strProcessName = exeName;
    dlg.m_strClass = className;
    dlg.m_nCtlId = ctlId;
    INT_PTR result = dlg.DoModal();
    if (result == IDOK) {
        exeName = dlg.GetProcessName();
        className = dlg.GetChildClass();
        ctlId = dlg.m_nCtlId;
    }
    return result;
}

INT_PTR CPoreSetSettingDlg::PickChild(HWND target, std::string& className, int& ctlId) {
    CChildSelDlg dlg;
    dlg.m_hWndTarget = target;
    dlg.m_strClass = className;
    dlg.m_nCtlId = ctlId;
    INT_PTR result = dlg.DoModal();
    if (result == IDOK) {
        className = dlg.GetChildClass();
        ctlId = dlg.m_nCtlId;
    }
    return result;
}

void CPoreSetSettingDlg::OnButtonRunningWindow() {
    CPreSetCondData& p = m_PreSetCondData;
    if (m_nMode == 1) {
        std::string exeName = p.m_strExeName, className = p.m_strExClass;
        int ctlId = p.m_nExCtlId;
        if (PickWindowAndChild(exeName, className, ctlId) != IDOK)
            return;
        p.m_strExeName = exeName;
        p.m_strExClass = className;
        p.m_nExCtlId = ctlId;
        if (GetDlgText(IDC_EDIT_CONDNAME).empty()) {
            p.m_strCondName = p.m_strExeName;
            SetDlgText(IDC_EDIT_CONDNAME, p.m_strCondName);
        }
    } else {
        HWND target = nullptr;
        for (const CWinInf& w : GetWindowList())
            if (w.m_strProcessName == p.m_strExeName)
                target = w.m_hWnd;
        if (!target) {
            AppMessageBox("現在該当プロセスのウィンドウが存在しません");
            return;
        }
        std::string className = p.m_strExClass;
        int ctlId = p.m_nExCtlId;
        if (PickChild(target, className, ctlId) != IDOK)
            return;
        p.m_strExClass = className;
        p.m_nExCtlId = ctlId;
        if (GetDlgText(IDC_EDIT_CONDNAME).empty())
            SetDlgText(IDC_EDIT_CONDNAME, p.m_strCondName);
    }
    SetDlgText(IDC_EDIT_EXENAME, p.m_strExeName);
    SetDlgText(IDC_EDIT_EXCLASS, p.m_strExClass);
    SetDlgText(IDC_EDIT_EXCTLID, std::to_string(p.m_nExCtlId));
}

void CPoreSetSettingDlg::OnOK() {
    UpdateData(true);
    const CPreSetCondData& p = m_PreSetCondData;
    if (m_strName.empty()) {
        AppMessageBox("条件名が設定されていません");
        return;
    }
    if (p.m_strExeName.empty()) {
        AppMessageBox("プロセス名が設定されていません");
        return;
    }
    if (p.m_strExClass.empty()) {
        AppMessageBox("ウィンドウクラス名が設定されていません");
        return;
    }
    if (m_bExtent == 0 && AppMessageBox("拡張条件がチェックされていません.よろしいですか？", MB_YESNO) != IDYES)
        return;
    if (m_bTitle == 0 && AppMessageBox("タイトル条件がチェックされていません.よろしいですか？", MB_YESNO) != IDYES)
        return;
    if (m_bProcess == 0 && AppMessageBox("プロセス名条件がチェックされていません.よろしいですか？", MB_YESNO) != IDYES)
        return;
    m_PreSetCondData.m_nExtentFlag = m_bExtent;
    m_PreSetCondData.m_nProcessFlag = m_bProcess;
    m_PreSetCondData.m_nTitleFlag = m_bTitle;
    m_PreSetCondData.m_strCondName = m_strName;
    EndDialog(IDOK);
}
