#include "note/MemletGeometry.h"

#include <algorithm>

#include "framework/Rects.h"

namespace {

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
