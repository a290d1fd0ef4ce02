// A data file or pending list whose header counts fewer notes than it holds
// is copied as found at start-up, before a save can rewrite it with only
// the notes that were read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "StorageTestFiles.h"
#include "app/UnreadFilesMessage.h"
#include "dialogs/PendingDlg.h"
#include "framework/Text.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "storage/IniSection.h"
#include "storage/MemletDataStore.h"
#include "storage/UnreadFileCopy.h"

namespace {

std::vector<std::wstring> FilesIn(const std::wstring& dir) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE f = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (f == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(fd.cFileName);
    } while (FindNextFileW(f, &fd));
    FindClose(f);
    std::sort(names.begin(), names.end());
    return names;
}

std::string Note(int i, const char* title) {
    return "[MEMLETITEM" + std::to_string(i) + "]\r\nTITLE=" + title + "\r\nTEXTFORMAT=0\r\nTEXT=83818382\r\n";
}

std::string Header(const char* countLine) {
    return std::string("[SYSTEM]\r\nAPPNAME=Corvana\r\nSAVEFORMAT=0\r\n") + countLine;
}

std::wstring Name(const std::wstring& path) { return path.substr(path.rfind(L'\\') + 1); }

bool IsCopyOf(const std::wstring& copyName, const wchar_t* stem) {
    std::wstring prefix = std::wstring(stem) + L"_読込不完全_";
    return copyName.size() == prefix.size() + 15 + 4 && copyName.compare(0, prefix.size(), prefix) == 0 &&
           copyName.compare(copyName.size() - 4, 4, L".ini") == 0;
}

struct FileCase {
    const char* name;
    std::string bytes;
    bool whole;
    size_t notes;  // read into the list, as before
};

const FileCase kCases[] = {
    {"count missing", Header("") + Note(0, "一") + Note(1, "二"), false, 0},
    {"no [SYSTEM]", Note(0, "一") + Note(1, "二"), false, 0},
    {"zero", Header("MEMLTENUM=0\r\n") + Note(0, "一"), false, 0},
    {"negative", Header("MEMLTENUM=-2\r\n") + Note(0, "一") + Note(1, "二"), false, 0},
    {"not a number", Header("MEMLTENUM=abc\r\n") + Note(0, "一"), false, 0},
    {"one counted, three held", Header("MEMLTENUM=1\r\n") + Note(0, "一") + Note(1, "二") + Note(2, "三"), false, 1},
    {"a section past what any count reads",
     Header("MEMLTENUM=2000000000\r\n") + Note(0, "一") + Note(kMaxIndexedSections, "x"), false, 1},
    {"count as held", Header("MEMLTENUM=2\r\n") + Note(0, "一") + Note(1, "二"), true, 2},
    {"count above what is held", Header("MEMLTENUM=5\r\n") + Note(0, "一") + Note(1, "二"), true, 2},
    {"a gap below the count", Header("MEMLTENUM=4\r\n") + Note(0, "一") + Note(2, "三"), true, 3},
    {"no notes", Header("MEMLTENUM=0\r\n"), true, 0},
    {"no count and no notes", Header(""), true, 0},
    {"empty", "", true, 0},
};

// The data file and the pending list alike: the copy is there before the
// save and equals the file as found; the save writes what was read.
TEST(UnreadFileTest, AFileNotReadWholeIsCopiedAsFoundAndTheSaveWritesWhatWasRead) {
    for (bool pending : {false, true}) {
        const wchar_t* stem = pending ? L"BriscoPendingList" : L"CorvanaData";
        for (const FileCase& c : kCases) {
            SCOPED_TRACE(std::string(pending ? "pending list: " : "data file: ") + c.name);
            TempFolder folder;
            const std::wstring path = folder.File(std::wstring(stem) + L".ini");
            ASSERT_TRUE(WriteBytes(path, c.bytes));
            CurrentDirectory cd(folder.Path());
            ASSERT_TRUE(cd.ok());
            CMemletDataStore store;
            EXPECT_EQ(c.notes, (pending ? store.m_PendingList : store.m_MemletList).size());
            EXPECT_TRUE((pending ? store.m_MemletList : store.m_PendingList).empty());

            std::vector<std::wstring> files = FilesIn(folder.Path());
            std::wstring copy;
            if (c.whole) {
                EXPECT_TRUE(store.m_UnreadFiles.empty());
                EXPECT_EQ(std::vector<std::wstring>{Name(path)}, files);
            } else {
                ASSERT_EQ(1u, store.m_UnreadFiles.size());
                EXPECT_EQ(path, store.m_UnreadFiles[0].m_strPath);
                copy = store.m_UnreadFiles[0].m_strCopyPath;
                ASSERT_EQ(folder.Path() + L"\\", copy.substr(0, folder.Path().size() + 1));
                EXPECT_TRUE(IsCopyOf(Name(copy), stem)) << copy;
                EXPECT_EQ(c.bytes, ReadBytes(copy));
                EXPECT_EQ(2u, files.size());
            }
            EXPECT_EQ(c.bytes, ReadBytes(path)) << "loading changed the file";

            // The next save: the notes read, and nothing else, counted right.
            g_pMemletDataStore = &store;
            if (pending) {
                CPendingDlg list;
                list.m_strPath = path;
                list.TakeLoadedData();
                EXPECT_EQ(1, list.writeIniFile());
            } else {
                CControlDlg panel;
                Fields(panel).m_strDataPath = path;
                panel.TakeLoadedData();
                EXPECT_EQ(1, panel.writeIniFile());
            }
            g_pMemletDataStore = nullptr;
            EXPECT_EQ(std::to_string(c.notes), CIniSection("SYSTEM", path).GetString("MEMLTENUM", "", 64));
            std::vector<std::string> sections = GetIniSectionNames(path);
            EXPECT_EQ(c.notes + 1, sections.size());
            EXPECT_TRUE(IsReadWhole(sections, (int)c.notes));
            if (!copy.empty()) {
                EXPECT_EQ(c.bytes, ReadBytes(copy)) << "the save touched the copy";
            }
            EXPECT_EQ(files.size(), FilesIn(folder.Path()).size());
        }
    }
}

TEST(UnreadFileTest, AMissingFileIsNoDamage) {
    TempFolder folder;
    CurrentDirectory cd(folder.Path());
    ASSERT_TRUE(cd.ok());
    CMemletDataStore store;
    EXPECT_TRUE(store.m_UnreadFiles.empty());
    EXPECT_TRUE(FilesIn(folder.Path()).empty());
}

// Every start that finds the file so keeps a copy of its own; an earlier
// copy is never written over, also within one second.
TEST(UnreadFileTest, EachStartKeepsACopyOfItsOwn) {
    TempFolder folder;
    const std::string bytes = Header("MEMLTENUM=1\r\n") + Note(0, "一") + Note(1, "二");
    ASSERT_TRUE(WriteBytes(folder.File(L"CorvanaData.ini"), bytes));
    CurrentDirectory cd(folder.Path());
    ASSERT_TRUE(cd.ok());
    std::vector<std::wstring> copies;
    for (int start = 0; start < 3; start++) {
        CMemletDataStore store;
        ASSERT_EQ(1u, store.m_UnreadFiles.size());
        copies.push_back(store.m_UnreadFiles[0].m_strCopyPath);
    }
    std::sort(copies.begin(), copies.end());
    EXPECT_EQ(copies.end(), std::unique(copies.begin(), copies.end()));
    for (const std::wstring& copy : copies)
        EXPECT_EQ(bytes, ReadBytes(copy)) << copy;
    EXPECT_EQ(4u, FilesIn(folder.Path()).size());
}

TEST(UnreadFileTest, ATakenNameIsLeftAloneAndTheNextIsUsed) {
    TempFolder folder;
    const std::wstring path = folder.File(L"CorvanaData.ini");
    ASSERT_TRUE(WriteBytes(path, "as found"));
    SYSTEMTIME when{};
    when.wYear = 2025, when.wMonth = 3, when.wDay = 14, when.wHour = 9, when.wMinute = 30, when.wSecond = 5;
    const std::wstring first = folder.File(L"CorvanaData_読込不完全_20250314_093005.ini");
    const std::wstring second = folder.File(L"CorvanaData_読込不完全_20250314_093005_2.ini");
    ASSERT_TRUE(WriteBytes(first, "an earlier copy"));
    EXPECT_EQ(second, KeepUnreadCopy(path, when));
    EXPECT_EQ("an earlier copy", ReadBytes(first));
    EXPECT_EQ("as found", ReadBytes(second));
    EXPECT_EQ(folder.File(L"CorvanaData_読込不完全_20250314_093005_3.ini"), KeepUnreadCopy(path, when));
}

// The name goes before the extension of the file's own name; a folder may
// hold a dot, a character whose second byte in CP932 is a backslash, or
// characters CP932 does not have.
TEST(UnreadFileTest, TheCopyIsNamedBesideTheFile) {
    SYSTEMTIME when{};
    when.wYear = 2025, when.wMonth = 12, when.wDay = 1, when.wHour = 23, when.wMinute = 5, when.wSecond = 59;
    const struct {
        const wchar_t* path;
        int attempt;
        const wchar_t* copy;
    } cases[] = {
        {L"C:\\表\\CorvanaData.ini", 1, L"C:\\表\\CorvanaData_読込不完全_20251201_230559.ini"},
        {L"C:\\ソフト\\BriscoPendingList.ini", 2, L"C:\\ソフト\\BriscoPendingList_読込不完全_20251201_230559_2.ini"},
        {L"C:\\v1.2\\表", 1, L"C:\\v1.2\\表_読込不完全_20251201_230559"},
        {L"D:\\caf\u00e9.d\\메모\\CorvanaData.ini", 1, L"D:\\caf\u00e9.d\\메모\\CorvanaData_読込不完全_20251201_230559.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.copy, UnreadCopyPath(c.path, when, c.attempt)) << c.path;
}

// One start that finds both files so tells once, of both.
TEST(UnreadFileTest, BothFilesAreCopiedAndToldInOneMessage) {
    TempFolder folder;
    const std::string data = Header("MEMLTENUM=-1\r\n") + Note(0, "一");
    const std::string pending = Note(0, "保留");
    ASSERT_TRUE(WriteBytes(folder.File(L"CorvanaData.ini"), data));
    ASSERT_TRUE(WriteBytes(folder.File(L"BriscoPendingList.ini"), pending));
    CurrentDirectory cd(folder.Path());
    ASSERT_TRUE(cd.ok());
    CMemletDataStore store;
    ASSERT_EQ(2u, store.m_UnreadFiles.size());
    EXPECT_EQ(folder.File(L"CorvanaData.ini"), store.m_UnreadFiles[0].m_strPath);
    EXPECT_EQ(folder.File(L"BriscoPendingList.ini"), store.m_UnreadFiles[1].m_strPath);
    EXPECT_EQ(data, ReadBytes(store.m_UnreadFiles[0].m_strCopyPath));
    EXPECT_EQ(pending, ReadBytes(store.m_UnreadFiles[1].m_strCopyPath));

    const std::vector<CUnreadFile> told = {
        {L"C:\\表\\CorvanaData.ini", L"C:\\表\\CorvanaData_読込不完全_20250314_093005.ini"},
        {L"C:\\表\\BriscoPendingList.ini", L"C:\\表\\BriscoPendingList_読込不完全_20250314_093005.ini"},
    };
    EXPECT_EQ("次のファイルは全部を読み込めませんでした（付箋の数の記録が中身と合いません）。\r\n"
              "\r\n"
              "C:\\表\\CorvanaData.ini\r\n"
              "  元のままの控え: C:\\表\\CorvanaData_読込不完全_20250314_093005.ini\r\n"
              "\r\n"
              "C:\\表\\BriscoPendingList.ini\r\n"
              "  元のままの控え: C:\\表\\BriscoPendingList_読込不完全_20250314_093005.ini\r\n"
              "\r\n"
              "次の保存では、読み込めた付箋だけが書き込まれます。",
              FromWide(UnreadFilesMessage(told)));
    // A copy that could not be made is not claimed.
    EXPECT_EQ("次のファイルは全部を読み込めませんでした（付箋の数の記録が中身と合いません）。\r\n"
              "\r\n"
              "C:\\表\\CorvanaData.ini\r\n"
              "  控えを作れませんでした。\r\n"
              "\r\n"
              "次の保存では、読み込めた付箋だけが書き込まれます。\r\n"
              "控えのないファイルは、保存する前に別の場所へコピーしてください。",
              FromWide(UnreadFilesMessage({{L"C:\\表\\CorvanaData.ini", L""}})));
    // The paths are the real ones, whatever their characters.
    const std::wstring beyond = L"C:\\caf\u00e9\\메모\\CorvanaData.ini";
    const std::wstring message = UnreadFilesMessage({{beyond, L""}});
    EXPECT_NE(std::wstring::npos, message.find(L"\r\n" + beyond + L"\r\n"));
}

}  // namespace
