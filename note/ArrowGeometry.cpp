#include "note/ArrowGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

#include "framework/Rects.h"

namespace {

struct PenOfWidth {
    int pen, head;
};
const PenOfWidth kPens[] = {{1, 10}, {2, 12}, {3, 15}};
const PenOfWidth kOtherPen{2, 2};

const PenOfWidth& PenOf(int widthIndex) {
    return widthIndex >= 0 && widthIndex < (int)std::size(kPens) ? kPens[widthIndex] : kOtherPen;
}

int Place(int64_t v) { return (int)std::clamp(v, -kCoordLimit, kCoordLimit); }
int ToInt(int64_t v) { return (int)std::clamp<int64_t>(v, INT_MIN, INT_MAX); }
int ToInt(double v) { return (int)std::clamp<double>(std::trunc(v), INT_MIN, INT_MAX); }

}  // namespace

int ArrowPenWidth(int widthIndex) { return PenOf(widthIndex).pen; }
int ArrowHeadLength(int widthIndex) { return PenOf(widthIndex).head; }

POINT PointAt(POINT origin, int64_t dx, int64_t dy) {
    return POINT{Place(origin.x + dx), Place(origin.y + dy)};
}

POINT OffsetFrom(POINT p, POINT origin) {
    return POINT{ToInt((int64_t)p.x - origin.x), ToInt((int64_t)p.y - origin.y)};
}

POINT CentreOf(const RECT& r) {
    return POINT{ToInt(r.left + ((int64_t)r.right - r.left) / 2), ToInt(r.top + ((int64_t)r.bottom - r.top) / 2)};
}

POINT DefaultStartOffset(const RECT& note) {
    return POINT{ToInt(((int64_t)note.right - note.left) / 2), ToInt(((int64_t)note.bottom - note.top) / 2)};
}

POINT BelowCentre(const RECT& note) {
    POINT half = DefaultStartOffset(note);
    return PointAt(POINT{note.left, note.top}, half.x, (int64_t)half.y + kEndBelowCentre);
}

POINT KeepOffWorkEdges(POINT p, const RECT& work) {
    return POINT{ToInt(std::min<int64_t>(p.x, (int64_t)work.right - kWorkEdgeGap)),
                 ToInt(std::min<int64_t>(p.y, (int64_t)work.bottom - kWorkEdgeGap))};
}

bool ClampIntoNote(RECT& h, const RECT& note) {
    int64_t w = (int64_t)h.right - h.left, ht = (int64_t)h.bottom - h.top;
    int64_t cx = ((int64_t)h.left + h.right) / 2, cy = ((int64_t)h.top + h.bottom) / 2;
    int64_t left = h.left, top = h.top;
    if (cy < note.top)
        top = note.top - ht / 2;
    if (cy > note.bottom)
        top = note.bottom + ht / 2 - ht;
    if (cx < note.left)
        left = note.left - w / 2;
    if (cx > note.right)
        left = note.right + w / 2 - w;
    if (left == h.left && top == h.top)
        return false;
    h = OffsetRectClamped(h, left - h.left, top - h.top);
    return true;
}

RECT FitAround(const RECT& a, const RECT& b) {
    int left = Place((int64_t)std::min(a.left, b.left) - kArrowMargin);
    int top = Place((int64_t)std::min(a.top, b.top) - kArrowMargin);
    int right = Place((int64_t)std::max(a.right, b.right) + kArrowMargin);
    int bottom = Place((int64_t)std::max(a.bottom, b.bottom) + kArrowMargin);
    return RECT{left, top, right, bottom};
}

bool ArrowHead(POINT s, POINT e, int h, POINT corners[3]) {
    double dx = (double)e.x - s.x, dy = (double)e.y - s.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (h <= 0 || length < h)
        return false;
    double g = h / length;
    double bx = e.x - dx * g, by = e.y - dy * g;
    double wx = -dy * g * 0.4, wy = dx * g * 0.4;  // half the base, across the line
    corners[0] = e;
    corners[1] = POINT{ToInt(bx + wx), ToInt(by + wy)};
    corners[2] = POINT{ToInt(bx - wx), ToInt(by - wy)};
    return true;
}
