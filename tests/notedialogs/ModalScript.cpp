#include "notedialogs/ModalScript.h"

#include "framework/Pixels.h"
#include "framework/TestWindows.h"

namespace {

std::function<void()> g_script;

void CALLBACK OnScriptTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto script = std::move(g_script);
    g_script = nullptr;
    if (script)
        script();
}

// A key message as the keyboard driver makes it, posted to the focus.
void PostKeyMessage(UINT msg, WORD vk) {
    HWND focus = GetFocus();
    UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    LPARAM lp = 1 | (LPARAM)(scan << 16);
    if (msg == WM_KEYUP)
        lp |= (LPARAM)(3u << 30);
    PostMessageW(focus, msg, vk, lp);
}

}  // namespace

INT_PTR RunModal(CDialog& dlg, std::function<void()> script) {
    Watchdog watchdog;
    g_script = std::move(script);
    SetTimer(nullptr, 0, 50, OnScriptTimer);
    INT_PTR result = dlg.DoModal();
    g_script = nullptr;
    return result;
}

void Click(CDialog& dlg, int id) {
    SendMessageW(dlg.GetDlgItem(id), BM_CLICK, 0, 0);
    PumpPending();
}

void PostClick(CDialog& dlg, int id) { PostMessageW(dlg.GetDlgItem(id), BM_CLICK, 0, 0); }

void PressKey(WORD vk) {
    // The keyboard state is what the dialog manager asks for Shift.
    PostKeyMessage(WM_KEYDOWN, vk);
    PumpPending();
    PostKeyMessage(WM_KEYUP, vk);
    PumpPending();
}

void TypeText(const std::wstring& text) {
    for (wchar_t c : text)
        PostMessageW(GetFocus(), WM_CHAR, c, 1);
    PumpPending();
}

bool IsChecked(CDialog& dlg, int id) { return IsDlgButtonChecked(dlg.m_hWnd, id) == BST_CHECKED; }
bool IsEnabled(CDialog& dlg, int id) { return IsWindowEnabled(dlg.GetDlgItem(id)) != 0; }

COLORREF ScreenColourOf(HWND ctl) {
    RedrawWindow(GetAncestor(ctl, GA_ROOT), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r;
    GetWindowRect(ctl, &r);
    CPixels pixels(1, 1);
    if (!pixels.CaptureScreen((r.left + r.right) / 2, (r.top + r.bottom) / 2))
        return CLR_INVALID;
    return pixels.Colour(0, 0);
}

CTargetWnd::CTargetWnd() {
    m_hWnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"Static", L"target", WS_POPUP | WS_VISIBLE, 900, 500, 120, 80,
                             nullptr, nullptr, nullptr, nullptr);
}

CTargetWnd::~CTargetWnd() { Destroy(); }

void CTargetWnd::Destroy() {
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}
