#include "framework/Rects.h"

#include <algorithm>

namespace {

int Clamp(int64_t v, int64_t lo, int64_t hi) { return (int)std::clamp(v, lo, hi); }

}  // namespace

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

RECT CenterRectIn(const RECT& r, const RECT& area) {
    int64_t w = std::clamp<int64_t>((int64_t)r.right - r.left, 0, kCoordLimit);
    int64_t h = std::clamp<int64_t>((int64_t)r.bottom - r.top, 0, kCoordLimit);
    int64_t x = (int64_t)area.left + ((int64_t)area.right - area.left - w) / 2;
    int64_t y = (int64_t)area.top + ((int64_t)area.bottom - area.top - h) / 2;
    return OffsetRectClamped(RECT{0, 0, (LONG)w, (LONG)h}, x, y);
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
