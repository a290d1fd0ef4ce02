// The pending list: notes parked away from their windows, newest first, in
// a file of their own.
#pragma once
#include <string>
#include <vector>

#include "model/MemletData.h"
#include "storage/WriteIniFile.h"

// The rest of the class comes with its window.
class CPendingDlg {
public:
    // Puts the record at the front of the pending list.
    void AddData(CMemletData data);
    // Writes the whole pending-list file: every record, newest first.
    int writeIniFile();
    int __writeIniFile();
    int writeIniItem(int index);

    std::vector<CMemletData> m_PendingList;  // newest first
    std::string m_strPath;
    CWriteIniFile m_WriteIniFile;
};
