#include "panel/ControlDlgTestAccess.h"
#include "panel/PanelFixture.h"

#include <objbase.h>

#include <memory>

#include "framework/MessageBox.h"
#include "framework/TestWindows.h"
#include "framework/Trace.h"
#include "model/PropatyData.h"
#include "note/MemletWin.h"
#include "panel/PanelTimers.h"

namespace {

std::vector<std::string> g_boxes;

int RecordBox(const std::string& text, UINT) {
    g_boxes.push_back(text);
    return IDOK;
}

std::unique_ptr<CTargetProcess> g_targets;

// Quiet trace lines, COM for the shell's icons, and the helper ended last.
class PanelEnvironment : public testing::Environment {
public:
    void SetUp() override {
        EnableTrace(false);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        g_targets.reset();
        CoUninitialize();
    }
};
const testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(new PanelEnvironment);

}  // namespace

LRESULT TestPanel::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HOTKEY)
        m_nHotKeys++;
    return CControlDlg::WindowProc(msg, wp, lp);
}

void PanelTest::SetUp() {
    g_boxes.clear();
    SetMessageBoxHook(RecordBox);
    g_nIniWidth = 200;
    g_nIniHeight = 60;
    CWnd::CreateArgs args;
    args.title = "パネルの親";
    args.style = WS_OVERLAPPEDWINDOW;  // hidden: it must not take the front
    args.x = 20;
    args.y = 20;
    args.cx = 700;
    args.cy = 560;
    ASSERT_TRUE(m_host.Create(args));
    ASSERT_TRUE(Targets().IsRunning());
    if (m_openInSetUp)
        OpenPanel();
}

void PanelTest::OpenPanel() {
    ASSERT_TRUE(m_panel.Create(m_host.m_hWnd));
    m_panel.SetPreSetFilePath(PreSetPath());
    m_panel.SetPropatyFilePath(PropatyPath());
    m_panel.SetDataFilePath(DataPath());
    m_panel.KillTimer(kTimerTracking);
    m_panel.KillTimer(kTimerHotKeyRelease);
}

void PanelTest::TearDown() {
    // Open notes go first, while the panel that hears of them exists.
    for (CMemletData& d : Fields(m_panel).m_MemletList)
        d.EndMemlet();
    // What a failed test left would fail the next one.
    CloseNoteWindows();
    for (HWND h : m_targets)
        if (IsWindow(h))
            Targets().Close(h);
    if (m_panel.IsWindow())
        m_panel.DestroyWindow();
    m_host.DestroyWindow();
    SetMessageBoxHook(nullptr);
    EXPECT_TRUE(g_boxes.empty()) << "first box: " << (g_boxes.empty() ? "" : g_boxes[0]);
    g_nIniWidth = 200;
    g_nIniHeight = 60;
}

void PanelTest::Tick() {
    m_panel.Send(WM_TIMER, kTimerTracking);
    m_panel.KillTimer(kTimerTracking);  // the tick arms it again
}

void PanelTest::ReleaseTick() { m_panel.Send(WM_TIMER, kTimerHotKeyRelease); }

CTargetProcess& PanelTest::Targets() {
    if (!g_targets) {
        g_targets = std::make_unique<CTargetProcess>();
        g_targets->Start();
    }
    return *g_targets;
}

HWND PanelTest::Target(const std::string& title, int x, int y, int cx, int cy) {
    TargetArgs a;
    a.title = title;
    a.x = x;
    a.y = y;
    a.cx = cx;
    a.cy = cy;
    return Target(a);
}

HWND PanelTest::Target(const TargetArgs& args) {
    HWND h = Targets().Create(args);
    EXPECT_NE(h, nullptr) << args.title;
    if (h)
        m_targets.push_back(h);
    return h;
}

const CWinInf* PanelTest::Listed(HWND hwnd) const {
    for (const CWinInf& w : Fields(m_panel).m_WinInfList)
        if (w.m_hWnd == hwnd)
            return &w;
    return nullptr;
}

CMemletData PanelTest::NoteFor(const std::string& title) {
    CMemletData d;
    d.m_strTitle = title;
    d.m_strExeName = kTargetsExeName;
    d.m_nProcessFlag = 1;
    d.m_nTitleFlag = 1;
    d.m_nFull = 1;
    return d;
}

std::vector<std::string> PanelTest::TakeBoxes() {
    std::vector<std::string> out;
    out.swap(g_boxes);
    return out;
}

void CloseNoteWindows() {
    std::vector<HWND> notes;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            if (dynamic_cast<CMemletWin*>(CWnd::FromHandle(hwnd)))
                ((std::vector<HWND>*)lp)->push_back(hwnd);
            return TRUE;
        },
        (LPARAM)&notes);
    for (HWND hwnd : notes)
        if (auto* note = dynamic_cast<CMemletWin*>(CWnd::FromHandle(hwnd)))
            note->DestroyWindow();
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

bool MoveCursor(int x, int y) {
    // Wine moves the X server's pointer; a motion the server reports late
    // can put an older place back for a moment. Twice in a row counts.
    auto at = [x, y] {
        POINT p{};
        return GetCursorPos(&p) && p.x == x && p.y == y;
    };
    for (int i = 0; i < 50; i++) {
        SetCursorPos(x, y);
        PumpFor(20);
        if (!at())
            continue;
        PumpFor(20);
        if (at())
            return true;
    }
    return false;
}
