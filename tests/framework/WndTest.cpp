#include <gtest/gtest.h>

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

}  // namespace
