#include "platform/InnerRect.h"

void GetInnerMargins(HWND outer, HWND inner, MARGINS* margins) {
    RECT client{};
    GetClientRect(outer, &client);
    POINT origin{0, 0};
    ClientToScreen(outer, &origin);
    RECT in{};
    GetWindowRect(inner, &in);
    margins->cxLeftWidth = in.left - origin.x;
    margins->cxRightWidth = (origin.x + client.right) - in.right;
    margins->cyTopHeight = in.top - origin.y;
    margins->cyBottomHeight = (origin.y + client.bottom) - in.bottom;
}

void GetInnerRect(HWND outer, HWND inner, RECT* rect) {
    POINT origin{0, 0};
    ClientToScreen(outer, &origin);
    GetWindowRect(inner, rect);
    OffsetRect(rect, -origin.x, -origin.y);
}
