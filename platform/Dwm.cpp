#include "platform/Dwm.h"

#include "platform/BindProc.h"
#include "platform/OsVersion.h"

namespace {

struct DwmApi {
    HRESULT(WINAPI* IsCompositionEnabled)(BOOL*);
    HRESULT(WINAPI* RegisterThumbnail)(HWND, HWND, PHTHUMBNAIL);
    HRESULT(WINAPI* UpdateThumbnailProperties)(HTHUMBNAIL, const DWM_THUMBNAIL_PROPERTIES*);
    HRESULT(WINAPI* UnregisterThumbnail)(HTHUMBNAIL);
    HRESULT(WINAPI* ExtendFrameIntoClientArea)(HWND, const MARGINS*);
    HRESULT(WINAPI* GetWindowAttribute)(HWND, DWORD, PVOID, DWORD);
};

DwmApi g_dwm;
bool g_bDwmTried;

// The functions, or null below Windows 6.0; the library is loaded once.
const DwmApi* Dwm() {
    if (!IsVistaOrLater())
        return nullptr;
    if (!g_bDwmTried) {
        g_bDwmTried = true;
        if (HMODULE lib = LoadLibraryA("dwmapi.dll")) {
            BindProc(lib, "DwmIsCompositionEnabled", g_dwm.IsCompositionEnabled);
            BindProc(lib, "DwmRegisterThumbnail", g_dwm.RegisterThumbnail);
            BindProc(lib, "DwmUpdateThumbnailProperties", g_dwm.UpdateThumbnailProperties);
            BindProc(lib, "DwmUnregisterThumbnail", g_dwm.UnregisterThumbnail);
            BindProc(lib, "DwmExtendFrameIntoClientArea", g_dwm.ExtendFrameIntoClientArea);
            BindProc(lib, "DwmGetWindowAttribute", g_dwm.GetWindowAttribute);
        }
    }
    return &g_dwm;
}

}  // namespace

HRESULT IsCompositionEnabled(BOOL* enabled) {
    const DwmApi* dwm = Dwm();
    if (!dwm || !dwm->IsCompositionEnabled) {
        if (enabled)
            *enabled = FALSE;
        return kDwmUnavailable;
    }
    return dwm->IsCompositionEnabled(enabled);
}

HRESULT RegisterThumbnail(HWND destination, HWND source, HTHUMBNAIL* thumbnail) {
    const DwmApi* dwm = Dwm();
    if (!dwm || !dwm->RegisterThumbnail)
        return kDwmUnavailable;
    return dwm->RegisterThumbnail(destination, source, thumbnail);
}

HRESULT UpdateThumbnailProperties(HTHUMBNAIL thumbnail, const DWM_THUMBNAIL_PROPERTIES* properties) {
    const DwmApi* dwm = Dwm();
    if (!dwm || !dwm->UpdateThumbnailProperties)
        return kDwmUnavailable;
    return dwm->UpdateThumbnailProperties(thumbnail, properties);
}

HRESULT UnregisterThumbnail(HTHUMBNAIL thumbnail) {
    const DwmApi* dwm = Dwm();
    if (!dwm || !dwm->UnregisterThumbnail)
        return kDwmUnavailable;
    return dwm->UnregisterThumbnail(thumbnail);
}

HRESULT ExtendFrameIntoClientArea(HWND hwnd, const MARGINS* margins) {
    const DwmApi* dwm = Dwm();
    if (!dwm || !dwm->ExtendFrameIntoClientArea)
        return kDwmUnavailable;
    return dwm->ExtendFrameIntoClientArea(hwnd, margins);
}

HRESULT GetWindowAttribute(HWND hwnd, DWORD attribute, void* value, DWORD size) {
    const DwmApi* dwm = Dwm();
    if (!dwm || !dwm->GetWindowAttribute)
        return kDwmUnavailable;
    return dwm->GetWindowAttribute(hwnd, attribute, value, size);
}

bool DwmLibraryTried() { return g_bDwmTried; }
