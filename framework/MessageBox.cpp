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
