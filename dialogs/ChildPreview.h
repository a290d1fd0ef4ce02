// The still picture of a window that the child-window pickers paint on
// their own client area, with the chosen child framed in red.
#pragma once
#include <windows.h>

// Where the picture and the frame go in a box at origin of size box.
struct CPreviewLayout {
    bool image = false;    // a snapshot to draw
    bool stretch = false;  // scaled down (HALFTONE), else copied 1:1
    int cx = 0, cy = 0;    // the drawn size; the whole box when copied 1:1
    double scale = 0;
    bool framed = false;
    RECT frame{};  // client pixels
};

// A snapshot of cx by cy; child is the child's rectangle relative to the
// window's top-left corner. A frame of zero width or height, or a snapshot
// with a zero side, is not drawn; the frame is cut at the box's right and
// bottom edges only.
CPreviewLayout LayoutPreview(POINT origin, SIZE box, int cx, int cy, const RECT& child);

void PaintPreview(HDC dc, POINT origin, SIZE box, HBITMAP snapshot, int cx, int cy, const RECT& child);
// The box is painted afresh, background and all.
void InvalidatePreview(HWND dlg, POINT origin, SIZE box);
