// The import cache's window.
#include "dialogs/InportStackDlg.h"

#include "dialogs/MemletListView.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "panel/Hub.h"
#include "res/resource.h"

CInportStackDlg::CInportStackDlg() : CDialog(IDD_INPORTSTACKDLG) {}

void CInportStackDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_LIST_INPORTSTACK, m_ListCtrl);
    DDX_Check(dx, IDC_CHECK_CLOSEAFTERIMPORT, m_nCloseAfterImport);
}

bool CInportStackDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetupMemletList(m_ListCtrl);
    m_nCloseAfterImport = 1;
    UpdateData(false);
    UpdateList();
    return true;
}

void CInportStackDlg::OnCancel() { ShowWindow(SW_HIDE); }

bool CInportStackDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_BUTTON_DELETEDATA:
            OnButtonDelete();
            return true;
        case IDC_BUTTON_CLEARDATA:
            OnButtonClear();
            return true;
        case IDC_BUTTON_OPENFILE:
            OnButtonOpen();
            return true;
        case IDC_BUTTON_IMPORTALL:
            OnButtonImportAll();
            return true;
        case IDC_BUTTON_IMPORTONE:
            OnButtonImport();
            return true;
        case IDC_BUTTON_IMPORTREPLACE:
            OnButtonReplace();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}

void CInportStackDlg::UpdateList() { FillMemletList(m_ListCtrl, m_MemletList); }

void CInportStackDlg::OnButtonClear() {
    m_MemletList.clear();
    UpdateList();
}

void CInportStackDlg::OnButtonDelete() { DeleteSelectedMemlet(m_ListCtrl, m_MemletList); }

void CInportStackDlg::OnButtonOpen() {
    if (!m_MemletList.empty()) {
        AppMessageBox("キャッシュにデータがあります.", MB_OK);
        return;
    }
    CFileDialogArgs args;
    args.open = true;
    args.defExt = "qvx";
    args.filter = "コルヴァナ(*.qvx)|*.qvx|INIファイル(*.ini)|*.ini|全てのファイル(*.*)|*.*||";
    args.flags = OFN_HIDEREADONLY;
    std::wstring path;
    if (!AppFileDialog(args, path))
        return;
    ReadImportFile(path);
    UpdateList();
}

void CInportStackDlg::OnButtonImportAll() {
    if (m_MemletList.empty()) {
        AppMessageBox("インポートするデータがありません.", MB_OK);
        return;
    }
    // Each goes to the front of the panel's list: the last ends up first.
    std::vector<CMemletData> records;
    records.swap(m_MemletList);
    for (const CMemletData& data : records)
        InsertMemlet(data);
    UpdateList();
    UpdateData(true);
    if (m_nCloseAfterImport == 1)
        ShowWindow(SW_HIDE);
}

void CInportStackDlg::OnButtonImport() {
    uint64_t serial = 0;
    int i = SelectedRecord(m_ListCtrl, m_MemletList, serial);
    if (i >= 0)
        InsertMemlet(m_MemletList[i]);  // the record stays for another import
}

void CInportStackDlg::OnButtonReplace() {
    uint64_t serial = 0;
    int i = SelectedRecord(m_ListCtrl, m_MemletList, serial);
    if (i < 0)
        return;
    if (!RepasteMemlet(m_MemletList[i]))
        return;
    // The window selection ran a loop of its own: the cache may have changed.
    i = FindBySerial(m_MemletList, serial);
    if (i < 0)
        return;
    m_MemletList.erase(m_MemletList.begin() + i);
    UpdateList();
}
