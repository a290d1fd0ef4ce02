// The per-application presets: a list with add, change and delete, on a
// copy of the panel's presets. After IDOK the caller takes the edited copy.
#pragma once
#include <vector>

#include "framework/Dialog.h"
#include "framework/ListCtrl.h"
#include "model/PreSetCondData.h"

class CPreSetMatchConditionDlg : public CDialog {
public:
    CPreSetMatchConditionDlg();
    ~CPreSetMatchConditionDlg() override;

    std::vector<CPreSetCondData> GetPreSetList() const { return m_PreSetList; }

    CListCtrl m_ListCtrl;
    std::vector<CPreSetCondData> m_PreSetList;  // row i is preset i

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;

    void RefreshList();
    void OnButtonAdd();
    void OnButtonChange();
    void OnButtonDelete();
};
