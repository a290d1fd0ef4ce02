// What the note's edit field reports of the mouse to its owner.
#pragma once
#include <windows.h>

class CEditMemletListener {
public:
    virtual ~CEditMemletListener() = default;
    virtual void notifyMouseWheel(UINT flags, short delta, POINT screen) = 0;
    // pt in the edit's client coordinates.
    virtual void notifyMouseMove(UINT flags, POINT pt) = 0;
    virtual void notifyButtonDown(UINT flags, POINT pt) = 0;
};
