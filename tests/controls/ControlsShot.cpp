// Shows the painted buttons (default, normal, under the mouse, disabled)
// and the opacity check box in a small dialog and saves what the screen
// shows of it as a BMP, for a person to judge the look. scripts/controls-shot
// runs it under Wine and turns the picture into build/controls.png.
#include <windows.h>

#include <commctrl.h>

#include "app/MFCButtonEx.h"
#include "app/OpaCheck.h"
#include "controls/ControlsResource.h"
#include "controls/Pixels.h"
#include "framework/App.h"
#include "framework/Dialog.h"

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

// Lets the windows paint and the mouse settle.
void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!AppPreTranslateMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        Sleep(10);
    }
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    const char* out = argc > 1 ? argv[1] : "controls.bmp";

    CShotDlg dlg;
    if (!dlg.Create(nullptr))
        return 1;
    dlg.UpdateData(false);
    for (CMFCButton* b : {&dlg.byDefault, &dlg.normal, &dlg.hover, &dlg.disabled}) b->SetMouseCursorHand();
    dlg.check.SetCheck(BST_CHECKED);
    dlg.SetDlgText(IDC_FIELD, "付箋のテキスト");
    SetWindowPos(dlg.m_hWnd, HWND_TOP, 60, 60, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(dlg.m_hWnd);
    SetActiveWindow(dlg.m_hWnd);
    dlg.Send(WM_NEXTDLGCTL, (WPARAM)dlg.byDefault.m_hWnd, TRUE);
    PumpFor(300);

    RECT r = dlg.hover.GetWindowRect();
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    dlg.hover.Send(WM_MOUSEMOVE, 0, MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2));
    PumpFor(500);

    RECT w = dlg.GetWindowRect();
    CPixels pixels(w.right - w.left, w.bottom - w.top);
    bool saved = pixels.CaptureScreen(w.left, w.top) && pixels.SaveBmp(out);
    dlg.DestroyWindow();
    return saved ? 0 : 1;
}
