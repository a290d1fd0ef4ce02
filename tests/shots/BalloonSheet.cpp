// A note that has just refused a character: its balloon tip at the caret.
#include <algorithm>

#include "model/PropatyData.h"
#include "note/MemletWin.h"
#include "note/OpenNote.h"
#include "shots/Settle.h"
#include "shots/Sheets.h"

namespace {

CPropatyData g_limits;

BOOL CALLBACK FindTip(HWND hwnd, LPARAM lp) {
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    if (IsWindowVisible(hwnd) && lstrcmpiW(cls, L"tooltips_class32") == 0) {
        *(HWND*)lp = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

RECT ShowBalloonSheet() {
    g_pPropatyData = &g_limits;
    NoteLook look;
    look.text = "来週の定例会議\r\n水曜 10:00 から第二会議室\r\n持ち物：議事録、見積書";
    look.rect = RECT{80, 80, 400, 190};
    look.desktop = 1;
    look.frame = 0;
    look.bkColor = 4;
    CMemletWin* win = OpenNote(GetDesktopWindow(), look);
    if (!win)
        return RECT{};
    HWND note = win->m_hWnd, field = win->m_editMemlet.m_hWnd;
    for (int i = 0; i < 50 && !IsWindowEnabled(note); i++)
        Pump(50);
    SetForegroundWindow(note);
    SetFocus(field);
    int n = GetWindowTextLengthW(field);
    SendMessageW(field, EM_SETSEL, n, n);
    // The user types an emoji at the end: a surrogate pair, as the keyboard sends it.
    SendMessageW(field, WM_CHAR, 0xD83D, 1);
    SendMessageW(field, WM_CHAR, 0xDE00, 1);
    Pump(300);
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTip, (LPARAM)&tip);
    if (!tip)
        return RECT{};
    RECT a = win->GetWindowRect(), b{};
    GetWindowRect(tip, &b);
    return RECT{std::min(a.left, b.left) - 20, std::min(a.top, b.top) - 20, std::max(a.right, b.right) + 20,
                std::max(a.bottom, b.bottom) + 20};
}
