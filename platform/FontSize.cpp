#include "platform/FontSize.h"

#include <windows.h>

#include "framework/App.h"

static int LogPixelsY() {
    HWND hwnd = AppMainWindow();
    HDC dc = GetDC(hwnd);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(hwnd, dc);
    return dpi;
}

int GetDefaultFontHeight() { return MulDiv(9, LogPixelsY(), 72); }

int PixelToPoint(int pixels) { return MulDiv(pixels, 72, LogPixelsY()); }
