// The painted buttons (default, normal, under the mouse, disabled) and the
// opacity check box in a small dialog.
#include "app/MFCButtonEx.h"
#include "app/OpaCheck.h"
#include "controls/ControlsResource.h"
#include "framework/Dialog.h"
#include "shots/Sheets.h"

namespace {

class CShotDlg : public CDialog {
public:
    CShotDlg() : CDialog(IDD_BUTTONS) {}
    CMFCButtonEx byDefault, normal, hover, disabled;
    COpaCheck check;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Control(dx, IDC_BTN_DEFAULT, byDefault);
        DDX_Control(dx, IDC_BTN_NORMAL, normal);
        DDX_Control(dx, IDC_BTN_HOVER, hover);
        DDX_Control(dx, IDC_BTN_DISABLED, disabled);
        DDX_Control(dx, IDC_OPACHECK, check);
    }
};

CShotDlg g_dlg;

}  // namespace

RECT ShowControlsSheet() {
    if (!g_dlg.Create(nullptr))
        return RECT{};
    g_dlg.UpdateData(false);
    for (CMFCButton* b : {&g_dlg.byDefault, &g_dlg.normal, &g_dlg.hover, &g_dlg.disabled})
        b->SetMouseCursorHand();
    g_dlg.check.SetCheck(BST_CHECKED);
    g_dlg.SetDlgText(IDC_FIELD, "付箋のテキスト");
    SetWindowPos(g_dlg.m_hWnd, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(g_dlg.m_hWnd);
    SetActiveWindow(g_dlg.m_hWnd);
    g_dlg.Send(WM_NEXTDLGCTL, (WPARAM)g_dlg.byDefault.m_hWnd, TRUE);
    RECT r = g_dlg.hover.GetWindowRect();
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    g_dlg.hover.Send(WM_MOUSEMOVE, 0, MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2));
    return g_dlg.GetWindowRect();
}
