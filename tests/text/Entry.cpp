#include "text/Entry.h"

#include <commctrl.h>
#include <imm.h>

#include <map>

#include "e2e/Input.h"
#include "framework/TestWindows.h"

void TypeKeys(HWND field, const std::wstring& text) {
    SetForegroundWindow(GetAncestor(field, GA_ROOT));
    SetFocus(field);
    TypeText(text);
}

void Paste(HWND field, const std::wstring& text) {
    if (PutOnClipboard(field, text))
        SendMessageW(field, WM_PASTE, 0, 0);
}

void Compose(HWND field, const std::wstring& text) {
    SetFocus(field);
    HIMC imc = ImmGetContext(field);
    if (!imc)
        return;
    ImmSetOpenStatus(imc, TRUE);
    ImmSetCompositionStringW(imc, SCS_SETSTR, (void*)text.c_str(), (DWORD)(text.size() * sizeof(wchar_t)), nullptr,
                             0);
    ImmNotifyIME(imc, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    ImmSetOpenStatus(imc, FALSE);
    ImmReleaseContext(field, imc);
}

namespace {

// The titles given to the tooltips of this thread.
std::map<HWND, std::wstring> g_titles;

LRESULT CALLBACK SeeTitles(int code, WPARAM wp, LPARAM lp) {
    const CWPSTRUCT& m = *(const CWPSTRUCT*)lp;
    if (code == HC_ACTION && m.message == TTM_SETTITLEW && m.lParam)
        g_titles[m.hwnd] = (const wchar_t*)m.lParam;
    return CallNextHookEx(nullptr, code, wp, lp);
}
const HHOOK g_titleHook = SetWindowsHookExW(WH_CALLWNDPROC, SeeTitles, nullptr, GetCurrentThreadId());

BOOL CALLBACK FindTip(HWND hwnd, LPARAM lp) {
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (IsWindowVisible(hwnd) && _wcsicmp(cls, TOOLTIPS_CLASSW) == 0) {
        *(HWND*)lp = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ShownTip() {
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTip, (LPARAM)&tip);
    return tip;
}

std::wstring TipTitle(HWND tip) {
    wchar_t buf[256] = {};
    TTGETTITLE t{};
    t.dwSize = sizeof t;
    t.cch = 256;
    t.pszTitle = buf;
    SendMessageW(tip, TTM_GETTITLE, 0, (LPARAM)&t);
    if (buf[0])
        return buf;
    // Not answered (Wine): the title it was given.
    auto it = g_titles.find(tip);
    return it == g_titles.end() ? std::wstring() : it->second;
}

std::wstring TipText(HWND tip) {
    wchar_t buf[512] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.lpszText = buf;
    if (!SendMessageW(tip, TTM_ENUMTOOLSW, 0, (LPARAM)&ti))
        return {};
    buf[0] = 0;
    ti.lpszText = buf;
    SendMessageW(tip, TTM_GETTEXTW, 512, (LPARAM)&ti);
    return buf;
}
