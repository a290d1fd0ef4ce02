// Still pictures of a window, for the previews of the selection dialogs.
// Every capture asks the window first and takes nothing from one that does
// not answer within a second, so that no capture waits for a hung program.
#pragma once
#include <windows.h>

#include "framework/Bitmap.h"

// A picture and its size; 0 by 0 when there is none.
struct CSnapshot {
    CBitmap& bitmap;
    int& cx;
    int& cy;
};

// How a minimised window is drawn and put back.
struct CCaptureOptions {
    // Restored for the picture only when its normal position has a size.
    bool needNormalSize = false;
    // Put back: the layered attributes of a layered window and then, in
    // every case, its extended style and style; else the attributes of a
    // layered window, or the extended style of another.
    bool restoreBothStyles = false;
};

// The whole window as it draws itself; a minimised window is drawn at its
// normal size, unseen, and minimised again. The bitmap is made for dc and
// filled with background first. False, and the snapshot as it was, when
// the window is gone, does not answer, or the user declines the question
// about a layered window.
bool CaptureWindowSnapshot(HWND hwnd, HDC dc, HBRUSH background, const CCaptureOptions& options, CSnapshot out);
// The part of the window that lies on the screen, copied from the screen.
bool CaptureDesktopSnapshot(HWND hwnd, HDC dc, HBRUSH background, CSnapshot out);
