// corvana_targets.exe: makes, changes and closes top-level windows on the
// commands of another process (TargetsProtocol.h), so that the program's
// window list and pastes meet windows of a real other program.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "targets/TargetsProtocol.h"

namespace {

std::wstring Wide(const char* s, size_t max) {
    size_t n = 0;
    while (n < max && s[n])
        n++;
    if (n == 0)
        return std::wstring();
    int len = MultiByteToWideChar(932, 0, s, (int)n, nullptr, 0);
    std::wstring w(len, L'\0');
    MultiByteToWideChar(932, 0, s, (int)n, w.data(), len);
    return w;
}

// A system class is taken as it is; any other name is registered on first
// use as a plain window with the default procedure.
bool EnsureClass(const std::wstring& name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    HINSTANCE self = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(nullptr, name.c_str(), &wc) || GetClassInfoExW(self, name.c_str(), &wc))
        return true;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = self;
    wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = name.c_str();
    return RegisterClassExW(&wc) != 0;
}

LRESULT Create(const TargetRequest& r, bool child) {
    std::wstring cls = Wide(r.className, sizeof r.className);
    if (cls.empty())
        cls = Wide(kTargetsWindowClass, sizeof kTargetsWindowClass);
    if (!EnsureClass(cls))
        return 0;
    HWND parent = child ? (HWND)(UINT_PTR)r.hwnd : nullptr;
    if (child && !IsWindow(parent))
        return 0;
    DWORD style = r.style ? r.style : (child ? WS_CHILD : WS_OVERLAPPEDWINDOW);
    if (child)
        style |= WS_CHILD;
    style &= ~WS_VISIBLE;
    if (!r.enabled)
        style |= WS_DISABLED;
    HWND hwnd = CreateWindowExW(r.exStyle, cls.c_str(), Wide(r.text, sizeof r.text).c_str(), style, r.x, r.y, r.cx,
                                r.cy, parent, child ? (HMENU)(INT_PTR)r.id : nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    if (!hwnd)
        return 0;
    if (r.visible)
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return (LRESULT)hwnd;
}

LRESULT Run(HWND control, uint32_t command, const TargetRequest& r) {
    HWND hwnd = (HWND)(UINT_PTR)r.hwnd;
    switch (command) {
    case kTargetCreate:
        return Create(r, false);
    case kTargetAddChild:
        return Create(r, true);
    case kTargetMove:
        return SetWindowPos(hwnd, nullptr, r.x, r.y, r.cx, r.cy, SWP_NOZORDER | SWP_NOACTIVATE) ? 1 : 0;
    case kTargetSetText:
        return SetWindowTextW(hwnd, Wide(r.text, sizeof r.text).c_str()) ? 1 : 0;
    case kTargetShow:
        if (!IsWindow(hwnd))
            return 0;
        ShowWindow(hwnd, r.showCmd);
        return 1;
    case kTargetEnable:
        if (!IsWindow(hwnd))
            return 0;
        EnableWindow(hwnd, r.enabled != 0);
        return 1;
    case kTargetDestroy:
        return DestroyWindow(hwnd) ? 1 : 0;
    case kTargetForeground:
        return SetForegroundWindow(hwnd) ? 1 : 0;
    case kTargetRegisterHotKey:
        return RegisterHotKey(control, r.id, r.modifiers, r.vk) ? 1 : 0;
    case kTargetUnregisterHotKey:
        return UnregisterHotKey(control, r.id) ? 1 : 0;
    case kTargetQuit:
        PostQuitMessage(0);
        return 1;
    default:
        return 0;
    }
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COPYDATA) {
        auto* cds = (const COPYDATASTRUCT*)lp;
        if (!cds || cds->cbData != sizeof(TargetRequest) || !cds->lpData)
            return 0;
        TargetRequest r;
        memcpy(&r, cds->lpData, sizeof r);
        r.className[sizeof r.className - 1] = '\0';
        r.text[sizeof r.text - 1] = '\0';
        return Run(hwnd, (uint32_t)cds->dwData, r);
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE self, HINSTANCE, LPSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring ready = argv && argc > 1 ? argv[1] : L"";
    if (argv)
        LocalFree(argv);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ControlProc;
    wc.hInstance = self;
    wc.lpszClassName = kTargetsControlClass;
    if (!RegisterClassExW(&wc))
        return 1;
    HWND control = CreateWindowExW(0, kTargetsControlClass, ready.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   self, nullptr);
    if (!control)
        return 1;
    if (!ready.empty()) {
        HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, ready.c_str());
        if (!event)
            return 1;
        SetEvent(event);
        CloseHandle(event);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DestroyWindow(control);
    return 0;
}
