// The pending list's records.
#include "dialogs/PendingDlg.h"
#include "panel/Hub.h"
#include "storage/MemletDataStore.h"

CPendingDlg::~CPendingDlg() {
    if (g_pPendingDlg == this)
        SetPendingDlg(nullptr);
}

void CPendingDlg::Initialize(const std::string& path) {
    m_strPath = path;
    TakeLoadedData();
    UpdateList();
    SetPendingDlg(this);
}

void CPendingDlg::TakeLoadedData() {
    if (!g_pMemletDataStore)
        return;
    m_PendingList = std::move(g_pMemletDataStore->m_PendingList);
    g_pMemletDataStore->m_PendingList.clear();
    for (CMemletData& data : m_PendingList)
        data.m_nSerial = CMemletData::NewSerial();
}

void CPendingDlg::AddData(CMemletData data) {
    data.m_nSerial = CMemletData::NewSerial();
    m_PendingList.insert(m_PendingList.begin(), std::move(data));
    UpdateList();
    SaveOnChange();
}

void CPendingDlg::UpdateList() {}

void CPendingDlg::SaveOnChange() {
    if (GetSaveTiming() == 1)
        writeIniFile();
}
