#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/TestResource.h"
#include "framework/TestWindows.h"
#include "framework/Wnd.h"

namespace {

// Objects that delete themselves are put on a page of their own; deleting
// one takes all access away from the page, and a later touch of it is
// recorded (then let through), so the test sees it instead of a crash.
void* g_guardPage;
bool g_touchedAfterDelete;
const size_t kPage = 4096;

LONG CALLBACK OnGuardPageAccess(EXCEPTION_POINTERS* ep) {
    const EXCEPTION_RECORD* rec = ep->ExceptionRecord;
    if (rec->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || !g_guardPage || rec->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    ULONG_PTR addr = rec->ExceptionInformation[1];
    if (addr < (ULONG_PTR)g_guardPage || addr >= (ULONG_PTR)g_guardPage + kPage)
        return EXCEPTION_CONTINUE_SEARCH;
    g_touchedAfterDelete = true;
    DWORD old;
    VirtualProtect(g_guardPage, kPage, PAGE_READWRITE, &old);
    return EXCEPTION_CONTINUE_EXECUTION;
}

template <class Base>
class Guarded : public Base {
public:
    using Base::Base;
    static void* operator new(size_t size) {
        EXPECT_LE(size, kPage);
        g_guardPage = VirtualAlloc(nullptr, kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        return g_guardPage;
    }
    static void operator delete(void* p) {
        DWORD old;
        VirtualProtect(p, kPage, PAGE_NOACCESS, &old);
    }
};

class SelfDeleting : public testing::Test {
protected:
    void SetUp() override {
        g_touchedAfterDelete = false;
        m_handler = AddVectoredExceptionHandler(1, OnGuardPageAccess);
    }
    void TearDown() override {
        RemoveVectoredExceptionHandler(m_handler);
        if (g_guardPage)
            VirtualFree(g_guardPage, 0, MEM_RELEASE);
        g_guardPage = nullptr;
    }
    void* m_handler = nullptr;
};

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
