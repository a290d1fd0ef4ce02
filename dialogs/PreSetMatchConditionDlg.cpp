#include "dialogs/PreSetMatchConditionDlg.h"

#include "dialogs/ListRows.h"
#include "dialogs/PoreSetSettingDlg.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

CPreSetMatchConditionDlg::CPreSetMatchConditionDlg() : CDialog(IDD_PRESETMATCHCONDITIONDLG) {}

CPreSetMatchConditionDlg::~CPreSetMatchConditionDlg() {
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
}

void CPreSetMatchConditionDlg::DoDataExchange(CDataExchange& dx) { DDX_Control(dx, IDC_LIST_PRESET, m_ListCtrl); }

bool CPreSetMatchConditionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetListStyle(m_ListCtrl);
    m_ListCtrl.InsertColumn(0, "条件名称", LVCFMT_LEFT, 100);
    m_ListCtrl.InsertColumn(1, "ProgramName", LVCFMT_LEFT, 100);
    m_ListCtrl.InsertColumn(2, "  ", LVCFMT_LEFT, 10);
    RefreshList();
    return true;
}

void CPreSetMatchConditionDlg::RefreshList() {
    int mark = m_ListCtrl.GetSelectionMark();
    m_ListCtrl.SetRedraw(false);
    m_ListCtrl.DeleteAllItems();
    for (size_t i = 0; i < m_PreSetList.size(); i++) {
        int row = m_ListCtrl.InsertItem((int)i, m_PreSetList[i].m_strCondName);
        m_ListCtrl.SetItemText(row, 1, m_PreSetList[i].m_strExeName);
        m_ListCtrl.SetItemText(row, 2, "");
    }
    if (mark >= 0 && mark < (int)m_PreSetList.size())
        SelectListRow(m_ListCtrl, mark);
    else
        m_ListCtrl.SetSelectionMark(-1);
    m_ListCtrl.SetRedraw(true);
}

bool CPreSetMatchConditionDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_BUTTON_PRESETADD:
            OnButtonAdd();
            return true;
        case IDC_BUTTON_PRESETCHANGE:
            OnButtonChange();
            return true;
        case IDC_BUTTON_PRESETDELETE:
            OnButtonDelete();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}

void CPreSetMatchConditionDlg::OnButtonAdd() {
    CPreSetCondData entered;
    CPoreSetSettingDlg dlg;
    dlg.m_nMode = 1;
    for (;;) {
        dlg.m_PreSetCondData = entered;
        if (dlg.DoModal() != IDOK)
            return;
        entered = dlg.GetPreSetCondData();
        bool exists = false;
        for (const CPreSetCondData& p : m_PreSetList)
            if (p.m_strExeName == entered.m_strExeName)
                exists = true;
        if (!exists) {
            m_PreSetList.push_back(entered);
            RefreshList();
            return;
        }
        std::string question = "プロセス名：" + entered.m_strExeName + " の設定は既に存在します.\r\n設定を破棄しましか？";
        if (AppMessageBox(question, MB_YESNO) == IDYES)
            return;
    }
}

void CPreSetMatchConditionDlg::OnButtonChange() {
    int mark = m_ListCtrl.GetSelectionMark();
    if (mark < 0 || mark >= (int)m_PreSetList.size()) {
        AppMessageBox("変更する条件を選択してください");
        return;
    }
    CPoreSetSettingDlg dlg;
    dlg.m_nMode = 0;
    dlg.m_PreSetCondData = m_PreSetList[mark];
    if (dlg.DoModal() != IDOK)
        return;
    m_PreSetList[mark] = dlg.GetPreSetCondData();
    RefreshList();
}

void CPreSetMatchConditionDlg::OnButtonDelete() {
    int mark = m_ListCtrl.GetSelectionMark();
    if (mark < 0 || mark >= (int)m_PreSetList.size()) {
        AppMessageBox("削除する条件を選択してください");
        return;
    }
    m_PreSetList.erase(m_PreSetList.begin() + mark);
    RefreshList();
}

void CPreSetMatchConditionDlg::OnOK() { EndDialog(IDOK); }
