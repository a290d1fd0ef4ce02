// Started from any current directory, Corvana keeps its files in its own
// folder, beside Corvana.exe.
#include "e2e/CorvanaTest.h"
#include "framework/Text.h"

namespace {

using ProgramFolder = CorvanaTest;

TEST_F(ProgramFolder, StartedFromAnotherFolderUsesItsOwn) {
    CScratchFolder elsewhere(L"cwd");
    const std::string stranger = DesktopNotesFile({"よその付箋"});
    ASSERT_TRUE(WriteFileBytes(elsewhere.File(L"CorvanaData.ini"), stranger));
    ASSERT_TRUE(WriteFileBytes(DataFile(), DesktopNotesFile({"自分の付箋"})));

    ASSERT_NO_FATAL_FAILURE(StartCorvana(elsewhere.Path()));
    HWND note = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        auto notes = DesktopNotes(m_corvana.Pid());
        note = notes.size() == 1 ? notes.front() : nullptr;
        return note != nullptr;
    })) << "the note of its own folder is not shown";
    EXPECT_EQ(NoteTextOf(note), "自分の付箋");

    CIniText data = Save();
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.NoteText(0), "自分の付箋");
    EXPECT_EQ(data.Get("SYSTEM", "APPNAME"), "Corvana");
    EXPECT_EQ(ReadFileBytes(elsewhere.File(L"CorvanaData.ini")), stranger);
    EXPECT_EQ(elsewhere.Files(), std::vector<std::wstring>{L"CorvanaData.ini"});
}

// A folder deep among Japanese names: fewer characters than the system's
// limit, but more than 260 bytes in CP932.
class LongProgramFolder : public CorvanaTest {
protected:
    LongProgramFolder() : m_long(L"long", {std::wstring(40, L'付'), std::wstring(40, L'箋'), std::wstring(40, L'帳')}) {}
    CProgramFolder m_long;
};

TEST_F(LongProgramFolder, KeepsItsFilesThere) {
    ASSERT_TRUE(m_long.Ready());
    ASSERT_LT(m_long.File(L"CorvanaData.ini.tmp").size(), (size_t)MAX_PATH);
    ASSERT_GT(FromWide(m_long.Path()).size(), 261u);
    // On the root of the drive a file of that name would be a misplaced one.
    const std::wstring root = L"C:\\CorvanaData.ini";
    const bool rootHadOne = GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES;

    CCorvana corvana(m_long);
    ASSERT_TRUE(corvana.Start());
    ASSERT_TRUE(corvana.WaitReady());
    ASSERT_TRUE(corvana.Command(kCommandPasteDesktop));
    ASSERT_TRUE(WaitFor([&] { return DesktopNotes(corvana.Pid()).size() == 1; }));
    ASSERT_TRUE(corvana.Command(kCommandExit));
    EXPECT_TRUE(corvana.WaitEnd());
    CIniText data = CIniText::Load(m_long.File(L"CorvanaData.ini"));
    EXPECT_EQ(data.NoteCount(), 1);
    EXPECT_NE(data.Get("SYSTEM", "VERSION"), "") << "the program's version was not read";
    if (!rootHadOne) {
        EXPECT_EQ(GetFileAttributesW(root.c_str()), INVALID_FILE_ATTRIBUTES) << "written on the root of the drive";
        DeleteFileW(root.c_str());
    }
}

}  // namespace
