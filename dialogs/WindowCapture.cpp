#include "dialogs/WindowCapture.h"

#include <algorithm>
#include <climits>
#include <cstdint>

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

void Clear(CSnapshot& out) {
    out.bitmap.DeleteObject();
    out.cx = out.cy = 0;
}

// A new bitmap of that size, filled with the background so that what the
// window does not draw shows nothing, selected into mem. False (and no
// snapshot) when it cannot be made.
bool BeginSnapshot(HDC dc, HBRUSH background, SIZE size, CSnapshot& out, HDC& mem, HGDIOBJ& old) {
    Clear(out);
    if (size.cx <= 0 || size.cy <= 0)
        return false;
    if (!out.bitmap.CreateCompatibleBitmap(dc, size.cx, size.cy)) {
        Trace("CreateCompatibleBitmap(%ld, %ld) Error=%lu\n", size.cx, size.cy, GetLastError());
        return false;
    }
    mem = CreateCompatibleDC(dc);
    if (!mem) {
        Clear(out);
        return false;
    }
    old = SelectObject(mem, out.bitmap.GetSafeHandle());
    RECT all{0, 0, size.cx, size.cy};
    FillRect(mem, &all, background);
    out.cx = size.cx;
    out.cy = size.cy;
    return true;
}

void EndSnapshot(HDC mem, HGDIOBJ old) {
    SelectObject(mem, old);
    DeleteDC(mem);
}

}  // namespace

bool CaptureDesktopSnapshot(HWND hwnd, HDC dc, HBRUSH background, CSnapshot out) {
    if (!::IsWindow(hwnd))
        return false;
    HDC windowDc = GetWindowDC(hwnd);
    RECT desktop{}, target{}, visible{};
    ::GetWindowRect(GetDesktopWindow(), &desktop);
    ::GetWindowRect(hwnd, &target);
    IntersectRect(&visible, &desktop, &target);
    SIZE size = SnapshotSize(visible);
    HDC mem = nullptr;
    HGDIOBJ old = nullptr;
    bool taken = BeginSnapshot(dc, background, size, out, mem, old);
    if (taken) {
        Answers(hwnd);
        // Where the visible part begins inside the window.
        int64_t x = target.right > desktop.right ? 0 : ((int64_t)target.right - target.left) - size.cx;
        int64_t y = target.bottom > desktop.bottom ? 0 : ((int64_t)target.bottom - target.top) - size.cy;
        BitBlt(mem, 0, 0, size.cx, size.cy, windowDc, ClampToInt(x), ClampToInt(y), SRCCOPY | CAPTUREBLT);
        EndSnapshot(mem, old);
    }
    ::ReleaseDC(hwnd, windowDc);
    return taken;
}

bool CaptureWindowSnapshot(HWND hwnd, HDC dc, HBRUSH background, const CCaptureOptions& options, CSnapshot out) {
    if (!::IsWindow(hwnd))
        return false;
    // Asked first: a window that does not answer is left as it is.
    if (!Answers(hwnd))
        return false;
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd, &placement);
    WINDOWPLACEMENT kept = placement;
    COLORREF key = 0xFFFFFF;
    BYTE alpha = 255;
    DWORD flags = 0;
    const RECT& normal = placement.rcNormalPosition;
    bool minimised = (style & WS_MINIMIZE) != 0 &&
                     (!options.needNormalSize || (normal.right != normal.left && normal.bottom != normal.top));
    bool layered = (exStyle & WS_EX_LAYERED) != 0;

    if (minimised) {
        if (layered && !GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
            if (AppMessageBox("レイヤー情報が取得できません。レイヤーパラメータが失われますが続行しますか?", MB_YESNO) != IDYES)
                return false;
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
        RECT away = OffsetRectClamped(normal, kAwayOffset, kAwayOffset);
        ::MoveWindow(hwnd, away.left, away.top, away.right - away.left, away.bottom - away.top, TRUE);
    }

    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    HDC mem = nullptr;
    HGDIOBJ old = nullptr;
    bool taken = BeginSnapshot(dc, background, SnapshotSize(rect), out, mem, old);
    if (taken) {
        if (!PrintWindow(hwnd, mem, 0))
            Trace("PrintWindow() Error=%lu\n", GetLastError());
        EndSnapshot(mem, old);
    }

    if (minimised) {
        SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
        // The kept placement also puts its normal position back.
        kept.showCmd = SW_MINIMIZE;
        SetWindowPlacement(hwnd, &kept);
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
        if (options.restoreBothStyles) {
            if (layered)
                SetLayeredWindowAttributes(hwnd, key, alpha, flags);
            SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle);
            SetWindowLongA(hwnd, GWL_STYLE, style);
        } else if (layered) {
            SetLayeredWindowAttributes(hwnd, key, alpha, flags);
        } else {
            SetWindowLongA(hwnd, GWL_EXSTYLE, exStyle);
        }
    }
    return taken;
}
