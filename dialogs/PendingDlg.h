// The pending list: notes parked away from their windows, newest first, in
// a file of their own. A modeless dialog created hidden by the main window,
// which hands it the file's path; published in the hub from then on.
#pragma once
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "model/MemletData.h"
#include "storage/ListFilePair.h"
#include "storage/WriteIniFile.h"

class CPendingDlg : public CDialog {
public:
    CPendingDlg();
    ~CPendingDlg() override;

    // Once, from the main window: the file's path, the records read at
    // start-up, and notes may be parked from then on.
    void Initialize(const std::wstring& path);
    // The start-up store's pending records, in file order; the store is left empty.
    void TakeLoadedData();
    // Puts the record at the front of the pending list, refills the list
    // and saves when every change is saved.
    void AddData(CMemletData data);
    // Refills the list view and the count; nothing while there is no window.
    void UpdateList();
    void UpdateCount();
    // Writes the file when the panel saves on every change.
    void SaveOnChange();
    // Writes the whole pending-list file: every record, newest first. 0
    // when it could not be written (the user has been told).
    int writeIniFile();
    int __writeIniFile();
    int writeIniItem(int index);
    // The list and its file, for the panel's save of both files.
    CListFile ListFile();
    // The box of a file that could not be written.
    void TellUnsaved();

    void OnButtonActive();
    void OnButtonDelete();
    void OnButtonExport();
    void OnButtonReplace();

    CListCtrl m_ListCtrl;
    std::vector<CMemletData> m_PendingList;  // newest first; row i is record i
    std::wstring m_strPath;
    CWriteIniFile m_WriteIniFile;
    std::vector<uint64_t> m_FileSerials;  // the records the file holds
    HBRUSH m_brCount;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND ctl) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;

private:
    // Record i out of the list and the list refilled; the record is given
    // back. The file is saved (SaveOnChange) once the record has gone where
    // it goes, so that a note on its way is in a file at every moment.
    CMemletData TakeAt(int i);
};
