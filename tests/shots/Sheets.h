// The sheets of windows the screenshot program can show. Each puts its
// windows on the screen and gives the part of the screen to save.
#pragma once
#include <windows.h>

RECT ShowNoteSheet();
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
