// Keys, text and clicks as a user gives them: through the system's input
// queue, to whichever window is in front.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

// Pressed in the order given and released in the reverse order; the last
// one held down for repeats presses, as the keyboard repeats a held key.
bool PressKeys(std::initializer_list<WORD> keys, int repeats = 1);
// Each character as a key of its own (KEYEVENTF_UNICODE).
bool TypeText(const std::wstring& text);
// The mouse moved to a point of the screen, and there.
bool MoveCursorTo(POINT pt);
// A left (or right) click at a point of the screen.
bool ClickAt(POINT pt, bool right = false);
// Clicks into a field of another program's window until the field has the
// keyboard focus (at most twice: on a loaded machine the first click into a
// note just opened at the screen's edge was seen to leave the focus on the
// note itself, and a second one, as its user would give, put it in place).
bool ClickInto(HWND field);
// Puts the window in front and waits until it is.
bool BringToFront(HWND hwnd);
