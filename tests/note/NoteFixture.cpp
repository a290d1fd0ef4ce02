#include "note/NoteFixture.h"

#include <ostream>

#include "framework/TestWindows.h"
#include "framework/Trace.h"

namespace {

// The notes' trace lines would bury the test's output.
class QuietTrace : public testing::Environment {
public:
    void SetUp() override { EnableTrace(false); }
};
const testing::Environment* const g_quiet = testing::AddGlobalTestEnvironment(new QuietTrace);

}  // namespace

void NoteTest::SetUp() {
    g_pPropatyData = &m_limits;
    CWnd::CreateArgs args;
    args.title = "付箋の貼り先";
    args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    args.x = kTargetRect.left;
    args.y = kTargetRect.top;
    args.cx = kTargetRect.right - kTargetRect.left;
    args.cy = kTargetRect.bottom - kTargetRect.top;
    ASSERT_TRUE(m_target.Create(args));
}

void NoteTest::TearDown() {
    // Owned notes go with their target and delete themselves.
    m_target.DestroyWindow();
    PumpPending();
    g_pPropatyData = nullptr;
}

void NoteTest::MoveTarget(int x, int y) {
    SetWindowPos(m_target.m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT ClientRectIn(HWND child, HWND parent) {
    RECT r = WindowRect(child);
    MapWindowPoints(nullptr, parent, (POINT*)&r, 2);
    return r;
}

bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }

RECT Offset(RECT r, int dx, int dy) {
    OffsetRect(&r, dx, dy);
    return r;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::ostream& operator<<(std::ostream& os, const POINT& p) { return os << "(" << p.x << ", " << p.y << ")"; }

Layered LayeredOf(HWND hwnd) {
    Layered l;
    GetLayeredWindowAttributes(hwnd, &l.key, &l.alpha, &l.flags);
    return l;
}
