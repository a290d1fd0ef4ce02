// Sizes and places of a note's leader line and its two handles, apart from
// the windows. Offsets and rectangles come from files, imports and other
// programs unchecked: everything here is computed in 64 bits and clamped,
// so no result overflows an int.
#pragma once
#include <windows.h>

#include <cstdint>

constexpr int kPointSize = 15;      // a handle's width and height, px
constexpr int kArrowMargin = 10;    // the line window around its handles, px
constexpr int kNeverPlaced = -200;  // a start x of this: the points were never placed
constexpr int kEndBelowCentre = 100;  // a new line's end below the note's centre, px
constexpr int kWorkEdgeGap = 10;      // a new end's distance from the work area's right and bottom

// Pen width and head length of line width index ARLINEWIDTH (0 thin,
// 1 standard, 2 thick; any other index draws 2 px with a 2 px head).
int ArrowPenWidth(int widthIndex);
int ArrowHeadLength(int widthIndex);

// origin moved by (dx, dy): where a handle's top-left corner goes.
POINT PointAt(POINT origin, int64_t dx, int64_t dy);
// The offset of p from origin, as it is stored.
POINT OffsetFrom(POINT p, POINT origin);
// left + width / 2 and top + height / 2, truncating toward zero.
POINT CentreOf(const RECT& r);

// A new line on a note of window rect note: the start offset is half the
// note's size; the end lies 100 px below the note's centre, then no nearer
// than 10 px to the right and bottom edges of work (the left and top edges
// do not count).
POINT DefaultStartOffset(const RECT& note);
POINT BelowCentre(const RECT& note);
POINT KeepOffWorkEdges(POINT p, const RECT& work);

// The start handle h moved so that its centre lies on the note's client
// rect: each side is tested with the centre as it was. False when h is
// already there; then h is unchanged.
bool ClampIntoNote(RECT& h, const RECT& note);

// The line window: the two handles' bounding box with the margin.
RECT FitAround(const RECT& a, const RECT& b);

// The arrow head of a line from s to e with head length h: the tip e and
// the two corners of its base. False when the line is shorter than its
// head.
bool ArrowHead(POINT s, POINT e, int h, POINT corners[3]);
