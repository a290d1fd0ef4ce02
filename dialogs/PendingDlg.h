// The pending list: notes parked away from their windows.
#pragma once
#include "model/MemletData.h"

// The rest of the class comes with its window.
class CPendingDlg {
public:
    // Puts the record at the front of the pending list.
    void AddData(CMemletData data);
    // Writes the whole pending-list file.
    int writeIniFile();
};
