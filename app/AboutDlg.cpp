#include "app/AboutDlg.h"

#include <commctrl.h>

#include <algorithm>

#include "app/HomePage.h"
#include "framework/App.h"
#include "platform/VersionString.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {
    m_hIcon = LoadIconW(AppInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

bool CAboutDlg::OnInitDialog() {
    SetText("コルヴァナ");
    std::string version = GetVersionString();
    std::replace(version.begin(), version.end(), '.', '-');
    std::replace(version.begin(), version.end(), ';', '.');
    m_strVersion = "コルヴァナ " + version + " [PORTABLE版]";
    ::SendMessageW(GetDlgItem(IDC_STATIC_ICON), STM_SETICON, (WPARAM)m_hIcon, 0);
    return CDialog::OnInitDialog();
}

void CAboutDlg::DoDataExchange(CDataExchange& dx) { DDX_Text(dx, IDC_STATIC_VERSION, m_strVersion); }

bool CAboutDlg::OnNotify(NMHDR* nm, LRESULT& result) {
    if (nm->idFrom == IDC_SYSLINK_HOME && (nm->code == NM_CLICK || nm->code == NM_RETURN)) {
        OpenHomePage();
        result = 0;
        return true;
    }
    return false;
}
