// A push button that paints itself: a soft light vertical gradient in a
// rounded 1-pixel frame; bluish under the mouse, darker while pressed, a
// blue double frame as the default button, flat and grey when disabled, a
// dotted focus rectangle. The caption is one line, centred, in the font set
// on the button (WM_SETFONT). It paints through a 32-bit buffer, so that
// OnDraw may set the alpha byte. Bind it to a push button (Subclass,
// DDX_Control) whose parent is one of our windows: the button becomes
// owner-drawn and its drawing comes back to it from the parent.
#pragma once
#include "framework/Button.h"

class CMFCButton : public CButton {
public:
    // The cursor over the button; null leaves it to the system.
    void SetMouseCursor(HCURSOR cursor) { m_cursor = cursor; }
    void SetMouseCursorHand() { SetMouseCursor(LoadCursor(nullptr, IDC_HAND)); }

    // The mouse is over the button.
    bool IsHighlighted() const { return m_highlighted; }
    // Enter presses it: it has the dialog's default look.
    bool IsDefaultButton() const { return m_default; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    // Paints the whole button into rect of dc, nothing outside it. state is
    // the drawing's ODS_* (selected: pressed, focus, disabled, noaccel,
    // nofocusrect); the mouse and default looks come from the object.
    virtual void OnDraw(HDC dc, const RECT& rect, UINT state);

    void OnSubclassed() override;
    bool OnReflectDrawItem(DRAWITEMSTRUCT* item) override;
    bool OnEraseBkgnd(HDC dc) override;
    bool OnSetCursor(HWND wnd, UINT hitTest, UINT mouseMsg) override;
    void OnMouseMove(UINT flags, POINT pt) override;
    void OnMouseLeave() override;
    void OnLButtonDblClk(UINT flags, POINT pt) override;

private:
    HCURSOR m_cursor = nullptr;
    bool m_highlighted = false;
    bool m_default = false;
};
