// The hot-key field: its combination built from the hook's posts, and the
// one hook of the process.
#include "dialogs/HotKeyExCtrl.h"

#include "framework/Text.h"
#include "framework/Trace.h"

namespace {

// Installed while a field has the focus; the field it posts to.
HHOOK g_hHotKeyHook;
HWND g_hHotKeyTarget;

void RemoveHook() {
    if (g_hHotKeyHook && !UnhookWindowsHookEx(g_hHotKeyHook))
        Trace("UnhookWindowsHookEx() Error=%lu\n", GetLastError());
    g_hHotKeyHook = nullptr;
    g_hHotKeyTarget = nullptr;
}

WORD ModifierBit(UINT vk) {
    switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT:
        return HOTKEYF_SHIFT;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL:
        return HOTKEYF_CONTROL;
    case VK_MENU:
    case VK_LMENU:
    case VK_RMENU:
        return HOTKEYF_ALT;
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
        return HOTKEYF_WIN;
    }
    return 0;
}

}  // namespace

LRESULT CALLBACK HotKeyExHookProc(int code, WPARAM wp, LPARAM lp) noexcept {
    // A field destroyed without losing the focus first leaves keys to the
    // desktop, not to a window that is gone.
    if (code == HC_ACTION && g_hHotKeyTarget && IsWindow(g_hHotKeyTarget)) {
        switch (wp) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP: {
            const auto* key = (const KBDLLHOOKSTRUCT*)lp;
            PostMessageW(g_hHotKeyTarget, WM_USER + (UINT)(wp & ~4u), key->vkCode, 0);
            return 1;
        }
        }
    }
    return CallNextHookEx(g_hHotKeyHook, code, wp, lp);
}

CHotKeyExCtrl::~CHotKeyExCtrl() { ReleaseHook(); }

HWND CHotKeyExCtrl::HookTarget() { return g_hHotKeyHook ? g_hHotKeyTarget : nullptr; }

void CHotKeyExCtrl::SetRules(WORD invalidCombinations, WORD defaultModifiers) {
    m_wInvalidComb = invalidCombinations;
    m_wDefaultModifiers = defaultModifiers;
}

WORD CHotKeyExCtrl::ApplyRules(WORD heldModifiers) const {
    // By Shift, Ctrl, Alt as the low three bits, then Win.
    static const WORD kBits[16] = {HKCOMB_NONE, HKCOMB_S,   HKCOMB_C,   HKCOMB_SC,  HKCOMB_A,   HKCOMB_SA,
                                   HKCOMB_CA,   HKCOMB_SCA, 0x0100,     0x0200,     0x0400,     0x1000,
                                   0x0800,      0x2000,     0x4000,     0x8000};
    WORD set = heldModifiers & ~HOTKEYF_EXT;
    if (set & ~(HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_WIN))
        return heldModifiers;
    WORD bit = kBits[(set & 7) | ((set & HOTKEYF_WIN) ? 8 : 0)];
    return (m_wInvalidComb & bit) ? m_wDefaultModifiers : heldModifiers;
}

void CHotKeyExCtrl::SetHotKey(WORD key, WORD modifiers) {
    m_wKey = key;
    m_wModifiers = modifiers;
    m_bComplete = 1;
    Redraw();
}

void CHotKeyExCtrl::GetHotKey(WORD& key, WORD& modifiers) const {
    key = m_wKey;
    modifiers = m_wModifiers;
}

void CHotKeyExCtrl::SetRegHotKey(UINT key, UINT modifiers) { SetHotKey((WORD)key, ModToHotKeyf(modifiers)); }

void CHotKeyExCtrl::GetRegHotKey(UINT& key, UINT& modifiers) const {
    key = m_wKey;
    modifiers = HotKeyfToMod(m_wModifiers);
}

void CHotKeyExCtrl::OnHotKeyEx(UINT vk, bool down) {
    if (WORD bit = ModifierBit(vk)) {
        if (down)
            m_wHeldModifiers |= bit;
        else
            m_wHeldModifiers &= ~bit;
    } else if (down) {
        m_wHeldKey = (WORD)vk;
    } else if (m_wHeldKey == vk) {
        m_wHeldKey = 0;
    }
    WORD m = (m_wHeldKey || m_wHeldModifiers) ? ApplyRules(m_wHeldModifiers) : 0;
    // Only a press begins a new combination: the release of the key that
    // brought the focus here must not blank what is shown.
    if (m_bComplete == 1 && down) {
        m_wKey = 0;
        m_wModifiers = 0;
        m_bComplete = 0;
    }
    if (m_bComplete == 0) {
        if (m_wHeldKey) {
            m_wKey = m_wHeldKey;
            m_wModifiers = m;
        } else if (!m_wKey && down) {
            // Modifiers alone are shown while they are pressed; letting go
            // of one leaves them.
            m_wModifiers = m;
        }
        if (!m_wHeldKey && !m_wHeldModifiers)
            m_bComplete = 1;
    }
    Redraw();
}

bool CHotKeyExCtrl::PreTranslateMessage(MSG& msg) {
    if (msg.hwnd == m_hWnd && (msg.message == WM_HOTKEYEX_KEYDOWN || msg.message == WM_HOTKEYEX_KEYUP)) {
        OnHotKeyEx((UINT)msg.wParam, msg.message == WM_HOTKEYEX_KEYDOWN);
        return true;
    }
    return CWnd::PreTranslateMessage(msg);
}

LRESULT CHotKeyExCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY)
        ReleaseHook();
    return CWnd::WindowProc(msg, wp, lp);
}

void CHotKeyExCtrl::OnSetFocus(HWND) {
    Default();
    if (g_hHotKeyHook)
        return;
    m_wHeldKey = 0;
    m_wHeldModifiers = 0;
    g_hHotKeyTarget = m_hWnd;
    g_hHotKeyHook = SetWindowsHookExA(WH_KEYBOARD_LL, HotKeyExHookProc, GetModuleHandleA(nullptr), 0);
    if (!g_hHotKeyHook) {
        Trace("SetWindowsHookEx() Error=%lu\n", GetLastError());
        g_hHotKeyTarget = nullptr;
    }
}

void CHotKeyExCtrl::OnKillFocus(HWND) {
    Default();
    ReleaseHook();
}

void CHotKeyExCtrl::ReleaseHook() {
    if (m_hWnd && g_hHotKeyTarget == m_hWnd)
        RemoveHook();
}

void CHotKeyExCtrl::Redraw() {
    if (m_hWnd && ::IsWindow(m_hWnd))
        RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CHotKeyExCtrl::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    HFONT font = (HFONT)SendMessageW(GetParent(), WM_GETFONT, 0, 0);
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    std::wstring text = ToWide(GetHotKeyName());
    TextOutW(dc, 1, 1, text.c_str(), (int)text.size());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), (int)text.size(), &size);
    if (old)
        SelectObject(dc, old);
    EndPaint(m_hWnd, &ps);
    if (GetFocus() == m_hWnd)
        SetCaretPos(size.cx + 1, 1);
}
