#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/TestResource.h"
#include "framework/TestWindows.h"

namespace {

std::wstring WindowTextW(HWND h) {
    wchar_t buf[256] = {};
    int n = GetWindowTextW(h, buf, 256);
    return std::wstring(buf, n > 0 ? n : 0);
}

TEST(Dialog, TemplateWithJapaneseTexts) {
    CDialog dlg(IDD_TEST);
    ASSERT_TRUE(dlg.Create(nullptr));
    EXPECT_EQ(L"付箋テスト表示", WindowTextW(dlg.m_hWnd));
    EXPECT_EQ(L"表示ソフト", WindowTextW(dlg.GetDlgItem(IDC_LABEL)));
    EXPECT_EQ(L"キャンセル", WindowTextW(dlg.GetDlgItem(IDCANCEL)));
    EXPECT_EQ("付箋テスト表示", dlg.GetText());
    EXPECT_EQ("表示ソフト", dlg.GetDlgText(IDC_LABEL));
    dlg.SetDlgText(IDC_EDIT, "ソフト表");
    EXPECT_EQ(L"ソフト表", WindowTextW(dlg.GetDlgItem(IDC_EDIT)));
}

// Ends itself as the user would, through a posted OK, after its init has
// changed a control: OnOK takes the control into the member.
class COkDlg : public CDialog {
public:
    COkDlg() : CDialog(IDD_TEST) {}
    int check = 0;
    bool initRan = false, okRan = false;

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        initRan = true;
        CheckDlgButton(m_hWnd, IDC_CHECK, BST_CHECKED);
        PostMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(IDOK));
        return true;
    }
    void OnOK() override {
        okRan = true;
        CDialog::OnOK();
    }
    void DoDataExchange(CDataExchange& dx) override { DDX_Check(dx, IDC_CHECK, check); }
};

TEST(Dialog, ModalEndedByOkReturnsIdokWithTheData) {
    Watchdog watchdog;
    COkDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.initRan);
    EXPECT_TRUE(dlg.okRan);
    EXPECT_EQ(1, dlg.check);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

// Ends from its own timer with a code of its own; checks its owner on the way.
class CTimerDlg : public CDialog {
public:
    CTimerDlg() : CDialog(IDD_TEST) {}
    HWND owner = nullptr;
    bool ownerEnabledWhileOpen = true;

protected:
    bool OnInitDialog() override {
        owner = GetWindow(m_hWnd, GW_OWNER);
        ownerEnabledWhileOpen = owner && ::IsWindowEnabled(owner);
        SetTimer(1, 1);
        return true;
    }
    void OnTimer(UINT_PTR) override { EndDialog(1234); }
};

TEST(Dialog, ModalEndedFromATimerReturnsItsCode) {
    Watchdog watchdog;
    CTimerDlg dlg;
    EXPECT_EQ(1234, dlg.DoModal());
}

TEST(Dialog, ModalDisablesItsOwnerTheMainWindowWhileItRuns) {
    Watchdog watchdog;
    CWnd main;
    CWnd::CreateArgs args;
    args.style = WS_POPUP;
    ASSERT_TRUE(main.Create(args));
    AppSetMainWindow(main.m_hWnd);
    CTimerDlg dlg;
    EXPECT_EQ(1234, dlg.DoModal());
    AppSetMainWindow(nullptr);
    EXPECT_EQ(main.m_hWnd, dlg.owner);
    EXPECT_FALSE(dlg.ownerEnabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(main.m_hWnd));
}

// While a modal dialog runs inside another one's handler, a timer of a
// third window fires and ends the inner dialog; the outer one goes on.
CDialog* g_dialogToEnd;
bool g_otherTimerFired;

class COtherWnd : public CWnd {
protected:
    void OnTimer(UINT_PTR id) override {
        KillTimer(id);
        g_otherTimerFired = true;
        if (g_dialogToEnd)
            g_dialogToEnd->EndDialog(5);
    }
};

class CInnerDlg : public CDialog {
public:
    explicit CInnerDlg(COtherWnd& other) : CDialog(IDD_TEST), m_other(other) {}

protected:
    bool OnInitDialog() override {
        g_dialogToEnd = this;
        m_other.SetTimer(1, 1);
        return true;
    }
    COtherWnd& m_other;
};

class COuterDlg : public CDialog {
public:
    explicit COuterDlg(COtherWnd& other) : CDialog(IDD_TEST), m_other(other) {}
    INT_PTR inner = 0;

protected:
    bool OnInitDialog() override {
        SetTimer(1, 1);
        return true;
    }
    void OnTimer(UINT_PTR id) override {
        KillTimer(id);
        CInnerDlg dlg(m_other);
        inner = dlg.DoModal();
        g_dialogToEnd = nullptr;
        EndDialog(inner + 1);
    }
    COtherWnd& m_other;
};

TEST(Dialog, NestedModalLoopLetsOtherWindowsTimersFire) {
    Watchdog watchdog;
    g_otherTimerFired = false;
    COtherWnd other;
    CWnd::CreateArgs args;
    args.style = WS_POPUP;
    ASSERT_TRUE(other.Create(args));
    COuterDlg outer(other);
    EXPECT_EQ(6, outer.DoModal());
    EXPECT_EQ(5, outer.inner);
    EXPECT_TRUE(g_otherTimerFired);
}

// A quit posted while two modal loops run ends both, the inner first: each
// dialog hears of it while its window is still there, and the quit with its
// code is left for the loop outside.
std::vector<std::string> g_quits;

class CQuitInnerDlg : public CDialog {
public:
    CQuitInnerDlg() : CDialog(IDD_TEST) {}

protected:
    bool OnInitDialog() override {
        PostQuitMessage(7);
        return true;
    }
    void OnModalQuit() override { g_quits.push_back(::IsWindow(m_hWnd) ? "inner" : "inner without its window"); }
};

class CQuitOuterDlg : public CDialog {
public:
    CQuitOuterDlg() : CDialog(IDD_TEST) {}
    INT_PTR inner = 0;

protected:
    bool OnInitDialog() override {
        SetTimer(1, 1);
        return true;
    }
    void OnTimer(UINT_PTR id) override {
        KillTimer(id);
        CQuitInnerDlg dlg;
        inner = dlg.DoModal();
    }
    void OnModalQuit() override {
        g_quits.push_back(::IsWindow(m_hWnd) && ::IsWindow(GetDlgItem(IDC_EDIT)) ? "outer" : "outer without its window");
    }
};

TEST(Dialog, AQuitEndsEveryModalLoopAndEachDialogHearsItFirst) {
    Watchdog watchdog;
    g_quits.clear();
    CQuitOuterDlg outer;
    EXPECT_EQ(IDCANCEL, outer.DoModal());
    EXPECT_EQ(IDCANCEL, outer.inner);
    EXPECT_EQ((std::vector<std::string>{"inner", "outer"}), g_quits);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7u, msg.wParam);
}

// A message for a control reaches the dialog's PreTranslateMessage before
// it is dispatched.
class CPreTranslateDlg : public CDialog {
public:
    CPreTranslateDlg() : CDialog(IDD_TEST) {}

protected:
    bool OnInitDialog() override {
        PostMessageW(GetDlgItem(IDC_EDIT), WM_APP + 1, 77, 0);
        return true;
    }
    bool PreTranslateMessage(MSG& msg) override {
        if (msg.message == WM_APP + 1 && msg.hwnd == GetDlgItem(IDC_EDIT)) {
            EndDialog((INT_PTR)msg.wParam);
            return true;
        }
        return false;
    }
};

TEST(Dialog, PreTranslateMessageSeesMessagesForItsControls) {
    Watchdog watchdog;
    CPreTranslateDlg dlg;
    EXPECT_EQ(77, dlg.DoModal());
}

// Enter in a modeless dialog's edit becomes OK through IsDialogMessage.
class CModelessDlg : public CDialog {
public:
    CModelessDlg() : CDialog(IDD_TEST) {}
    bool okRan = false;

protected:
    void OnOK() override { okRan = true; }
};

TEST(Dialog, ModelessDialogGetsDialogKeysInOurLoop) {
    CModelessDlg dlg;
    ASSERT_TRUE(dlg.Create(nullptr));
    PostMessageW(dlg.GetDlgItem(IDC_EDIT), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(PumpUntil([&] { return dlg.okRan; }));
}

// A dialog sees WM_CREATE with its object bound, before its init.
class CCreateDlg : public CDialog {
public:
    CCreateDlg() : CDialog(IDD_TEST) {}
    bool created = false, boundAtCreate = false, createdBeforeInit = false;

protected:
    int OnCreate(CREATESTRUCTW* cs) override {
        created = true;
        boundAtCreate = m_hWnd && FromHandle(m_hWnd) == this;
        return CDialog::OnCreate(cs);
    }
    bool OnInitDialog() override {
        createdBeforeInit = created;
        return true;
    }
};

TEST(Dialog, DialogSeesWmCreateBeforeItsInit) {
    CCreateDlg dlg;
    ASSERT_TRUE(dlg.Create(nullptr));
    EXPECT_TRUE(dlg.boundAtCreate);
    EXPECT_TRUE(dlg.createdBeforeInit);
    EXPECT_EQ(&dlg, (CDialog*)GetWindowLongPtrW(dlg.m_hWnd, GWLP_USERDATA));
}

TEST(Dialog, ChildDialogFromADsControlTemplate) {
    CDialog parent(IDD_TEST);
    ASSERT_TRUE(parent.Create(nullptr));
    CDialog child(IDD_CHILD);
    ASSERT_TRUE(child.Create(parent.m_hWnd));
    EXPECT_EQ(parent.m_hWnd, GetParent(child.m_hWnd));
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    EXPECT_EQ("子ダイアログ", child.GetDlgText(IDC_CHILD_LABEL));
    // Destroying the parent takes the child with it; both objects let go.
    DestroyWindow(parent.m_hWnd);
    EXPECT_EQ(nullptr, child.m_hWnd);
    EXPECT_EQ(nullptr, parent.m_hWnd);
}

TEST(Dialog, MissingTemplateFailsWithoutAWindow) {
    CDialog dlg(4321);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_FALSE(dlg.Create(nullptr));
}

}  // namespace
