// Message boxes to the user: no icon, OK only or Yes/No (only Yes goes on).
#pragma once
#include <windows.h>

#include <string>

// type is MB_OK or MB_YESNO; returns IDOK, IDYES or IDNO. The box is modal
// to the window of ours the user is in, else to our open dialog, else to
// the main window.
int AppMessageBox(const std::string& text, UINT type = MB_OK);
// The same for a text that holds paths, which CP932 may not hold.
int AppMessageBox(const std::wstring& text, UINT type = MB_OK);

// Tests answer message boxes through a hook instead of the screen; null
// restores the real message box. A wide text reaches the hook in CP932.
using MessageBoxHook = int (*)(const std::string& text, UINT type);
void SetMessageBoxHook(MessageBoxHook hook);

// The system's own box with the owner and caption given (MessageBoxA, CP932
// text), for the questions that are not the application's box.
int SystemMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Tests see the owner, the texts and the type and answer instead of the
// screen; null restores the real box.
using SystemMessageBoxHook = int (*)(HWND owner, const std::string& text, const std::string& caption, UINT type);
void SetSystemMessageBoxHook(SystemMessageBoxHook hook);
