// Sizes and places of a note window, apart from the window itself.
#pragma once
#include <windows.h>

#include <cstdint>

constexpr int kPickBarSize = 17;  // width or height of the pick bar, px

// The pick bar and the edit field in a client area of cx by cy for pick-bar
// side 0 right, 1 top, 2 left, 3 bottom; false for any other side.
bool LayoutPickBar(int pickPos, int cx, int cy, RECT& bar, RECT& edit);

// The window size that still holds the pick bar beside the frame's share d;
// the size itself when it does.
SIZE PickBarMinimum(int pickPos, SIZE window, int d);

// The size after a wheel turn of delta with the key flags: one pixel a
// notch, the width with Ctrl, the height with Shift, never below minimum.
SIZE WheelResize(SIZE window, UINT flags, int delta, SIZE minimum);

// r moved by (dx, dy) with its size kept; rectangles from files and other
// programs may lie anywhere, so every side stays within what an int holds.
RECT OffsetRectClamped(const RECT& r, int64_t dx, int64_t dy);

// A rectangle of the given size centred on around: (left + right) / 2 minus
// half the width, truncating toward zero, in 64 bits and clamped.
RECT CenterIn(const RECT& around, SIZE size);
// r moved into area: its right or bottom edge in first, then its left or
// top edge, so that a rectangle larger than the area keeps its top-left
// corner in it.
RECT KeepInside(const RECT& r, const RECT& area);
