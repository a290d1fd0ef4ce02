// A target window of the test's own and notes opened on it the way the
// record opens them: every value pushed in, then tracking, then shown.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "framework/Wnd.h"
#include "model/PropatyData.h"
#include "note/MemletWin.h"

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
};

// Opens a note on target into win (new CMemletWin when null); null when the
// window could not be made.
CMemletWin* OpenNote(HWND target, const NoteLook& look, CMemletWin* win = nullptr);

// Test windows all live on one desktop: the fixture's target window sits at
// kTargetRect and the size limits are the program's.
class NoteTest : public testing::Test {
protected:
    static constexpr RECT kTargetRect{100, 100, 700, 500};
    void SetUp() override;
    void TearDown() override;
    // The note is gone with the target: its owner.
    CMemletWin* Open(const NoteLook& look) { return OpenNote(m_target.m_hWnd, look); }
    void MoveTarget(int x, int y);
    CWnd m_target;
    CPropatyData m_limits;
};

RECT WindowRect(HWND hwnd);
RECT ClientRectIn(HWND child, HWND parent);
bool operator==(const RECT& a, const RECT& b);
RECT Offset(RECT r, int dx, int dy);
std::ostream& operator<<(std::ostream& os, const RECT& r);

struct Layered {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
};
Layered LayeredOf(HWND hwnd);
