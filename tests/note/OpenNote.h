// Notes opened the way the record opens them: every value pushed in, then
// tracking, then shown.
#pragma once
#include <windows.h>

#include <string>

#include "model/ArrowData.h"

class CMemletWin;

struct NoteLook {
    std::string text;
    int percent = 100;
    int mouseHide = 0;
    int color = 0;
    int pickPos = 0;
    int bkColor = 4;
    int txColor = 0;
    int graFlg = 0;
    int graPtn = 0;
    int bkTransparent = 0;
    int frame = 1;
    int readOnly = 0;
    int desktop = 0;
    RECT rect{300, 300, 500, 360};  // the note, screen
    RECT target{};                  // as the record stored it; empty: none
    CArrowData arrow;               // the leader line: off
    int lineWidth = 1;
    int ownFont = 1;  // 0: the field keeps the window's font
};

// Opens a note on target into win (new CMemletWin when null); null when the
// window could not be made.
CMemletWin* OpenNote(HWND target, const NoteLook& look, CMemletWin* win = nullptr);

