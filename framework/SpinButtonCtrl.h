// An up-down control, spoken to with the 32-bit messages: its range and
// position are ints, not the 16-bit halves of the old messages.
#pragma once
#include "framework/Wnd.h"

#include <commctrl.h>

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange32(int lower, int upper) { Send(UDM_SETRANGE32, (WPARAM)lower, (LPARAM)upper); }
    void GetRange32(int& lower, int& upper) const { Send(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper); }
    // A position outside the range is brought to its nearer end.
    int SetPos32(int pos) { return (int)Send(UDM_SETPOS32, 0, (LPARAM)pos); }
    // The position, always within the range: text in the buddy that is no
    // whole number within it leaves the last valid position, and error
    // (when given) tells so.
    int GetPos32(bool* error = nullptr) const {
        BOOL failed = FALSE;
        int pos = (int)Send(UDM_GETPOS32, 0, (LPARAM)&failed);
        if (error)
            *error = failed != FALSE;
        return pos;
    }
    HWND GetBuddy() const { return (HWND)Send(UDM_GETBUDDY); }
};
