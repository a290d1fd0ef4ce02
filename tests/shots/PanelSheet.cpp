// The main panel in a window of its own, with notes in its list.
#include "framework/Wnd.h"
#include "panel/ControlDlg.h"
#include "shots/Sheets.h"

namespace {

CWnd g_host;
CControlDlg* g_panel;

CMemletData Note(const char* exe, const char* path, const char* title, int64_t daysAgo) {
    CMemletData d;
    d.m_strExeName = exe;
    d.m_strExePath = path;
    d.m_strTitle = title;
    d.m_tGenDate -= daysAgo * 86400;
    d.m_tAcsDate -= daysAgo * 3600;
    return d;
}

}  // namespace

RECT ShowPanelSheet() {
    CWnd::CreateArgs args;
    args.title = "コルヴァナ";
    args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    args.background = (HBRUSH)(COLOR_BTNFACE + 1);
    args.x = 40;
    args.y = 40;
    args.cx = 520;
    args.cy = 560;
    g_host.Create(args);
    g_panel = new CControlDlg;
    g_panel->Create(g_host.m_hWnd);
    const char* notepad = "C:\\windows\\notepad.exe";
    g_panel->m_MemletList = {
        Note("NOTEPAD.EXE", notepad, "(無題) - メモ帳", 0),
        Note("DESKTOP", "DESKTOP", "DESKTOP", 1),
        Note("EXPLORER.EXE", "C:\\windows\\explorer.exe", "ドキュメント", 3),
        Note("NOTEPAD.EXE", notepad, "議事録.txt - メモ帳", 12),
        Note("DESKTOP", "DESKTOP", "DESKTOP", 40),
    };
    g_panel->m_MemletList[2].m_nFull = 0;
    g_panel->m_MemletList[2].m_strPart = "ドキュメント";
    g_panel->UpdateList();
    g_panel->ShowWindow(SW_SHOW);
    // The host holds the panel with the margin it has on the left.
    RECT panel = g_panel->GetWindowRect();
    MapWindowPoints(nullptr, g_host.m_hWnd, (POINT*)&panel, 2);
    RECT outer{0, 0, panel.right + panel.left, panel.bottom + panel.left};
    AdjustWindowRect(&outer, GetWindowLongW(g_host.m_hWnd, GWL_STYLE), FALSE);
    SetWindowPos(g_host.m_hWnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    return g_host.GetWindowRect();
}
