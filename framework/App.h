// The application's module and main window, as the rest of the program sees them.
#pragma once
#include <windows.h>

HINSTANCE AppInstance();
// The main window, or null while there is none.
HWND AppMainWindow();
void AppSetMainWindow(HWND hwnd);
