// The import cache: the records of one export file (or data file, of this
// program or of the earlier one), read after a fixed series of checks, to be
// made notes of all at once, one at a time, or pasted again on a window.
// A modeless dialog created hidden by the main window; not in the hub.
#pragma once
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "model/MemletData.h"

class CInportStackDlg : public CDialog {
public:
    CInportStackDlg();

    // Reads the file into the cache when it passes the checks, asking and
    // telling the user as it goes. Returns the number of records read.
    int ReadImportFile(const std::wstring& path);
    void UpdateList();

    void OnButtonOpen();
    void OnButtonImportAll();
    void OnButtonImport();
    void OnButtonReplace();
    void OnButtonClear();
    void OnButtonDelete();

    CListCtrl m_ListCtrl;
    std::vector<CMemletData> m_MemletList;  // in the file's order; row i is record i
    int m_nCloseAfterImport = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND ctl) override;
};
