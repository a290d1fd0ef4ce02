// The background of a note's text: one colour, or one of eight gradations
// made from it.
#pragma once
#include <windows.h>

// Channel by channel towards white: p 100 keeps the colour, 0 gives white.
COLORREF TintColor(COLORREF c, int p);
// Channel by channel away from white by a quarter of the distance.
COLORREF ShadeColor(COLORREF c);
// Band i of 64 between a (band 0) and b.
COLORREF BandColor(COLORREF a, COLORREF b, int i);

constexpr int kGradationPatterns = 8;

// Fills r with c alone.
void PaintSolid(HDC dc, const RECT& r, COLORREF c);
// Fills r with gradation pattern 0..7 of c; any other pattern paints
// nothing and gives false.
bool PaintGradation(HDC dc, const RECT& r, COLORREF c, int pattern);
