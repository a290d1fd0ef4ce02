// A note's popup menu as a right click on its pick bar opens it, with the
// edit-mode submenu shown. The menu runs a loop of its own: the picture is
// taken from inside it, and the menu closed then.
#include <vector>

#include "model/PropatyData.h"
#include "note/MemletWin.h"
#include "note/OpenNote.h"
#include "shots/Settle.h"
#include "shots/Sheets.h"

namespace {

CPropatyData g_limits;
CMemletWin* g_note;

std::vector<HWND> Menus() {
    std::vector<HWND> menus;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            wchar_t cls[16] = {};
            GetClassNameW(hwnd, cls, 16);
            if (IsWindowVisible(hwnd) && lstrcmpW(cls, L"#32768") == 0)
                ((std::vector<HWND>*)lp)->push_back(hwnd);
            return TRUE;
        },
        (LPARAM)&menus);
    return menus;
}

// Over the edit-mode entry: its submenu opens after a moment.
void CALLBACK OnHover(HWND, UINT, UINT_PTR id, DWORD) {
    std::vector<HWND> menus = Menus();
    if (menus.empty())
        return;
    KillTimer(nullptr, id);
    HMENU menu = (HMENU)SendMessageW(menus.back(), MN_GETHMENU, 0, 0);
    RECT item{};
    GetMenuItemRect(menus.back(), menu, 4, &item);
    SetCursorPos((item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

}  // namespace

bool ShowNoteMenuSheet(const char* file) {
    g_pPropatyData = &g_limits;
    NoteLook look;
    look.text = "右クリックでメニュー";
    look.rect = RECT{90, 100, 290, 160};
    look.bkColor = 4;
    look.color = 3;
    // On the desktop: no other window rises above the note and its menu.
    look.desktop = 1;
    g_note = OpenNote(GetDesktopWindow(), look);
    if (!g_note)
        return false;
    RECT bar = g_note->m_stPickBar.GetWindowRect();
    SetCursorPos((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
    SetTimer(nullptr, 0, 400, OnHover);
    // The note and its menus, once the submenu is open too.
    auto shown = [](RECT& r) {
        std::vector<HWND> menus = Menus();
        r = g_note->GetWindowRect();
        for (HWND m : menus) {
            RECT w;
            GetWindowRect(m, &w);
            UnionRect(&r, &r, &w);
        }
        InflateRect(&r, 20, 20);
        return menus.size() >= 2;
    };
    bool closed = false;
    auto close = [&] {
        EndMenu();
        closed = true;
    };
    // The menu's loop runs inside this one once the click is handled.
    auto run = [&] {
        PostMessageW(g_note->m_hWnd, WM_RBUTTONUP, 0, 0);
        DWORD end = GetTickCount() + 12000;
        while (!closed && (LONG)(GetTickCount() - end) < 0) {
            MSG msg;
            if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    };
    return SaveFromInsideLoop(file, shown, close, run);
}
