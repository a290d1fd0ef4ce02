// The look indices of a note (pick-bar colour, background, text colour) as
// colours, and its opacity arithmetic. The indices come from files and from
// other programs unchecked: every lookup maps an unknown index to the
// table's last row and never reads past it.
#pragma once
#include <windows.h>

constexpr int kPickBarRows = 5;  // red, green, blue, orange, black (also any other index)
constexpr int kBackRows = 6;     // white, red, green, blue, yellow, grey (also any other index)

// The row of COLOR and of BKCOLOR in their tables (and brush arrays).
int PickBarRow(int color);
int BackRow(int bkColor);

COLORREF PickBarColor(int color);
COLORREF BackColor(int bkColor);
COLORREF TextColor(int txColor);
// The read-only mark " R" on the pick bar: black on red, red on any other.
COLORREF PickBarMarkColor(int color);

// Layered-window alpha of an opacity percentage.
BYTE AlphaOfPercent(int percent);

// The mouse-over fade: steps counted down from kFadeSteps; step k shows
// FadeAlpha(k, alpha) of the note's alpha.
constexpr int kFadeSteps = 10;
BYTE FadeAlpha(int step, BYTE alpha);
