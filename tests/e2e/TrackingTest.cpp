// A note stays with its window: it moves when the window moves, leaves when
// the window closes, and comes back, with its text, on the next window that
// meets its conditions.
#include "e2e/CorvanaTest.h"
#include "e2e/ExtentUtl.h"

namespace {

class Tracking : public CorvanaTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CorvanaTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartCorvana());
        ASSERT_NO_FATAL_FAILURE(StartNotepad());
        ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), m_utility.Handle(), CNoteRecord(m_notepad.Window(), {400, 300})));
        m_note = WaitForNoteOn(m_notepad.Window());
        ASSERT_NE(m_note, nullptr);
    }
    CUtilityWindow m_utility;
    HWND m_note = nullptr;
};

RECT Moved(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

TEST_F(Tracking, NoteFollowsItsWindow) {
    const RECT before = WindowRect(m_note);
    ASSERT_TRUE(SetWindowPos(m_notepad.Window(), nullptr, kNotepadRect.left + 70, kNotepadRect.top + 40, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_TRUE(WaitFor([&] { return WindowRect(m_note) == Moved(before, 70, 40); })) << WindowRect(m_note);
}

TEST_F(Tracking, NoteLeavesWithItsWindowAndComesBackOnTheNext) {
    ASSERT_TRUE(SetNoteText(m_note, "また会いましょう"));
    ASSERT_TRUE(m_notepad.Close());
    EXPECT_TRUE(WaitFor([&] { return NoteWindows(m_corvana.Pid()).empty(); })) << "the note stayed";
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    HWND back = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(back, nullptr) << "the note did not come back";
    EXPECT_EQ(NoteTextOf(back), "また会いましょう");
}

}  // namespace
