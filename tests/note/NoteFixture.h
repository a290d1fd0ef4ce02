// A target window of the test's own and notes opened on it.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "framework/RectChecks.h"
#include "framework/Wnd.h"
#include "model/PropatyData.h"
#include "note/MemletWin.h"
#include "note/OpenNote.h"

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
bool operator==(const POINT& a, const POINT& b);
RECT Offset(RECT r, int dx, int dy);
// Truncating toward zero.
POINT Centre(const RECT& r);
std::ostream& operator<<(std::ostream& os, const POINT& p);

struct Layered {
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
};
Layered LayeredOf(HWND hwnd);
