// The export cache: notes collected for writing to an export file. It
// lives in memory only.
#pragma once
#include <vector>

#include "model/MemletData.h"

// The rest of the class comes with its window.
class CExportStackDlg {
public:
    CExportStackDlg() = default;
    ~CExportStackDlg();
    CExportStackDlg(const CExportStackDlg&) = delete;
    CExportStackDlg& operator=(const CExportStackDlg&) = delete;

    // Appends a copy to the end of the cache and refills the list.
    void AddData(CMemletData data);
    // Refills the list view from the cache; nothing while there is no window.
    void UpdateList();

    std::vector<CMemletData> m_MemletList;  // oldest first; row i is record i
};
