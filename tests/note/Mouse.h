// Real mouse input, as the user gives it, and drags of windows that move
// by their caption: such a window runs a loop of its own inside the
// button-down handler, and the rest of the drag comes from timers that loop
// dispatches.
#pragma once
#include <windows.h>

// The cursor far from every test window.
constexpr POINT kAway{1200, 760};

void SendMouse(DWORD flags, POINT at = POINT{0, 0});
void MoveMouse(POINT at);
// The cursor at a point, once it reads back there: Wine reports the X
// server's pointer late at times (docs/wine.md).
bool PlaceCursor(POINT at);
// Left button down and up where the cursor is, twice for a double-click.
void Click(POINT at);
void DoubleClick(POINT at);

// Presses at from and, from timers, moves to to and releases: the caller
// pumps until the drag has had its effect.
void StartDrag(POINT from, POINT to);
