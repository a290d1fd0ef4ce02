// The visual styles' functions that Windows 6.0 brought (buffered paint,
// themed text with a glow) and the theme handles, bound at the first call,
// never linked, so the program starts on systems without them. Where a
// function is missing its wrapper fails: null, or E_NOTIMPL.
#pragma once
#include <windows.h>
#include <uxtheme.h>

HRESULT UxBufferedPaintInit();
HRESULT UxBufferedPaintUnInit();
HPAINTBUFFER UxBeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format, BP_PAINTPARAMS* params,
                                  HDC* buffer);
HRESULT UxEndBufferedPaint(HPAINTBUFFER paintBuffer, BOOL updateTarget);
HTHEME UxOpenThemeData(HWND hwnd, const wchar_t* classList);
HRESULT UxCloseThemeData(HTHEME theme);
HRESULT UxDrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, const wchar_t* text, int length, DWORD flags,
                          RECT* rect, const DTTOPTS* options);
