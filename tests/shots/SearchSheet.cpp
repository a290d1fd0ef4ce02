// The main window's sheet with the search panel shown over it, after a
// search by window title that found two of its notes.
#include <algorithm>

#include "app/TesselinDlg.h"
#include "panel/Hub.h"
#include "res/resource.h"
#include "shots/Sheets.h"

RECT ShowSearchSheet() {
    ShowMainSheet();
    CTesselinDlg* window = g_pTesselinDlg;
    if (!window || !window->m_SerchDlg.m_hWnd)
        return RECT{};
    // Room above the main window for the panel's upper part.
    SetWindowPos(window->m_hWnd, HWND_TOP, 40, 160, 0, 0, SWP_NOSIZE);
    RECT main = window->GetWindowRect();
    HWND check = window->GetDlgItem(IDC_CHECK_SERCHPANEL);
    SendMessageW(check, BM_CLICK, 0, 0);
    CSerchDlg& search = window->m_SerchDlg;
    CheckDlgButton(search.m_hWnd, IDC_CHECK_SERCH_TITLE, BST_CHECKED);
    search.SetDlgText(IDC_EDIT_SERCH_TITLE, "メモ帳");
    SendMessageW(search.GetDlgItem(IDC_BUTTON_SERCH), BM_CLICK, 0, 0);
    SetForegroundWindow(search.m_hWnd);
    RECT panel = search.GetWindowRect();
    return RECT{std::min(main.left, panel.left), std::min(main.top, panel.top), std::max(main.right, panel.right),
                std::max(main.bottom, panel.bottom)};
}
