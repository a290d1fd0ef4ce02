// The export cache's records.
#include "dialogs/ExportStackDlg.h"
#include "dialogs/MemletListView.h"
#include "panel/Hub.h"

void CExportStackDlg::AddData(CMemletData data) {
    data.m_nSerial = CMemletData::NewSerial();
    m_MemletList.push_back(std::move(data));
    UpdateList();
}

void CExportStackDlg::UpdateList() { FillMemletList(m_ListCtrl, m_MemletList); }

void CExportStackDlg::OnButtonClear() {
    m_MemletList.clear();
    UpdateList();
}

void CExportStackDlg::OnButtonDelete() { DeleteSelectedMemlet(m_ListCtrl, m_MemletList); }

void CExportStackDlg::OnButtonGetAll() {
    std::vector<CMemletData>* notes = GetDataList();
    if (!notes)
        return;
    // Copies that hold no note window: a note closed later leaves them whole.
    std::vector<CMemletData> copies = *notes;
    for (CMemletData& copy : copies) {
        copy.CopyWindowForExport();
        copy.m_pMemletWin = nullptr;
        copy.m_bAttached = 0;
        copy.m_hWndTarget = nullptr;
        copy.m_nSerial = CMemletData::NewSerial();
        m_MemletList.push_back(std::move(copy));
    }
    UpdateList();
}
