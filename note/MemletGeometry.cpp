#include "note/MemletGeometry.h"

#include <algorithm>
#include <climits>

namespace {

// Half the int range: a place and a size within it never overflow.
constexpr int64_t kCoordLimit = INT_MAX / 2;

int Clamp(int64_t v, int64_t lo, int64_t hi) { return (int)std::clamp(v, lo, hi); }

RECT Box(int x, int y, int w, int h) { return RECT{x, y, x + std::max(w, 0), y + std::max(h, 0)}; }

}  // namespace

bool LayoutPickBar(int pickPos, int cx, int cy, RECT& bar, RECT& edit) {
    const int s = kPickBarSize;
    switch (pickPos) {
    case 0:
        bar = Box(cx - s, 0, s, cy);
        edit = Box(0, 0, cx - s, cy);
        return true;
    case 1:
        bar = Box(0, 0, cx, s);
        edit = Box(0, s, cx, cy - s);
        return true;
    case 2:
        bar = Box(0, 0, s, cy);
        edit = Box(s, 0, cx - s, cy);
        return true;
    case 3:
        bar = Box(0, cy - s, cx, s);
        edit = Box(0, 0, cx, cy - s);
        return true;
    }
    return false;
}

SIZE PickBarMinimum(int pickPos, SIZE window, int d) {
    int need = d + kPickBarSize;
    if ((pickPos == 0 || pickPos == 2) && window.cx < need)
        window.cx = need;
    if ((pickPos == 1 || pickPos == 3) && window.cy < need)
        window.cy = need;
    return window;
}

SIZE WheelResize(SIZE window, UINT flags, int delta, SIZE minimum) {
    int step = -(delta / 120);
    int64_t cx = window.cx + ((flags & MK_CONTROL) ? step : 0);
    int64_t cy = window.cy + ((flags & MK_SHIFT) ? step : 0);
    return SIZE{Clamp(cx, minimum.cx, kCoordLimit), Clamp(cy, minimum.cy, kCoordLimit)};
}

RECT OffsetRectClamped(const RECT& r, int64_t dx, int64_t dy) {
    int64_t w = std::clamp<int64_t>((int64_t)r.right - r.left, 0, kCoordLimit);
    int64_t h = std::clamp<int64_t>((int64_t)r.bottom - r.top, 0, kCoordLimit);
    int x = Clamp((int64_t)r.left + dx, -kCoordLimit, kCoordLimit);
    int y = Clamp((int64_t)r.top + dy, -kCoordLimit, kCoordLimit);
    return RECT{x, y, (int)(x + w), (int)(y + h)};
}

RECT CenterIn(const RECT& around, SIZE size) {
    int64_t x = ((int64_t)around.left + around.right) / 2 - size.cx / 2;
    int64_t y = ((int64_t)around.top + around.bottom) / 2 - size.cy / 2;
    return OffsetRectClamped(RECT{0, 0, size.cx, size.cy}, x, y);
}

RECT KeepInside(const RECT& r, const RECT& area) {
    int64_t dx = 0, dy = 0;
    if (r.right > area.right)
        dx = (int64_t)area.right - r.right;
    if ((int64_t)r.left + dx < area.left)
        dx = (int64_t)area.left - r.left;
    if (r.bottom > area.bottom)
        dy = (int64_t)area.bottom - r.bottom;
    if ((int64_t)r.top + dy < area.top)
        dy = (int64_t)area.top - r.top;
    return OffsetRectClamped(r, dx, dy);
}
