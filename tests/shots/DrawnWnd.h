// A window of a sheet that draws itself the same way on the screen and
// into a snapshot (PrintWindow asks for its client with WM_PRINTCLIENT).
#pragma once
#include "framework/Wnd.h"

class CDrawnWnd : public CWnd {
protected:
    virtual void Draw(HDC dc) = 0;

    void OnPaint() override {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hWnd, &ps);
        Draw(dc);
        EndPaint(m_hWnd, &ps);
    }
    bool OnEraseBkgnd(HDC) override { return true; }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_PRINTCLIENT) {
            Draw((HDC)wp);
            return 0;
        }
        return CWnd::WindowProc(msg, wp, lp);
    }
};
