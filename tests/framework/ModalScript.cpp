#include "framework/ModalScript.h"

#include <commctrl.h>

#include "dialogs/WindowSelDlg.h"
#include "framework/Text.h"
#include "res/resource.h"

namespace {

CModalScript* g_current;

struct Search {
    const std::wstring* caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindCaption(HWND hwnd, LPARAM lp) {
    Search& s = *(Search*)lp;
    wchar_t text[128] = {};
    GetWindowTextW(hwnd, text, 128);
    if (IsWindowVisible(hwnd) && *s.caption == text) {
        s.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

CWindowSelDlg* SelDlg(HWND dlg) { return dynamic_cast<CWindowSelDlg*>(CWnd::FromHandle(dlg)); }

}  // namespace

CModalScript::CModalScript(const std::string& caption, std::function<void(HWND)> script)
    : m_caption(ToWide(caption)), m_script(std::move(script)) {
    g_current = this;
    m_timer = SetTimer(nullptr, 0, 20, OnTimer);
}

CModalScript::~CModalScript() {
    if (m_timer)
        KillTimer(nullptr, m_timer);
    if (g_current == this)
        g_current = nullptr;
}

void CALLBACK CModalScript::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    CModalScript* self = g_current;
    if (!self || self->m_ran || id != self->m_timer)
        return;
    Search s{&self->m_caption};
    EnumThreadWindows(GetCurrentThreadId(), FindCaption, (LPARAM)&s);
    if (!s.found)
        return;
    KillTimer(nullptr, self->m_timer);
    self->m_timer = 0;
    self->m_ran = true;
    self->m_script(s.found);
}

std::vector<HWND> ListedWindows(HWND dlg) {
    std::vector<HWND> out;
    if (CWindowSelDlg* d = SelDlg(dlg))
        for (const CWinInf& w : d->m_WinInfList)
            out.push_back(w.m_hWnd);
    return out;
}

bool ChooseWindow(HWND dlg, HWND window) {
    CWindowSelDlg* d = SelDlg(dlg);
    if (!d)
        return false;
    int row = -1;
    for (size_t i = 0; i < d->m_WinInfList.size() && row < 0; i++)
        if (d->m_WinInfList[i].m_hWnd == window)
            row = (int)i;
    if (row < 0)
        return false;
    HWND list = GetDlgItem(dlg, IDC_LIST_WINDOW);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, (LPARAM)&item);
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDOK));
    return true;
}

void CancelDialog(HWND dlg) {
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDCANCEL));
}
