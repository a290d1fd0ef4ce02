// A second start, from the same folder or from a copy of the folder, only
// says that Corvana runs; the first instance goes on untouched.
#include "e2e/CorvanaTest.h"
#include "framework/Text.h"

namespace {

using SingleInstance = CorvanaTest;

TEST_F(SingleInstance, SecondStartShowsTheBoxAndLeavesTheFirstRunning) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    CProgramFolder copy;
    ASSERT_TRUE(copy.Ready());
    const struct {
        const char* from;
        std::wstring exe;
    } cases[] = {{"the same folder", m_folder.Exe()}, {"a copy of the folder", copy.Exe()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        CChildProcess second;
        ASSERT_TRUE(second.Start(c.exe, {}, m_folder.Path()));
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] {
            return (box = FindMessageBox(second.Pid(), "     Corvanaは既に起動されています.     ")) != nullptr;
        })) << "no box";
        EXPECT_EQ(TextOf(box), "２重起動");
        // While the box waits, the second has no main window and the first answers.
        EXPECT_EQ(FindMainWindow(second.Pid()), nullptr);
        EXPECT_TRUE(m_corvana.Alive());
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(second.WaitEnd()) << "the second start runs on after its box";
        EXPECT_TRUE(m_corvana.Process().Running());
        EXPECT_TRUE(m_corvana.Alive());
        EXPECT_EQ(FindMainWindow(m_corvana.Pid()), m_corvana.MainWindow());
    }
    // Neither wrote a file.
    EXPECT_EQ(m_folder.Files(), std::vector<std::wstring>{L"Corvana.exe"});
    EXPECT_EQ(copy.Files(), std::vector<std::wstring>{L"Corvana.exe"});
}

}  // namespace
