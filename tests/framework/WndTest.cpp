#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>

#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/GuardPage.h"
#include "framework/TestResource.h"
#include "framework/TestWindows.h"
#include "framework/Wnd.h"

namespace {

bool g_deleted;
const int kDestroyCommand = 500;

// A window that destroys itself in its own command handler and deletes
// its object once the window is gone, as a note does.
class CSelfDeletingWnd : public CWnd {
protected:
    bool OnCommand(int id, int, HWND) override {
        if (id != kDestroyCommand)
            return false;
        DestroyWindow();
        return true;
    }
    void PostNcDestroy() override {
        g_deleted = true;
        delete this;
    }
};

// The same from a timer, on a modeless dialog.
class CSelfDeletingDlg : public CDialog {
public:
    CSelfDeletingDlg() : CDialog(IDD_TEST) {}

protected:
    void OnTimer(UINT_PTR) override { DestroyWindow(); }
    void PostNcDestroy() override {
        g_deleted = true;
        delete this;
    }
};

TEST_F(SelfDeleting, WindowDestroyedInItsCommandHandler) {
    g_deleted = false;
    auto* wnd = new Guarded<CSelfDeletingWnd>;
    CWnd::CreateArgs args;
    args.style = WS_POPUP;
    ASSERT_TRUE(wnd->Create(args));
    HWND h = wnd->m_hWnd;
    PostMessageW(h, WM_COMMAND, kDestroyCommand, 0);
    EXPECT_TRUE(PumpUntil([] { return g_deleted; }));
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(g_touchedAfterDelete);
}

TEST_F(SelfDeleting, ModelessDialogDestroyedInItsTimer) {
    g_deleted = false;
    auto* dlg = new Guarded<CSelfDeletingDlg>;
    ASSERT_TRUE(dlg->Create(nullptr));
    HWND h = dlg->m_hWnd;
    SetTimer(h, 1, 1, nullptr);
    EXPECT_TRUE(PumpUntil([] { return g_deleted; }));
    EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(g_touchedAfterDelete);
}

// A window whose handlers throw.
class CThrowingWnd : public CWnd {
public:
    int calls = 0;

protected:
    bool OnCommand(int id, int, HWND) override {
        calls++;
        if (id == 1)
            throw std::runtime_error("command");
        return true;
    }
    void OnTimer(UINT_PTR) override {
        calls++;
        KillTimer(1);
        throw 42;
    }
};

TEST(WindowProcedure, ExceptionInAHandlerStaysInside) {
    CThrowingWnd wnd;
    CWnd::CreateArgs args;
    args.style = WS_POPUP;
    ASSERT_TRUE(wnd.Create(args));
    SendMessageW(wnd.m_hWnd, WM_COMMAND, 1, 0);
    EXPECT_EQ(1, wnd.calls);
    wnd.SetTimer(1, 1);
    EXPECT_TRUE(PumpUntil([&] { return wnd.calls == 2; }));
    // The window goes on working.
    SendMessageW(wnd.m_hWnd, WM_COMMAND, 2, 0);
    EXPECT_EQ(3, wnd.calls);
}

class CThrowingDlg : public CDialog {
public:
    CThrowingDlg() : CDialog(IDD_TEST) {}

protected:
    bool OnInitDialog() override {
        SetTimer(1, 1);
        throw std::runtime_error("init");
    }
    void OnTimer(UINT_PTR) override { EndDialog(7); }
};

TEST(WindowProcedure, ExceptionInOnInitDialogStaysInside) {
    Watchdog watchdog;
    CThrowingDlg dlg;
    EXPECT_EQ(7, dlg.DoModal());
}

// A handler that sends its own window a message before it hands its own
// message on: Default() still gets the outer message, not the nested one.
class CNestedSenderWnd : public CWnd {
public:
    LRESULT nestedLength = -1;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_SETTEXT) {
            nestedLength = SendMessageW(m_hWnd, WM_GETTEXTLENGTH, 0, 0);
            return Default();
        }
        return CWnd::WindowProc(msg, wp, lp);
    }
};

TEST(WindowProcedure, NestedMessageLeavesTheHandlersOwnForDefault) {
    CNestedSenderWnd wnd;
    CWnd::CreateArgs args;
    args.style = WS_POPUP;
    ASSERT_TRUE(wnd.Create(args));
    EXPECT_TRUE(SendMessageW(wnd.m_hWnd, WM_SETTEXT, 0, (LPARAM)L"外側"));
    EXPECT_EQ(0, wnd.nestedLength);  // the nested message went its own way
    wchar_t buf[16] = {};
    GetWindowTextW(wnd.m_hWnd, buf, 16);
    EXPECT_STREQ(L"外側", buf);
    // Once more, now that the window has a text of its own.
    EXPECT_TRUE(SendMessageW(wnd.m_hWnd, WM_SETTEXT, 0, (LPARAM)L"二度目"));
    EXPECT_EQ(2, wnd.nestedLength);
    GetWindowTextW(wnd.m_hWnd, buf, 16);
    EXPECT_STREQ(L"二度目", buf);
}

// The binding: found from the handle while the window lives, gone after.
TEST(WindowProcedure, ObjectIsFoundFromItsHandleUntilTheWindowGoes) {
    CWnd wnd;
    CWnd::CreateArgs args;
    args.style = WS_POPUP;
    ASSERT_TRUE(wnd.Create(args));
    HWND h = wnd.m_hWnd;
    EXPECT_EQ(&wnd, CWnd::FromHandle(h));
    EXPECT_EQ(&wnd, (CWnd*)GetWindowLongPtrW(h, GWLP_USERDATA));
    DestroyWindow(h);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(h));
    EXPECT_EQ(nullptr, CWnd::FromHandle(GetDesktopWindow()));
}

// A control's messages reach the object while it is subclassed, and the
// control's own procedure behind it; the chain holds when another
// subclasser comes in front of ours, also after ours lets go.
class CCountingWnd : public CWnd {
public:
    int texts = 0;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_SETTEXT)
            texts++;
        return CWnd::WindowProc(msg, wp, lp);
    }
};

LRESULT CALLBACK CountTexts(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR count) {
    if (msg == WM_SETTEXT)
        ++*(int*)count;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

std::wstring Text(HWND hwnd) {
    wchar_t buf[64] = {};
    GetWindowTextW(hwnd, buf, 64);
    return buf;
}

TEST(WindowProcedure, SubclassedControlKeepsItsProcedureInTheChain) {
    HWND edit = CreateWindowExW(0, L"Edit", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(edit);
    LONG_PTR own = GetWindowLongPtrW(edit, GWLP_WNDPROC);

    // Alone in front: letting go gives the control its own procedure back.
    {
        CCountingWnd wnd;
        ASSERT_TRUE(wnd.Subclass(edit));
        EXPECT_EQ(&wnd, CWnd::FromHandle(edit));
        SetWindowTextW(edit, L"一");
        EXPECT_EQ(1, wnd.texts);
        EXPECT_EQ(L"一", Text(edit));
        wnd.Unsubclass();
        EXPECT_EQ(nullptr, CWnd::FromHandle(edit));
        EXPECT_EQ(own, GetWindowLongPtrW(edit, GWLP_WNDPROC));
    }

    // Another subclasser in front of ours: ours stays in the chain, unbound.
    CCountingWnd wnd;
    int spied = 0;
    ASSERT_TRUE(wnd.Subclass(edit));
    ASSERT_TRUE(SetWindowSubclass(edit, CountTexts, 1, (DWORD_PTR)&spied));
    wnd.Unsubclass();
    EXPECT_EQ(nullptr, CWnd::FromHandle(edit));
    SetWindowTextW(edit, L"二");
    EXPECT_EQ(1, spied);
    EXPECT_EQ(0, wnd.texts);
    EXPECT_EQ(L"二", Text(edit));

    // Bound again through the same link of the chain.
    CCountingWnd again;
    ASSERT_TRUE(again.Subclass(edit));
    SetWindowTextW(edit, L"三");
    EXPECT_EQ(2, spied);
    EXPECT_EQ(1, again.texts);
    EXPECT_EQ(L"三", Text(edit));
    DestroyWindow(edit);
    EXPECT_EQ(nullptr, again.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(edit));
}

}  // namespace
