// An end of the real program that is neither 終了 nor a crash (its thread
// told to quit, as another program can) saves every note first and leaves
// its line in "CorvanaCrash.log" beside the data files; 終了 leaves no such
// file. A log grown large is cut to its newest lines at the next start.
#include "e2e/CorvanaTest.h"

#include <cstdio>

#include "app/CrashLogTrim.h"

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
    HWND note = WaitForOnlyDesktopNote();
    ASSERT_NE(note, nullptr) << "no desktop note";
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

// A log of 5.46 MB from years of crashes: the start keeps its newest whole
// lines within the bound, and the end of that run adds its own after them.
TEST_F(EndTrace, ALargeLogIsCutToItsNewestLinesAtTheStart) {
    const std::wstring log = m_folder.File(L"CorvanaCrash.log");
    std::string old;
    for (int i = 0; old.size() < 5460000; i++) {
        char line[128];
        snprintf(line, sizeof line, "2019-%02d-%02d 12:%02d:%02d exception 0xc0000005 (read of 0x%x) at Corvana.exe+0x1f%05x\r\n",
                 i % 12 + 1, i % 28 + 1, i % 60, i / 60 % 60, i, i);
        old += line;
    }
    ASSERT_TRUE(WriteFileBytes(log, old));
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    const std::string kept = ReadFileBytes(log);
    EXPECT_LE(kept.size(), kCrashLogKeep);
    EXPECT_GT(kept.size(), kCrashLogKeep - 128) << "more than one line too many cut";
    ASSERT_LT(kept.size(), old.size());
    EXPECT_EQ(old.substr(old.size() - kept.size()), kept) << "not the newest lines";
    EXPECT_EQ(old[old.size() - kept.size() - 1], '\n') << "not cut at a line";
    EXPECT_TRUE(m_corvana.Alive());

    ASSERT_TRUE(PostQuit(m_corvana.MainWindow()));
    ASSERT_TRUE(m_corvana.WaitEnd()) << "still running after WM_QUIT";
    const std::string now = ReadFileBytes(log);
    EXPECT_LE(now.size(), (size_t)64 * 1024);
    ASSERT_GT(now.size(), kept.size());
    EXPECT_EQ(now.substr(0, kept.size()), kept);
    EXPECT_NE(now.find(" the main window ended without the exit command (error 0)\r\n", kept.size()), std::string::npos);
}

}  // namespace
