#include "note/MemletWin.h"

#include <algorithm>
#include <climits>

#include "framework/Rects.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "model/PropatyData.h"
#include "note/ArrowWin.h"
#include "note/MemletGeometry.h"
#include "panel/Hub.h"
#include "res/resource.h"

namespace {

enum : UINT_PTR {
    kTimerFollow = 104,
    kTimerEnable = 106,
    kTimerHover = 108,
    kTimerFade = 109,
};
constexpr UINT kFirstFollowMs = 50;
constexpr UINT kDesktopFollowMs = 10000;
constexpr UINT kEnableMs = 100;
constexpr UINT kHoverMs = 200;
constexpr UINT kFadeMs = 200;
constexpr int kTextLimit = 4000;  // bytes
constexpr int kTextMargin = 2;    // px, left and right
const char kTopMostMarker[] = "&#@";

// A target this far off the screen is minimised or parked: not followed.
bool IsOffScreen(const RECT& t) { return t.bottom < 0 || t.top >= 5000; }

bool IsCtrlDown() { return GetAsyncKeyState(VK_CONTROL) < 0; }

void ModifyStyle(HWND hwnd, int index, DWORD remove, DWORD add) {
    LONG style = GetWindowLongW(hwnd, index);
    SetWindowLongW(hwnd, index, (LONG)((style & ~remove) | add));
}

}  // namespace

void GetScreenClientRect(HWND hwnd, RECT& r) {
    if (!::IsWindow(hwnd))
        return;
    ::GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, (POINT*)&r, 2);
}

CMemletWin::CMemletWin() : CDialog(IDD_MEMLETWIN), m_nArLineWidth(g_nArrowLineWidth) {
    for (int i = 0; i < kPickBarRows; i++)
        m_brPickBar[i] = CreateSolidBrush(PickBarColor(i));
    for (int i = 0; i < kBackRows; i++)
        m_brBack[i] = CreateSolidBrush(BackColor(i));
}

CMemletWin::~CMemletWin() {
    // The window and its edit are gone by now: nothing draws with these.
    if (m_hFont)
        DeleteObject(m_hFont);
    for (HBRUSH b : m_brPickBar)
        DeleteObject(b);
    for (HBRUSH b : m_brBack)
        DeleteObject(b);
}

bool CMemletWin::Create(HWND target) {
    m_bCreated = CDialog::Create(target);
    return m_bCreated;
}

bool CMemletWin::DestroyWindow() {
    KillTimer(kTimerFollow);
    m_nFollowMs = 0;
    KillTimer(kTimerEnable);
    KillTimer(kTimerFade);
    m_bFadeTimer = false;
    DestroyArrowWin();
    return CDialog::DestroyWindow();
}

void CMemletWin::PostNcDestroy() {
    Trace("CMemletWin::PostNcDestroy()\n");
    if (m_bCreated)
        delete this;
}

void CMemletWin::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_STATIC_PICKBAR, m_stPickBar);
    DDX_Control(dx, IDC_EDIT_MEMLET, m_editMemlet);
}

bool CMemletWin::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nAlpha = 200;
    ModifyStyle(m_hWnd, GWL_EXSTYLE, 0, WS_EX_LAYERED);
    ApplyAlpha();
    ModifyStyle(m_hWnd, GWL_STYLE, 0, WS_THICKFRAME);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_editMemlet.m_pListener = this;
    m_editMemlet.SetMargins(kTextMargin, kTextMargin);
    // The control counts characters; the byte limit is the field's own.
    m_editMemlet.LimitText(kTextLimit);
    m_editMemlet.SetByteLimit(kTextLimit);
    return true;
}

int CMemletWin::OnCreate(CREATESTRUCTW* cs) {
    Trace("MemletWin Create!\n");
    int result = CDialog::OnCreate(cs);
    // No input until the record has put everything in place.
    ModifyStyle(m_hWnd, GWL_STYLE, 0, WS_DISABLED);
    SetTimer(kTimerEnable, kEnableMs);
    return result;
}

LRESULT CMemletWin::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN: {
        // A press on the note outside its text field (the pick bar lets it
        // through) drags the note, as a caption would.
        HWND self = m_hWnd;
        POINT pt{(short)LOWORD(lp), (short)HIWORD(lp)};
        ClientToScreen(self, &pt);
        Send(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
        if (!IsMine(self))
            return 0;
        break;
    }
    case WM_KEYDOWN:
        Trace("OnKeyDown(%d)", (int)wp);
        break;
    }
    return CDialog::WindowProc(msg, wp, lp);
}

void CMemletWin::setText(const std::string& text) {
    m_editMemlet.SetLimitedText(text);
    int n = GetWindowTextLengthW(m_editMemlet.m_hWnd);
    m_editMemlet.SetSel(n, n);
}

std::string CMemletWin::getText() const { return m_editMemlet.GetText(); }

void CMemletWin::setReadOnly(int readOnly) {
    m_editMemlet.SetReadOnly(readOnly != 0);
    m_stPickBar.SetText(readOnly ? " R" : "");
}

int CMemletWin::isReadOnly() const { return (m_editMemlet.GetStyle() & ES_READONLY) ? 1 : 0; }

void CMemletWin::setTransparent(int percent) {
    m_nTransparent = percent;
    m_nAlpha = AlphaOfPercent(percent);
    ApplyAlpha();
}

void CMemletWin::setFrame(int frame) {
    bool has = hasFrame() != 0;
    if ((frame != 0) == has)
        return;
    ModifyStyle(m_hWnd, GWL_STYLE, frame ? 0 : WS_THICKFRAME, frame ? WS_THICKFRAME : 0);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int CMemletWin::hasFrame() const { return (GetStyle() & WS_THICKFRAME) ? 1 : 0; }

void CMemletWin::setFont(const LOGFONTA& lf) {
    HFONT font = CreateFontIndirectA(&lf);
    if (!font) {
        Trace("CreateFontIndirect() Error=%lu\n", GetLastError());
        return;
    }
    m_editMemlet.SetFont(font, true);
    // A new font sets the edit's margins from its metrics.
    m_editMemlet.SetMargins(kTextMargin, kTextMargin);
    if (m_hFont)
        DeleteObject(m_hFont);
    m_hFont = font;
}

LOGFONTA CMemletWin::getLogFont() const {
    LOGFONTA lf{};
    HFONT font = m_hFont ? m_hFont : m_editMemlet.GetFont();
    if (font)
        GetObjectA(font, sizeof lf, &lf);
    return lf;
}

void CMemletWin::UpdateEditLook() {
    m_editMemlet.m_crBase = getBkColor();
    m_editMemlet.m_nGradation = GradationInEffect() ? 1 : 0;
    m_editMemlet.m_nPattern = m_nGraPtn;
    m_editMemlet.Invalidate(true);
}

void CMemletWin::StartTracking() {
    // The pick bar to its side: the record sets the side after the first
    // WM_SIZE, and a placement that keeps the window's size sends no other.
    RECT client = GetClientRect();
    Layout(client.right, client.bottom);
    // A target rect the record stored is kept: the first step then moves the
    // note as far as the target moved while the note was away.
    if (m_rectTarget.left == m_rectTarget.right && m_rectTarget.top == m_rectTarget.bottom &&
        ::IsWindow(m_hWndTarget))
        ::GetWindowRect(m_hWndTarget, &m_rectTarget);
    if (m_arrow.m_nArwFlag == 1)
        CreateArrowWin();
    ApplyAlpha();
    FollowStep();
    ArmFollow(kFirstFollowMs);
    // Both run on at their period; the fade timer only while a fade runs
    // (BeginFade): under Wine every tick and every setting of a timer is a
    // round trip to the server, for each of a hundred notes.
    SetTimer(kTimerHover, kHoverMs);
}

void CMemletWin::SetLayered(COLORREF key, BYTE alpha, DWORD flags) {
    if (!SetLayeredWindowAttributes(m_hWnd, key, alpha, flags))
        Trace("SetLayeredWindowAttributes() Error=%lu\n", GetLastError());
}

void CMemletWin::ApplyAlpha() {
    m_nFadeCount = 0;
    SetLayeredAlpha(m_nAlpha);
    Redraw();
}

void CMemletWin::SetLayeredAlpha(BYTE alpha) {
    if (m_nBkTransparent)
        SetLayered(getBkColor(), alpha, LWA_COLORKEY | LWA_ALPHA);
    else
        SetLayered(0, alpha, LWA_ALPHA);
    if (CArrowWin* line = ShownArrow()) {
        line->m_nAlpha = alpha;
        line->ApplyAlpha();
    }
}

void CMemletWin::SetOpaque() {
    m_nFadeCount = 0;
    SetLayered(0, 255, LWA_ALPHA);
    Redraw();
    if (CArrowWin* line = ShownArrow()) {
        line->m_nAlpha = 255;
        line->ApplyAlpha();
    }
}

void CMemletWin::Redraw() {
    // The pick bar's look depends on the mouse and the focus: children too.
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CMemletWin::OnTimer(UINT_PTR id) {
    switch (id) {
    case kTimerFollow: {
        if (m_bDesktop) {
            ArmFollow(kDesktopFollowMs);
            return;
        }
        FollowStep();
        int period = GetPosInterval();
        ArmFollow(period < 10 ? kFirstFollowMs : (UINT)period);
        return;
    }
    case kTimerEnable:
        KillTimer(kTimerEnable);
        Trace("Delay modifyStyle Enabled\n");
        ModifyStyle(m_hWnd, GWL_STYLE, WS_DISABLED, 0);
        Invalidate();
        if (::IsWindow(m_hWndTarget))
            ::SetFocus(m_hWndTarget);
        return;
    case kTimerHover:
        HoverCheck();
        TopmostCheck();
        return;
    case kTimerFade:
        FadeStep();
        return;
    }
    CDialog::OnTimer(id);
}

void CMemletWin::ArmFollow(UINT ms) {
    // The timer runs on at its period: under Wine every setting of a timer
    // is a round trip to the server, 20 a second for each note.
    if (ms == m_nFollowMs)
        return;
    SetTimer(kTimerFollow, ms);
    m_nFollowMs = ms;
}

void CMemletWin::FollowStep() {
    if (m_bDesktop)
        return;
    // One question to the target a step: GetWindowRect fails as well when
    // the target is no window any more.
    RECT t;
    if (!::GetWindowRect(m_hWndTarget, &t) || IsOffScreen(t))
        return;
    // Only the top-left corner counts: a target resized from its right or
    // bottom edge does not move the note.
    int64_t dx = (int64_t)t.left - m_rectTarget.left, dy = (int64_t)t.top - m_rectTarget.top;
    m_rectTarget = t;
    if (!dx && !dy)
        return;
    Trace("newr top=%d, left=%d, bottom=%d, right=%d\n", (int)t.top, (int)t.left, (int)t.bottom, (int)t.right);
    Trace("MoveX=%d, MoveY=%d\n", (int)std::clamp<int64_t>(dx, INT_MIN, INT_MAX),
          (int)std::clamp<int64_t>(dy, INT_MIN, INT_MAX));
    RECT n = OffsetRectClamped(m_rectWin, dx, dy);
    MoveWindow(n, true);
    Trace("MoveWindow() top =%d, left=%d, bottom=%d, right=%d\n", (int)n.top, (int)n.left, (int)n.bottom,
          (int)n.right);
}

void CMemletWin::MouseEntered(bool fromTimer) {
    if (m_nMouseHideCtl) {
        m_bMouseIn = 1;
        BeginFade();
    } else if (!m_nBkTransparent) {
        m_bMouseIn = 1;
    } else if (IsCtrlDown()) {
        // A see-through note shows itself whole only on request.
        m_bMouseIn = 1;
        SetOpaque();
    }
    if (m_bMouseIn)
        Trace(fromTimer ? "●MounseIn(TIMER) \n" : "●MounseIn \n");
}

void CMemletWin::HoverCheck() {
    POINT pt;
    if (!GetCursorPos(&pt))
        return;
    // The own rect is kept up to date on every move and size.
    bool inside = PtInRect(&m_rectWin, pt) != 0;
    if (inside && !m_bMouseIn) {
        MouseEntered(true);
    } else if (!inside && m_bMouseIn) {
        m_bMouseIn = 0;
        Trace("■MouseOUT \n");
        if (m_bEditFocus)
            SetOpaque();
        else
            ApplyAlpha();  // also ends a fade
    }
}

void CMemletWin::TopmostCheck() {
    if (!m_bDesktop)
        return;
    // The marker is ASCII: the first three characters hold its three bytes.
    wchar_t head[4] = {};
    GetWindowTextW(m_editMemlet.m_hWnd, head, 4);
    bool marked = FromWide(head).compare(0, 3, kTopMostMarker) == 0;
    if (marked == (m_bTopMost != 0))
        return;
    SetWindowPos(m_hWnd, marked ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_bTopMost = marked ? 1 : 0;
}

bool CMemletWin::SetFadeTimer(UINT ms) { return SetTimer(kTimerFade, ms) != 0; }

void CMemletWin::BeginFade() {
    m_nFadeCount = kFadeSteps;
    // A timer the system refused is asked for again at the next fade.
    if (!m_bFadeTimer)
        m_bFadeTimer = SetFadeTimer(kFadeMs);
    // The first step at once, as a timer running all along might have
    // done: it keeps the note's alpha, and the note is invisible within
    // 1.4 s of the mouse's coming.
    FadeStep();
}

void CMemletWin::FadeStep() {
    if (!m_bMouseIn || m_nFadeCount <= 0) {
        // Nothing to fade: the timer rests until the next fade begins.
        if (m_bFadeTimer) {
            KillTimer(kTimerFade);
            m_bFadeTimer = false;
        }
        return;
    }
    m_nFadeCount--;
    BYTE a = FadeAlpha(m_nFadeCount, m_nAlpha);
    Trace("Alpha=%d\n", a);
    SetLayeredAlpha(a);
}

bool CMemletWin::OnCommand(int id, int code, HWND ctl) {
    if (id == IDC_EDIT_MEMLET && code == EN_SETFOCUS) {
        OnSetfocusEditMemlet();
        return true;
    }
    if (id == IDC_EDIT_MEMLET && code == EN_KILLFOCUS) {
        OnKillfocusEditMemlet();
        return true;
    }
    if (!ctl && OnMenuCommand(id))
        return true;
    return CDialog::OnCommand(id, code, ctl);
}

void CMemletWin::OnSetfocusEditMemlet() {
    Trace("CMemletWin::OnSetfocusEditMemlet()\n");
    if (m_bFirstFocus) {
        int n = GetWindowTextLengthW(m_editMemlet.m_hWnd);
        m_editMemlet.SetSel(n, n);
        m_bFirstFocus = 0;
    }
    m_bEditFocus = 1;
    SetOpaque();
}

void CMemletWin::OnKillfocusEditMemlet() {
    Trace("CMemletWin::OnKillfocusEditMemlet()\n");
    m_bEditFocus = 0;
    ApplyAlpha();
}

void CMemletWin::OnSize(UINT type, int cx, int cy) {
    Default();
    if (type == SIZE_RESTORED && m_editMemlet.m_hWnd)
        Layout(cx, cy);
    m_rectWin = GetWindowRect();
    UpdateArrowRects();
}

void CMemletWin::Layout(int cx, int cy) {
    RECT bar, edit;
    if (!LayoutPickBar(m_nPickPos, cx, cy, bar, edit))
        return;
    m_stPickBar.MoveWindow(bar, true);
    m_editMemlet.MoveWindow(edit, true);
    // The current rect, not the stored one: a resize that keeps the top-left
    // corner has had no WM_MOVE yet.
    RECT w = GetWindowRect();
    SIZE now{w.right - w.left, w.bottom - w.top};
    SIZE need = PickBarMinimum(m_nPickPos, now, now.cx - cx);
    if (need.cx != now.cx || need.cy != now.cy)
        ::MoveWindow(m_hWnd, w.left, w.top, need.cx, need.cy, TRUE);
}

void CMemletWin::OnMove(int, int) {
    Default();
    m_rectWin = GetWindowRect();
    UpdateArrowRects();
}

HBRUSH CMemletWin::DialogColors(HDC dc) {
    SetBkColor(dc, getBkColor());
    return m_brBack[BackRow(m_nBkColor)];
}

HBRUSH CMemletWin::OnCtlColor(HDC dc, HWND ctl, UINT ctlType) {
    HBRUSH result = (HBRUSH)Default();
    int id = ctl ? GetDlgCtrlID(ctl) : 0;
    if (GradationInEffect() && id == IDC_EDIT_MEMLET) {
        // The field paints its gradation itself, under the text.
        SetTextColor(dc, TextColor(m_nTxColor));
        SetBkMode(dc, TRANSPARENT);
        return (HBRUSH)GetStockObject(NULL_BRUSH);
    }
    switch (ctlType) {
    case CTLCOLOR_BTN:
        return (HBRUSH)GetStockObject(NULL_BRUSH);
    case CTLCOLOR_STATIC:
        if (id == IDC_EDIT_MEMLET)  // read-only
            break;
        SetBkMode(dc, TRANSPARENT);
        if (id != IDC_STATIC_PICKBAR)
            return result;
        // A see-through note hides its pick bar until the mouse or the
        // focus is on it.
        if (!m_bMouseIn && m_nBkTransparent && !m_bEditFocus)
            return (HBRUSH)GetStockObject(NULL_BRUSH);
        SetTextColor(dc, PickBarMarkColor(m_nColor));
        return m_brPickBar[PickBarRow(m_nColor)];
    case CTLCOLOR_EDIT:
        break;
    case CTLCOLOR_DLG:
        return DialogColors(dc);
    default:
        return result;
    }
    SetTextColor(dc, TextColor(m_nTxColor));
    return DialogColors(dc);
}

void CMemletWin::OnShowWindow(bool show, UINT status) {
    Trace("OnShowWindow() bShow=%d, nStatus=%d\n", show ? 1 : 0, (int)status);
    Default();
}

void CMemletWin::OnMouseMove(UINT, POINT) {
    if (!m_bMouseIn)
        MouseEntered(false);
    Default();
}

void CMemletWin::OnMouseWheel(UINT flags, short delta, POINT) {
    Trace("MouseWheel Delta=%d \n", delta);
    if (g_pPropatyData) {
        RECT w = GetWindowRect();
        SIZE now{w.right - w.left, w.bottom - w.top};
        SIZE min{g_pPropatyData->m_nMinWidth, g_pPropatyData->m_nMinHeight};
        SIZE size = WheelResize(now, flags, delta, min);
        ::MoveWindow(m_hWnd, w.left, w.top, size.cx, size.cy, TRUE);
        int step = -(delta / 120);
        Trace("x=%d, y=%d, cx=%d, cy=%d\n", (flags & MK_CONTROL) ? step : 0, (flags & MK_SHIFT) ? step : 0,
              (int)size.cx, (int)size.cy);
    }
    Default();
}

void CMemletWin::OnLButtonDown(UINT, POINT) {
    Trace("CMemletWin::OnLButtonDown()\n");
    if (m_nMouseHideCtl)
        SetOpaque();
    Default();
}

void CMemletWin::OnRButtonDown(UINT, POINT) {
    Trace("CMemletWin::OnRButtonDown()\n");
    if (m_nMouseHideCtl)
        SetOpaque();
    Default();
}

void CMemletWin::notifyMouseWheel(UINT, short, POINT) {}

void CMemletWin::notifyMouseMove(UINT, POINT) {
    if (!m_bMouseIn)
        MouseEntered(false);
}

void CMemletWin::notifyButtonDown(UINT, POINT) {
    if (m_nMouseHideCtl)
        SetOpaque();
}
