// Started from any current directory, Corvana keeps its files in its own
// folder, beside Corvana.exe.
#include "e2e/CorvanaTest.h"
#include "e2e/ExtentUtl.h"
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

// The settings too: the size of new notes from the property file, and the
// preset for notepad, which makes a note watch notepad's text field.
TEST_F(ProgramFolder, StartedFromAnotherFolderReadsItsOwnSettings) {
    CScratchFolder elsewhere(L"cwd");
    const auto propaty = [](int width, int height) {
        return "[SYSTEM]\r\nINIWIDTH=" + std::to_string(width) + "\r\nINIHEIGHT=" + std::to_string(height) + "\r\n";
    };
    const auto preset = [](const char* exe) {
        return std::string("[SYSTEM]\r\nPRESETCOUNT=1\r\n[PRESETITEM0]\r\nCONDNAME=メモ帳\r\nPROCESSFLAG=1\r\n"
                           "TITLEFLAG=0\r\nEXTENTFLAG=1\r\nEXCLASS=Edit\r\nEXCTLID=0\r\nEXENAME=") +
               exe + "\r\n";
    };
    ASSERT_TRUE(WriteFileBytes(m_folder.File(L"TesselinPropaty.ini"), propaty(260, 80)));
    ASSERT_TRUE(WriteFileBytes(m_folder.File(L"TesselinPreset.ini"), preset("NOTEPAD.EXE")));
    ASSERT_TRUE(WriteFileBytes(elsewhere.File(L"TesselinPropaty.ini"), propaty(120, 40)));
    ASSERT_TRUE(WriteFileBytes(elsewhere.File(L"TesselinPreset.ini"), preset("OTHER.EXE")));

    ASSERT_NO_FATAL_FAILURE(StartCorvana(elsewhere.Path()));
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    HWND field = FindWindowExW(m_notepad.Window(), nullptr, L"Edit", nullptr);
    ASSERT_NE(field, nullptr);
    DWORD_PTR set = 0;
    ASSERT_TRUE(SendMessageTimeoutW(field, WM_SETTEXT, 0, (LPARAM)L"議事録", SMTO_NORMAL, kWaitMs, &set));
    CUtilityWindow utility;
    const POINT drop{400, 300};
    ASSERT_TRUE(SendRecord(m_corvana.MainWindow(), utility.Handle(), CNoteRecord(m_notepad.Window(), drop)));
    HWND note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(WindowRect(note), (RECT{drop.x - 130, drop.y - 40, drop.x + 130, drop.y + 40}));

    CIniText data = Save();
    ASSERT_EQ(data.NoteCount(), 1);
    const struct {
        const char* key;
        const char* value;
    } taken[] = {{"TITLEFLAG", "0"}, {"EXTENTFLAG", "1"}, {"EXCLASS", "Edit"}, {"EXCTLID", "0"}, {"EXTEXT", "議事録"}};
    for (const auto& t : taken)
        EXPECT_EQ(data.Note(0, t.key), t.value) << t.key;
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
