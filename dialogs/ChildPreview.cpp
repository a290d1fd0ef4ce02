#include "dialogs/ChildPreview.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

int Place(LONG edge, double scale, int offset, int limit) {
    double v = std::trunc((double)edge * scale);
    v = std::clamp(v, (double)INT_MIN / 2, (double)INT_MAX / 2) + offset;
    return (int)std::min(v, (double)limit);
}

}  // namespace

CPreviewLayout LayoutPreview(POINT origin, SIZE box, int cx, int cy, const RECT& child) {
    CPreviewLayout l;
    if (cx <= 0 || cy <= 0)
        return l;
    l.image = true;
    if (cx < box.cx && cy < box.cy) {
        l.scale = 1;
        l.cx = box.cx;
        l.cy = box.cy;
    } else {
        l.stretch = true;
        double sx = (double)box.cx / cx, sy = (double)box.cy / cy;
        if (sy > sx) {
            l.scale = sx;
            l.cx = box.cx;
            l.cy = (int)(cy * sx);
        } else {
            l.scale = sy;
            l.cx = (int)(cx * sy);
            l.cy = box.cy;
        }
    }
    if (child.right != child.left && child.bottom != child.top) {
        l.framed = true;
        l.frame.left = Place(child.left, l.scale, origin.x, origin.x + l.cx);
        l.frame.right = Place(child.right, l.scale, origin.x, origin.x + l.cx);
        l.frame.top = Place(child.top, l.scale, origin.y, origin.y + l.cy);
        l.frame.bottom = Place(child.bottom, l.scale, origin.y, origin.y + l.cy);
    }
    return l;
}

void PaintPreview(HDC dc, POINT origin, SIZE box, HBITMAP snapshot, int cx, int cy, const RECT& child) {
    CPreviewLayout l = LayoutPreview(origin, box, cx, cy, child);
    if (!l.image || !snapshot)
        return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, snapshot);
    if (l.stretch) {
        int mode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, origin.x, origin.y, l.cx, l.cy, mem, 0, 0, cx, cy, SRCCOPY);
        SetStretchBltMode(dc, mode);
    } else {
        BitBlt(dc, origin.x, origin.y, cx, cy, mem, 0, 0, SRCCOPY);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    if (l.framed) {
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FrameRect(dc, &l.frame, red);
        DeleteObject(red);
    }
}

void InvalidatePreview(HWND dlg, POINT origin, SIZE box) {
    RECT r{origin.x, origin.y, origin.x + box.cx, origin.y + box.cy};
    InvalidateRect(dlg, &r, TRUE);
}
