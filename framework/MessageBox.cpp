#include "framework/MessageBox.h"

#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/Text.h"

static MessageBoxHook g_messageBoxHook;

void SetMessageBoxHook(MessageBoxHook hook) { g_messageBoxHook = hook; }

// The box is modal to the window the user is in (a dialog, a note): the
// active window of this thread. The hidden main window is active after the
// icon's menu, and no window of ours is while another program is in front
// (a tick, a hot key): the box then goes to our open dialog, the main
// window's last active popup, or the modal dialog that runs when that
// popup is the main window itself. A window being destroyed is hidden
// first and gets no box: the main window, hidden or not, takes it. Before
// the main window exists the box has no owner.
static HWND BoxOwner() {
    HWND main = AppMainWindow();
    if (main && !::IsWindow(main))
        main = nullptr;
    HWND owner = ::GetActiveWindow();
    if (main && (!owner || owner == main)) {
        owner = ::GetLastActivePopup(main);
        HWND modal = CDialog::InnermostModal();
        if (owner == main && modal)
            owner = modal;
    }
    if (owner && owner != main && !::IsWindowVisible(owner))
        owner = main;
    return owner;
}

int AppMessageBox(const std::string& text, UINT type) {
    if (g_messageBoxHook)
        return g_messageBoxHook(text, type);
    return MessageBoxW(BoxOwner(), ToWide(text).c_str(), L"Corvana", type | MB_SETFOREGROUND);
}

int AppMessageBox(const std::wstring& text, UINT type) {
    if (g_messageBoxHook)
        return g_messageBoxHook(FromWide(text), type);
    return MessageBoxW(BoxOwner(), text.c_str(), L"Corvana", type | MB_SETFOREGROUND);
}

static SystemMessageBoxHook g_systemMessageBoxHook;

void SetSystemMessageBoxHook(SystemMessageBoxHook hook) { g_systemMessageBoxHook = hook; }

int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (g_systemMessageBoxHook)
        return g_systemMessageBoxHook(owner, text, caption, type);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
