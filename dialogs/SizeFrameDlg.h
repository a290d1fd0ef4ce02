// Whether a note has a size frame: 外す (0) or 付ける (1). Runs modal on the
// caller's stack; the caller sets the choice, and after IDOK reads it back.
#pragma once
#include "framework/Dialog.h"

class CSizeFrameDlg : public CDialog {
public:
    CSizeFrameDlg();

    int m_nFrame = -1;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    int m_nGivenFrame = -1;  // returned when neither radio is checked
};
