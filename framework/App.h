// The application's module and main window, as the rest of the program sees
// them, and the message loop every modal loop of ours runs.
#pragma once
#include <windows.h>

HINSTANCE AppInstance();
// The main window, or null while there is none.
HWND AppMainWindow();
void AppSetMainWindow(HWND hwnd);

// Dialogs that get IsDialogMessage in our loops (Tab, Enter, Esc). Modeless
// dialogs are added by CDialog::Create, modal ones while their loop runs.
void AppAddDialog(HWND dlg);
void AppRemoveDialog(HWND dlg);

// The chance windows get at a message before it is dispatched: the
// PreTranslateMessage of the target and of its parents, then IsDialogMessage
// of the dialog it belongs to. True when the message was consumed.
bool AppPreTranslateMessage(MSG& msg);

// Waits for one message and dispatches it. False on WM_QUIT, whose code goes
// to exitCode.
bool AppPumpMessage(int& exitCode);

// Runs until WM_QUIT and returns its code.
int AppRunMessageLoop();
