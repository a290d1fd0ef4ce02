// The export cache: notes collected for writing to an export file.
#pragma once
#include "model/MemletData.h"

// The rest of the class comes with its window.
class CExportStackDlg {
public:
    // Appends a copy to the end of the cache.
    void AddData(CMemletData data);
};
