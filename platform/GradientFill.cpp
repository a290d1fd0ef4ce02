#include "platform/GradientFill.h"

static TRIVERTEX Vertex(LONG x, LONG y, COLORREF c) {
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = static_cast<COLOR16>(GetRValue(c) << 8);
    v.Green = static_cast<COLOR16>(GetGValue(c) << 8);
    v.Blue = static_cast<COLOR16>(GetBValue(c) << 8);
    v.Alpha = 0;
    return v;
}

static BOOL Fill(HDC hdc, const RECT& rect, COLORREF first, COLORREF second, ULONG mode) {
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, first), Vertex(rect.right, rect.bottom, second)};
    GRADIENT_RECT gradient = {0, 1};
    return GradientFill(hdc, vertices, 2, &gradient, 1, mode);
}

BOOL GradientFillV(HDC hdc, const RECT& rect, COLORREF top, COLORREF bottom) {
    return Fill(hdc, rect, top, bottom, GRADIENT_FILL_RECT_V);
}

BOOL GradientFillH(HDC hdc, const RECT& rect, COLORREF left, COLORREF right) {
    return Fill(hdc, rect, left, right, GRADIENT_FILL_RECT_H);
}
