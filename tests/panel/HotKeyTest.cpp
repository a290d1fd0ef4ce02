// The two paste hot keys: registration, a combination another program
// holds, the release timer and a real key press onto another program's
// window.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/TestWindows.h"
#include "framework/Window.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/PanelFixture.h"

namespace {

const char kPastBox[] =
    "Windowへの貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.";
const char kPastDtBox[] =
    "DeskTopへの貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.";

void Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (vk == VK_LWIN ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &in, sizeof in);
}

bool Down(int vk) { return GetAsyncKeyState(vk) < 0; }

// Whether a combination is free: taken for a moment by this thread.
bool Free(UINT modifiers, UINT vk) {
    if (!RegisterHotKey(nullptr, 0x3FFF, modifiers, vk))
        return false;
    UnregisterHotKey(nullptr, 0x3FFF);
    return true;
}

class HotKeyTest : public PanelTest {
protected:
    // A window of the helper in front: the keys sent go to it.
    HWND FrontTarget(const std::string& title) {
        HWND w = Target(title, 300, 200, 400, 300);
        EXPECT_TRUE(Targets().Foreground(w));
        EXPECT_TRUE(PumpUntil([w] { return GetForegroundWindow() == w; }));
        // Wine: a key sent right after a change of the front window can read
        // as released again a moment later (most likely the X driver taking
        // over the X server's key state); the keys wait until that is over.
        PumpFor(300);
        return w;
    }
    void Press(WPARAM id) { m_panel.Send(WM_HOTKEY, id, MAKELPARAM(MOD_WIN, id == IDHOT_PAST ? 'S' : 'V')); }
    void TearDown() override {
        for (WORD vk : {(WORD)'S', (WORD)'V', (WORD)VK_LWIN})
            if (Down(vk))
                Key(vk, true);
        PanelTest::TearDown();
    }
};

TEST_F(HotKeyTest, BothAreRegisteredAndGoWithTheWindow) {
    EXPECT_FALSE(Free(MOD_WIN, 'S'));
    EXPECT_FALSE(Free(MOD_WIN, 'V'));
    m_panel.DestroyWindow();
    EXPECT_TRUE(Free(MOD_WIN, 'S'));
    EXPECT_TRUE(Free(MOD_WIN, 'V'));
}

class HotKeyStartTest : public HotKeyTest {
protected:
    HotKeyStartTest() { m_openInSetUp = false; }
    CTargetProcess m_holder;  // another program
};

TEST_F(HotKeyStartTest, CombinationsOfThePropertyFile) {
    ASSERT_TRUE(WriteBytes(PropatyPath(), "[HK_PAST]\r\nMODIFIERS=3\r\nKEY=120\r\n"
                                          "[HK_PASTDT]\r\nMODIFIERS=6\r\nKEY=121\r\n"));
    OpenPanel();
    EXPECT_FALSE(Free(MOD_ALT | MOD_CONTROL, VK_F9));
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_SHIFT, VK_F10));
    EXPECT_TRUE(Free(MOD_WIN, 'S'));
    EXPECT_TRUE(Free(MOD_WIN, 'V'));
}

TEST_F(HotKeyStartTest, OneHeldByAnotherProgramGivesItsBoxAndTheProgramRunsOn) {
    ASSERT_TRUE(m_holder.Start());
    ASSERT_TRUE(m_holder.RegisterHotKey(1, MOD_WIN, 'S'));
    OpenPanel();
    EXPECT_EQ(std::vector<std::string>{kPastBox}, TakeBoxes());
    EXPECT_FALSE(Free(MOD_WIN, 'V'));  // the second one was still tried

    HWND w = Target("続く窓");
    Fields(m_panel).m_MemletList = {NoteFor("続く窓")};
    Tick();
    EXPECT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    m_panel.PasteToDesktop(0);
    EXPECT_EQ(2u, Fields(m_panel).m_MemletList.size());
    m_panel.DestroyWindow();
    EXPECT_FALSE(Free(MOD_WIN, 'S'));  // still the other program's
    EXPECT_TRUE(Free(MOD_WIN, 'V'));
}

TEST_F(HotKeyStartTest, BothHeldGiveBothBoxesInOrder) {
    ASSERT_TRUE(m_holder.Start());
    ASSERT_TRUE(m_holder.RegisterHotKey(1, MOD_WIN, 'S'));
    ASSERT_TRUE(m_holder.RegisterHotKey(2, MOD_WIN, 'V'));
    OpenPanel();
    EXPECT_EQ((std::vector<std::string>{kPastBox, kPastDtBox}), TakeBoxes());
    EXPECT_EQ(1, Fields(m_panel).m_bInit);
}

TEST_F(HotKeyTest, HeldKeyPastesOnceAndTheNextPressWaitsForFiveUpTicks) {
    HWND w = FrontTarget("押し続ける窓");
    Key('S', false);
    ASSERT_TRUE(PumpUntil([] { return Down('S'); }));
    // Auto-repeat: hot-key messages one after another.
    Press(IDHOT_PAST);
    Press(IDHOT_PAST);
    Press(IDHOT_PAST);
    ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ(w, GetForegroundWindow());
    EXPECT_EQ("押し続ける窓", Fields(m_panel).m_MemletList[0].m_strTitle);
    EXPECT_EQ(1, Fields(m_panel).m_bPastBusy);
    for (int i = 0; i < 10; i++)
        ReleaseTick();
    Press(IDHOT_PAST);
    EXPECT_EQ(1u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ(1, Fields(m_panel).m_bPastBusy);
    EXPECT_EQ(0, Fields(m_panel).m_nPastReleaseCount);

    Key('S', true);
    ASSERT_TRUE(PumpUntil([] { return !Down('S'); }));
    for (int i = 0; i < 4; i++) {
        ReleaseTick();
        Press(IDHOT_PAST);
    }
    EXPECT_EQ(1u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ(1, Fields(m_panel).m_bPastBusy);
    ReleaseTick();  // the fifth
    EXPECT_EQ(0, Fields(m_panel).m_bPastBusy);
    Press(IDHOT_PAST);
    EXPECT_EQ(2u, Fields(m_panel).m_MemletList.size());

    // A press between the up-ticks starts the count again.
    for (int i = 0; i < 3; i++)
        ReleaseTick();
    Key('S', false);
    ASSERT_TRUE(PumpUntil([] { return Down('S'); }));
    ReleaseTick();
    EXPECT_EQ(0, Fields(m_panel).m_nPastReleaseCount);
    Key('S', true);
    ASSERT_TRUE(PumpUntil([] { return !Down('S'); }));
    for (int i = 0; i < 4; i++)
        ReleaseTick();
    EXPECT_EQ(1, Fields(m_panel).m_bPastBusy);
    ReleaseTick();
    EXPECT_EQ(0, Fields(m_panel).m_bPastBusy);
}

TEST_F(HotKeyTest, TheTwoHotKeysAreGuardedApart) {
    FrontTarget("二つの鍵の窓");
    ASSERT_TRUE(MoveCursor(640, 400));
    Press(IDHOT_PAST);
    Press(IDHOT_PASTDT);
    Press(IDHOT_PASTDT);
    Press(IDHOT_PAST);
    ASSERT_EQ(2u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ("DESKTOP", Fields(m_panel).m_MemletList[0].m_strExeName);
    EXPECT_EQ((RECT{540, 370, 740, 430}), Fields(m_panel).m_MemletList[0].m_rectWin);
    EXPECT_EQ("二つの鍵の窓", Fields(m_panel).m_MemletList[1].m_strTitle);
    // Other ids do nothing.
    m_panel.Send(WM_HOTKEY, 1001, 0);
    EXPECT_EQ(2u, Fields(m_panel).m_MemletList.size());
    // The desktop key is released by its own key.
    for (int i = 0; i < 5; i++)
        ReleaseTick();
    EXPECT_EQ(0, Fields(m_panel).m_bPastBusy);
    EXPECT_EQ(0, Fields(m_panel).m_bPastDtBusy);
}

TEST_F(HotKeyTest, WinSOnAWindowOfAnotherProgramMakesOneNoteEvenWithAutoRepeat) {
    HWND w = FrontTarget("ホットキーの的");
    ASSERT_TRUE(MoveCursor(500, 350));
    Key(VK_LWIN, false);
    Key('S', false);
    Key('S', false);  // the keyboard's repeat
    Key('S', false);
    Key('S', true);
    Key(VK_LWIN, true);
    EXPECT_TRUE(PumpUntil([&] { return m_panel.m_nHotKeys >= 3; })) << m_panel.m_nHotKeys;
    PumpFor(200);
    EXPECT_EQ(3, m_panel.m_nHotKeys);
    ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
    const CMemletData& d = Fields(m_panel).m_MemletList[0];
    EXPECT_EQ("ホットキーの的", d.m_strTitle);
    EXPECT_EQ(kTargetsExeName, d.m_strExeName);
    EXPECT_EQ(d.m_rectWin, (RECT{400, 320, 600, 380}));
    EXPECT_EQ(d.m_rectTarget, (RECT{300, 200, 700, 500}));
    EXPECT_EQ(0, d.m_bAttached);

    // The next tick opens it there.
    Tick();
    CMemletData& open = Fields(m_panel).m_MemletList[0];
    EXPECT_EQ(1, open.m_bAttached);
    EXPECT_EQ(w, open.m_hWndTarget);
    ASSERT_NE(nullptr, open.m_pMemletWin);
    EXPECT_EQ(w, GetWindow(open.m_pMemletWin->m_hWnd, GW_OWNER));
    EXPECT_EQ(WindowRect(open.m_pMemletWin->m_hWnd), (RECT{400, 320, 600, 380}));
}

// Wine's own notepad, a program that knows nothing of the tests.
class NotepadTest : public HotKeyTest {
protected:
    void SetUp() override {
        HotKeyTest::SetUp();
        STARTUPINFOA si{};
        si.cb = sizeof si;
        char cmd[] = "C:\\windows\\system32\\notepad.exe";
        ASSERT_TRUE(CreateProcessA(cmd, cmd, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi));
        WaitForInputIdle(m_pi.hProcess, 10000);
        ASSERT_TRUE(PumpUntil([this] { return (m_notepad = Find()) != nullptr; }));
    }
    void TearDown() override {
        for (CMemletData& d : Fields(m_panel).m_MemletList)
            d.EndMemlet();
        if (m_pi.hProcess) {
            if (IsWindow(m_notepad))
                PostMessageW(m_notepad, WM_CLOSE, 0, 0);
            // Its last messages may go to our windows: they are answered meanwhile.
            DWORD end = GetTickCount() + 5000;
            while (MsgWaitForMultipleObjects(1, &m_pi.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
                PumpPending();
                if ((LONG)(GetTickCount() - end) >= 0) {
                    ADD_FAILURE() << "notepad did not end";
                    TerminateProcess(m_pi.hProcess, 0);
                    break;
                }
            }
            CloseHandle(m_pi.hThread);
            CloseHandle(m_pi.hProcess);
        }
        HotKeyTest::TearDown();
    }
    // Notepad's visible main window.
    HWND Find() {
        struct Search {
            DWORD pid;
            HWND found;
        } search{m_pi.dwProcessId, nullptr};
        EnumWindows(
            [](HWND h, LPARAM lp) -> BOOL {
                auto* s = (Search*)lp;
                DWORD pid = 0;
                char cls[32] = {};
                GetWindowThreadProcessId(h, &pid);
                GetClassNameA(h, cls, sizeof cls);
                if (pid == s->pid && IsWindowVisible(h) && strcmp(cls, "Notepad") == 0) {
                    s->found = h;
                    return FALSE;
                }
                return TRUE;
            },
            (LPARAM)&search);
        return search.found;
    }
    PROCESS_INFORMATION m_pi{};
    HWND m_notepad = nullptr;
};

TEST_F(NotepadTest, WinSOnNotepadMakesOneNoteThatOpensOnIt) {
    SetForegroundWindow(m_notepad);
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == m_notepad; }));
    PumpFor(300);  // see FrontTarget
    RECT r = WindowRect(m_notepad);
    ASSERT_TRUE(MoveCursor((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    Key(VK_LWIN, false);
    Key('S', false);
    Key('S', false);
    Key('S', true);
    Key(VK_LWIN, true);
    EXPECT_TRUE(PumpUntil([&] { return m_panel.m_nHotKeys >= 2; })) << m_panel.m_nHotKeys;
    PumpFor(200);
    ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
    const CMemletData& d = Fields(m_panel).m_MemletList[0];
    EXPECT_EQ("NOTEPAD.EXE", d.m_strExeName);
    EXPECT_EQ(GetWindowTextCp932(m_notepad), d.m_strTitle);
    EXPECT_FALSE(d.m_strTitle.empty());
    EXPECT_EQ(0, _stricmp("C:\\windows\\system32\\notepad.exe", d.m_strExePath.c_str())) << d.m_strExePath;
    EXPECT_EQ(d.m_rectTarget, r);
    Tick();
    EXPECT_EQ(m_notepad, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    ASSERT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
    EXPECT_EQ(m_notepad, GetWindow(Fields(m_panel).m_MemletList[0].m_pMemletWin->m_hWnd, GW_OWNER));
    // Nothing was typed into it.
    HWND edit = FindWindowExW(m_notepad, nullptr, L"Edit", nullptr);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(0, (int)SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace
