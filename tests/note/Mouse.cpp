#include "note/Mouse.h"

#include <gtest/gtest.h>

#include "framework/TestWindows.h"

namespace {

POINT g_dragTo;

void CALLBACK DragMove(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    MoveMouse(g_dragTo);
}

void CALLBACK DragRelease(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

}  // namespace

void SendMouse(DWORD flags, POINT at) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        in.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &in, sizeof in);
}

void MoveMouse(POINT at) { SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at); }

bool PlaceCursor(POINT at) {
    auto there = [at] {
        POINT p{};
        return GetCursorPos(&p) && p.x == at.x && p.y == at.y;
    };
    // A motion reported late can put an older place back for a moment:
    // twice in a row counts.
    for (int i = 0; i < 50; i++) {
        SetCursorPos(at.x, at.y);
        PumpFor(20);
        if (!there())
            continue;
        PumpFor(20);
        if (there())
            return true;
    }
    return false;
}

void Click(POINT at) {
    EXPECT_TRUE(PlaceCursor(at));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void DoubleClick(POINT at) {
    Click(at);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void StartDrag(POINT from, POINT to) {
    EXPECT_TRUE(PlaceCursor(from));
    g_dragTo = to;
    SetTimer(nullptr, 0, 100, DragMove);
    SetTimer(nullptr, 0, 250, DragRelease);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}
