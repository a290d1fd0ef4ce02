#include "platform/UxTheme.h"

#include "platform/BindProc.h"

namespace {

struct UxThemeApi {
    HRESULT(WINAPI* BufferedPaintInit)();
    HRESULT(WINAPI* BufferedPaintUnInit)();
    HPAINTBUFFER(WINAPI* BeginBufferedPaint)(HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC*);
    HRESULT(WINAPI* EndBufferedPaint)(HPAINTBUFFER, BOOL);
    HTHEME(WINAPI* OpenThemeData)(HWND, LPCWSTR);
    HRESULT(WINAPI* CloseThemeData)(HTHEME);
    HRESULT(WINAPI* DrawThemeTextEx)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, LPRECT, const DTTOPTS*);
};

UxThemeApi g_ux;
bool g_bUxTried;

// The library is loaded once; what it lacks stays null.
const UxThemeApi& Ux() {
    if (!g_bUxTried) {
        g_bUxTried = true;
        if (HMODULE lib = LoadLibraryA("uxtheme.dll")) {
            BindProc(lib, "BufferedPaintInit", g_ux.BufferedPaintInit);
            BindProc(lib, "BufferedPaintUnInit", g_ux.BufferedPaintUnInit);
            BindProc(lib, "BeginBufferedPaint", g_ux.BeginBufferedPaint);
            BindProc(lib, "EndBufferedPaint", g_ux.EndBufferedPaint);
            BindProc(lib, "OpenThemeData", g_ux.OpenThemeData);
            BindProc(lib, "CloseThemeData", g_ux.CloseThemeData);
            BindProc(lib, "DrawThemeTextEx", g_ux.DrawThemeTextEx);
        }
    }
    return g_ux;
}

}  // namespace

HRESULT UxBufferedPaintInit() {
    auto fn = Ux().BufferedPaintInit;
    return fn ? fn() : E_NOTIMPL;
}

HRESULT UxBufferedPaintUnInit() {
    auto fn = Ux().BufferedPaintUnInit;
    return fn ? fn() : E_NOTIMPL;
}

HPAINTBUFFER UxBeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format, BP_PAINTPARAMS* params,
                                  HDC* buffer) {
    auto fn = Ux().BeginBufferedPaint;
    if (!fn) {
        if (buffer)
            *buffer = nullptr;
        return nullptr;
    }
    return fn(target, rect, format, params, buffer);
}

HRESULT UxEndBufferedPaint(HPAINTBUFFER paintBuffer, BOOL updateTarget) {
    auto fn = Ux().EndBufferedPaint;
    return fn ? fn(paintBuffer, updateTarget) : E_NOTIMPL;
}

HTHEME UxOpenThemeData(HWND hwnd, const wchar_t* classList) {
    auto fn = Ux().OpenThemeData;
    return fn ? fn(hwnd, classList) : nullptr;
}

HRESULT UxCloseThemeData(HTHEME theme) {
    auto fn = Ux().CloseThemeData;
    return fn ? fn(theme) : E_NOTIMPL;
}

HRESULT UxDrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, const wchar_t* text, int length, DWORD flags,
                          RECT* rect, const DTTOPTS* options) {
    auto fn = Ux().DrawThemeTextEx;
    return fn ? fn(theme, dc, part, state, text, length, flags, rect, options) : E_NOTIMPL;
}
