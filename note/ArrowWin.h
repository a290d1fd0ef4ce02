// A note's leader line: an arrow from a point on the note to a point on its
// target, drawn on a layered popup owned by the note whose body is
// see-through by a colour key. Its two ends are handles that the user drags;
// the start stays on the note, the end keeps its place on the target. The
// note feeds it the rects, colours, width and alpha. It deletes itself when
// its window is gone; its handles go with it.
#pragma once
#include "framework/Dialog.h"
#include "model/ArrowData.h"
#include "note/PointWin.h"

constexpr COLORREF kArrowKey = RGB(254, 254, 254);  // the see-through colour

class CArrowWin : public CDialog, public CPointWinListener {
public:
    CArrowWin();
    ~CArrowWin() override;

    // The window, owned by the note. On failure the caller deletes the
    // object; once created, the window owns it.
    bool Create(HWND note);
    bool DestroyWindow() override;

    // The colour key with the alpha mirrored from the note.
    void ApplyAlpha();
    // The note moved or changed its size. Screen rects: the target's client
    // area, the note's client area and the pick bar's window.
    void UpdateRects(const RECT& target, const RECT& note, const RECT& pickBar);
    // The live points, as the user left them.
    CArrowData getArrowData() const { return m_arrow; }
    // The pick bar's colour while the line starts on the bar, else the
    // note's background colour.
    void UpdateLineColor();

    void notifyPointMove(int index) override;
    void notifyPointDblClk(int index, UINT flags, POINT pt) override;

    CPointWin m_pointStart;
    CPointWin m_pointEnd;
    CArrowData m_arrow;
    RECT m_rectTarget{};   // the target's client area, screen
    RECT m_rectNote{};     // the note's client area, screen
    RECT m_rectPickBar{};  // the pick bar's window, screen
    const COLORREF m_crKey = kArrowKey;
    COLORREF m_crLine = 0;
    COLORREF m_crOutside = 0;  // the note's background colour
    COLORREF m_crInside = 0;   // the pick bar's colour
    int m_nLineWidth;          // ARLINEWIDTH
    BYTE m_nAlpha = 0;

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void PostNcDestroy() override;

    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;
    void OnPaint() override;
    void OnLButtonDown(UINT flags, POINT pt) override;
    void OnShowWindow(bool show, UINT status) override;
    void OnTimer(UINT_PTR id) override;
    void OnKillFocus(HWND newFocus) override;

private:
    // Each handle to its origin plus its offset.
    void PlaceHandles();
    // The start handle's centre back onto the note; true when it moved.
    bool ClampStart();
    void Fit();
    void HideHandles();

    HBRUSH m_brKey;
    bool m_bCreated = false;
    bool m_bDestroying = false;
};
