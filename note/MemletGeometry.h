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
