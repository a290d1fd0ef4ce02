#include "framework/BoxOverDialog.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/App.h"
#include "framework/Text.h"
#include "framework/Wnd.h"
#include "notemenu/Steps.h"

namespace {

// Long enough for a click to be handled, short of the watchdog.
constexpr DWORD kSettleMs = 500;
constexpr DWORD kActivationMs = 1500;

bool Before(DWORD deadline) { return (LONG)(GetTickCount() - deadline) < 0; }

bool Above(HWND upper, HWND lower) {
    for (HWND h = GetWindow(upper, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h == lower)
            return true;
    return false;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

// The box of this thread showing text (its static), or null.
HWND BoxShowing(const std::string& text) {
    const std::wstring want = ToWide(text);
    for (HWND box : OpenMessageBoxes())
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (ClassOf(c) == L"Static" && TextOf(c) == want)
                return box;
    return nullptr;
}

void Answer(HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

POINT Centre(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

std::vector<std::function<bool()>> BoxOverDialog(std::vector<std::function<bool()>> opening,
                                                 const std::string& text, int again, CBoxSeen& seen) {
    auto deadline = std::make_shared<DWORD>(0);
    std::vector<std::function<bool()>> steps = {
        // The box is up: what it is modal to, then a click on the dialog
        // where the box does not lie.
        [&seen, text, again, deadline] {
            HWND box = BoxShowing(text);
            if (!box)
                return false;
            HWND main = AppMainWindow();
            seen.box = box;
            seen.owner = GetWindow(box, GW_OWNER);
            seen.dialogEnabled = IsWindowEnabled(seen.dialog) != 0;
            seen.mainEnabled = main && IsWindowEnabled(main);
            SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            RECT boxRect{};
            GetWindowRect(box, &boxRect);
            POINT at = Centre(GetDlgItem(seen.dialog, again));
            seen.clickOnDialog = !PtInRect(&boxRect, at) && GetAncestor(WindowFromPoint(at), GA_ROOT) != box;
            SendClickAt(at);
            *deadline = GetTickCount() + kSettleMs;
            return true;
        },
        // Every box the click opened is counted and answered, then the box.
        [&seen, deadline] {
            if (Before(*deadline))
                return false;
            for (HWND other : OpenMessageBoxes())
                if (other != seen.box) {
                    seen.moreBoxes++;
                    Answer(other);
                }
            Answer(seen.box);
            *deadline = GetTickCount() + kActivationMs;
            return true;
        },
        // The box gone and the activation settled: where the user is now;
        // then the dialog is closed.
        [&seen, deadline] {
            if (IsWindow(seen.box) || (GetActiveWindow() != seen.dialog && Before(*deadline)))
                return false;
            HWND main = AppMainWindow();
            seen.active = GetActiveWindow();
            seen.dialogAboveMain = Above(seen.dialog, main);
            seen.mainEnabledAfter = main && IsWindowEnabled(main);
            PostMessageW(GetDlgItem(seen.dialog, IDCANCEL), BM_CLICK, 0, 0);
            return true;
        },
    };
    opening.insert(opening.end(), steps.begin(), steps.end());
    return opening;
}

bool ShowInFront(CWnd& wnd, const char* title, HWND owner, const RECT& r, DWORD style) {
    CWnd::CreateArgs args;
    args.title = title;
    args.style = style;
    args.parent = owner;
    args.x = r.left;
    args.y = r.top;
    args.cx = r.right - r.left;
    args.cy = r.bottom - r.top;
    if (!wnd.Create(args))
        return false;
    ShowWindow(wnd.m_hWnd, SW_SHOWNORMAL);
    SetForegroundWindow(wnd.m_hWnd);
    return true;
}

bool ShowMainStandIn(CWnd& main, const RECT& r) {
    if (!ShowInFront(main, "メインの代わり", nullptr, r))
        return false;
    AppSetMainWindow(main.m_hWnd);
    return true;
}

void ExpectBoxModalToTheDialog(const CBoxSeen& seen) {
    ASSERT_NE(nullptr, seen.box) << "no box";
    EXPECT_EQ(seen.dialog, seen.owner);
    EXPECT_FALSE(seen.dialogEnabled);
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_TRUE(seen.clickOnDialog);
    EXPECT_EQ(0, seen.moreBoxes) << "a second OK opened a box";
    EXPECT_EQ(seen.dialog, seen.active);
    EXPECT_TRUE(seen.dialogAboveMain);
    EXPECT_FALSE(seen.mainEnabledAfter);
}
