// The pending list's window: back to the panel, delete, export, paste again.
#include "dialogs/PendingDlg.h"

#include "dialogs/MemletListView.h"
#include "dialogs/WindowSelDlg.h"
#include "framework/MessageBox.h"
#include "panel/Hub.h"
#include "res/resource.h"

CPendingDlg::CPendingDlg() : CDialog(IDD_PENDINGDLG), m_brCount(CreateSolidBrush(RGB(255, 255, 180))) {}

CPendingDlg::~CPendingDlg() {
    if (g_pPendingDlg == this)
        SetPendingDlg(nullptr);
    if (m_brCount)
        DeleteObject(m_brCount);
}

void CPendingDlg::DoDataExchange(CDataExchange& dx) { DDX_Control(dx, IDC_LIST_PENDING, m_ListCtrl); }

bool CPendingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetupMemletList(m_ListCtrl);
    UpdateList();
    return true;
}

void CPendingDlg::OnCancel() { ShowWindow(SW_HIDE); }

bool CPendingDlg::OnCommand(int id, int code, HWND ctl) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_BUTTON_ACTIVE:
            OnButtonActive();
            return true;
        case IDC_BUTTON_DELETEDATA:
            OnButtonDelete();
            return true;
        case IDC_BUTTON_PENDINGEXPORT:
            OnButtonExport();
            return true;
        case IDC_BUTTON_PENDINGREPLACE:
            OnButtonReplace();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, ctl);
}

HBRUSH CPendingDlg::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH brush = CDialog::OnCtlColor(dc, ctl, ctlType);
    if (ctlType == CTLCOLOR_STATIC) {
        SetBkMode(dc, TRANSPARENT);
        if (::GetDlgCtrlID(ctl) == IDC_STATIC_PENDINGCOUNT)
            return m_brCount;
    }
    return brush;
}

CMemletData CPendingDlg::TakeAt(int i) {
    CMemletData data = m_PendingList[i];
    m_PendingList.erase(m_PendingList.begin() + i);
    UpdateList();
    return data;
}

void CPendingDlg::OnButtonActive() {
    uint64_t serial = 0;
    int i = SelectedRecord(m_ListCtrl, m_PendingList, serial);
    if (i < 0)
        return;
    InsertMemlet(TakeAt(i));
    SaveOnChange();
}

void CPendingDlg::OnButtonDelete() {
    uint64_t serial = 0;
    if (SelectedRecord(m_ListCtrl, m_PendingList, serial) < 0)
        return;
    // Notes may be parked while the question is open: the row moves on.
    if (AppMessageBox("選択したデータを削除してよろしいですか.？", MB_YESNO) != IDYES)
        return;
    int i = FindBySerial(m_PendingList, serial);
    if (i < 0)
        return;
    TakeAt(i);
    SaveOnChange();
}

void CPendingDlg::OnButtonExport() {
    uint64_t serial = 0;
    int i = SelectedRecord(m_ListCtrl, m_PendingList, serial);
    if (i >= 0)
        AddExportStack(m_PendingList[i]);  // the record stays here
}

void CPendingDlg::OnButtonReplace() {
    uint64_t serial = 0;
    if (SelectedRecord(m_ListCtrl, m_PendingList, serial) < 0)
        return;
    CWindowSelDlg dlg;
    dlg.SetWinInfList(GetWindowList());
    if (dlg.DoModal() != IDOK)
        return;
    CWinInf chosen = dlg.GetWinInf();
    int i = FindBySerial(m_PendingList, serial);
    if (i < 0)
        return;
    // Out of the list before the panel has it; out of the file after.
    RepasteToWinInf(std::move(chosen), TakeAt(i));
    SaveOnChange();
}
