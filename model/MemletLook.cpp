#include "model/MemletLook.h"

namespace {

const COLORREF kPickBarColors[kPickBarRows] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(253, 140, 2),
                                               RGB(0, 0, 0)};
const COLORREF kBackColors[kBackRows] = {RGB(255, 255, 255), RGB(255, 200, 200), RGB(200, 255, 200),
                                         RGB(200, 200, 255), RGB(255, 255, 180), RGB(150, 150, 150)};
const COLORREF kTextColors[3] = {RGB(0, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255)};
const BYTE kFade[kFadeSteps] = {0, 0, 0, 0, 60, 100, 150, 180, 220, 255};

}  // namespace

int PickBarRow(int color) { return color >= 0 && color < kPickBarRows ? color : kPickBarRows - 1; }
int BackRow(int bkColor) { return bkColor >= 0 && bkColor < kBackRows ? bkColor : kBackRows - 1; }

COLORREF PickBarColor(int color) { return kPickBarColors[PickBarRow(color)]; }
COLORREF BackColor(int bkColor) { return kBackColors[BackRow(bkColor)]; }
COLORREF TextColor(int txColor) { return txColor >= 0 && txColor < 3 ? kTextColors[txColor] : RGB(0, 0, 0); }
COLORREF PickBarMarkColor(int color) { return color == 0 ? RGB(0, 0, 0) : RGB(255, 0, 0); }

BYTE AlphaOfPercent(int percent) {
    // Stored percentages are clamped on reading; a value from elsewhere
    // still gives a valid alpha.
    if (percent < 0)
        percent = 0;
    if (percent > 100)
        percent = 100;
    return (BYTE)(percent * 255 / 100);
}

BYTE FadeAlpha(int step, BYTE alpha) {
    if (step < 0)
        step = 0;
    if (step >= kFadeSteps)
        step = kFadeSteps - 1;
    return (BYTE)(kFade[step] * alpha / 255);
}
