// The tracking tick with windows of another process: the window list and its
// filter, and notes that attach, follow, detach and attach again.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>

#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/PanelFixture.h"
#include "panel/PanelTimers.h"

namespace {

using TrackingTest = PanelTest;

bool SameFile(const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) == 0; }

TEST_F(TrackingTest, DesktopEntryFirstThenTheWindowsOfOtherPrograms) {
    Tick();
    ASSERT_FALSE(Fields(m_panel).m_WinInfList.empty());
    const CWinInf& desktop = Fields(m_panel).m_WinInfList[0];
    EXPECT_EQ(GetDesktopWindow(), desktop.m_hWnd);
    EXPECT_EQ("DESKTOP", desktop.m_strTitle);
    EXPECT_EQ("DESKTOP", desktop.m_strProcessName);
    EXPECT_EQ("DESKTOP", desktop.m_strPath);
    EXPECT_EQ(0, desktop.m_bEnumChild);
    EXPECT_TRUE(desktop.m_ChildList.empty());
    EXPECT_EQ(0u, Fields(m_panel).m_MemletList.size());

    HWND w = Target("候補の窓");
    Tick();
    EXPECT_EQ(GetDesktopWindow(), Fields(m_panel).m_WinInfList[0].m_hWnd);
    const CWinInf* entry = Listed(w);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ("候補の窓", entry->m_strTitle);
    EXPECT_EQ(kTargetsExeName, entry->m_strProcessName);
    EXPECT_TRUE(SameFile(Targets().Path(), entry->m_strPath)) << entry->m_strPath;
    EXPECT_EQ(0, entry->m_bEnumChild);  // children only when a note asks
    // Every tick lists the windows anew.
    Targets().Close(w);
    Tick();
    EXPECT_EQ(nullptr, Listed(w));
}

// Which windows may take a note: the window list and the paste test agree.
TEST_F(TrackingTest, FilterOfCandidateWindows) {
    struct Case {
        const char* name;
        TargetArgs args;
        bool candidate;
    };
    auto args = [](const char* title) {
        TargetArgs a;
        a.title = title;
        a.x = 300;
        a.y = 200;
        a.cx = 300;
        a.cy = 200;
        return a;
    };
    std::vector<Case> cases;
    cases.push_back({"plain", args("普通の窓"), true});
    cases.push_back({"hidden", args("隠れた窓"), false});
    cases.back().args.visible = false;
    cases.push_back({"disabled", args("無効な窓"), false});
    cases.back().args.enabled = false;
    cases.push_back({"untitled", args(""), false});
    cases.push_back({"zero width", args("幅のない窓"), false});
    cases.back().args.style = WS_POPUP;
    cases.back().args.cx = 0;
    cases.push_back({"zero height", args("高さのない窓"), false});
    cases.back().args.style = WS_POPUP;
    cases.back().args.cy = 0;
    cases.push_back({"off every monitor", args("画面外の窓"), false});
    cases.back().args.x = -20000;
    cases.back().args.y = -20000;
    cases.push_back({"partly on a monitor", args("半分の窓"), true});
    cases.back().args.x = -150;
    cases.back().args.y = -100;
    cases.push_back({"Program Manager", args("Program Manager"), false});
    cases.push_back({"program manager", args("program manager"), false});
    cases.push_back({"PROGRAM manager", args("PROGRAM manager"), false});
    cases.push_back({"more than Program Manager", args("Program Manager 2"), true});
    std::vector<HWND> windows;
    for (const Case& c : cases)
        windows.push_back(Target(c.args));
    Tick();
    for (size_t i = 0; i < cases.size(); i++) {
        ASSERT_NE(nullptr, windows[i]) << cases[i].name;
        EXPECT_EQ(cases[i].candidate, Listed(windows[i]) != nullptr) << cases[i].name;
        EXPECT_EQ(cases[i].candidate ? 1 : 0, CControlDlg::IsPasteTarget(windows[i])) << cases[i].name;
    }
    EXPECT_EQ(0, CControlDlg::IsPasteTarget(nullptr));
    EXPECT_EQ(0, CControlDlg::IsPasteTarget((HWND)(UINT_PTR)0x7654321));
}

TEST_F(TrackingTest, TitlesAreReadInto260Bytes) {
    std::string title = "a";
    for (int i = 0; i < 150; i++)
        title += "あ";  // 301 bytes; 259 end on a character boundary
    HWND w = Target(title);
    Tick();
    const CWinInf* entry = Listed(w);
    ASSERT_NE(nullptr, entry);
    EXPECT_EQ(title.substr(0, 259), entry->m_strTitle);
    m_panel.PasteToWindow(w);
    ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ(title.substr(0, 259), Fields(m_panel).m_MemletList[0].m_strTitle);
    // A cut title still matches: it was stored the way it is read.
    Tick();
    EXPECT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
}

TEST_F(TrackingTest, OwnWindowsAreRefusedByProcessId) {
    CWnd own;
    CWnd::CreateArgs args;
    args.title = "自分の窓";
    args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    args.x = 400;
    args.y = 300;
    args.cx = 300;
    args.cy = 200;
    ASSERT_TRUE(own.Create(args));
    // Also the notes the panel opens.
    HWND w = Target("付箋の的");
    Fields(m_panel).m_MemletList = {NoteFor("付箋の的")};
    Tick();
    ASSERT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
    HWND note = Fields(m_panel).m_MemletList[0].m_pMemletWin->m_hWnd;
    Tick();
    EXPECT_NE(nullptr, Listed(w));
    EXPECT_EQ(nullptr, Listed(own.m_hWnd));
    EXPECT_EQ(nullptr, Listed(note));
    EXPECT_EQ(0, CControlDlg::IsPasteTarget(own.m_hWnd));
    EXPECT_EQ(0, CControlDlg::IsPasteTarget(note));
    m_panel.PasteToWindow(own.m_hWnd);
    EXPECT_EQ(1u, Fields(m_panel).m_MemletList.size());
    own.DestroyWindow();
}

TEST_F(TrackingTest, WindowsOfAProgramNamedCorvanaAreRefused) {
    std::string copy = FromWide(m_folder.File(L"Corvana.exe"));
    ASSERT_TRUE(CopyFileA(Targets().Path().c_str(), copy.c_str(), FALSE));
    {
        CTargetProcess corvana;
        ASSERT_TRUE(corvana.Start(copy));
        TargetArgs a;
        a.title = "もう一つのコルヴァナ";
        HWND w = corvana.Create(a);
        ASSERT_NE(nullptr, w);
        HWND other = Target("もう一つのコルヴァナ");
        Tick();
        EXPECT_EQ(nullptr, Listed(w));
        EXPECT_NE(nullptr, Listed(other));
        EXPECT_EQ(0, CControlDlg::IsPasteTarget(w));
        m_panel.PasteToWindow(w);
        EXPECT_EQ(0u, Fields(m_panel).m_MemletList.size());
    }
    DeleteFileA(copy.c_str());
}

TEST_F(TrackingTest, NoteAttachesFollowsDetachesAndAttachesAgain) {
    Fields(m_panel).m_MemletList = {NoteFor("追跡の的")};
    Tick();
    CMemletData& d = Fields(m_panel).m_MemletList[0];
    EXPECT_EQ(0, d.m_bAttached);

    // The window appears: the note opens on it at the initial size, centred.
    HWND w = Target("追跡の的", 300, 200, 400, 300);
    Tick();
    ASSERT_EQ(1, d.m_bAttached);
    EXPECT_EQ(w, d.m_hWndTarget);
    ASSERT_NE(nullptr, d.m_pMemletWin);
    HWND note = d.m_pMemletWin->m_hWnd;
    EXPECT_TRUE(IsWindowVisible(note));
    EXPECT_EQ(w, GetWindow(note, GW_OWNER));
    EXPECT_EQ(WindowRect(note), (RECT{400, 320, 600, 380}));
    EXPECT_TRUE(SameFile(Targets().Path(), d.m_strExePath));

    // It follows the window by itself; ticks keep it attached.
    ASSERT_TRUE(Targets().Move(w, 360, 240, 400, 300));
    EXPECT_TRUE(PumpUntil([&] { return WindowRect(note) == RECT{460, 360, 660, 420}; })) << WindowRect(note);
    Tick();
    EXPECT_EQ(1, d.m_bAttached);
    EXPECT_EQ(note, d.m_pMemletWin->m_hWnd);

    // The window closes: the next tick takes the note's state back.
    d.m_bDirty = 0;
    int64_t before = _time64(nullptr);
    Targets().Close(w);
    Tick();
    EXPECT_EQ(0, d.m_bAttached);
    EXPECT_EQ(nullptr, d.m_pMemletWin);
    EXPECT_FALSE(IsWindow(note));
    EXPECT_EQ(1, d.m_bDirty);
    EXPECT_GE(d.m_tAcsDate, before);
    EXPECT_EQ(d.m_rectWin, (RECT{460, 360, 660, 420}));

    EXPECT_EQ(d.m_rectTarget, (RECT{360, 240, 760, 540}));

    // A matching window again: the note opens where it was and follows the
    // window's move from where the last one was, so that it keeps its place
    // on the window.
    HWND again = Target("追跡の的", 100, 100, 500, 400);
    Tick();
    EXPECT_EQ(1, d.m_bAttached);
    EXPECT_EQ(again, d.m_hWndTarget);
    ASSERT_NE(nullptr, d.m_pMemletWin);
    EXPECT_EQ(WindowRect(d.m_pMemletWin->m_hWnd), (RECT{200, 220, 400, 280}));
}

TEST_F(TrackingTest, NoteDetachesWhenItsWindowStopsMatchingAndComesBack) {
    HWND w = Target("題の変わる的");
    Fields(m_panel).m_MemletList = {NoteFor("題の変わる的")};
    Tick();
    CMemletData& d = Fields(m_panel).m_MemletList[0];
    ASSERT_EQ(w, d.m_hWndTarget);
    ASSERT_EQ(1, d.m_bAttached);

    struct Step {
        const char* name;
        std::function<void()> leave, back;
    } steps[] = {
        {"title", [&] { Targets().SetText(w, "別の題"); }, [&] { Targets().SetText(w, "題の変わる的"); }},
        {"hidden", [&] { Targets().Hide(w); }, [&] { Targets().Show(w); }},
        {"disabled", [&] { Targets().Enable(w, false); }, [&] { Targets().Enable(w, true); }},
        {"off the monitors", [&] { Targets().Move(w, -20000, -20000, 400, 300); },
         [&] { Targets().Move(w, 300, 200, 400, 300); }},
    };
    for (const Step& s : steps) {
        s.leave();
        Tick();
        EXPECT_EQ(0, d.m_bAttached) << s.name;
        EXPECT_EQ(nullptr, d.m_pMemletWin) << s.name;
        EXPECT_TRUE(IsWindow(w)) << s.name;
        s.back();
        Tick();
        EXPECT_EQ(1, d.m_bAttached) << s.name;
        EXPECT_EQ(w, d.m_hWndTarget) << s.name;
        EXPECT_NE(nullptr, d.m_pMemletWin) << s.name;
    }
}

TEST_F(TrackingTest, TwoDetachedNotesAttachToTheSameWindowInOneTick) {
    HWND a = Target("同じ題", 200, 150, 400, 300);
    HWND b = Target("同じ題", 500, 300, 400, 300);
    Fields(m_panel).m_MemletList = {NoteFor("同じ題"), NoteFor("同じ題")};
    Tick();
    // The first matching entry of the list, the topmost of the two.
    HWND first = nullptr;
    for (const CWinInf& e : Fields(m_panel).m_WinInfList) {
        if (e.m_hWnd == a || e.m_hWnd == b) {
            first = e.m_hWnd;
            break;
        }
    }
    ASSERT_NE(nullptr, first);
    for (CMemletData& d : Fields(m_panel).m_MemletList) {
        EXPECT_EQ(1, d.m_bAttached);
        EXPECT_EQ(first, d.m_hWndTarget);
        ASSERT_NE(nullptr, d.m_pMemletWin);
    }
    EXPECT_NE(Fields(m_panel).m_MemletList[0].m_pMemletWin, Fields(m_panel).m_MemletList[1].m_pMemletWin);
}

TEST_F(TrackingTest, AttachedNoteStaysWithItsWindowWhenAnotherComesFirst) {
    HWND a = Target("二つの窓", 200, 150, 400, 300);
    Fields(m_panel).m_MemletList = {NoteFor("二つの窓")};
    Tick();
    ASSERT_EQ(a, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    HWND b = Target("二つの窓", 500, 300, 400, 300);
    Targets().Foreground(b);  // b now comes before a in the list
    PumpUntil([b] { return GetForegroundWindow() == b; });
    Tick();
    auto position = [this](HWND h) {
        for (size_t i = 0; i < Fields(m_panel).m_WinInfList.size(); i++)
            if (Fields(m_panel).m_WinInfList[i].m_hWnd == h)
                return (int)i;
        return -1;
    };
    ASSERT_GE(position(b), 0);
    ASSERT_LT(position(b), position(a));
    EXPECT_EQ(a, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
    // A new note takes the first one.
    Fields(m_panel).m_MemletList.push_back(NoteFor("二つの窓"));
    Tick();
    EXPECT_EQ(b, Fields(m_panel).m_MemletList[1].m_hWndTarget);
}

// The timers of SetDataFilePath run by themselves: the tracking tick first
// after 100 ms, then every 500 ms; the release timer every 100 ms.
class PanelTimersTest : public PanelTest {
protected:
    PanelTimersTest() { m_openInSetUp = false; }
};

TEST_F(PanelTimersTest, NoTickBeforeTheDataPathThenBothTimersRun) {
    ASSERT_TRUE(m_panel.Create(m_host.m_hWnd));
    m_panel.SetPreSetFilePath(PreSetPath());
    m_panel.SetPropatyFilePath(PropatyPath());
    HWND w = Target("時計の的");
    Fields(m_panel).m_MemletList = {NoteFor("時計の的")};
    PumpFor(700);
    EXPECT_TRUE(Fields(m_panel).m_WinInfList.empty());
    EXPECT_EQ(0, Fields(m_panel).m_MemletList[0].m_bAttached);

    m_panel.SetDataFilePath(DataPath());
    EXPECT_EQ(1, Fields(m_panel).m_bInit);
    EXPECT_TRUE(PumpUntil([&] { return Fields(m_panel).m_MemletList[0].m_bAttached == 1; }));
    EXPECT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);

    // Five release ticks with the key up end a press: the first may come at
    // once, the others 100 ms apart.
    Fields(m_panel).m_bPastBusy = 1;
    Fields(m_panel).m_nPastReleaseCount = 0;
    DWORD start = GetTickCount();
    EXPECT_TRUE(PumpUntil([&] { return Fields(m_panel).m_bPastBusy == 0; }));
    EXPECT_GE(GetTickCount() - start, 300u);
}

}  // namespace
