// A balloon tip at an edit, a word on what it has just refused. The edit's
// own (EM_SHOWBALLOONTIP) where the common controls give one; otherwise a
// tracking balloon tooltip of ours pointing at the caret, gone when the
// edit calls Hide (its next key, click or loss of focus), when it is
// clicked, or after a few seconds.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

class CBalloonTip : public CWnd {
public:
    void Show(HWND edit, const std::wstring& title, const std::wstring& text);
    void Hide();

protected:
    void OnTimer(UINT_PTR id) override;
    void OnLButtonDown(UINT flags, POINT pt) override;

private:
    bool Make(HWND edit);
    TTTOOLINFOW Tool() const;

    HWND m_hEdit = nullptr;
    bool m_bShown = false;  // ours, on the screen
};
