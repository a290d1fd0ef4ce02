// The export cache's window.
#include "dialogs/ExportStackDlg.h"

#include "dialogs/MemletListView.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "panel/Hub.h"
#include "res/resource.h"

CExportStackDlg::CExportStackDlg() : CDialog(IDD_EXPORTSTACKDLG) {}

CExportStackDlg::~CExportStackDlg() {
    if (g_pExportStackDlg == this)
        SetExportStackDlg(nullptr);
}

void CExportStackDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_LIST_EXPORTSTACK, m_ListCtrl);
    DDX_Check(dx, IDC_CHECK_CLEARAFTERSAVE, m_nClearAfterSave);
    DDX_Check(dx, IDC_CHECK_CLOSEAFTERSAVE, m_nCloseAfterSave);
}

bool CExportStackDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetupMemletList(m_ListCtrl);
    SetExportStackDlg(this);
    m_nClearAfterSave = 1;
    m_nCloseAfterSave = 1;
    UpdateData(false);
    UpdateList();
    return true;
}

void CExportStackDlg::OnCancel() { ShowWindow(SW_HIDE); }

bool CExportStackDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_BUTTON_DELETEDATA:
            OnButtonDelete();
            return true;
        case IDC_BUTTON_CLEARDATA:
            OnButtonClear();
            return true;
        case IDC_BUTTON_GETALL:
            OnButtonGetAll();
            return true;
        case IDC_BUTTON_SAVEFILE:
            OnButtonSave();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}

void CExportStackDlg::OnButtonSave() {
    if (m_MemletList.empty()) {
        AppMessageBox("エクスポートキャッシュにデータがありません.", MB_OK);
        return;
    }
    CFileDialogArgs args;
    args.open = false;
    args.defExt = "qvx";
    args.filter = "コルヴァナ(*.qvx)|*.qvx|全てのファイル(*.*)|*.*||";
    args.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    std::wstring path;
    if (!AppFileDialog(args, path))
        return;
    // What could not be written stays in the cache, to be saved elsewhere.
    if (!WriteExportFile(path)) {
        AppMessageBox("エクスポートファイルを保存できませんでした。", MB_OK);
        return;
    }
    UpdateData(true);
    if (m_nClearAfterSave == 1) {
        m_MemletList.clear();
        UpdateList();
    }
    if (m_nCloseAfterSave == 1)
        ShowWindow(SW_HIDE);
}
