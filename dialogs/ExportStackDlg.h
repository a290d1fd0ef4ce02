// The export cache: copies of notes collected for writing to an export file.
// It lives in memory only; a modeless dialog created hidden by the main
// window, published in the hub from its initialisation.
#pragma once
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "model/MemletData.h"

class CExportStackDlg : public CDialog {
public:
    CExportStackDlg();
    ~CExportStackDlg() override;

    // Appends a copy to the end of the cache and refills the list, shown
    // or hidden.
    void AddData(CMemletData data);
    // Refills the list view from the cache; nothing while there is no window.
    void UpdateList();
    // Writes every record, text in plain hexadecimal. False when the file
    // could not be written whole; an old file there is then left as it was.
    bool WriteExportFile(const std::wstring& path);

    void OnButtonClear();
    void OnButtonDelete();
    void OnButtonGetAll();
    void OnButtonSave();

    CListCtrl m_ListCtrl;
    std::vector<CMemletData> m_MemletList;  // oldest first; row i is record i
    int m_nClearAfterSave = 0;
    int m_nCloseAfterSave = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCancel() override;
    bool OnCommand(int id, int code, HWND ctl) override;
};
