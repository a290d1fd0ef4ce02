#include "note/Gradation.h"

#include <algorithm>

#include "platform/GradientFill.h"

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

// Two halves of r, one above the other (vertical) or side by side, with
// edge at the outer edges and middle along the line where they meet.
void FillHalves(HDC dc, const RECT& r, bool vertical, COLORREF edge, COLORREF middle) {
    RECT first = r, second = r;
    if (vertical) {
        first.bottom = second.top = r.top + 50 * (r.bottom - r.top) / 100;
        FillHalf(dc, first, true, middle, edge);  // its bottom edge is the middle line
        FillHalf(dc, second, true, edge, middle);
    } else {
        first.right = second.left = r.left + 50 * (r.right - r.left) / 100;
        FillHalf(dc, first, false, edge, middle);  // its left edge is the outer one
        FillHalf(dc, second, false, middle, edge);
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
    // Two halves that meet along the middle line.
    case 4:
        FillHalves(dc, r, true, strong, light);
        return true;
    case 5:
        FillHalves(dc, r, true, light, strong);
        return true;
    case 6:
        FillHalves(dc, r, false, light, strong);
        return true;
    case 7:
        FillHalves(dc, r, false, strong, light);
        return true;
    }
    return false;
}
