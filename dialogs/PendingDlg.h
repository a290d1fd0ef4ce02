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
    CPendingDlg() = default;
    ~CPendingDlg();
    CPendingDlg(const CPendingDlg&) = delete;
    CPendingDlg& operator=(const CPendingDlg&) = delete;

    // Once, from the main window: the file's path, the records read at
    // start-up, and notes may be parked from then on.
    void Initialize(const std::string& path);
    // The start-up store's pending records, in file order; the store is left empty.
    void TakeLoadedData();
    // Puts the record at the front of the pending list, refills the list
    // and saves when every change is saved.
    void AddData(CMemletData data);
    // Refills the list view and the count; nothing while there is no window.
    void UpdateList();
    // Writes the file when the panel saves on every change.
    void SaveOnChange();
    // Writes the whole pending-list file: every record, newest first.
    int writeIniFile();
    int __writeIniFile();
    int writeIniItem(int index);

    std::vector<CMemletData> m_PendingList;  // newest first
    std::string m_strPath;
    CWriteIniFile m_WriteIniFile;
};
