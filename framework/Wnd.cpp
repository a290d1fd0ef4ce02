#include "framework/Wnd.h"

#include <commctrl.h>

#include <exception>
#include <mutex>
#include <unordered_map>

#include "framework/App.h"
#include "framework/Text.h"
#include "framework/Trace.h"

namespace {

// The windows bound to objects, for FromHandle, and the procedure below
// ours of each subclassed one. Kept here rather than as window properties
// or through the common controls' subclassing, which keeps its data in a
// property: under Wine every property read is a round trip to the server,
// and they would cost several on every message of every window.
struct CBinding {
    CWnd* wnd = nullptr;      // null: no longer bound, still in the chain
    WNDPROC prev = nullptr;   // the window's own procedure when subclassed
};
std::mutex g_bindingsLock;
std::unordered_map<HWND, CBinding> g_bindings;

CBinding LookUp(HWND hwnd) {
    std::lock_guard<std::mutex> lock(g_bindingsLock);
    auto it = g_bindings.find(hwnd);
    return it == g_bindings.end() ? CBinding() : it->second;
}

void Remember(HWND hwnd, const CBinding& b) {
    std::lock_guard<std::mutex> lock(g_bindingsLock);
    g_bindings[hwnd] = b;
}

void Forget(HWND hwnd) {
    std::lock_guard<std::mutex> lock(g_bindingsLock);
    g_bindings.erase(hwnd);
}

// The message a handler is working on, for Default(). Saved and restored
// around each dispatch, so nested messages keep their own; it lives outside
// the object, which a handler may have deleted.
struct CurrentMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    WNDPROC prev;  // null: DefWindowProc
};
CurrentMessage g_current;

LRESULT CallDefault(const CurrentMessage& m) {
    if (m.prev)
        return CallWindowProcW(m.prev, m.hwnd, m.msg, m.wp, m.lp);
    return DefWindowProcW(m.hwnd, m.msg, m.wp, m.lp);
}

// Runs one call into the object; an exception is traced and stops there,
// and the call counts as failed.
template <typename F>
bool Guarded(UINT msg, F f) {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        Trace("window procedure: exception \"%s\", message 0x%04x\n", e.what(), msg);
    } catch (...) {
        Trace("window procedure: exception, message 0x%04x\n", msg);
    }
    return false;
}

// Signed: screen points left of or above the primary monitor are negative.
POINT PointOf(LPARAM lp) { return POINT{(short)LOWORD(lp), (short)HIWORD(lp)}; }

}  // namespace

CWnd::~CWnd() {
    if (!m_bound)
        return;
    HWND h = m_hWnd;
    bool owned = m_owned;
    Unbind();
    if (owned && ::IsWindow(h))
        ::DestroyWindow(h);
}

CWnd* CWnd::FromHandle(HWND hwnd) { return hwnd ? LookUp(hwnd).wnd : nullptr; }

void CWnd::Bind(HWND hwnd, bool owned) {
    m_hWnd = hwnd;
    m_bound = true;
    m_owned = owned;
    m_subclassed = false;
    m_prevProc = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)this);
    Remember(hwnd, CBinding{this, nullptr});
}

bool CWnd::BindBySubclass(HWND hwnd, bool owned) {
    if (!hwnd || m_bound || FromHandle(hwnd))
        return false;
    // Still in the chain from an earlier binding: that procedure is ours.
    CBinding old = LookUp(hwnd);
    WNDPROC prev = old.prev;
    if (!prev) {
        SetLastError(0);
        prev = (WNDPROC)SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)SubclassProc);
        if (!prev) {
            Trace("SetWindowLongPtr(GWLP_WNDPROC) Error=%lu\n", GetLastError());
            return false;
        }
    }
    m_hWnd = hwnd;
    m_bound = true;
    m_owned = owned;
    m_subclassed = true;
    m_prevProc = prev;
    Remember(hwnd, CBinding{this, prev});
    return true;
}

void CWnd::Unbind() {
    if (!m_bound)
        return;
    HWND h = m_hWnd;
    if (!m_subclassed)
        Forget(h);
    else if (GetWindowLongPtrW(h, GWLP_WNDPROC) == (LONG_PTR)SubclassProc &&
             SetWindowLongPtrW(h, GWLP_WNDPROC, (LONG_PTR)m_prevProc))
        Forget(h);
    else
        // Another procedure came in front of ours: ours stays in the chain
        // and hands every message down.
        Remember(h, CBinding{nullptr, m_prevProc});
    if (GetWindowLongPtrW(h, GWLP_USERDATA) == (LONG_PTR)this)
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    m_bound = m_owned = m_subclassed = false;
    m_prevProc = nullptr;
}

bool CWnd::Create(const CreateArgs& args) {
    if (m_bound)
        return false;
    HINSTANCE inst = AppInstance();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(inst, args.className, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.style = args.classStyle;
        wc.lpfnWndProc = StaticWndProc;
        wc.hInstance = inst;
        wc.hCursor = args.cursor ? args.cursor : LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = args.background;
        wc.lpszClassName = args.className;
        if (!RegisterClassExW(&wc)) {
            Trace("RegisterClassEx() Error=%lu\n", GetLastError());
            return false;
        }
    }
    HMENU menu = (args.style & WS_CHILD) ? (HMENU)(INT_PTR)args.id : nullptr;
    // Bound at WM_NCCREATE; a creation that fails later has already run
    // PostNcDestroy.
    HWND h = CreateWindowExW(args.exStyle, args.className, ToWide(args.title).c_str(), args.style, args.x, args.y,
                             args.cx, args.cy, args.parent, menu, inst, this);
    if (!h)
        Trace("CreateWindowEx() Error=%lu\n", GetLastError());
    return h != nullptr;
}

bool CWnd::Subclass(HWND hwnd) {
    if (!BindBySubclass(hwnd, false))
        return false;
    OnSubclassed();
    return true;
}

void CWnd::Unsubclass() {
    if (m_bound && !m_owned)
        Unbind();
}

bool CWnd::DestroyWindow() {
    HWND h = m_hWnd;
    return h && ::DestroyWindow(h) != 0;
}

bool CWnd::PreTranslateMessage(MSG&) { return false; }

LRESULT CWnd::Default() { return CallDefault(g_current); }

LRESULT CWnd::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (m_subclassed)
        return CallWindowProcW(m_prevProc, m_hWnd, msg, wp, lp);
    return DefWindowProcW(m_hWnd, msg, wp, lp);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    CWnd* wnd = (CWnd*)GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    if (!wnd && msg == WM_NCCREATE) {
        wnd = (CWnd*)((CREATESTRUCTW*)lp)->lpCreateParams;
        if (wnd)
            wnd->Bind(hwnd, true);
    }
    if (!wnd)
        return DefWindowProcW(hwnd, msg, wp, lp);
    return Dispatch(wnd, hwnd, msg, wp, lp, nullptr);
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    CBinding b = LookUp(hwnd);
    if (b.wnd)
        return Dispatch(b.wnd, hwnd, msg, wp, lp, b.prev);
    LRESULT result = b.prev ? CallWindowProcW(b.prev, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY)
        Forget(hwnd);
    return result;
}

LRESULT CWnd::Dispatch(CWnd* wnd, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, WNDPROC prev) {
    CurrentMessage saved = g_current;
    g_current = CurrentMessage{hwnd, msg, wp, lp, prev};
    // Once WindowProc has been called, wnd may be gone: only the last
    // message, WM_NCDESTROY, touches it again, to unbind and hand over.
    LRESULT result = 0;
    if (!Guarded(msg, [&] { result = wnd->WindowProc(msg, wp, lp); }))
        result = CallDefault(g_current);
    if (msg == WM_NCDESTROY) {
        wnd->Unbind();
        Forget(hwnd);  // the last message: nothing is handed down any more
        Guarded(msg, [&] { wnd->PostNcDestroy(); });
    }
    g_current = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        return OnCreate((CREATESTRUCTW*)lp);
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_TIMER:
        OnTimer(wp);
        return 0;
    case WM_COMMAND: {
        HWND ctl = (HWND)lp;
        CWnd* child = FromHandle(ctl);
        if (child && child != this && child->OnReflectCommand(HIWORD(wp)))
            return 0;
        if (OnCommand(LOWORD(wp), HIWORD(wp), ctl))
            return 0;
        return Default();
    }
    case WM_NOTIFY: {
        auto* nm = (NMHDR*)lp;
        LRESULT result = 0;
        CWnd* child = FromHandle(nm->hwndFrom);
        if (child && child != this && child->OnReflectNotify(nm, result))
            return result;
        if (OnNotify(nm, result))
            return result;
        return Default();
    }
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return OnEraseBkgnd((HDC)wp);
    case WM_SIZE:
        OnSize((UINT)wp, LOWORD(lp), HIWORD(lp));
        return 0;
    case WM_MOVE:
        OnMove((short)LOWORD(lp), (short)HIWORD(lp));
        return 0;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging((WINDOWPOS*)lp);
        return 0;
    case WM_SHOWWINDOW:
        OnShowWindow(wp != 0, (UINT)lp);
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        UINT type = msg - WM_CTLCOLORMSGBOX;
        HWND ctl = (HWND)lp;
        CWnd* child = FromHandle(ctl);
        if (child && child != this) {
            if (HBRUSH brush = child->OnReflectCtlColor((HDC)wp, type))
                return (LRESULT)brush;
        }
        return (LRESULT)OnCtlColor((HDC)wp, ctl, type);
    }
    case WM_DRAWITEM: {
        // A menu's item names a menu, not a window.
        auto* item = (DRAWITEMSTRUCT*)lp;
        CWnd* child = item->CtlType == ODT_MENU ? nullptr : FromHandle(item->hwndItem);
        if (child && child != this && child->OnReflectDrawItem(item))
            return TRUE;
        return Default();
    }
    case WM_CONTEXTMENU:
        OnContextMenu((HWND)wp, PointOf(lp));
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor((HWND)wp, LOWORD(lp), HIWORD(lp));
    case WM_SETFOCUS:
        OnSetFocus((HWND)wp);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus((HWND)wp);
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown((UINT)wp, PointOf(lp));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp((UINT)wp, PointOf(lp));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk((UINT)wp, PointOf(lp));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown((UINT)wp, PointOf(lp));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp((UINT)wp, PointOf(lp));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove((UINT)wp, PointOf(lp));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_KEYSTATE_WPARAM(wp), GET_WHEEL_DELTA_WPARAM(wp), PointOf(lp));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    }
    return Default();
}

int CWnd::OnCreate(CREATESTRUCTW*) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
bool CWnd::OnCommand(int, int, HWND) { return false; }
bool CWnd::OnNotify(NMHDR*, LRESULT&) { return false; }
void CWnd::OnPaint() { Default(); }
bool CWnd::OnEraseBkgnd(HDC) { return Default() != 0; }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnShowWindow(bool, UINT) { Default(); }
HBRUSH CWnd::OnCtlColor(HDC, HWND, UINT) { return (HBRUSH)Default(); }
void CWnd::OnContextMenu(HWND, POINT) { Default(); }
bool CWnd::OnSetCursor(HWND, UINT, UINT) { return Default() != 0; }
void CWnd::OnSetFocus(HWND) { Default(); }
void CWnd::OnKillFocus(HWND) { Default(); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnLButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnRButtonUp(UINT, POINT) { Default(); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
void CWnd::OnMouseWheel(UINT, short, POINT) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
bool CWnd::OnReflectCommand(int) { return false; }
bool CWnd::OnReflectNotify(NMHDR*, LRESULT&) { return false; }
HBRUSH CWnd::OnReflectCtlColor(HDC, UINT) { return nullptr; }
bool CWnd::OnReflectDrawItem(DRAWITEMSTRUCT*) { return false; }
