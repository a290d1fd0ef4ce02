// A static control.
#pragma once
#include "framework/Wnd.h"

class CStatic : public CWnd {
public:
    // For SS_ICON statics; returns the icon before.
    HICON SetIcon(HICON icon) { return (HICON)Send(STM_SETICON, (WPARAM)icon); }
};
