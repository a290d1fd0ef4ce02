// The text field of a note: a multi-line edit that paints its own
// background, one colour or a gradation of it, tells its listener of the
// mouse, and holds at most a given number of CP932 bytes.
#pragma once
#include "framework/ByteLimitEdit.h"
#include "note/EditMemletListener.h"

class CEditMemlet : public CByteLimitEdit {
public:
    ~CEditMemlet() override = default;

    int m_nGradation = 0;  // paint the gradation instead of the solid colour
    int m_nPattern = 0;    // gradation pattern 0..7
    COLORREF m_crBase = RGB(255, 255, 255);
    CEditMemletListener* m_pListener = nullptr;  // not owned

protected:
    bool OnEraseBkgnd(HDC dc) override;
    void OnMouseWheel(UINT flags, short delta, POINT screen) override;
    void OnMouseMove(UINT flags, POINT pt) override;
    void OnLButtonDown(UINT flags, POINT pt) override;
    void OnRButtonDown(UINT flags, POINT pt) override;
    bool OnReflectCommand(int code) override;
};
