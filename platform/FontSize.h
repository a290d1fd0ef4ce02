// Font sizes on the main window's display (the screen while there is none).
#pragma once

// Pixels of 9 points.
int GetDefaultFontHeight();
int PixelToPoint(int pixels);
