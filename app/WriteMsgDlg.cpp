#include "app/WriteMsgDlg.h"

#include "framework/Trace.h"
#include "res/resource.h"

CWriteMsgDlg::CWriteMsgDlg() : CDialog(IDD_WRITEMSG) {}

bool CWriteMsgDlg::OnInitDialog() {
    m_strMessage = "コルヴァナ：書き込み中！";
    SetWindowLongW(m_hWnd, GWL_EXSTYLE, GetExStyle() | WS_EX_LAYERED);
    CenterWindow();
    CDialog::OnInitDialog();
    ShowWindow(SW_HIDE);
    return true;
}

void CWriteMsgDlg::DoDataExchange(CDataExchange& dx) { DDX_Text(dx, IDC_STATIC_MESSAGE, m_strMessage); }

void CWriteMsgDlg::SetMessage(const std::string& message) {
    m_strMessage = message;
    UpdateData(false);
}

void CWriteMsgDlg::SetAlpha(BYTE alpha) {
    if (!SetLayeredWindowAttributes(m_hWnd, 0, alpha, LWA_ALPHA))
        Trace("SetLayeredWindowAttributes() Error=%lu\n", GetLastError());
}

void CWriteMsgDlg::ShowMessage() {
    // In front, but the activation stays where it is: a box of the save
    // belongs to the window the user is in, not to this one.
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetAlpha(255);
}

void CWriteMsgDlg::HideMessage() {
    ShowWindow(SW_HIDE);
    SetAlpha(0);
}

void CWriteMsgDlg::PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, m_hWnd, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
