#include "framework/MessageBox.h"

#include "framework/App.h"
#include "framework/Text.h"

static MessageBoxHook g_messageBoxHook;

void SetMessageBoxHook(MessageBoxHook hook) { g_messageBoxHook = hook; }

int AppMessageBox(const std::string& text, UINT type) {
    if (g_messageBoxHook)
        return g_messageBoxHook(text, type);
    return MessageBoxW(AppMainWindow(), ToWide(text).c_str(), L"Corvana", type | MB_SETFOREGROUND);
}

static SystemMessageBoxHook g_systemMessageBoxHook;

void SetSystemMessageBoxHook(SystemMessageBoxHook hook) { g_systemMessageBoxHook = hook; }

int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    if (g_systemMessageBoxHook)
        return g_systemMessageBoxHook(owner, text, caption, type);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
