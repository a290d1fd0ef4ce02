// The hot-key field, and the names of hot keys. Hot keys have two forms:
// stored (a MOD_* set and a virtual key, as RegisterHotKey takes them) and
// shown (HOTKEYF_* with Win as 0x10).
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

constexpr WORD HOTKEYF_WIN = 0x10;

// The rest of the class comes with the property dialog.
class CHotKeyExCtrl {
public:
    static WORD ModToHotKeyf(UINT modifiers);
    static UINT HotKeyfToMod(WORD hotKeyf);

    // The system's name of a key; extended asks for the extended key's name
    // (Delete rather than the keypad's Del).
    static std::string GetKeyName(UINT key, bool extended);
    // "Ctrl + Shift + Alt + Win + key", each part only when set; empty for
    // no key and no modifiers.
    std::string GetHotKeyName() const;
    // The same for a stored pair.
    static std::string GetRegHotKeyName(UINT modifiers, UINT key);

    WORD m_wKey = 0;        // shown key
    WORD m_wModifiers = 0;  // shown modifiers, HOTKEYF form
};
