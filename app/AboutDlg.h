// The version box, opened from the main window's system menu.
#pragma once
#include <string>

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    std::string m_strVersion;  // static 1004

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnNotify(NMHDR* nm, LRESULT& result) override;

private:
    HICON m_hIcon;
};
