// The pending list's records; its window and its making are in PendingDlg.cpp.
#include "dialogs/MemletListView.h"
#include "dialogs/PendingDlg.h"
#include "panel/Hub.h"
#include "res/resource.h"
#include "storage/MemletDataStore.h"

void CPendingDlg::Initialize(const std::wstring& path) {
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
    m_FileSerials = SerialsOf(m_PendingList);
}

void CPendingDlg::AddData(CMemletData data) {
    data.m_nSerial = CMemletData::NewSerial();
    m_PendingList.insert(m_PendingList.begin(), std::move(data));
    UpdateList();
    SaveOnChange();
}

void CPendingDlg::UpdateList() {
    if (!m_ListCtrl.m_hWnd)
        return;
    FillMemletList(m_ListCtrl, m_PendingList);
    UpdateCount();
}

void CPendingDlg::UpdateCount() {
    if (m_hWnd)
        SetDlgText(IDC_STATIC_PENDINGCOUNT, std::to_string(m_PendingList.size()));
}

void CPendingDlg::SaveOnChange() {
    if (GetSaveTiming() == 1)
        writeIniFile();
}
