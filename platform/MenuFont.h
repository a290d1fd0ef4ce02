// The system's menu font, for the main window's buttons.
#pragma once
#include <windows.h>

// A new font from NONCLIENTMETRICS' lfMenuFont, the caller's to delete;
// null when the system gives no metrics.
HFONT CreateMenuFont();
