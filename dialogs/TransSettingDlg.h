// A note's opacity in percent, whether it fades while the mouse is over
// it, and whether its background is see-through; for the template note the
// last cannot be chosen. Runs modal on the caller's stack; the caller sets
// the members, and after IDOK reads them back.
#pragma once
#include <windows.h>

#include "framework/Dialog.h"
#include "framework/SpinButtonCtrl.h"

class CTransSettingDlg : public CDialog {
public:
    CTransSettingDlg();

    CSpinButtonCtrl m_spin;       // the percent, 20..100
    int m_nMouseHideCtl = -1;     // fade under the mouse: 行わない 行う
    int m_nBkTransparent = 0;     // the background colour is see-through
    // 1: OK is a cancel once the target window is gone (an open note's);
    // 0 (the template note): no see-through background to choose.
    int m_nTargetCheck = 0;
    HWND m_hTargetWnd = nullptr;
    int m_nTransparent = 100;     // percent

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code, HWND ctl) override;

    // A see-through background never fades under the mouse.
    void OnCheckBkTransparent();

private:
    int m_nGivenMouseHideCtl = -1;  // returned when neither radio is checked
};
