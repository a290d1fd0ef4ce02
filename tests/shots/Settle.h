// Waiting for what a sheet shows before its picture is taken.
#pragma once
#include <windows.h>

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
