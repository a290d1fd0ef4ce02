// An end of the real program that is neither 終了 nor a crash (its thread
// told to quit, as another program can) leaves its line in
// "CorvanaCrash.log" beside the data files; 終了 leaves no such file.
#include "e2e/CorvanaTest.h"

namespace {

using EndTrace = CorvanaTest;

TEST_F(EndTrace, AQuitMessageLeavesALineAndTheExitCommandNone) {
    const std::wstring log = m_folder.File(L"CorvanaCrash.log");
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(Exit());
    EXPECT_EQ(GetFileAttributesW(log.c_str()), INVALID_FILE_ATTRIBUTES) << "a line after 終了";

    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    DWORD thread = GetWindowThreadProcessId(m_corvana.MainWindow(), nullptr);
    ASSERT_TRUE(PostThreadMessageW(thread, WM_QUIT, 0, 0));
    ASSERT_TRUE(m_corvana.WaitEnd()) << "still running after WM_QUIT";
    std::string text = ReadFileBytes(log);
    const std::string line = " the main window ended without the exit command (error 0)\r\n";
    ASSERT_GT(text.size(), line.size()) << text;
    EXPECT_EQ(text.substr(text.size() - line.size()), line) << text;
    EXPECT_EQ(text.find("\r\n"), text.size() - 2) << "one line: " << text;
}

}  // namespace
