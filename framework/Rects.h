// Rectangle arithmetic in 64 bits: rectangles from files and other programs
// may lie anywhere, and no result may overflow an int.
#pragma once
#include <windows.h>

#include <climits>
#include <cstdint>

// Half the int range: a place and a size within it never overflow.
constexpr int64_t kCoordLimit = INT_MAX / 2;

// r moved by (dx, dy) with its size kept; rectangles from files and other
// programs may lie anywhere, so every side stays within what an int holds.
RECT OffsetRectClamped(const RECT& r, int64_t dx, int64_t dy);

// A rectangle of the given size centred on around: (left + right) / 2 minus
// half the width, truncating toward zero, in 64 bits and clamped.
RECT CenterIn(const RECT& around, SIZE size);
// r moved, its size kept, so that its margins to area's sides are even:
// left = area.left + (area width - r's width) / 2, truncating toward zero
// (and so for top), in 64 bits and clamped.
RECT CenterRectIn(const RECT& r, const RECT& area);
// r moved into area: its right or bottom edge in first, then its left or
// top edge, so that a rectangle larger than the area keeps its top-left
// corner in it.
RECT KeepInside(const RECT& r, const RECT& area);
