// The ways a text reaches a field, as its user and other programs give it,
// and the balloon tip a field shows about it.
#pragma once
#include <windows.h>

#include <string>

// Keys of the keyboard, one for each UTF-16 unit (KEYEVENTF_UNICODE),
// through the system's input queue into the field, which gets the focus.
void TypeKeys(HWND field, const std::wstring& text);
// On the clipboard, then WM_PASTE.
void Paste(HWND field, const std::wstring& text);
// The result of an input method: the composition set and completed.
void Compose(HWND field, const std::wstring& text);

// The balloon tip on the screen: a visible tooltip of this thread, or null.
HWND ShownTip();
std::wstring TipTitle(HWND tip);
std::wstring TipText(HWND tip);
