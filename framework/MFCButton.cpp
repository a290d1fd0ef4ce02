#include "framework/MFCButton.h"

#include "framework/DrawingManager.h"
#include "framework/Text.h"

namespace {

// One state's colours: the gradient from top to bottom and the frame.
struct Look {
    COLORREF top, bottom, frame;
};

constexpr Look kNormal{RGB(253, 253, 253), RGB(227, 231, 237), RGB(146, 155, 168)};
constexpr Look kHot{RGB(240, 247, 255), RGB(207, 227, 250), RGB(80, 141, 212)};
constexpr Look kPressed{RGB(196, 218, 244), RGB(172, 201, 236), RGB(46, 104, 176)};
constexpr Look kDisabled{RGB(244, 244, 244), RGB(244, 244, 244), RGB(196, 196, 196)};
constexpr COLORREF kDefaultFrame = RGB(46, 104, 176);
constexpr COLORREF kDefaultRing = RGB(178, 206, 240);

TRIVERTEX Vertex(LONG x, LONG y, COLORREF c) {
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = (COLOR16)(GetRValue(c) << 8);
    v.Green = (COLOR16)(GetGValue(c) << 8);
    v.Blue = (COLOR16)(GetBValue(c) << 8);
    return v;
}

COLORREF Mix(COLORREF a, COLORREF b) {
    return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// A 1-pixel frame just inside r whose corners are cut by one pixel, the
// pixels beside each cut half way to what lies outside: a small rounded
// corner the same at all four.
void RoundFrame(HDC dc, const RECT& r, COLORREF colour, COLORREF outside) {
    const int l = r.left, t = r.top, rr = r.right - 1, b = r.bottom - 1;
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    Line(dc, l + 2, t, rr - 1, t);
    Line(dc, l + 2, b, rr - 1, b);
    Line(dc, l, t + 2, l, b - 1);
    Line(dc, rr, t + 2, rr, b - 1);
    SelectObject(dc, old);
    DeleteObject(pen);
    const COLORREF soft = Mix(colour, outside);
    const POINT corners[] = {{l + 1, t + 1}, {rr - 1, t + 1}, {l + 1, b - 1}, {rr - 1, b - 1}};
    for (POINT p : corners) SetPixelV(dc, p.x, p.y, colour);
    const POINT beside[] = {{l + 1, t}, {l, t + 1}, {rr - 1, t}, {rr, t + 1},
                            {l + 1, b}, {l, b - 1}, {rr - 1, b}, {rr, b - 1}};
    for (POINT p : beside) SetPixelV(dc, p.x, p.y, soft);
}

// The default button's inner ring, along the frame inside it.
void Ring(HDC dc, const RECT& r, COLORREF colour) {
    const int l = r.left + 1, t = r.top + 1, rr = r.right - 2, b = r.bottom - 2;
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    Line(dc, l + 1, t, rr, t);
    Line(dc, l + 1, b, rr, b);
    Line(dc, l, t + 1, l, b);
    Line(dc, rr, t + 1, rr, b);
    SelectObject(dc, old);
    DeleteObject(pen);
}

}  // namespace

void CMFCButton::OnSubclassed() {
    DWORD style = GetStyle();
    m_default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)((style & ~BS_TYPEMASK) | BS_OWNERDRAW));
    Invalidate(false);
}

LRESULT CMFCButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE: {
        // An owner-drawn button tells the dialog nothing of being a push
        // button; without this the default would not move with the focus.
        LRESULT code = Default() & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
        return code | (m_default ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    case BM_SETSTYLE: {
        // The dialog moves the default by style; the button stays owner-drawn.
        UINT type = (UINT)wp & BS_TYPEMASK;
        if (type == BS_DEFPUSHBUTTON || type == BS_PUSHBUTTON)
            m_default = type == BS_DEFPUSHBUTTON;
        LRESULT result = DefaultProc(msg, (wp & ~(WPARAM)BS_TYPEMASK) | BS_OWNERDRAW, lp);
        if (lp)
            Invalidate(false);
        return result;
    }
    }
    return CButton::WindowProc(msg, wp, lp);
}

bool CMFCButton::OnReflectDrawItem(DRAWITEMSTRUCT* item) {
    if (item->CtlType != ODT_BUTTON)
        return false;
    const RECT& r = item->rcItem;
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    DWORD* bits = nullptr;
    HBITMAP buffer = CreateDib32(cx, cy, &bits);
    HDC mem = buffer ? CreateCompatibleDC(item->hDC) : nullptr;
    if (!mem) {
        // Without a buffer it still paints, only without its alpha.
        if (buffer)
            DeleteObject(buffer);
        OnDraw(item->hDC, r, item->itemState);
        return true;
    }
    HGDIOBJ old = SelectObject(mem, buffer);
    RECT local{0, 0, cx, cy};
    OnDraw(mem, local, item->itemState);
    BitBlt(item->hDC, r.left, r.top, cx, cy, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(buffer);
    return true;
}

void CMFCButton::OnDraw(HDC dc, const RECT& rect, UINT state) {
    const bool disabled = state & ODS_DISABLED;
    const bool pressed = (state & ODS_SELECTED) && !disabled;
    const bool focused = state & ODS_FOCUS;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);

    // What shows at the rounded corners: the parent's background for buttons.
    HWND parent = m_hWnd ? GetParent() : nullptr;
    auto back = parent ? (HBRUSH)SendMessageW(parent, WM_CTLCOLORBTN, (WPARAM)dc, (LPARAM)m_hWnd) : nullptr;
    FillRect(dc, &rect, back ? back : GetSysColorBrush(COLOR_BTNFACE));

    const Look& look = disabled ? kDisabled : pressed ? kPressed : m_highlighted ? kHot : kNormal;
    const bool asDefault = m_default && !disabled && !pressed;

    // What lies outside the corners, for their soft pixels.
    const COLORREF outside = GetPixel(dc, rect.left, rect.top);
    RECT inside = rect;
    InflateRect(&inside, -1, -1);
    TRIVERTEX v[2] = {Vertex(inside.left, inside.top, look.top), Vertex(inside.right, inside.bottom, look.bottom)};
    GRADIENT_RECT g{0, 1};
    GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
    RoundFrame(dc, rect, asDefault ? kDefaultFrame : look.frame, outside);
    if (asDefault)
        Ring(dc, rect, kDefaultRing);

    std::wstring text = ToWide(GetText());
    if (!text.empty()) {
        HFONT font = GetFont();
        SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        RECT r = rect;
        InflateRect(&r, -3, 0);
        if (pressed)
            OffsetRect(&r, 1, 1);
        UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
        if (state & ODS_NOACCEL)
            format |= DT_HIDEPREFIX;
        DrawTextW(dc, text.c_str(), (int)text.size(), &r, format);
    }

    if (focused && !(state & ODS_NOFOCUSRECT)) {
        RECT f = rect;
        InflateRect(&f, -3, -3);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &f);
    }
    RestoreDC(dc, saved);
}

bool CMFCButton::OnEraseBkgnd(HDC) { return true; }  // OnDraw paints every pixel

bool CMFCButton::OnSetCursor(HWND wnd, UINT hitTest, UINT mouseMsg) {
    if (m_cursor && hitTest == HTCLIENT) {
        ::SetCursor(m_cursor);
        return true;
    }
    return CButton::OnSetCursor(wnd, hitTest, mouseMsg);
}

void CMFCButton::OnMouseMove(UINT flags, POINT pt) {
    if (!m_highlighted) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
        if (TrackMouseEvent(&track)) {
            m_highlighted = true;
            Invalidate(false);
        }
    }
    CButton::OnMouseMove(flags, pt);
}

void CMFCButton::OnMouseLeave() {
    m_highlighted = false;
    Invalidate(false);
    CButton::OnMouseLeave();
}

void CMFCButton::OnLButtonDblClk(UINT flags, POINT pt) {
    // An owner-drawn button reports a second quick click as a double
    // click; a push button counts it as a click of its own.
    DefaultProc(WM_LBUTTONDOWN, flags, MAKELPARAM(pt.x, pt.y));
}
