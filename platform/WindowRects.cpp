#include "platform/WindowRects.h"

#include <dwmapi.h>

#include "platform/Dwm.h"
#include "platform/OsVersion.h"

void GetWindowFrameRect(HWND hwnd, RECT& frame) {
    if (IsVistaOrLater() &&
        SUCCEEDED(GetWindowAttribute(hwnd, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof frame)))
        return;
    GetWindowRect(hwnd, &frame);
}

void GetWindowRects(HWND hwnd, RECT& frame, RECT& window) {
    GetWindowFrameRect(hwnd, frame);
    GetWindowRect(hwnd, &window);
}
