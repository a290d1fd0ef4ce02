// An end of the real program that is neither 終了 nor a crash (its thread
// told to quit, as another program can) saves every note first and leaves
// its line in "CorvanaCrash.log" beside the data files; 終了 leaves no such
// file.
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

bool PostQuit(HWND main) {
    DWORD thread = GetWindowThreadProcessId(main, nullptr);
    return thread && PostThreadMessageW(thread, WM_QUIT, 0, 0);
}

// A note typed into just before: written all the same, with the pending list.
TEST_F(EndTrace, AQuitMessageWritesTheNoteTypedJustBefore) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_TRUE(m_corvana.Command(kCommandPasteDesktop));
    HWND note = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        auto notes = DesktopNotes(m_corvana.Pid());
        note = notes.size() == 1 ? notes.front() : nullptr;
        return note != nullptr;
    })) << "no desktop note";
    ASSERT_TRUE(SetNoteText(note, "閉じられる直前の付箋"));
    ASSERT_EQ(GetFileAttributesW(DataFile().c_str()), INVALID_FILE_ATTRIBUTES) << "written before the end";
    ASSERT_TRUE(PostQuit(m_corvana.MainWindow()));
    ASSERT_TRUE(m_corvana.WaitEnd()) << "still running after WM_QUIT";
    CIniText data = CIniText::Load(DataFile());
    ASSERT_EQ(data.NoteCount(), 1) << "the note was not written";
    EXPECT_EQ(data.NoteText(0), "閉じられる直前の付箋");
    EXPECT_EQ(data.Note(0, "EXENAME"), "DESKTOP");
    EXPECT_EQ(CIniText::Load(PendingFile()).Get("SYSTEM", "MEMLTENUM"), "0");
    // Still an end nobody chose from the menu: its line stays a record.
    EXPECT_NE(ReadFileBytes(m_folder.File(L"CorvanaCrash.log")).find(" the main window ended without the exit command"),
              std::string::npos);
}

}  // namespace
