// One per-application preset: its name, whether the title is tested too,
// and the program and child window taken from a window open now. After
// IDOK the caller takes the edited preset.
#pragma once
#include <string>

#include "framework/Dialog.h"
#include "framework/StoredTextEdit.h"
#include "model/PreSetCondData.h"

class CPoreSetSettingDlg : public CDialog {
public:
    CPoreSetSettingDlg();

    CPreSetCondData GetPreSetCondData() const { return m_PreSetCondData; }

    int m_bExtent = 0;
    int m_bProcess = 0;
    int m_bTitle = 0;
    std::string m_strName;
    CStoredTextEdit m_editName;
    CPreSetCondData m_PreSetCondData;
    int m_nMode = 1;  // 1: a new preset, 0: a change of one

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;

    void ShowCondData();
    void OnButtonRunningWindow();

private:
    // The pickers the button opens: a program and one child of one of its
    // windows, or a child of the given window. The values change on IDOK.
    static INT_PTR PickWindowAndChild(std::string& exeName, std::string& className, int& ctlId);
    static INT_PTR PickChild(HWND target, std::string& className, int& ctlId);
};
