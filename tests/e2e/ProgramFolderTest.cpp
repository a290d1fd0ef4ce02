// Started from any current directory, Corvana keeps its files in its own
// folder, beside Corvana.exe.
#include <algorithm>

#include "app/ProgramFolder.h"
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

namespace {

// A program folder whose name CP932 cannot hold, and the folder beside it
// that its name best-fits to ("café" and "cafe"), where there is one.
struct BeyondCodePageCase {
    const wchar_t* name;
    const wchar_t* lookAlike;  // null: its best fit is no name of a folder
};
const BeyondCodePageCase kBeyondCodePage[] = {
    {L"caf\u00e9", L"cafe"},
    {L"\uba54\ubaa8 \u2615", nullptr},
};

std::string PropatyWithSize(int width, int height) {
    return "[SYSTEM]\r\nINIWIDTH=" + std::to_string(width) + "\r\nINIHEIGHT=" + std::to_string(height) + "\r\n";
}

std::vector<std::string> TextsOf(const std::vector<HWND>& notes) {
    std::vector<std::string> texts;
    for (HWND note : notes)
        texts.push_back(NoteTextOf(note));
    std::sort(texts.begin(), texts.end());
    return texts;
}

using BeyondCodePageFolder = CorvanaTest;

// Its own notes, pending list and settings are read, saved there, and the
// look-alike's files are left byte for byte as they were.
TEST_F(BeyondCodePageFolder, KeepsItsOwnFilesAndLeavesTheLookAlikeAlone) {
    const std::vector<std::string> own = {"自分の一", "自分の二", "自分の三", "自分の四", "自分の五"};
    for (const BeyondCodePageCase& c : kBeyondCodePage) {
        SCOPED_TRACE(c.name);
        CProgramFolder folder(L"beyond", {c.name});
        ASSERT_TRUE(folder.Ready());
        ASSERT_TRUE(WriteFileBytes(folder.File(L"CorvanaData.ini"), DesktopNotesFile(own)));
        ASSERT_TRUE(WriteFileBytes(folder.File(L"BriscoPendingList.ini"), DesktopNotesFile({"自分の保留"})));
        ASSERT_TRUE(WriteFileBytes(folder.File(L"TesselinPropaty.ini"), PropatyWithSize(260, 80)));
        std::wstring other;
        std::vector<std::pair<std::wstring, std::string>> otherFiles;
        if (c.lookAlike) {
            other = folder.Path().substr(0, folder.Path().rfind(L'\\') + 1) + c.lookAlike;
            ASSERT_TRUE(CreateDirectoryW(other.c_str(), nullptr));
            otherFiles = {{L"BriscoPendingList.ini", DesktopNotesFile({"よその保留"})},
                          {L"CorvanaData.ini", DesktopNotesFile({"よその一", "よその二"})},
                          {L"TesselinPropaty.ini", PropatyWithSize(120, 40)}};
            for (const auto& [name, bytes] : otherFiles)
                ASSERT_TRUE(WriteFileBytes(other + L"\\" + name, bytes));
        }

        CCorvana corvana(folder);
        ASSERT_TRUE(corvana.Start());
        ASSERT_TRUE(corvana.WaitReady());
        std::vector<HWND> notes;
        ASSERT_TRUE(WaitFor([&] { return (notes = DesktopNotes(corvana.Pid())).size() == own.size(); }))
            << "its own notes are not shown";
        std::vector<std::string> expected = own;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(TextsOf(notes), expected);
        ASSERT_TRUE(corvana.Command(kCommandPasteDesktop));
        ASSERT_TRUE(WaitFor([&] { return (notes = DesktopNotes(corvana.Pid())).size() == own.size() + 1; }));
        HWND added = nullptr;
        for (HWND note : notes)
            if (NoteTextOf(note).empty())
                added = note;
        ASSERT_NE(added, nullptr);
        const RECT r = WindowRect(added);
        EXPECT_EQ(r.right - r.left, 260) << "the size of new notes is not its own";
        EXPECT_EQ(r.bottom - r.top, 80);
        EXPECT_TRUE(MessageBoxes(corvana.Pid()).empty()) << "a box at start or paste";

        const std::wstring data = folder.File(L"CorvanaData.ini");
        DeleteFileW(data.c_str());
        ASSERT_TRUE(corvana.Command(kCommandSave));
        ASSERT_TRUE(WaitFor([&] { return GetFileAttributesW(data.c_str()) != INVALID_FILE_ATTRIBUTES; }))
            << "the save did not reach its own folder";
        EXPECT_TRUE(MessageBoxes(corvana.Pid()).empty()) << "the save failed";
        ASSERT_TRUE(corvana.Command(kCommandExit));
        ASSERT_TRUE(corvana.WaitEnd());

        CIniText saved = CIniText::Load(data);
        ASSERT_EQ(saved.NoteCount(), (int)own.size() + 1);
        std::vector<std::string> texts;
        for (int i = 0; i < saved.NoteCount(); i++)
            texts.push_back(saved.NoteText(i));
        std::sort(texts.begin(), texts.end());
        expected.insert(expected.begin(), "");
        EXPECT_EQ(texts, expected);
        CIniText pending = CIniText::Load(folder.File(L"BriscoPendingList.ini"));
        ASSERT_EQ(pending.NoteCount(), 1);
        EXPECT_EQ(pending.NoteText(0), "自分の保留");
        for (const auto& [name, bytes] : otherFiles)
            EXPECT_EQ(ReadFileBytes(other + L"\\" + name), bytes) << FromWide(name);
        if (c.lookAlike) {
            std::vector<std::wstring> names;
            WIN32_FIND_DATAW fd;
            HANDLE f = FindFirstFileW((other + L"\\*").c_str(), &fd);
            for (BOOL more = f != INVALID_HANDLE_VALUE; more; more = FindNextFileW(f, &fd))
                if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    names.push_back(fd.cFileName);
            if (f != INVALID_HANDLE_VALUE)
                FindClose(f);
            std::sort(names.begin(), names.end());
            EXPECT_EQ(names.size(), otherFiles.size()) << "a file was made in the look-alike";
        }
    }
}

// A file not read whole is copied there, and the box names both by their
// real paths.
TEST_F(BeyondCodePageFolder, ADamagedFileIsCopiedThereAndToldByItsRealPath) {
    CProgramFolder folder(L"beyond", {kBeyondCodePage[0].name});
    ASSERT_TRUE(folder.Ready());
    std::string damaged = DesktopNotesFile({"一つ目", "二つ目"});
    const size_t count = damaged.find("MEMLTENUM=2\r\n");
    ASSERT_NE(count, std::string::npos);
    damaged.replace(count, 13, "MEMLTENUM=1\r\n");
    const std::wstring data = folder.File(L"CorvanaData.ini");
    ASSERT_TRUE(WriteFileBytes(data, damaged));

    CCorvana corvana(folder);
    ASSERT_TRUE(corvana.Start());
    ASSERT_TRUE(corvana.WaitReady());
    std::wstring copy;
    ASSERT_TRUE(WaitFor([&] {
        for (const std::wstring& name : folder.Files())
            if (name.rfind(L"CorvanaData_読込不完全_", 0) == 0)
                copy = folder.File(name);
        return !copy.empty();
    })) << "no copy in its own folder";
    EXPECT_EQ(ReadFileBytes(copy), damaged);
    const std::wstring told =
        ToWide("次のファイルに壊れたところが見つかりました。\r\n\r\n") + data +
        ToWide("\r\n  読み込めた付箋: 2枚\r\n  付箋の数の記録が中身と合いません。\r\n  元のままの控え: ") + copy +
        ToWide("\r\n\r\n次の保存では、読み込めた付箋をすべて書き込み、\r\nファイルを正しい形に直します。");
    HWND box = nullptr;
    EXPECT_TRUE(WaitFor([&] { return (box = FindMessageBox(corvana.Pid(), told)) != nullptr; }))
        << "no box naming the file and its copy by their paths";
    corvana.Kill();
}

}  // namespace

namespace {

// A folder short enough to start the program from, too long for the names of
// its files: they would be written and never read again.
TEST_F(BeyondCodePageFolder, AFolderItsFilesCannotBeNamedInIsToldAndNothingIsWritten) {
    // Names of 240 characters: the program's own below MAX_PATH, that of its
    // pending list's temporary file not.
    const size_t target = 240, root = CScratchFolder(L"deep").Path().size();
    ASSERT_LT(root + 10, target);
    std::vector<std::wstring> nested;
    for (size_t left = target - root; left > 0;) {
        size_t n = std::min<size_t>(left, 100);  // with its separator
        if (left - n == 1)
            n--;
        nested.push_back(std::wstring(n - 2, L'x') + L"\u00e9");
        left -= n;
    }
    CProgramFolder folder(L"deep", nested);
    ASSERT_TRUE(folder.Ready());
    ASSERT_LT(folder.Exe().size(), (size_t)MAX_PATH);
    ASSERT_GE(folder.File(L"BriscoPendingList.ini.tmp").size(), (size_t)MAX_PATH);
    ASSERT_TRUE(WriteFileBytes(folder.File(L"CorvanaData.ini"), DesktopNotesFile({"読めない付箋"})));
    const std::vector<std::wstring> before = folder.Files();

    CCorvana corvana(folder);
    ASSERT_TRUE(corvana.Start());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(corvana.Pid(), UnservedFolderMessage(folder.Path()))); }))
        << "no box naming the folder";
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(corvana.WaitEnd()) << "still running";
    EXPECT_EQ(folder.Files(), before) << "a file was written";
}

}  // namespace
