#include "note/Gradation.h"

#include <algorithm>

#include "app/GradientFill.h"

namespace {

constexpr int kBands = 64;

COLORREF PerChannel(COLORREF c, int (*f)(int, int), int arg) {
    return RGB(f(GetRValue(c), arg), f(GetGValue(c), arg), f(GetBValue(c), arg));
}

// Half of a two-band pattern: 64 bands from the half's bottom edge
// (vertical) or left edge, a at that side and b at the other.
void FillHalf(HDC dc, const RECT& half, bool vertical, COLORREF a, COLORREF b) {
    int size = vertical ? half.bottom - half.top : half.right - half.left;
    for (int i = 0; i < kBands; i++) {
        int from = i * size / kBands;
        int to = (i + 1) * size / kBands;
        if (to <= from)
            continue;
        RECT band = half;
        if (vertical) {
            band.top = half.bottom - to;
            band.bottom = half.bottom - from;
        } else {
            band.left = half.left + from;
            band.right = half.left + to;
        }
        PaintSolid(dc, band, BandColor(a, b, i));
    }
}

}  // namespace

COLORREF TintColor(COLORREF c, int p) {
    p = std::max(p, 0);
    return PerChannel(c, [](int x, int p) { return 255 - (255 - x) * p / 100; }, p);
}

COLORREF ShadeColor(COLORREF c) {
    return PerChannel(c, [](int x, int) { return 255 - std::min(255, (25500 - 100 * x) / 80); }, 0);
}

COLORREF BandColor(COLORREF a, COLORREF b, int i) {
    auto mix = [i](int x, int y) { return ((kBands - i) * x + i * y) / kBands; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void PaintSolid(HDC dc, const RECT& r, COLORREF c) {
    HBRUSH brush = CreateSolidBrush(c);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

bool PaintGradation(HDC dc, const RECT& r, COLORREF c, int pattern) {
    COLORREF light = TintColor(c, 30), strong = TintColor(c, 80), shade = ShadeColor(c);
    switch (pattern) {
    case 0:
        GradientFillV(dc, r, shade, light);
        return true;
    case 1:
        GradientFillV(dc, r, light, shade);
        return true;
    case 2:
        GradientFillH(dc, r, shade, light);
        return true;
    case 3:
        GradientFillH(dc, r, light, shade);
        return true;
    case 4:
    case 5: {
        // Edge colour at the top and bottom, middle colour along the cut.
        COLORREF edge = pattern == 4 ? strong : light, middle = pattern == 4 ? light : strong;
        RECT upper = r, lower = r;
        upper.bottom = lower.top = r.top + 50 * (r.bottom - r.top) / 100;
        FillHalf(dc, upper, true, middle, edge);
        FillHalf(dc, lower, true, edge, middle);
        return true;
    }
    case 6:
    case 7: {
        COLORREF edge = pattern == 6 ? light : strong, middle = pattern == 6 ? strong : light;
        RECT left = r, right = r;
        left.right = right.left = r.left + 50 * (r.right - r.left) / 100;
        FillHalf(dc, left, false, edge, middle);
        FillHalf(dc, right, false, middle, edge);
        return true;
    }
    }
    return false;
}
