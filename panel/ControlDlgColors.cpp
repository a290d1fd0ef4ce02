// The panel's colours: a grey face, and a pale yellow field behind the
// note's text and the count.
#include "panel/ControlDlg.h"
#include "res/resource.h"

HBRUSH CControlDlg::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH base = CDialog::OnCtlColor(dc, ctl, ctlType);
    switch (ctlType) {
    case CTLCOLOR_STATIC: {
        // The read-only edit asks as a static does.
        SetBkMode(dc, TRANSPARENT);
        int id = ::GetDlgCtrlID(ctl);
        return id == IDC_EDIT_TEXT || id == IDC_STATIC_COUNT ? m_brPale : m_brGrey;
    }
    case CTLCOLOR_BTN:
    case CTLCOLOR_DLG:
        return m_brGrey;
    }
    return base;
}
