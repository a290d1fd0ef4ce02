// A list view of another process, read and clicked as another program can:
// plain LVM_ messages, with the structures they fill placed in that
// process's memory.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

int ListRowCount(HWND list);
// LVM_GETSELECTIONMARK: the row the program's commands act on, -1 for none.
int ListSelectionMark(HWND list);
// The text of a cell, CP932; empty when it cannot be read.
std::string ListCellText(HWND list, int row, int column);
// The texts of one column, row by row.
std::vector<std::string> ListColumn(HWND list, int column);
// The row whose column holds text, or -1.
int FindListRow(HWND list, int column, const std::string& text);
// A left click on the row's first column, as its user chooses a row; true
// once the row is the selection mark.
bool ClickListRow(HWND list, int row);
