// Names of hot keys, for the field and the notification-area tip.
#include <vector>

#include "dialogs/HotKeyExCtrl.h"
#include "framework/Text.h"

namespace {

// Keys that share their scan code with a keypad key: named as the keypad
// key unless the extended bit is given.
bool IsExtendedKey(UINT key) {
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_RCONTROL:
    case VK_RMENU:
        return true;
    }
    return false;
}

std::string Join(WORD modifiers, UINT key, bool extended) {
    if (!key && !modifiers)
        return {};
    std::string text;
    if (modifiers & HOTKEYF_CONTROL)
        text += CHotKeyExCtrl::GetKeyName(VK_CONTROL, false) + " + ";
    if (modifiers & HOTKEYF_SHIFT)
        text += CHotKeyExCtrl::GetKeyName(VK_SHIFT, false) + " + ";
    if (modifiers & HOTKEYF_ALT)
        text += CHotKeyExCtrl::GetKeyName(VK_MENU, false) + " + ";
    if (modifiers & HOTKEYF_WIN)
        text += "Win + ";
    return text + CHotKeyExCtrl::GetKeyName(key, extended);
}

}  // namespace

WORD CHotKeyExCtrl::ModToHotKeyf(UINT modifiers) {
    WORD f = 0;
    if (modifiers & MOD_ALT)
        f |= HOTKEYF_ALT;
    if (modifiers & MOD_CONTROL)
        f |= HOTKEYF_CONTROL;
    if (modifiers & MOD_SHIFT)
        f |= HOTKEYF_SHIFT;
    if (modifiers & MOD_WIN)
        f |= HOTKEYF_WIN;
    return f;
}

UINT CHotKeyExCtrl::HotKeyfToMod(WORD hotKeyf) {
    UINT m = 0;
    if (hotKeyf & HOTKEYF_SHIFT)
        m |= MOD_SHIFT;
    if (hotKeyf & HOTKEYF_CONTROL)
        m |= MOD_CONTROL;
    if (hotKeyf & HOTKEYF_ALT)
        m |= MOD_ALT;
    if (hotKeyf & HOTKEYF_WIN)
        m |= MOD_WIN;
    return m;
}

std::string CHotKeyExCtrl::GetKeyName(UINT key, bool extended) {
    LONG param = (LONG)(MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16);
    if (extended)
        param |= 1 << 24;
    // A name that fills the buffer may have been cut: ask again with more.
    for (int size = 128;; size *= 2) {
        std::vector<wchar_t> buf(size);
        int n = GetKeyNameTextW(param, buf.data(), size);
        if (n < size - 1 || size >= 4096)
            return FromWide(std::wstring_view(buf.data(), n > 0 ? n : 0));
    }
}

std::string CHotKeyExCtrl::GetHotKeyName() const {
    // The hook reports the arrows and editing keys by their own codes: they
    // are the extended keys, not the keypad's.
    return Join(m_wModifiers, m_wKey, (m_wModifiers & HOTKEYF_EXT) != 0 || IsExtendedKey(m_wKey));
}

std::string CHotKeyExCtrl::GetRegHotKeyName(UINT modifiers, UINT key) {
    // The stored pair has no extended flag: the key itself tells.
    return Join(ModToHotKeyf(modifiers), key, IsExtendedKey(key));
}
