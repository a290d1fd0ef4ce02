// Two-colour gradient fills of a rectangle.
#pragma once
#include <windows.h>

// Top to bottom.
BOOL GradientFillV(HDC hdc, const RECT& rect, COLORREF top, COLORREF bottom);
// Left to right.
BOOL GradientFillH(HDC hdc, const RECT& rect, COLORREF left, COLORREF right);
