// The match condition of one note: which tests are on (program, title,
// one child window) and how the title and the child's text are compared.
// Works on a copy of the note's record; after IDOK the caller takes the
// edited copy.
#pragma once
#include <string>

#include "framework/Dialog.h"
#include "framework/StoredTextEdit.h"
#include "model/MemletData.h"

class CMatchConditionDlg : public CDialog {
public:
    CMatchConditionDlg();
    ~CMatchConditionDlg() override;

    CMemletData GetMemletData() const { return m_MemletData; }

    int m_bProcess = 0;       // PRECESSEFLAG
    int m_bTitle = 0;         // TITLEFLAG
    std::string m_strPart;    // PART
    int m_bTitleFull = 0;     // FULL
    int m_bExFull = 0;        // EXFULLFLAG
    int m_bExtent = 0;        // EXTENTFLAG
    std::string m_strExPart;  // EXPART
    CStoredTextEdit m_editPart, m_editExPart;
    HBRUSH m_brYellow;        // behind the child's class, id and text
    CMemletData m_MemletData;
    int m_bChildSelect = 1;  // 0: the child cannot be chosen here
    int m_bWindowCheck = 0;  // 1: OK is a cancel once m_hWndCheck is gone
    HWND m_hWndCheck = nullptr;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;

    void ShowChildInfo();
    void OnCheckTitleFull();
    void OnCheckExFull();
    void OnButtonOrgTitle();
    void OnButtonOrgExText();
    void OnButtonSelectChild();
};
