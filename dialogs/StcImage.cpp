#include "dialogs/StcImage.h"

#include "dialogs/WindowCapture.h"
#include "framework/Rects.h"
#include "framework/Trace.h"
#include "platform/Dwm.h"
#include "platform/InnerRect.h"

CStcImage::~CStcImage() { UnregisterThumbnail(); }

void CStcImage::SetTarget(HWND hwnd) {
    if (!hwnd) {
        ClearSnapshot();
        UnregisterThumbnail();
    } else if (hwnd == GetDesktopWindow()) {
        // The screen copy also while composition is on: the window manager
        // gives no thumbnail of the desktop.
        CaptureDesktop(hwnd);
        UnregisterThumbnail();
    } else {
        BOOL enabled = FALSE;
        HRESULT hr = QueryComposition(&enabled);
        if (hr == kDwmUnavailable) {
            CaptureWindow(hwnd);
            UnregisterThumbnail();
        } else if (SUCCEEDED(hr)) {
            m_hTarget = hwnd;
            if (enabled) {
                ClearSnapshot();
                UpdateThumbnail();
            } else {
                CaptureWindow(hwnd);
                UnregisterThumbnail();
            }
        } else {
            // No way to know how to draw it: no picture rather than the
            // last window's beside this one.
            Trace("DwmIsCompositionEnabled() Error=%08lx\n", (unsigned long)hr);
            ClearSnapshot();
            UnregisterThumbnail();
        }
    }
    if (HWND parent = GetParent())
        InvalidateRect(parent, nullptr, TRUE);
    // Also when the parent clips its children.
    Invalidate(true);
}

void CStcImage::ClearSnapshot() {
    m_nWidth = m_nHeight = 0;
    m_bmpImage.DeleteObject();
}

HBRUSH CStcImage::BackgroundBrush(HDC dc) {
    HWND parent = GetParent();
    HBRUSH brush = parent ? (HBRUSH)SendMessageW(parent, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)m_hWnd) : nullptr;
    return brush ? brush : GetSysColorBrush(COLOR_3DFACE);
}

void CStcImage::CaptureDesktop(HWND hwnd) {
    ClearSnapshot();
    HDC dc = ::GetDC(m_hWnd);
    CaptureDesktopSnapshot(hwnd, dc, BackgroundBrush(dc), CSnapshot{m_bmpImage, m_nWidth, m_nHeight});
    ::ReleaseDC(m_hWnd, dc);
}

void CStcImage::CaptureWindow(HWND hwnd) {
    ClearSnapshot();
    HDC dc = ::GetDC(m_hWnd);
    CaptureWindowSnapshot(hwnd, dc, BackgroundBrush(dc), CCaptureOptions{}, CSnapshot{m_bmpImage, m_nWidth, m_nHeight});
    ::ReleaseDC(m_hWnd, dc);
}

void CStcImage::UpdateThumbnail() {
    UnregisterThumbnail();
    RegisterThumbnail();
}

void CStcImage::RegisterThumbnail() {
    HWND destination = m_hDestWnd ? m_hDestWnd : GetParent();
    HTHUMBNAIL thumbnail = 0;
    HRESULT hr = CallRegisterThumbnail(destination, m_hTarget, &thumbnail);
    if (FAILED(hr)) {
        Trace("DwmRegisterThumbnail() Error=%08lx\n", (unsigned long)hr);
        return;
    }
    m_hThumbnail = thumbnail;
    // The control's client area, where the control lies in the destination.
    RECT inner{};
    GetInnerRect(destination, m_hWnd, &inner);
    RECT client = GetClientRect();
    DWM_THUMBNAIL_PROPERTIES properties{};
    properties.dwFlags = DWM_TNP_RECTDESTINATION | DWM_TNP_OPACITY | DWM_TNP_VISIBLE | DWM_TNP_SOURCECLIENTAREAONLY;
    properties.rcDestination = OffsetRectClamped(client, inner.left, inner.top);
    properties.opacity = 255;
    properties.fVisible = TRUE;
    properties.fSourceClientAreaOnly = FALSE;
    hr = CallUpdateThumbnailProperties(thumbnail, &properties);
    if (FAILED(hr))
        Trace("DwmUpdateThumbnailProperties() Error=%08lx\n", (unsigned long)hr);
}

void CStcImage::UnregisterThumbnail() {
    if (!m_hThumbnail)
        return;
    CallUnregisterThumbnail(m_hThumbnail);
    m_hThumbnail = 0;
}

void CStcImage::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    RECT client = GetClientRect();
    int cx = client.right, cy = client.bottom;
    RECT drawn{0, 0, 0, 0};
    if (m_nWidth > 0 && m_nHeight > 0 && m_bmpImage.GetSafeHandle()) {
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, m_bmpImage.GetSafeHandle());
        if (m_nWidth < cx && m_nHeight < cy) {
            BitBlt(dc, 0, 0, m_nWidth, m_nHeight, mem, 0, 0, SRCCOPY);
            drawn.right = m_nWidth;
            drawn.bottom = m_nHeight;
        } else {
            // Down to the control, never up; the aspect kept.
            double scaleX = (double)cx / m_nWidth, scaleY = (double)cy / m_nHeight;
            int w = cx, h = cy;
            if (scaleY > scaleX)
                h = (int)(m_nHeight * scaleX);
            else
                w = (int)(m_nWidth * scaleY);
            SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, 0, 0, w, h, mem, 0, 0, m_nWidth, m_nHeight, SRCCOPY);
            drawn.right = w;
            drawn.bottom = h;
        }
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    // The rest shows the background: the static's own painting, which
    // would give it, does not run.
    ExcludeClipRect(dc, drawn.left, drawn.top, drawn.right, drawn.bottom);
    FillRect(dc, &client, BackgroundBrush(dc));
    EndPaint(m_hWnd, &ps);
}

HRESULT CStcImage::QueryComposition(BOOL* enabled) { return IsCompositionEnabled(enabled); }

HRESULT CStcImage::CallRegisterThumbnail(HWND destination, HWND source, HTHUMBNAIL* thumbnail) {
    return ::RegisterThumbnail(destination, source, thumbnail);
}

HRESULT CStcImage::CallUpdateThumbnailProperties(HTHUMBNAIL thumbnail, const DWM_THUMBNAIL_PROPERTIES* properties) {
    return ::UpdateThumbnailProperties(thumbnail, properties);
}

HRESULT CStcImage::CallUnregisterThumbnail(HTHUMBNAIL thumbnail) { return ::UnregisterThumbnail(thumbnail); }
