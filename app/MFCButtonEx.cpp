#include "app/MFCButtonEx.h"

#include "framework/DrawingManager.h"

void CMFCButtonEx::OnDraw(HDC dc, const RECT& rect, UINT state) {
    CMFCButton::OnDraw(dc, rect, state);
    FillAlpha(dc, rect, 255);
}
