#include "framework/App.h"

static HWND g_hwndMain;

HINSTANCE AppInstance() { return GetModuleHandleA(nullptr); }
HWND AppMainWindow() { return g_hwndMain; }
void AppSetMainWindow(HWND hwnd) { g_hwndMain = hwnd; }
