// What a leader line's handle reports to its owner. Index 0 is the start
// handle, 1 the end handle.
#pragma once
#include <windows.h>

class CPointWinListener {
public:
    virtual ~CPointWinListener() = default;
    // The handle moved, by the user or by the program.
    virtual void notifyPointMove(int index) = 0;
    // pt in the handle's client coordinates.
    virtual void notifyPointDblClk(int index, UINT flags, POINT pt) = 0;
};
