// The base of every window of ours: one window procedure for all of them,
// a switch into virtual handlers, and Default() for what a handler leaves
// to the system. A window of our own class is bound to its object at
// WM_NCCREATE (GWLP_USERDATA from the create parameters); a dialog or a
// control made elsewhere is bound by subclassing it. The binding goes at
// WM_NCDESTROY; then PostNcDestroy runs, which may delete the object, and
// nothing touches the object after that. No C++ exception leaves the window
// procedure: it is traced and the message goes to the default procedure.
#pragma once
#include "framework/Window.h"

class CWnd : public CWindow {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // A window still bound is unbound first, then destroyed when it is one
    // of our own making; a subclassed control is only let go.
    virtual ~CWnd();

    // Our object for a window, or null when it is not bound to one.
    static CWnd* FromHandle(HWND hwnd);

    struct CreateArgs {
        const wchar_t* className = L"CorvanaWnd";  // registered on first use
        UINT classStyle = CS_DBLCLKS;
        HBRUSH background = (HBRUSH)(COLOR_WINDOW + 1);
        HCURSOR cursor = nullptr;  // null: the arrow
        std::string title;
        DWORD style = WS_OVERLAPPEDWINDOW;
        DWORD exStyle = 0;
        int x = CW_USEDEFAULT, y = CW_USEDEFAULT, cx = CW_USEDEFAULT, cy = CW_USEDEFAULT;
        HWND parent = nullptr;  // parent of a child, owner of a popup
        int id = 0;             // control id of a child
    };
    bool Create(const CreateArgs& args);

    // Routes the messages of an existing window (a control) to this object.
    bool Subclass(HWND hwnd);
    bool SubclassDlgItem(int id, HWND parent) { return Subclass(::GetDlgItem(parent, id)); }
    // Gives the window back to its own procedure; the object forgets it.
    void Unsubclass();

    // Overrides may clean up first; only program code calls this, the
    // system's own destruction of the window does not.
    virtual bool DestroyWindow();

    // Called from our message loops before the message is dispatched, for
    // the target window and each of its parents; true consumes it.
    virtual bool PreTranslateMessage(MSG& msg);

    // Every message of the window comes here; the base switches into the
    // handlers below. An override calls the base (or DefaultProc) for the
    // messages it does not take.
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);

protected:
    // The message now being handled, to the window's default procedure.
    // Safe in a handler whose object has been deleted meanwhile.
    LRESULT Default();
    // Any message to the window's default procedure.
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

    // The window is gone and unbound: an object that lives on its own
    // deletes itself here.
    virtual void PostNcDestroy() {}

    // Handlers. The base versions pass the message to Default().
    virtual int OnCreate(CREATESTRUCTW* cs);  // -1 stops the creation
    virtual void OnDestroy();
    virtual void OnClose();
    virtual void OnTimer(UINT_PTR id);
    // True when handled; otherwise the message goes to Default().
    virtual bool OnCommand(int id, int code, HWND ctl);
    virtual bool OnNotify(NMHDR* nm, LRESULT& result);
    virtual void OnPaint();
    virtual bool OnEraseBkgnd(HDC dc);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnMove(int x, int y);
    virtual void OnWindowPosChanging(WINDOWPOS* pos);
    virtual void OnShowWindow(bool show, UINT status);
    // ctlType is CTLCOLOR_STATIC, CTLCOLOR_BTN, CTLCOLOR_DLG, ...
    virtual HBRUSH OnCtlColor(HDC dc, HWND ctl, UINT ctlType);
    virtual void OnContextMenu(HWND wnd, POINT screen);
    virtual bool OnSetCursor(HWND wnd, UINT hitTest, UINT mouseMsg);
    virtual void OnSetFocus(HWND oldFocus);
    virtual void OnKillFocus(HWND newFocus);
    virtual void OnLButtonDown(UINT flags, POINT pt);
    virtual void OnLButtonUp(UINT flags, POINT pt);
    virtual void OnLButtonDblClk(UINT flags, POINT pt);
    virtual void OnRButtonDown(UINT flags, POINT pt);
    virtual void OnRButtonUp(UINT flags, POINT pt);
    virtual void OnMouseMove(UINT flags, POINT pt);
    virtual void OnMouseWheel(UINT flags, short delta, POINT screen);
    // After TrackMouseEvent(TME_LEAVE), once the mouse has left the window.
    virtual void OnMouseLeave();

    // A control's messages have just begun to come to the object
    // (Subclass): it may adjust the control's style here.
    virtual void OnSubclassed() {}

    // The parent's WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR* and WM_DRAWITEM of a
    // bound control go to the control first; true (or a brush) stops them
    // there.
    virtual bool OnReflectCommand(int code);
    virtual bool OnReflectNotify(NMHDR* nm, LRESULT& result);
    virtual HBRUSH OnReflectCtlColor(HDC dc, UINT ctlType);
    virtual bool OnReflectDrawItem(DRAWITEMSTRUCT* item);

    // The binding, also for CDialog. An owned window is destroyed with its
    // object; a bound window is one whose messages come to the object.
    void Bind(HWND hwnd, bool owned);
    bool BindBySubclass(HWND hwnd, bool owned);
    void Unbind();
    bool IsBound() const { return m_bound; }

private:
    // Calls from the system: a C++ exception that gets past the handlers'
    // guards ends the program here, through std::terminate and its crash
    // line, rather than unwinding through the system's frames.
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    // prev: the subclassed window's own procedure, null for our own class.
    static LRESULT Dispatch(CWnd* wnd, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC prev);
    bool m_bound = false;
    bool m_owned = false;
    bool m_subclassed = false;  // default procedure: the one below ours, not DefWindowProc
    WNDPROC m_prevProc = nullptr;  // that procedure
};
