// The small window that says the files are being written, shown while the
// panel saves everything.
#pragma once
#include <string>

#include "framework/Dialog.h"

class CWriteMsgDlg : public CDialog {
public:
    CWriteMsgDlg();

    void SetMessage(const std::string& message);
    void ShowMessage();
    void HideMessage();
    // Dispatches what is queued for this window only, so that it paints
    // while the thread is busy saving; other windows wait.
    void PumpMessages();

    std::string m_strMessage;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    // Enter and Esc do nothing to it.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void SetAlpha(BYTE alpha);
};
