#include <gtest/gtest.h>

#include <string>

#include "model/WinInf.h"

static const char kTopClass[] = "CorvanaTestTop";
static const char kChildClass[] = "CorvanaTestChild";
static const char kPanelClass[] = "CorvanaTestPanel";
static const char kGrandClass[] = "CorvanaTestGrand";

static void RegisterTestClasses() {
    static bool done = false;
    if (done)
        return;
    for (const char* name : {kTopClass, kChildClass, kPanelClass, kGrandClass}) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    done = true;
}

static HWND MakeChild(HWND parent, const char* cls, const std::string& text, int id, DWORD style = WS_VISIBLE) {
    return CreateWindowExA(WS_EX_NOPARENTNOTIFY, cls, text.c_str(), WS_CHILD | style, 0, 0, 60, 20, parent,
                           (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr), nullptr);
}

// Pumps this thread's messages while waiting, so that other threads sending
// to our windows are not held up.
static bool WaitPumping(HANDLE h, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        DWORD spent = GetTickCount() - start;
        if (spent >= ms)
            return false;
        DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, ms - spent, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0)
            return true;
        if (r != WAIT_OBJECT_0 + 1)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
}

// A top-level window with a known set of descendants.
class WinInfTest : public testing::Test {
protected:
    void SetUp() override {
        RegisterTestClasses();
        top = CreateWindowExA(0, kTopClass, "WinInf test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(top, nullptr);
        first = MakeChild(top, kChildClass, "最初", 101);
        second = MakeChild(top, kChildClass, "二番目", 101);
        panel = MakeChild(top, kPanelClass, "パネル", 102);
        grand = MakeChild(panel, kGrandClass, "孫", 7);
        hidden = MakeChild(top, kChildClass, "隠れ", 201, 0);
        disabled = MakeChild(top, kChildClass, "無効", 202, WS_VISIBLE | WS_DISABLED);
        empty = MakeChild(top, kChildClass, "", 203);
        ASSERT_TRUE(first && second && panel && grand && hidden && disabled && empty);
    }
    void TearDown() override { DestroyWindow(top); }

    const CChildWinInf* Listed(const CWinInf& inf, HWND h) {
        for (const CChildWinInf& c : inf.m_ChildList)
            if (c.m_hWnd == h)
                return &c;
        return nullptr;
    }
    CWinInf Fresh() {
        CWinInf inf;
        inf.m_hWnd = top;
        return inf;
    }

    HWND top = nullptr, first = nullptr, second = nullptr, panel = nullptr, grand = nullptr;
    HWND hidden = nullptr, disabled = nullptr, empty = nullptr;
};

TEST_F(WinInfTest, EnumChildListsVisibleEnabledChildrenWithText) {
    CWinInf inf = Fresh();
    inf.EnumChild();
    EXPECT_EQ(inf.m_bEnumChild, 1);

    struct Expected {
        HWND h;
        const char* cls;
        const char* text;
        int id;
    } listed[] = {
        {first, kChildClass, "最初", 101},
        {second, kChildClass, "二番目", 101},
        {panel, kPanelClass, "パネル", 102},
        {grand, kGrandClass, "孫", 7},
    };
    for (const Expected& e : listed) {
        SCOPED_TRACE(e.text);
        const CChildWinInf* c = Listed(inf, e.h);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->m_strClass, e.cls);
        EXPECT_EQ(c->m_strText, e.text);
        EXPECT_EQ(c->m_nCtlId, e.id);
        RECT rc;
        GetWindowRect(e.h, &rc);
        EXPECT_EQ(c->m_WindowInfo.cbSize, sizeof(WINDOWINFO));
        EXPECT_TRUE(EqualRect(&c->m_WindowInfo.rcWindow, &rc));
        EXPECT_TRUE(c->m_WindowInfo.dwStyle & WS_CHILD);
    }
    EXPECT_EQ(Listed(inf, hidden), nullptr);
    EXPECT_EQ(Listed(inf, disabled), nullptr);
    EXPECT_EQ(Listed(inf, empty), nullptr);
    EXPECT_EQ(inf.m_ChildList.size(), std::size(listed));
}

TEST_F(WinInfTest, EnumChildRunsOncePerEntry) {
    CWinInf inf = Fresh();
    inf.EnumChild();
    HWND later = MakeChild(top, kChildClass, "後から", 301);
    ASSERT_NE(later, nullptr);
    inf.EnumChild();
    EXPECT_EQ(Listed(inf, later), nullptr);

    CWinInf next = Fresh();
    next.EnumChild();
    EXPECT_NE(Listed(next, later), nullptr);
}

TEST_F(WinInfTest, FindChild) {
    CWinInf inf = Fresh();
    CChildWinInf out;
    EXPECT_EQ(inf.FindChild(kChildClass, 101, out), 0);  // does not enumerate by itself
    EXPECT_EQ(inf.m_bEnumChild, 0);
    inf.EnumChild();

    // Two children share class and id: the first in enumeration order wins.
    HWND firstOfPair = nullptr;
    for (const CChildWinInf& c : inf.m_ChildList)
        if (c.m_nCtlId == 101 && !firstOfPair)
            firstOfPair = c.m_hWnd;
    ASSERT_NE(firstOfPair, nullptr);
    ASSERT_EQ(inf.FindChild(kChildClass, 101, out), 1);
    EXPECT_EQ(out.m_hWnd, firstOfPair);
    EXPECT_EQ(out.m_strClass, kChildClass);

    ASSERT_EQ(inf.FindChild(kGrandClass, 7, out), 1);
    EXPECT_EQ(out.m_hWnd, grand);
    EXPECT_EQ(out.m_strText, "孫");
    EXPECT_EQ(out.m_nCtlId, 7);
    EXPECT_EQ(out.m_WindowInfo.cbSize, sizeof(WINDOWINFO));

    struct Miss {
        const char* cls;
        int id;
    } misses[] = {
        {kChildClass, 999},          // id differs
        {kGrandClass, 101},          // class differs
        {"corvanatestchild", 101},   // the class compares case-sensitively
        {"CorvanaTestChil", 101},    // and whole
        {kChildClass, 201},          // the hidden child is not listed
        {"", 0},
    };
    for (const Miss& m : misses) {
        SCOPED_TRACE(m.cls);
        CChildWinInf kept;
        kept.m_hWnd = (HWND)0x42;
        kept.m_strText = "そのまま";
        kept.m_strClass = "Kept";
        kept.m_nCtlId = 42;
        EXPECT_EQ(inf.FindChild(m.cls, m.id, kept), 0);
        EXPECT_EQ(kept.m_hWnd, (HWND)0x42);
        EXPECT_EQ(kept.m_strText, "そのまま");
        EXPECT_EQ(kept.m_strClass, "Kept");
        EXPECT_EQ(kept.m_nCtlId, 42);
    }
}

// Matching looks a child up without listing them all: the same child, the
// same text, as the whole list gives; the same on an entry listed already.
TEST_F(WinInfTest, FindChildTextAgreesWithTheList) {
    struct Query {
        const char* cls;
        int id;
    } queries[] = {
        {kChildClass, 101}, {kPanelClass, 102}, {kGrandClass, 7},     {kChildClass, 201}, {kChildClass, 202},
        {kChildClass, 203}, {kChildClass, 999}, {kGrandClass, 101},   {"corvanatestchild", 101},
        {"CorvanaTestChil", 101}, {"", 0},
    };
    CWinInf listed = Fresh();
    listed.EnumChild();
    CWinInf scanned = Fresh();
    for (const Query& q : queries) {
        SCOPED_TRACE(std::string(q.cls) + " " + std::to_string(q.id));
        CChildWinInf child;
        int found = listed.FindChild(q.cls, q.id, child);
        for (CWinInf* inf : {&scanned, &listed}) {
            std::string text = "そのまま";
            EXPECT_EQ(inf->FindChildText(q.cls, q.id, text), found);
            EXPECT_EQ(text, found ? child.m_strText : "そのまま");
        }
    }
}

TEST_F(WinInfTest, GoneWindowHasNoChildren) {
    HWND gone = CreateWindowExA(0, kTopClass, "gone", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(gone, nullptr);
    MakeChild(gone, kChildClass, "子", 1);
    DestroyWindow(gone);
    for (HWND h : {gone, (HWND) nullptr}) {
        CWinInf inf;
        inf.m_hWnd = h;
        inf.EnumChild();
        EXPECT_EQ(inf.m_bEnumChild, 0);
        EXPECT_TRUE(inf.m_ChildList.empty());
        std::string text;
        EXPECT_EQ(inf.FindChildText(kChildClass, 1, text), 0);
    }
}

TEST_F(WinInfTest, LongTextIsCutAt511OnACharacterBoundary) {
    struct Case {
        std::string text, expected;
    } cases[] = {
        {std::string(600, 'b'), std::string(511, 'b')},
        {std::string(510, 'a') + "あ", std::string(510, 'a')},              // あ would end at byte 512
        {std::string(509, 'a') + "あい", std::string(509, 'a') + "あ"},     // あ ends at byte 511
        {std::string(511, 'c'), std::string(511, 'c')},
    };
    int id = 500;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.size());
        HWND h = MakeChild(top, kChildClass, c.text, ++id);
        ASSERT_NE(h, nullptr);
        CWinInf inf = Fresh();
        inf.EnumChild();
        const CChildWinInf* listed = Listed(inf, h);
        ASSERT_NE(listed, nullptr);
        EXPECT_EQ(listed->m_strText, c.expected);
        DestroyWindow(h);
    }
}

// A child whose thread does not answer messages.
struct StuckChild {
    HWND parent = nullptr;
    HWND child = nullptr;
    HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

static DWORD WINAPI StuckChildThread(void* param) {
    StuckChild& s = *(StuckChild*)param;
    s.child = MakeChild(s.parent, kChildClass, "応答なし", 401);
    SetEvent(s.created);
    WaitForSingleObject(s.release, 10000);
    DestroyWindow(s.child);
    return 0;
}

TEST_F(WinInfTest, ChildOfAThreadThatDoesNotAnswerIsSkipped) {
    StuckChild s;
    s.parent = top;
    HANDLE thread = CreateThread(nullptr, 0, StuckChildThread, &s, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_TRUE(WaitPumping(s.created, 10000));
    ASSERT_NE(s.child, nullptr);

    CWinInf inf = Fresh();
    inf.EnumChild();
    EXPECT_EQ(inf.m_bEnumChild, 1);
    EXPECT_EQ(Listed(inf, s.child), nullptr);
    EXPECT_NE(Listed(inf, first), nullptr);
    EXPECT_NE(Listed(inf, grand), nullptr);

    SetEvent(s.release);
    EXPECT_TRUE(WaitPumping(thread, 10000));
    CloseHandle(thread);
    CloseHandle(s.created);
    CloseHandle(s.release);
}

TEST_F(WinInfTest, FindChildTextSkipsAChildThatDoesNotAnswer) {
    StuckChild s;
    s.parent = top;
    HANDLE thread = CreateThread(nullptr, 0, StuckChildThread, &s, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_TRUE(WaitPumping(s.created, 10000));
    ASSERT_NE(s.child, nullptr);
    // After the stuck one in enumeration order, with its class and id.
    HWND answering = MakeChild(top, kChildClass, "応答あり", 401);
    ASSERT_NE(answering, nullptr);

    CWinInf inf = Fresh();
    std::string text;
    EXPECT_EQ(inf.FindChildText(kChildClass, 401, text), 1);
    EXPECT_EQ(text, "応答あり");

    SetEvent(s.release);
    EXPECT_TRUE(WaitPumping(thread, 10000));
    CloseHandle(thread);
    CloseHandle(s.created);
    CloseHandle(s.release);
}
