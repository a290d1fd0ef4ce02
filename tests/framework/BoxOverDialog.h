// A real message box raised from an open modal dialog, met as the user
// meets it: while the box is up the mouse clicks one of the dialog's
// buttons, then the box is answered and the dialog closed. The steps run
// through CSteps (notemenu/Steps.h), inside whichever loop is running; the
// caller's own steps open the dialog, set seen.dialog and raise the box.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/MessageBoxes.h"

struct CBoxSeen {
    HWND dialog = nullptr;
    HWND box = nullptr;
    // While the box is up.
    HWND owner = nullptr;
    bool dialogEnabled = true;
    bool mainEnabled = true;
    bool clickOnDialog = false;  // the click's point lay on the dialog, off the box
    int moreBoxes = 0;           // boxes the click opened
    // Once the box is answered.
    HWND active = nullptr;
    bool dialogAboveMain = false;
    bool mainEnabledAfter = true;
};

// The opening steps, then: the box showing text; again: the dialog's button
// the mouse clicks while it is up; the dialog is closed with Cancel at the
// end.
std::vector<std::function<bool()>> BoxOverDialog(std::vector<std::function<bool()>> opening,
                                                 const std::string& text, int again, CBoxSeen& seen);

// The box belonged to the dialog: while it was up the dialog and the main
// window took no click and the click opened no second box; once answered,
// the dialog was active above the main window, which stayed disabled.
void ExpectBoxModalToTheDialog(const CBoxSeen& seen);

class CWnd;
// A window of ours created at r (a popup of owner when there is one), shown
// and brought to the front.
bool ShowInFront(CWnd& wnd, const char* title, HWND owner, const RECT& r, DWORD style = WS_OVERLAPPEDWINDOW);
// A window in the main window's place: shown in front and made the
// program's main window, as the dialogs and boxes find it.
bool ShowMainStandIn(CWnd& main, const RECT& r);
