#include "framework/DrawingManager.h"

#include <utility>

#include "framework/Trace.h"

HBITMAP CreateDib32(int cx, int cy, DWORD** bits) {
    *bits = nullptr;
    if (cx <= 0 || cy <= 0)
        return nullptr;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap) {
        Trace("CreateDIBSection() Error=%lu\n", GetLastError());
        return nullptr;
    }
    *bits = static_cast<DWORD*>(pixels);
    return bitmap;
}

namespace {

DWORD* RowOf(const DIBSECTION& ds, LONG row) {
    return reinterpret_cast<DWORD*>(static_cast<BYTE*>(ds.dsBm.bmBits) + (size_t)row * ds.dsBm.bmWidthBytes);
}

// GetObject reports the height of every DIB section as positive: the way
// its rows run shows where a pixel set through the DC lands. 1 top-down,
// 0 bottom-up, -1 when the pixel could not be set.
int RowOrder(HDC dc, const DIBSECTION& ds) {
    if (ds.dsBm.bmHeight == 1)
        return 1;
    GdiFlush();
    DWORD* first = RowOf(ds, 0);
    DWORD* last = RowOf(ds, ds.dsBm.bmHeight - 1);
    const DWORD savedFirst = *first, savedLast = *last;
    *first = *last = 0;
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    const int clipped = clip ? GetClipRgn(dc, clip) : 0;
    SelectClipRgn(dc, nullptr);
    POINT origin{0, 0};
    DPtoLP(dc, &origin, 1);
    SetPixelV(dc, origin.x, origin.y, RGB(255, 255, 255));
    GdiFlush();
    const int order = (*first & 0xFFFFFF) ? 1 : (*last & 0xFFFFFF) ? 0 : -1;
    SelectClipRgn(dc, clipped == 1 ? clip : nullptr);
    if (clip)
        DeleteObject(clip);
    *first = savedFirst;
    *last = savedLast;
    return order;
}

// The alpha bytes of device rectangle r of a 32-bit DIB section.
void SetAlphaInDib(const DIBSECTION& ds, bool topDown, RECT r, BYTE alpha) {
    RECT bounds{0, 0, ds.dsBm.bmWidth, ds.dsBm.bmHeight};
    if (!IntersectRect(&r, &r, &bounds))
        return;
    for (LONG y = r.top; y < r.bottom; y++) {
        auto* p = reinterpret_cast<BYTE*>(RowOf(ds, topDown ? y : ds.dsBm.bmHeight - 1 - y) + r.left) + 3;
        for (LONG x = r.left; x < r.right; x++, p += 4) *p = alpha;
    }
}

}  // namespace

bool FillAlpha(HDC dc, const RECT& rect, BYTE alpha) {
    RECT device = rect;
    LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
    if (device.left > device.right)
        std::swap(device.left, device.right);
    if (device.top > device.bottom)
        std::swap(device.top, device.bottom);
    if (IsRectEmpty(&device))
        return true;

    DIBSECTION ds{};
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    if (selected && GetObjectW(selected, sizeof ds, &ds) == (int)sizeof ds && ds.dsBm.bmBitsPixel == 32 &&
        ds.dsBm.bmBits) {
        int order = RowOrder(dc, ds);
        if (order >= 0) {
            SetAlphaInDib(ds, order == 1, device, alpha);
            return true;
        }
    }

    // A window, a printer or a bitmap of another depth: through a copy.
    RECT logical = rect;
    if (logical.left > logical.right)
        std::swap(logical.left, logical.right);
    if (logical.top > logical.bottom)
        std::swap(logical.top, logical.bottom);
    const int cx = logical.right - logical.left, cy = logical.bottom - logical.top;
    DWORD* bits = nullptr;
    HBITMAP copy = CreateDib32(cx, cy, &bits);
    HDC mem = copy ? CreateCompatibleDC(dc) : nullptr;
    bool done = false;
    if (mem) {
        HGDIOBJ old = SelectObject(mem, copy);
        if (BitBlt(mem, 0, 0, cx, cy, dc, logical.left, logical.top, SRCCOPY)) {
            GdiFlush();
            for (size_t i = 0, n = (size_t)cx * cy; i < n; i++) bits[i] = (bits[i] & 0x00FFFFFF) | ((DWORD)alpha << 24);
            done = BitBlt(dc, logical.left, logical.top, cx, cy, mem, 0, 0, SRCCOPY) != 0;
        }
        SelectObject(mem, old);
        DeleteDC(mem);
    }
    if (copy)
        DeleteObject(copy);
    if (!done)
        Trace("FillAlpha() failed\n");
    return done;
}
