// The helper program itself: what the tests below rely on it to do.
#include <gtest/gtest.h>

#include "framework/TargetProcess.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "framework/Window.h"
#include "panel/PanelFixture.h"

namespace {

DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

// A control of another process keeps its own text: it answers WM_GETTEXT,
// while GetWindowText gives only the caption the system stores.
std::string ControlText(HWND hwnd) {
    wchar_t buf[512] = {};
    DWORD_PTR n = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, (LPARAM)buf, SMTO_NORMAL, 5000, &n);
    return FromWide(buf);
}

std::string ClassOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

class TargetProcessTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_targets.Start()); }
    CTargetProcess m_targets;
};

TEST_F(TargetProcessTest, MakesWindowsOfAnotherProcessAsAsked) {
    EXPECT_NE(m_targets.ProcessId(), GetCurrentProcessId());
    TargetArgs a;
    a.title = "的の窓";
    a.x = 120;
    a.y = 130;
    a.cx = 300;
    a.cy = 200;
    HWND w = m_targets.Create(a);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(ProcessOf(w), m_targets.ProcessId());
    EXPECT_EQ(GetWindowTextCp932(w), "的の窓");
    EXPECT_EQ(ClassOf(w), kTargetsWindowClass);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(IsWindowEnabled(w));
    EXPECT_EQ(WindowRect(w), (RECT{120, 130, 420, 330}));
    EXPECT_EQ(GetParent(w), nullptr);

    a.title = "隠れた窓";
    a.className = "OwnClass";
    a.visible = false;
    a.enabled = false;
    HWND hidden = m_targets.Create(a);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(ClassOf(hidden), "OwnClass");
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_FALSE(IsWindowEnabled(hidden));
}

TEST_F(TargetProcessTest, ChangesAndClosesItsWindows) {
    TargetArgs a;
    a.title = "変わる窓";
    HWND w = m_targets.Create(a);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(m_targets.Move(w, 50, 60, 250, 150));
    EXPECT_EQ(WindowRect(w), (RECT{50, 60, 300, 210}));
    ASSERT_TRUE(m_targets.SetText(w, "新しい題"));
    EXPECT_EQ(GetWindowTextCp932(w), "新しい題");
    ASSERT_TRUE(m_targets.Hide(w));
    EXPECT_FALSE(IsWindowVisible(w));
    ASSERT_TRUE(m_targets.Show(w));
    EXPECT_TRUE(IsWindowVisible(w));
    ASSERT_TRUE(m_targets.Enable(w, false));
    EXPECT_FALSE(IsWindowEnabled(w));
    ASSERT_TRUE(m_targets.Enable(w, true));
    EXPECT_TRUE(IsWindowEnabled(w));
    ASSERT_TRUE(m_targets.Close(w));
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(m_targets.Close(w));
}

TEST_F(TargetProcessTest, ChildrenWithClassIdAndText) {
    TargetArgs a;
    a.title = "親の窓";
    HWND w = m_targets.Create(a);
    ASSERT_NE(w, nullptr);
    TargetArgs c;
    c.className = "Edit";
    c.id = 77;
    c.title = "子の本文";
    c.x = 10;
    c.y = 10;
    c.cx = 200;
    c.cy = 24;
    HWND child = m_targets.AddChild(w, c);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetDlgItem(w, 77), child);
    EXPECT_EQ(ClassOf(child), "Edit");
    EXPECT_EQ(ControlText(child), "子の本文");
    EXPECT_TRUE(IsWindowVisible(child));
    ASSERT_TRUE(m_targets.SetText(child, "書き換え"));
    EXPECT_EQ(ControlText(child), "書き換え");
    EXPECT_EQ(m_targets.AddChild((HWND)(UINT_PTR)0x1234, c), nullptr);
}

TEST_F(TargetProcessTest, BringsItsWindowToTheFront) {
    TargetArgs a;
    a.title = "前に出る窓";
    HWND w = m_targets.Create(a);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(m_targets.Foreground(w));
    EXPECT_TRUE(PumpUntil([w] { return GetForegroundWindow() == w; }));
}

TEST_F(TargetProcessTest, HoldsAHotKeyAgainstOtherProcesses) {
    ASSERT_TRUE(m_targets.RegisterHotKey(1, MOD_CONTROL | MOD_ALT, VK_F11));
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F11));
    ASSERT_TRUE(m_targets.UnregisterHotKey(1));
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, VK_F11));
    UnregisterHotKey(nullptr, 1);
}

TEST_F(TargetProcessTest, StopEndsTheProcess) {
    HANDLE process;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), m_targets.Process(), GetCurrentProcess(), &process, SYNCHRONIZE,
                                FALSE, 0));
    TargetArgs a;
    a.title = "残らない窓";
    HWND w = m_targets.Create(a);
    m_targets.Stop();
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0);
    CloseHandle(process);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(m_targets.IsRunning());
    EXPECT_EQ(m_targets.Create(a), nullptr);
}

}  // namespace
