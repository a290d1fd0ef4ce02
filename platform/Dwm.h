// The desktop window manager's functions, for systems that have them. Its
// library is bound at the first call, never linked, so the program starts
// without it; below Windows 6.0 each wrapper returns kDwmUnavailable and
// leaves the library alone.
#pragma once
#include <windows.h>
#include <dwmapi.h>

constexpr HRESULT kDwmUnavailable = static_cast<HRESULT>(0xFFFFFFFF);

// *enabled is FALSE whenever the result is kDwmUnavailable.
HRESULT IsCompositionEnabled(BOOL* enabled);
HRESULT RegisterThumbnail(HWND destination, HWND source, HTHUMBNAIL* thumbnail);
HRESULT UpdateThumbnailProperties(HTHUMBNAIL thumbnail, const DWM_THUMBNAIL_PROPERTIES* properties);
HRESULT UnregisterThumbnail(HTHUMBNAIL thumbnail);
HRESULT ExtendFrameIntoClientArea(HWND hwnd, const MARGINS* margins);
HRESULT GetWindowAttribute(HWND hwnd, DWORD attribute, void* value, DWORD size);

// For tests: whether any wrapper ever went as far as loading the library.
bool DwmLibraryTried();
