// Dialog data exchange: members to controls (save false) or back (save true).
#pragma once
#include <windows.h>

#include <string>

class CWnd;

struct CDataExchange {
    HWND dlg;
    bool save;  // true: controls to members
};

// A check box as 0 or 1.
void DDX_Check(CDataExchange& dx, int id, int& value);
// A radio group as the position of the checked button, counted in template
// order from firstId (the button with WS_GROUP) to the next WS_GROUP; -1 when
// none is checked. Loading -1 or a position past the end unchecks them all.
void DDX_Radio(CDataExchange& dx, int firstId, int& value);
// The text of a control as CP932.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// The text of a control as a number; text that is no number keeps the value.
void DDX_Text(CDataExchange& dx, int id, int& value);
// Binds a control object to its control the first time (subclassing it).
void DDX_Control(CDataExchange& dx, int id, CWnd& control);
