#include "search/SearchControls.h"

#include "framework/TestWindows.h"
#include "res/resource.h"

void SearchControls::Tick(int id, bool on) { CheckDlgButton(m_dlg.m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED); }

bool SearchControls::Ticked(int id) const { return IsDlgButtonChecked(m_dlg.m_hWnd, id) == BST_CHECKED; }

void SearchControls::Type(int id, const std::string& text) { m_dlg.SetDlgText(id, text); }

std::string SearchControls::Text(int id) const { return m_dlg.GetDlgText(id); }

void SearchControls::Press(int id) {
    m_dlg.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)m_dlg.GetDlgItem(id));
}

void SearchControls::Search() { Press(IDC_BUTTON_SERCH); }

std::string SearchControls::Label() const { return Text(IDC_STATIC_SERCH_RESULT); }

void SearchControls::Clear() {
    for (int id : {IDC_CHECK_SERCH_BODY, IDC_CHECK_SERCH_BODYCASE, IDC_CHECK_SERCH_TITLE, IDC_CHECK_SERCH_TITLECASE,
                   IDC_CHECK_SERCH_PROGRAM, IDC_CHECK_SERCH_LASTREF, IDC_CHECK_SERCH_SHOWNONLY})
        Tick(id, false);
    for (int id : {IDC_EDIT_SERCH_BODY, IDC_EDIT_SERCH_TITLE, IDC_EDIT_SERCH_PROGRAM})
        Type(id, "");
}

void SearchControls::Key(int id, WPARAM vk) {
    HWND ctl = m_dlg.GetDlgItem(id);
    PostMessageW(ctl, WM_KEYDOWN, vk, 1);
    PostMessageW(ctl, WM_KEYUP, vk, 0xC0000001);
    PumpPending();
}
