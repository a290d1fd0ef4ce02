#include "dialogs/StcImage.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "app/Dwm.h"
#include "app/InnerRect.h"
#include "framework/MessageBox.h"
#include "framework/Rects.h"
#include "framework/Trace.h"

namespace {

// A busy window is waited for this long, a hung one no longer.
constexpr UINT kAnswerTimeoutMs = 1000;
// Where a minimised window is drawn, off every screen.
constexpr int kAwayOffset = 10000;

// The size of a snapshot of r, in 64 bits: never negative, and no larger
// than all the screens together. Another program's window may claim any
// size; one larger than the screens is captured from its top-left corner
// only, so that its snapshot costs no more than a picture of the screens.
SIZE SnapshotSize(const RECT& r) {
    int64_t maxCx = std::max(1, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    int64_t maxCy = std::max(1, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    int64_t cx = std::clamp<int64_t>((int64_t)r.right - r.left, 0, maxCx);
    int64_t cy = std::clamp<int64_t>((int64_t)r.bottom - r.top, 0, maxCy);
    return SIZE{(LONG)cx, (LONG)cy};
}

int ClampToInt(int64_t v) { return (int)std::clamp<int64_t>(v, INT_MIN, INT_MAX); }

// True when the window takes messages: every call below that sends it one
// (PrintWindow among them) would otherwise wait for it without end.
bool Answers(HWND hwnd) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &result))
        return true;
    Trace("SendMessageTimeout() Error=%lu\n", GetLastError());
    return false;
}

}  // namespace

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

bool CStcImage::BeginSnapshot(HDC dc, SIZE size, HDC& mem, HGDIOBJ& old) {
    ClearSnapshot();
    if (size.cx <= 0 || size.cy <= 0)
        return false;
    if (!m_bmpImage.CreateCompatibleBitmap(dc, size.cx, size.cy)) {
        Trace("CreateCompatibleBitmap(%ld, %ld) Error=%lu\n", size.cx, size.cy, GetLastError());
        return false;
    }
    mem = CreateCompatibleDC(dc);
    if (!mem) {
        ClearSnapshot();
        return false;
    }
    old = SelectObject(mem, m_bmpImage.GetSafeHandle());
    RECT all{0, 0, size.cx, size.cy};
    FillRect(mem, &all, BackgroundBrush(mem));
    m_nWidth = size.cx;
    m_nHeight = size.cy;
    return true;
}

void CStcImage::EndSnapshot(HDC mem, HGDIOBJ old) {
    SelectObject(mem, old);
    DeleteDC(mem);
}

void CStcImage::CaptureDesktop(HWND hwnd) {
    if (!::IsWindow(hwnd)) {
        ClearSnapshot();
        return;
    }
    HDC dc = ::GetDC(m_hWnd);
    HDC windowDc = GetWindowDC(hwnd);
    RECT desktop{}, target{}, visible{};
    ::GetWindowRect(GetDesktopWindow(), &desktop);
    ::GetWindowRect(hwnd, &target);
    IntersectRect(&visible, &desktop, &target);
    SIZE size = SnapshotSize(visible);
    HDC mem = nullptr;
    HGDIOBJ old = nullptr;
    if (BeginSnapshot(dc, size, mem, old)) {
        Answers(hwnd);
        // Where the visible part begins inside the window.
        int64_t x = target.right > desktop.right ? 0 : ((int64_t)target.right - target.left) - size.cx;
        int64_t y = target.bottom > desktop.bottom ? 0 : ((int64_t)target.bottom - target.top) - size.cy;
        BitBlt(mem, 0, 0, size.cx, size.cy, windowDc, ClampToInt(x), ClampToInt(y), SRCCOPY | CAPTUREBLT);
        EndSnapshot(mem, old);
    }
    ::ReleaseDC(hwnd, windowDc);
    ::ReleaseDC(m_hWnd, dc);
}

void CStcImage::CaptureWindow(HWND hwnd) {
    ClearSnapshot();
    if (!::IsWindow(hwnd))
        return;
    // Asked first: a window that does not answer is left as it is.
    if (!Answers(hwnd))
        return;
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd, &placement);
    WINDOWPLACEMENT kept = placement;
    COLORREF key = 0xFFFFFF;
    BYTE alpha = 255;
    DWORD flags = 0;
    bool minimised = (style & WS_MINIMIZE) != 0;
    bool layered = (exStyle & WS_EX_LAYERED) != 0;

    if (minimised) {
        if (layered && !GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
            if (AppMessageBox("レイヤー情報が取得できません。レイヤーパラメータが失われますが続行しますか?", MB_YESNO) != IDYES)
                return;
            key = 0xFFFFFF;
            alpha = 255;
            flags = 0;
        }
        // Shown at its normal size but fully transparent and off the screens.
        SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        SetLayeredWindowAttributes(hwnd, 0, 0, LWA_ALPHA);
        SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
        SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
        RECT away = OffsetRectClamped(placement.rcNormalPosition, kAwayOffset, kAwayOffset);
        ::MoveWindow(hwnd, away.left, away.top, away.right - away.left, away.bottom - away.top, TRUE);
    }

    HDC dc = ::GetDC(m_hWnd);
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    HDC mem = nullptr;
    HGDIOBJ old = nullptr;
    if (BeginSnapshot(dc, SnapshotSize(rect), mem, old)) {
        if (!PrintWindow(hwnd, mem, 0))
            Trace("PrintWindow() Error=%lu\n", GetLastError());
        EndSnapshot(mem, old);
    }
    ::ReleaseDC(m_hWnd, dc);

    if (minimised) {
        SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
        // The kept placement also puts its normal position back.
        kept.showCmd = SW_MINIMIZE;
        SetWindowPlacement(hwnd, &kept);
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
        if (layered)
            SetLayeredWindowAttributes(hwnd, key, alpha, flags);
        else
            SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle);
    }
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
