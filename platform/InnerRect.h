// Where an inner window lies in an outer window's client area: for a glass
// margin or a thumbnail placed over a child window.
#pragma once
#include <windows.h>
#include <uxtheme.h>

// Distances of the inner window's edges from the edges of the outer
// window's client area, in pixels.
void GetInnerMargins(HWND outer, HWND inner, MARGINS* margins);
// The inner window's rectangle in the outer window's client coordinates.
void GetInnerRect(HWND outer, HWND inner, RECT* rect);
