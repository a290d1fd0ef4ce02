// The window of one attached note: a captionless popup owned by its target
// (or on the desktop) with the text field and the pick bar. The record
// creates it on attach, pushes its values in and destroys it on detach; in
// between it follows its target, fades under the mouse and keeps a marked
// desktop note topmost, on its own timers. It deletes itself when its
// window is gone.
#pragma once
#include <string>

#include "framework/Dialog.h"
#include "framework/Static.h"
#include "model/ArrowData.h"
#include "model/MemletLook.h"
#include "model/ReserveData.h"
#include "note/EditMemlet.h"

class CArrowWin;

class CMemletWin : public CDialog, public CEditMemletListener {
public:
    CMemletWin();
    ~CMemletWin() override;

    // The window from its template, owned by target. On failure the caller
    // deletes the object; once created, the window owns it.
    bool Create(HWND target);
    bool DestroyWindow() override;

    void setTargetWnd(HWND target) { m_hWndTarget = target; }
    // The text is cut to the field's byte limit; the caret goes after it.
    void setText(const std::string& text);
    std::string getText() const;
    void setReadOnly(int readOnly);
    int isReadOnly() const;
    void setTransparent(int percent);
    // 0 takes the size frame away; any other value keeps it.
    void setFrame(int frame);
    int hasFrame() const;
    void setFont(const LOGFONTA& lf);
    LOGFONTA getLogFont() const;
    COLORREF getBkColor() const { return BackColor(m_nBkColor); }
    CReserveData getReserveData() const { return m_reserve; }
    // The edit field takes the background colour, gradation and pattern
    // from the members, and is painted again.
    void UpdateEditLook();

    // After every value is in place: lay out the pick bar and the text,
    // follow the target and start the timers.
    void StartTracking();
    // The note's own alpha, with the colour key when the background is
    // transparent; SetOpaque drops the key and shows the note whole.
    void ApplyAlpha();
    void SetLayeredAlpha(BYTE alpha);
    void SetOpaque();

    // The leader line. ShowArrow turns it on; DestroyArrowWin turns it off
    // and keeps the points as the user left them.
    void ShowArrow();
    // The line's window, when the target is still a window; otherwise the
    // note keeps its flag and points and has no line until it attaches again.
    void CreateArrowWin();
    void DestroyArrowWin();
    // The flag and the points for saving: the live points while the line is
    // shown, else the stored ones.
    CArrowData getArrowData();
    // A new line's points: from the note's centre to 100 px below it.
    void InitArrowPoints();
    // The line takes the note's background colour, pick-bar colour and
    // width index.
    void setArrowBkColor();
    void setArrowColor();
    void setArrowWidth();

    // The edit field's reports.
    void notifyMouseWheel(UINT flags, short delta, POINT screen) override;
    void notifyMouseMove(UINT flags, POINT pt) override;
    void notifyButtonDown(UINT flags, POINT pt) override;

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    CStatic m_stPickBar;
    CEditMemlet m_editMemlet;
    BYTE m_nAlpha = 200;
    int m_nTransparent = 70;  // percent
    int m_nColor = 0;         // pick-bar colour
    int m_nPickPos = 0;       // 0 right, 1 top, 2 left, 3 bottom
    int m_nBkColor = 0;
    int m_nTxColor = 0;
    int m_nGraFlg = 0;
    int m_nGraPtn = 0;
    HWND m_hWndTarget = nullptr;
    RECT m_rectTarget{};  // the target's window rect when last followed, screen
    RECT m_rectWin{};     // this window's rect, screen
    int m_nArLineWidth;
    int m_nMouseHideCtl = 0;  // fade out under the mouse
    int m_bDesktop = 0;
    int m_nBkTransparent = 0;  // the background colour is see-through
    CReserveData m_reserve;
    CArrowData m_arrow;
    CArrowWin* m_pArrowWin = nullptr;

protected:
    bool OnInitDialog() override;
    // Esc, Enter and the close command never close a note.
    void OnOK() override {}
    void OnCancel() override {}
    void DoDataExchange(CDataExchange& dx) override;
    void PostNcDestroy() override;

    int OnCreate(CREATESTRUCTW* cs) override;
    void OnTimer(UINT_PTR id) override;
    bool OnCommand(int id, int code, HWND ctl) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnMove(int x, int y) override;
    HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType) override;
    void OnShowWindow(bool show, UINT status) override;
    void OnMouseMove(UINT flags, POINT pt) override;
    void OnMouseWheel(UINT flags, short delta, POINT screen) override;
    void OnLButtonDown(UINT flags, POINT pt) override;
    void OnRButtonDown(UINT flags, POINT pt) override;
    void OnSetfocusEditMemlet();
    void OnKillfocusEditMemlet();

    // The popup menu and its commands. A command that hands the note to the
    // panel touches nothing afterwards: the panel may have closed it.
    void OnRButtonUp(UINT flags, POINT pt) override;
    bool OnMenuCommand(int id);
    void OnMenuitemdelete();
    void OnMenuitemreadonly();
    void OnMenuitemwritable();
    void OnMenuitemtrans();
    void OnMenuitemcolor();
    void OnMenuitemframeon();
    void OnMenuitemframeoff();
    void OnMenuitemfont();
    void OnMenuitemcopy();
    void OnMenuitemsplit();
    void OnMenuitemabsorb();
    void OnMenuitemdesktop();
    void OnMenuitemmove();
    void OnMenuitemmatch();
    void OnMenuitemexport();
    void OnMenuitempending();
    // One pixel smaller and back: the layout runs again at the same size.
    void NudgeSize();

    // The leader line's object; CreateArrowWin gives it the window.
    virtual CArrowWin* NewArrowWin();
    // The fade timer at its period; false when the system refused it.
    virtual bool SetFadeTimer(UINT ms);

private:
    // True while hwnd is still this object's window: nested loops (dragging,
    // the size frame) run timers that may destroy the note.
    bool IsMine(HWND hwnd) const { return ::IsWindow(hwnd) && FromHandle(hwnd) == this; }
    bool GradationInEffect() const { return m_nGraFlg && !m_nBkTransparent; }
    void FollowStep();
    // The follow timer at ms, set again only when its period changes.
    void ArmFollow(UINT ms);
    void HoverCheck();
    void TopmostCheck();
    // The mouse-over fade from its first step, its timer set if it rests.
    void BeginFade();
    void FadeStep();
    // The mouse came over the note; fromTimer names who saw it.
    void MouseEntered(bool fromTimer);
    void Layout(int cx, int cy);
    void Redraw();
    void SetLayered(COLORREF key, BYTE alpha, DWORD flags);
    HBRUSH DialogColors(HDC dc);
    // The line window while the line is on, else null.
    CArrowWin* ShownArrow() const { return m_arrow.m_nArwFlag == 1 ? m_pArrowWin : nullptr; }
    // The line follows the note and the target.
    void UpdateArrowRects();

    HFONT m_hFont = nullptr;
    HBRUSH m_brPickBar[kPickBarRows];
    HBRUSH m_brBack[kBackRows];
    int m_bFirstFocus = 1;
    int m_bMouseIn = 0;
    int m_nFadeCount = 0;
    int m_bEditFocus = 0;
    int m_bTopMost = 0;
    UINT m_nFollowMs = 0;  // the follow timer's period, 0 while it is off
    bool m_bFadeTimer = false;  // the fade timer is set
    bool m_bCreated = false;
};

// A window's client rect in screen coordinates; r stays as it is when hwnd
// is no window.
void GetScreenClientRect(HWND hwnd, RECT& r);
