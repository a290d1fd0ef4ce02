// One end of a note's leader line: a small yellow circle, hidden until the
// user clicks the line, that the user drags to move that end. It tells its
// listener of every move and of a double-click. It lives as a member of the
// line window's object and goes with it.
#pragma once
#include "framework/Dialog.h"
#include "note/PointWinListener.h"

class CPointWin : public CDialog {
public:
    CPointWin();
    ~CPointWin() override;

    bool DestroyWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    CPointWinListener* m_pListener = nullptr;  // not owned; null: nobody is told
    int m_nIndex = 0;                          // 0 the start, 1 the end

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    int OnCreate(CREATESTRUCTW* cs) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;
    void OnMove(int x, int y) override;
    void OnLButtonDblClk(UINT flags, POINT pt) override;

private:
    // Once SetWindowRgn has taken it, the region is the system's: it is
    // only forgotten here, never deleted.
    HRGN m_hRgn = nullptr;
    HBRUSH m_brYellow;
};
