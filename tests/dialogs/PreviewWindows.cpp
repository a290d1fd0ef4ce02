#include "dialogs/PreviewWindows.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/Pixels.h"
#include "framework/TestWindows.h"

bool CColourWnd::Open(const RECT& r, COLORREF colour) {
    m_colour = colour;
    CreateArgs args;
    args.className = L"CorvanaTestColour";
    args.background = nullptr;
    args.style = WS_POPUP | WS_VISIBLE;
    args.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    args.x = r.left;
    args.y = r.top;
    args.cx = r.right - r.left;
    args.cy = r.bottom - r.top;
    if (!Create(args))
        return false;
    UpdateWindow(m_hWnd);
    return true;
}

void CColourWnd::Fill(HDC dc) {
    RECT r = GetClientRect();
    HBRUSH brush = CreateSolidBrush(m_colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void CColourWnd::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    Fill(dc);
    EndPaint(m_hWnd, &ps);
}

LRESULT CColourWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PRINT) {
        m_nPrinted++;
        m_bPrintedIconic = IsIconic(m_hWnd) != 0;
    }
    if (msg != WM_PRINTCLIENT)
        return CWnd::WindowProc(msg, wp, lp);
    m_drawn.count++;
    m_drawn.iconic = IsIconic(m_hWnd) != 0;
    m_drawn.rect = GetWindowRect();
    m_drawn.layered = (GetExStyle() & WS_EX_LAYERED) != 0;
    COLORREF key = 0;
    m_drawn.attributesRead = GetLayeredWindowAttributes(m_hWnd, &key, &m_drawn.alpha, &m_drawn.flags) != 0;
    Fill((HDC)wp);
    return 0;
}

CHungWindow::CHungWindow(const RECT& r, COLORREF colour, bool minimised)
    : m_rect(r), m_colour(colour), m_minimised(minimised) {
    m_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr);
    if (m_thread)
        WaitForSingleObject(m_ready, 10000);
}

CHungWindow::~CHungWindow() {
    SetEvent(m_release);
    if (m_hwnd)
        PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
    if (m_thread) {
        WaitForSingleObject(m_thread, 10000);
        CloseHandle(m_thread);
    }
    CloseHandle(m_ready);
    CloseHandle(m_release);
}

void CHungWindow::Release() {
    SetEvent(m_release);
    // Answered only once every message sent before it has been taken.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(m_hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

DWORD WINAPI CHungWindow::ThreadProc(void* self) {
    ((CHungWindow*)self)->Run();
    return 0;
}

LRESULT CALLBACK CHungWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = (CHungWindow*)GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    switch (msg) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTW*)lp)->lpCreateParams);
        break;
    case WM_PRINT:
    case WM_PRINTCLIENT:
        if (self && WaitForSingleObject(self->m_ready, 0) == WAIT_OBJECT_0)
            self->m_printed = true;
        break;
    case WM_SETREDRAW:
    case WM_STYLECHANGING:
    case WM_WINDOWPOSCHANGING:
        if (self && WaitForSingleObject(self->m_ready, 0) == WAIT_OBJECT_0)
            self->m_touched = true;
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(self ? self->m_colour : 0);
        FillRect(dc, &ps.rcPaint, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void CHungWindow::Run() {
    // Its own window procedure: the framework's windows belong to the
    // user-interface thread.
    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CorvanaTestHung";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"CorvanaTestHung", L"hung", WS_POPUP | WS_VISIBLE,
                             m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, nullptr,
                             nullptr, wc.hInstance, this);
    MSG msg;
    if (h && m_minimised)
        ShowWindow(h, SW_MINIMIZE);
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    m_hwnd = h;
    SetEvent(m_ready);
    if (!h)
        return;
    // Hung: no message is taken meanwhile.
    m_releasedInTime = WaitForSingleObject(m_release, 4000) == WAIT_OBJECT_0;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
}

namespace {

struct FindWindowOf {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
    auto* find = (FindWindowOf*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == find->pid && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
        find->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

COtherProgram::COtherProgram() {
    static const char kNotepad[] = "C:\\windows\\system32\\notepad.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNOACTIVATE;
    char cmd[MAX_PATH];
    lstrcpyA(cmd, kNotepad);
    if (!CreateProcessA(kNotepad, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi))
        return;
    WaitForInputIdle(m_pi.hProcess, 10000);
    FindWindowOf find{m_pi.dwProcessId, nullptr};
    PumpUntil([&] {
        EnumWindows(FindProc, (LPARAM)&find);
        if (!find.found)
            Sleep(20);
        return find.found != nullptr;
    });
    m_hwnd = find.found;
}

COtherProgram::~COtherProgram() {
    if (!m_pi.hProcess)
        return;
    TerminateProcess(m_pi.hProcess, 0);
    WaitForSingleObject(m_pi.hProcess, 5000);
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
}

Shown ShownPicture(HWND preview) {
    RECT client{};
    GetClientRect(preview, &client);
    CPixels pixels(client.right, client.bottom);
    pixels.CaptureClient(preview);
    COLORREF background = GetSysColor(COLOR_3DFACE);
    Shown shown;
    for (int y = 0; y < pixels.Height(); y++) {
        for (int x = 0; x < pixels.Width(); x++) {
            if (pixels.Colour(x, y) != background) {
                shown.cx = std::max(shown.cx, x + 1);
                shown.cy = std::max(shown.cy, y + 1);
            }
        }
    }
    if (!shown.empty())
        shown.middle = pixels.Colour(shown.cx / 2, shown.cy / 2);
    return shown;
}

COLORREF ShownAt(HWND preview, int x, int y) {
    RECT client{};
    GetClientRect(preview, &client);
    CPixels pixels(client.right, client.bottom);
    pixels.CaptureClient(preview);
    return pixels.Colour(x, y);
}

bool PrintWindowDraws(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    CPixels pixels(r.right - r.left, r.bottom - r.top);
    const DWORD unlikely = 0x00123456;
    pixels.Fill(unlikely);
    PrintWindow(hwnd, pixels.Dc(), 0);
    for (int y = 0; y < pixels.Height(); y++)
        for (int x = 0; x < pixels.Width(); x++)
            if ((pixels.At(x, y) & 0xFFFFFF) != unlikely)
                return true;
    return false;
}
