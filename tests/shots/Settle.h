// Waiting for what a sheet shows before its picture is taken.
#pragma once
#include <windows.h>

#include <functional>

class CPixels;

// Runs this thread's messages for ms milliseconds: the windows paint, enable
// themselves and settle under the mouse.
void Pump(DWORD ms);
// Whether every visible window of the process and its visible children have
// painted, also those whose loops run on other threads (a message box).
bool AllPainted();
// Waits until everything is painted and two pictures of r in a row are
// alike; at most ten seconds. pixels keeps the last picture; false when the
// screen could not be read.
bool Settle(CPixels& pixels, const RECT& r);

// The program's message box, raised by raise() on this thread as the program
// raises it, over the window over (centred on it) or alone when over is
// null. The picture of both is taken from inside the box's loop once
// everything is painted and two pictures in a row are alike (at most ten
// seconds), saved as a BMP into file, and the box is answered with OK.
bool SaveBoxSheet(const char* file, HWND over, const std::function<void()>& raise);
