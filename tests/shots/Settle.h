// Waiting for what a sheet shows before its picture is taken: every window
// painted and two pictures in a row alike, at most ten seconds.
#pragma once
#include <windows.h>

#include <functional>

// Runs this thread's messages for ms milliseconds: the windows paint, enable
// themselves and settle under the mouse.
void Pump(DWORD ms);
// Whether every visible window of the process and its visible children have
// painted, also those whose loops run on other threads.
bool AllPainted();

// The picture of r, saved as a BMP into file once it holds still; false
// when the screen could not be read or the file written.
bool SaveWhenStill(const char* file, const RECT& r);

// For windows that run a loop of their own (a menu, a message box): run()
// opens them and returns once they are closed. On a timer inside their loop,
// shown() gives the part of the screen to save and whether everything the
// sheet shows is up; the picture is saved once it holds still (or at the
// deadline, if there is anything to save), then close() closes them.
bool SaveFromInsideLoop(const char* file, const std::function<bool(RECT&)>& shown,
                        const std::function<void()>& close, const std::function<void()>& run);

// The program's message box, raised by raise() on this thread as the program
// raises it, over the window over (centred on it) or alone when over is
// null; saved from inside its loop with over, then answered with OK.
bool SaveBoxSheet(const char* file, HWND over, const std::function<void()>& raise);
