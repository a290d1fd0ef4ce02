// Message boxes to the user: no icon, OK only or Yes/No (only Yes goes on).
#pragma once
#include <windows.h>

#include <string>

// type is MB_OK or MB_YESNO; returns IDOK, IDYES or IDNO.
int AppMessageBox(const std::string& text, UINT type = MB_OK);

// Tests answer message boxes through a hook instead of the screen; null
// restores the real message box.
using MessageBoxHook = int (*)(const std::string& text, UINT type);
void SetMessageBoxHook(MessageBoxHook hook);
