// Started from any current directory, Corvana keeps its files in its own
// folder, beside Corvana.exe.
#include "e2e/CorvanaTest.h"

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

}  // namespace
