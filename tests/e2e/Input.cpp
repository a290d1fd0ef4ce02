#include "e2e/Input.h"

#include <cstdint>
#include <iterator>
#include <vector>

#include "e2e/Waiting.h"

namespace {

constexpr DWORD kSettledMs = 150;

bool IsExtended(WORD vk) {
    switch (vk) {
    case VK_LWIN:
    case VK_RWIN:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_INSERT:
    case VK_DELETE:
        return true;
    }
    return false;
}

INPUT Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

bool Send(std::vector<INPUT>& inputs) {
    return SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

bool PressKeys(std::initializer_list<WORD> keys, int repeats) {
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
        inputs.push_back(Key(vk, false));
    for (int i = 1; i < repeats && keys.size() > 0; i++)
        inputs.push_back(Key(*std::rbegin(keys), false));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it)
        inputs.push_back(Key(*it, true));
    return Send(inputs);
}

bool TypeText(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        for (bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = c;
            in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(in);
        }
    }
    return Send(inputs);
}

// 0 to 65535 across the virtual screen; a pixel is the coordinate times the
// size, divided by 65536, so the smallest coordinate of the pixel is taken.
LONG Absolute(LONG v, int origin, int size) { return (LONG)(((int64_t)(v - origin) * 65536 + size - 1) / size); }

bool MoveCursorTo(POINT pt) {
    std::vector<INPUT> inputs(1);
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dx = Absolute(pt.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    inputs[0].mi.dy = Absolute(pt.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    if (!Send(inputs))
        return false;
    // Under Wine the move reaches the cursor position a while later, and a
    // position older than 100 ms is read anew from the X server: it counts
    // once it has held that long.
    DWORD since = GetTickCount();
    return WaitFor([pt, &since] {
        POINT now{};
        if (!GetCursorPos(&now) || now.x != pt.x || now.y != pt.y) {
            since = GetTickCount();
            return false;
        }
        return GetTickCount() - since > kSettledMs;
    }, 10000);
}

bool ClickAt(POINT pt, bool right) {
    if (!MoveCursorTo(pt))
        return false;
    std::vector<INPUT> inputs(2);
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    return Send(inputs);
}

// The keyboard focus of the thread that owns the window.
static HWND FocusOfThreadOf(HWND hwnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool ClickInto(HWND field) {
    for (int attempt = 0; attempt < 2; attempt++) {
        RECT r{};
        GetWindowRect(field, &r);
        if (!ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}))
            return false;
        if (WaitFor([field] { return FocusOfThreadOf(field) == field; }, 5000))
            return true;
    }
    return false;
}

bool BringToFront(HWND hwnd) {
    SetForegroundWindow(hwnd);
    return WaitFor([hwnd] { return GetForegroundWindow() == hwnd; }, 10000);
}
