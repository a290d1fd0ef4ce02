// The export cache's records.
#include "dialogs/ExportStackDlg.h"
#include "panel/Hub.h"

CExportStackDlg::~CExportStackDlg() {
    if (g_pExportStackDlg == this)
        SetExportStackDlg(nullptr);
}

void CExportStackDlg::AddData(CMemletData data) {
    data.m_nSerial = CMemletData::NewSerial();
    m_MemletList.push_back(std::move(data));
    UpdateList();
}

void CExportStackDlg::UpdateList() {}
