// The picture of a window beside a list of windows: the window manager's
// live thumbnail while composition is on, else one snapshot taken when the
// window is chosen and scaled down to the control, its aspect kept. The
// desktop is always a copy of the screen. A window that is gone, does not
// answer, or cannot be drawn shows no picture.
#pragma once
#include <windows.h>
#include <dwmapi.h>

#include "framework/Bitmap.h"
#include "framework/Static.h"

class CStcImage : public CStatic {
public:
    CStcImage() = default;
    ~CStcImage() override;

    // Shows the window; null shows nothing. The parent is repainted.
    void SetTarget(HWND hwnd);

    HWND m_hTarget = nullptr;  // the window last shown live or by snapshot
    int m_nWidth = 0;          // the snapshot; 0 by 0: none
    int m_nHeight = 0;
    CBitmap m_bmpImage;
    HWND m_hDestWnd = nullptr;  // where the live thumbnail is drawn; null: the parent
    HTHUMBNAIL m_hThumbnail = 0;

protected:
    void OnPaint() override;

    // A copy of the part of the window that lies on the screen.
    void CaptureDesktop(HWND hwnd);
    // The whole window as it draws itself; a minimised window is drawn at
    // its normal size, unseen, and minimised again.
    void CaptureWindow(HWND hwnd);
    void UpdateThumbnail();
    void RegisterThumbnail();
    void UnregisterThumbnail();

    // The window manager. Tests stand in for it here.
    virtual HRESULT QueryComposition(BOOL* enabled);
    virtual HRESULT CallRegisterThumbnail(HWND destination, HWND source, HTHUMBNAIL* thumbnail);
    virtual HRESULT CallUpdateThumbnailProperties(HTHUMBNAIL thumbnail, const DWM_THUMBNAIL_PROPERTIES* properties);
    virtual HRESULT CallUnregisterThumbnail(HTHUMBNAIL thumbnail);

private:
    void ClearSnapshot();
    // The brush the parent gives a static of this control.
    HBRUSH BackgroundBrush(HDC dc);
};
