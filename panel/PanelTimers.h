// The panel's timers.
#pragma once
#include <windows.h>

enum : UINT_PTR {
    kTimerTracking = 103,       // the window list and every note's match
    kTimerHotKeyRelease = 105,  // ends a paste hot key's press
};
constexpr UINT kFirstTrackingMs = 100;
constexpr UINT kTrackingMs = 500;  // from the end of one tick's work to the next
constexpr UINT kHotKeyReleaseMs = 100;
