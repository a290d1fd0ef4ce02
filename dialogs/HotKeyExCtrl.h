// The hot-key field, and the names of hot keys. Hot keys have two forms:
// stored (a MOD_* set and a virtual key, as RegisterHotKey takes them) and
// shown (HOTKEYF_* with Win as 0x10).
//
// While a field has the keyboard focus, a low-level keyboard hook takes
// every key (Win, Tab, Enter, Esc, Alt and F10 included) before the system
// acts on it and posts it to the field, which builds the combination from
// the posts in its pre-translation.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

constexpr WORD HOTKEYF_WIN = 0x10;

// Posted by the hook to the focused field; wParam is the virtual key.
constexpr UINT WM_HOTKEYEX_KEYDOWN = WM_USER + 0x100;
constexpr UINT WM_HOTKEYEX_KEYUP = WM_USER + 0x101;

LRESULT CALLBACK HotKeyExHookProc(int code, WPARAM wp, LPARAM lp) noexcept;

class CHotKeyExCtrl : public CWnd {
public:
    CHotKeyExCtrl() = default;
    ~CHotKeyExCtrl() override;

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

    // Forbidden modifier sets (HKCOMB_* bits, Win sets from 0x0100) and the
    // set shown in their place.
    void SetRules(WORD invalidCombinations, WORD defaultModifiers);
    WORD ApplyRules(WORD heldModifiers) const;

    // Shown form; the combination counts as finished.
    void SetHotKey(WORD key, WORD modifiers);
    void GetHotKey(WORD& key, WORD& modifiers) const;
    // Stored form.
    void SetRegHotKey(UINT key, UINT modifiers);
    void GetRegHotKey(UINT& key, UINT& modifiers) const;

    // One key went down or up (a post of the hook).
    void OnHotKeyEx(UINT vk, bool down);

    bool PreTranslateMessage(MSG& msg) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // The field the hook posts to, or null while no hook is installed.
    static HWND HookTarget();

    WORD m_wKey = 0;            // shown key
    WORD m_wModifiers = 0;      // shown modifiers, HOTKEYF form
    WORD m_wHeldKey = 0;        // the non-modifier key now down
    WORD m_wHeldModifiers = 0;  // modifier keys now down
    BYTE m_bComplete = 0;       // the next press starts a new combination
    WORD m_wInvalidComb = 0;
    WORD m_wDefaultModifiers = 0;

protected:
    void OnSetFocus(HWND oldFocus) override;
    void OnKillFocus(HWND newFocus) override;
    void OnPaint() override;

private:
    // The hook goes with the field it serves.
    void ReleaseHook();
    void Redraw();
};
