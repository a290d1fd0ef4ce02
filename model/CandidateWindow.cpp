#include "model/CandidateWindow.h"

#include "framework/Text.h"

std::string ReadWindowTitle(HWND hwnd) {
    wchar_t buf[kMaxTitle + 1] = {};
    int n = GetWindowTextW(hwnd, buf, (int)kMaxTitle + 1);
    return MbCut(FromWide(std::wstring_view(buf, n > 0 ? n : 0)), kMaxTitle);
}

bool CProcessNames::Lookup(DWORD pid, std::string& name, std::string& path) {
    auto it = m_names.find(pid);
    if (it == m_names.end()) {
        Entry e;
        GetProcessNameAndPath(pid, e.name, e.path);
        e.name = MbUpper(e.name);
        it = m_names.emplace(pid, std::move(e)).first;
    }
    name = it->second.name;
    path = it->second.path;
    return !name.empty();
}

bool ReadCandidateWindow(HWND hwnd, CProcessNames& names, CWinInf& out, RECT& rect) {
    // The cheapest tests first: most top-level windows are hidden.
    if (!IsWindow(hwnd) || !IsWindowVisible(hwnd))
        return false;
    if (GetWindowLongW(hwnd, GWL_STYLE) & WS_DISABLED)
        return false;
    std::string title = ReadWindowTitle(hwnd);
    if (title.empty() || MbUpper(title) == "PROGRAM MANAGER")
        return false;
    if (!GetWindowRect(hwnd, &rect) || rect.top == rect.bottom || rect.left == rect.right)
        return false;
    if (!MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    // Our own windows, the notes among them, never take a note.
    if (pid == GetCurrentProcessId())
        return false;
    std::string name, path;
    if (!names.Lookup(pid, name, path) || name == "CORVANA.EXE")
        return false;
    out = CWinInf();
    out.m_hWnd = hwnd;
    out.m_strTitle = std::move(title);
    out.m_strProcessName = std::move(name);
    out.m_strPath = std::move(path);
    return true;
}
