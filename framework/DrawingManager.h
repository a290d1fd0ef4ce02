// Drawing on 32-bit surfaces, where the alpha byte counts: glass shows
// through a pixel whose alpha GDI left at 0.
#pragma once
#include <windows.h>

// A top-down 32-bit DIB section of cx by cy pixels, all zero; *bits gets
// its pixels (0xAARRGGBB, rows of cx). Null when it cannot be made.
HBITMAP CreateDib32(int cx, int cy, DWORD** bits);

// Sets the alpha byte of every pixel of rect (logical coordinates of dc)
// to alpha, colours untouched. A 32-bit DIB section selected into dc is
// written directly, clipped to the bitmap; any other surface goes through
// a 32-bit copy of the rectangle (MM_TEXT). False when neither could be
// done.
bool FillAlpha(HDC dc, const RECT& rect, BYTE alpha);
