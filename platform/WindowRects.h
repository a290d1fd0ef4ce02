// The visible frame of a window, for placing windows by what the user sees.
#pragma once
#include <windows.h>

// The window manager's extended frame bounds from Windows 6.0 on, else (or
// when that fails) the window rectangle.
void GetWindowFrameRect(HWND hwnd, RECT& frame);
// The visible frame and the window rectangle.
void GetWindowRects(HWND hwnd, RECT& frame, RECT& window);
