// The sheets of windows the screenshot program can show. Each puts its
// windows on the screen and gives the part of the screen to save.
#pragma once
#include <windows.h>

#include "model/WinInf.h"

RECT ShowNoteSheet();
// A note's balloon tip after a character it cannot save.
RECT ShowBalloonSheet();
RECT ShowControlsSheet();
RECT ShowMainSheet();
RECT ShowPanelSheet();
RECT ShowSearchSheet();
RECT ShowAboutSheet();
RECT ShowWritingSheet();
RECT ShowWindowSelSheet();
RECT ShowColorSettingSheet();
RECT ShowTransSettingSheet();
RECT ShowSizeFrameSheet();
RECT ShowEditTextSheet();
RECT ShowPropatySheet();
RECT ShowInitialMemletSheet();
RECT ShowInitSizeSheet();

class CDialog;
// The dialog at (x, y), on top and made active; its rect on the screen,
// with a margin.
RECT PlaceDialog(CDialog& dlg, int x, int y);
RECT ShowExportStackSheet();
RECT ShowInportStackSheet();
RECT ShowPendingSheet();
// A sheet whose windows run a loop of their own saves its picture from
// inside it, into the BMP file; false when it could not.
bool ShowNoteMenuSheet(const char* file);
bool ShowImportRefusalSheet(const char* file);
bool ShowImportDamageSheet(const char* file);
bool ShowUnreadFilesSheet(const char* file);
bool ShowUnservedFolderSheet(const char* file);
// The match condition and preset dialogs.
RECT ShowMatchConditionSheet();
RECT ShowChildSelSheet();
RECT ShowWinExSelSheet();
RECT ShowPreSetListSheet();
RECT ShowPreSetSheet();

// A row of a window list, as the window-choosing dialogs list it.
inline CWinInf Entry(HWND hwnd, const char* title, const char* process, const char* path) {
    CWinInf w;
    w.m_hWnd = hwnd;
    w.m_strTitle = title;
    w.m_strProcessName = process;
    w.m_strPath = path;
    return w;
}
