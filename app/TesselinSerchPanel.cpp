// The main window's side of the search panel: its creation, check box 1162
// that shows and hides it, and its place over the main window's upper part.
#include "app/TesselinDlg.h"
#include "platform/WindowRects.h"
#include "res/resource.h"

void CTesselinDlg::CreateSerchPanel() {
    if (!m_SerchDlg.Create(m_hWnd))
        return;
    m_SerchDlg.SetPanel(&m_ControlDlg);
    ::EnableWindow(GetDlgItem(IDC_CHECK_SERCHPANEL), TRUE);
}

void CTesselinDlg::OnCheckSerchPanel() {
    m_nSerchCheck = ::IsDlgButtonChecked(m_hWnd, IDC_CHECK_SERCHPANEL) == BST_CHECKED ? 1 : 0;
    if (!m_SerchDlg.m_hWnd)
        return;
    if (m_nSerchCheck) {
        PlaceSerchPanel();
        m_SerchDlg.Initialize();
        m_SerchDlg.ShowWindow(SW_SHOW);
        return;
    }
    m_SerchDlg.ShowWindow(SW_HIDE);
    m_ControlDlg.ClearRefreshListener();
}

void CTesselinDlg::UncheckSerchPanel() {
    m_nSerchCheck = 0;
    if (m_hWnd)
        ::CheckDlgButton(m_hWnd, IDC_CHECK_SERCHPANEL, BST_UNCHECKED);
    m_ControlDlg.ClearRefreshListener();
}

void CTesselinDlg::PlaceSerchPanel() {
    RECT f, w;
    GetWindowRects(m_hWnd, f, w);
    RECT s = m_SerchDlg.GetWindowRect();
    int height = s.bottom - s.top;
    int y = 2 * f.top - w.top + 140 - height;
    ::MoveWindow(m_SerchDlg.m_hWnd, w.left, y, w.right - w.left, height, TRUE);
}

void CTesselinDlg::OnMove(int, int) {
    Default();
    if (m_hWnd && m_SerchDlg.m_hWnd)
        PlaceSerchPanel();
}
