// The child windows a child-window picker lists: those a child condition
// can name (visible, enabled, with a text, children of children included),
// read as matching reads them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/ListCtrl.h"
#include "model/WinInf.h"

// The children of top in the system's order; none when it is no window.
std::vector<CChildWinInf> ListChildWindows(HWND top);

// "className", "CtrlID", "TEXT", the hidden "Handle" and an empty column.
void InsertChildColumns(CListCtrl& list, int classWidth, int idWidth, int textWidth);
// Row i shows child i; redrawn once at the end.
void FillChildRows(CListCtrl& list, const std::vector<CChildWinInf>& children);

// The first child of that class (exact bytes) and id, or -1.
int FindChildRow(const std::vector<CChildWinInf>& children, const std::string& className, int ctlId);
// OK on the list: the child of that row, once the user has been told of
// a row not chosen or has taken a class and id pair that other children
// share; null when there is nothing to take.
const CChildWinInf* AcceptChildRow(const std::vector<CChildWinInf>& children, int row);

// The child's window rectangle less the top-left corner of top's; the
// previous frame while the child is no window.
RECT ChildFrame(HWND child, HWND top, const RECT& previous);

// The trace lines of an accepted choice.
void TraceChildChoice(const std::string& className, int ctlId, const std::string& text);
