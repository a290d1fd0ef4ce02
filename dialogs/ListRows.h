// What the program's list views have in common: their look, a row chosen
// as a click chooses it, and window handles in a hidden column.
#pragma once
#include <windows.h>

#include <string>

#include "framework/ListCtrl.h"

// Full-row selection, and grid lines from Windows Vista on.
void SetListStyle(CListCtrl& list);
// The row becomes the selection mark, selected, hot and scrolled into view.
void SelectListRow(CListCtrl& list, int row);
// The lower 32 bits of a handle as "0x%08x".
std::string HandleText(HWND hwnd);
// The first row whose column holds text, or -1.
int FindRowByText(const CListCtrl& list, int column, const std::string& text);
