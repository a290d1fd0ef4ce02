#include "notemenu/Steps.h"

#include <string>

#include "framework/Text.h"

namespace {

CSteps* g_steps;

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    return lstrcmpW(cls, name) == 0;
}

template <typename F>
void ForEachThreadWindow(F f) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            (*(F*)lp)(hwnd);
            return TRUE;
        },
        (LPARAM)&f);
}

}  // namespace

CSteps::CSteps(std::vector<std::function<bool()>> steps) : m_steps(std::move(steps)) {
    g_steps = this;
    m_timer = SetTimer(nullptr, 0, 30, OnTimer);
}

CSteps::~CSteps() {
    KillTimer(nullptr, m_timer);
    if (g_steps == this)
        g_steps = nullptr;
}

void CALLBACK CSteps::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    CSteps* self = g_steps;
    if (!self || id != self->m_timer || self->Done())
        return;
    // A step may open a loop of its own (a box), in which this timer ticks
    // again: the step counts as begun.
    size_t step = self->m_next;
    static bool running = false;
    if (running)
        return;
    running = true;
    bool done = self->m_steps[step]();
    running = false;
    if (done && g_steps == self && self->m_next == step)
        self->m_next++;
}

std::vector<HWND> OpenMenus() {
    std::vector<HWND> menus;
    ForEachThreadWindow([&](HWND hwnd) {
        if (IsWindowVisible(hwnd) && IsClass(hwnd, L"#32768"))
            menus.push_back(hwnd);
    });
    return menus;
}

HMENU MenuOf(HWND menuWnd) { return (HMENU)SendMessageW(menuWnd, MN_GETHMENU, 0, 0); }

HWND MenuWindowOf(HMENU menu) {
    for (HWND w : OpenMenus())
        if (MenuOf(w) == menu)
            return w;
    return nullptr;
}

HWND OwnedDialog(HWND owner) {
    HWND found = nullptr;
    ForEachThreadWindow([&](HWND hwnd) {
        if (!found && IsWindowVisible(hwnd) && IsClass(hwnd, L"#32770") && GetWindow(hwnd, GW_OWNER) == owner)
            found = hwnd;
    });
    return found;
}

HWND WindowWithCaption(const char* caption) {
    std::wstring want = ToWide(caption);
    HWND found = nullptr;
    ForEachThreadWindow([&](HWND hwnd) {
        wchar_t text[128] = {};
        GetWindowTextW(hwnd, text, 128);
        if (!found && IsWindowVisible(hwnd) && want == text)
            found = hwnd;
    });
    return found;
}

void SendClickAt(POINT at, bool right) {
    SetCursorPos(at.x, at.y);
    INPUT in[3] = {};
    for (INPUT& i : in)
        i.type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[0].mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in[0].mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
}
