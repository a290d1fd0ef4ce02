// The initial height and width of new notes, each an up-down bounded by the
// program's note-size limits. Runs modal on the caller's stack; the caller
// sets both, and after IDOK reads them back.
#pragma once
#include "framework/Dialog.h"
#include "framework/SpinButtonCtrl.h"

class CInitSizeDlg : public CDialog {
public:
    CInitSizeDlg();

    CSpinButtonCtrl m_spinWidth;
    CSpinButtonCtrl m_spinHeight;
    int m_nWidth = 0;
    int m_nHeight = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
};
