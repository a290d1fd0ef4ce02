// Runs a modal dialog with a script that drives it as the user would: the
// script runs once, from a timer inside the dialog's own loop, and ends by
// pressing a button (or leaves the dialog to the watchdog, which fails the
// test). Input helpers post what the keyboard would, so the dialog manager
// of our loop sees it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/Dialog.h"

INT_PTR RunModal(CDialog& dlg, std::function<void()> script);

// A button pressed by the mouse (BM_CLICK), and what it set off handled.
void Click(CDialog& dlg, int id);
// Presses posted for the loop to take: the dialog closes after the script.
void PostClick(CDialog& dlg, int id);

// A key pressed and let go over the focused window, through the loop.
void PressKey(WORD vk);
// Characters typed into the focused window, through the loop.
void TypeText(const std::wstring& text);

bool IsChecked(CDialog& dlg, int id);
bool IsEnabled(CDialog& dlg, int id);

// The screen's colour at the centre of a control.
COLORREF ScreenColourOf(HWND ctl);

// A window of the test that can stand for a note's window and be closed.
class CTargetWnd {
public:
    CTargetWnd();
    ~CTargetWnd();
    HWND Hwnd() const { return m_hWnd; }
    void Destroy();

private:
    HWND m_hWnd = nullptr;
};
