// A data file or pending list that cannot be read as it was written (its
// header counts fewer notes than it holds, a text is cut short, a section is
// missing below the last or named twice) is copied as found at start-up,
// every note section in it is read, and the next save writes them all.
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

// A note whose text is メモ unless its digits are given.
std::string Note(int i, const char* title, const std::string& hex = "83818382") {
    return "[MEMLETITEM" + std::to_string(i) + "]\r\nTITLE=" + title + "\r\nTEXTFORMAT=0\r\nTEXT=" + hex + "\r\n";
}

std::string Header(const char* countLine) {
    return std::string("[SYSTEM]\r\nAPPNAME=Corvana\r\nSAVEFORMAT=0\r\n") + countLine;
}

std::string FiveNotes() {
    return Note(0, "一") + Note(1, "二") + Note(2, "三") + Note(3, "四") + Note(4, "五");
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes)
        out.append(1, digits[c >> 4]).append(1, digits[c & 15]);
    return out;
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
    unsigned damage;  // 0: read whole
    std::vector<std::string> titles;  // of the notes read, in order
    std::vector<std::string> texts = {};  // the same; none given: each メモ
};

const std::string kLongText(5000, 'a');

const FileCase kCases[] = {
    // Before, a count that read none, or too few, kept 0 and 2 of the five.
    {"count missing", Header("") + FiveNotes(), kDamageCount, {"一", "二", "三", "四", "五"}},
    {"no [SYSTEM]", Note(0, "一") + Note(1, "二"), kDamageCount, {"一", "二"}},
    {"zero", Header("MEMLTENUM=0\r\n") + FiveNotes(), kDamageCount, {"一", "二", "三", "四", "五"}},
    {"negative", Header("MEMLTENUM=-2\r\n") + FiveNotes(), kDamageCount, {"一", "二", "三", "四", "五"}},
    {"not a number", Header("MEMLTENUM=abc\r\n") + FiveNotes(), kDamageCount, {"一", "二", "三", "四", "五"}},
    {"two counted, five held", Header("MEMLTENUM=2\r\n") + FiveNotes(), kDamageCount,
     {"一", "二", "三", "四", "五"}},
    {"held in another order", Header("MEMLTENUM=1\r\n") + Note(2, "三") + Note(0, "一") + Note(1, "二"),
     kDamageCount, {"一", "二", "三"}},
    {"a section past what any count reads",
     Header("MEMLTENUM=2000000000\r\n") + Note(0, "一") + Note(kMaxIndexedSections, "x"), kDamageBeyondCap, {"一"}},
    {"counted too low and a section past the cap",
     Header("MEMLTENUM=1\r\n") + Note(0, "一") + Note(1, "二") + Note(kMaxIndexedSections, "x"),
     kDamageCount | kDamageBeyondCap, {"一", "二"}},
    // Before, a text cut short read empty.
    {"a text of an odd number of digits", Header("MEMLTENUM=2\r\n") + Note(0, "一") + Note(1, "二", "6162636"),
     kDamageCutText, {"一", "二"}, {"メモ", "abc"}},
    {"a text cut inside a character", Header("MEMLTENUM=1\r\n") + Note(0, "一", "8381838"), kDamageCutText,
     {"一"}, {"メ\x83"}},
    {"a text beyond 8,191 digits", Header("MEMLTENUM=1\r\n") + Note(0, "一", Hex(kLongText)), kDamageCutText,
     {"一"}, {std::string(4095, 'a')}},
    {"a text at the most a writer writes", Header("MEMLTENUM=1\r\n") + Note(0, "一", Hex(kLongText.substr(0, 4095))),
     0, {"一"}, {std::string(4095, 'a')}},
    // Before, each missing section became a note of defaults.
    {"a gap below the last", Header("MEMLTENUM=3\r\n") + Note(0, "一") + Note(2, "三"), kDamageGap, {"一", "三"}},
    {"a gap below the count", Header("MEMLTENUM=4\r\n") + Note(0, "一") + Note(2, "三"), kDamageGap, {"一", "三"}},
    {"no first section", Header("MEMLTENUM=2\r\n") + Note(1, "二"), kDamageGap, {"二"}},
    // The system reads the first of two sections of one name.
    {"a section twice", Header("MEMLTENUM=2\r\n") + Note(0, "一") + Note(1, "二") + Note(0, "後の一"),
     kDamageTwice, {"一", "二"}},
    {"a section twice in another case",
     Header("MEMLTENUM=2\r\n") + Note(0, "一") + Note(1, "二") + "[memletitem1]\r\nTITLE=後の二\r\n",
     kDamageTwice, {"一", "二"}},
    {"everything at once",
     Header("MEMLTENUM=1\r\n") + Note(0, "一") + Note(2, "三", "616") + Note(0, "後の一") +
         Note(kMaxIndexedSections + 5, "x"),
     kDamageCount | kDamageGap | kDamageCutText | kDamageTwice | kDamageBeyondCap, {"一", "三"}, {"メモ", "a"}},
    {"count as held", Header("MEMLTENUM=2\r\n") + Note(0, "一") + Note(1, "二"), 0, {"一", "二"}},
    {"count above what is held", Header("MEMLTENUM=5\r\n") + Note(0, "一") + Note(1, "二"), 0, {"一", "二"}},
    {"no notes", Header("MEMLTENUM=0\r\n"), 0, {}},
    {"no count and no notes", Header(""), 0, {}},
    {"empty", "", 0, {}},
};

// The data file and the pending list alike: the copy is there before the
// save and equals the file as found; the save writes every note read.
TEST(UnreadFileTest, AFileNotReadWholeIsCopiedAsFoundAndTheSaveWritesEveryNoteRead) {
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
            const std::vector<CMemletData> read = pending ? store.m_PendingList : store.m_MemletList;
            ASSERT_EQ(c.titles.size(), read.size());
            for (size_t i = 0; i < read.size(); i++) {
                EXPECT_EQ(c.titles[i], read[i].m_strTitle) << i;
                EXPECT_EQ(c.texts.empty() ? "メモ" : c.texts[i], read[i].m_strText) << i;
            }
            EXPECT_TRUE((pending ? store.m_MemletList : store.m_PendingList).empty());

            std::vector<std::wstring> files = FilesIn(folder.Path());
            std::wstring copy;
            if (!c.damage) {
                EXPECT_TRUE(store.m_UnreadFiles.empty());
                EXPECT_EQ(std::vector<std::wstring>{Name(path)}, files);
            } else {
                ASSERT_EQ(1u, store.m_UnreadFiles.size());
                const CUnreadFile& told = store.m_UnreadFiles[0];
                EXPECT_EQ(path, told.m_strPath);
                EXPECT_EQ(c.damage, told.m_nDamage);
                EXPECT_EQ((int)c.titles.size(), told.m_nNotesRead);
                EXPECT_FALSE(told.m_bEarlierCopy);
                copy = told.m_strCopyPath;
                ASSERT_EQ(folder.Path() + L"\\", copy.substr(0, folder.Path().size() + 1));
                EXPECT_TRUE(IsCopyOf(Name(copy), stem)) << copy;
                EXPECT_EQ(c.bytes, ReadBytes(copy));
                EXPECT_EQ(2u, files.size());
            }
            EXPECT_EQ(c.bytes, ReadBytes(path)) << "loading changed the file";

            // The next save: every note read, counted right.
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
            EXPECT_EQ(std::to_string(c.titles.size()), CIniSection("SYSTEM", path).GetString("MEMLTENUM", "", 64));
            std::vector<std::string> sections = GetIniSectionNames(path);
            EXPECT_EQ(c.titles.size() + 1, sections.size());
            EXPECT_EQ(0u, SurveyNoteSections(sections, (int)c.titles.size()).m_nDamage);
            if (!copy.empty()) {
                EXPECT_EQ(c.bytes, ReadBytes(copy)) << "the save touched the copy";
            }
            EXPECT_EQ(files.size(), FilesIn(folder.Path()).size());

            // Read whole now, as it was saved.
            std::vector<CMemletData> again;
            EXPECT_EQ(0u, LoadMemletFile(path, again));
            ASSERT_EQ(read.size(), again.size());
            for (size_t i = 0; i < again.size(); i++) {
                EXPECT_EQ(read[i].m_strTitle, again[i].m_strTitle) << i;
                EXPECT_EQ(read[i].m_strText, again[i].m_strText) << i;
            }
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

// A start that finds the file as the newest copy holds it keeps no new
// copy and names that one; bytes not copied yet get a copy of their own,
// also within one second. Before, five starts made five equal copies.
TEST(UnreadFileTest, AStartCopiesOnlyWhatTheNewestCopyDoesNotHold) {
    TempFolder folder;
    const std::wstring path = folder.File(L"CorvanaData.ini");
    const std::string first = Header("MEMLTENUM=1\r\n") + Note(0, "一") + Note(1, "二");
    const std::string second = first + Note(2, "三");
    CurrentDirectory cd(folder.Path());
    ASSERT_TRUE(cd.ok());
    auto start = [&](const std::string& bytes, bool earlier) {
        EXPECT_TRUE(WriteBytes(path, bytes));
        CMemletDataStore store;
        EXPECT_EQ(1u, store.m_UnreadFiles.size());
        if (store.m_UnreadFiles.empty())
            return std::wstring();
        const CUnreadFile& told = store.m_UnreadFiles[0];
        EXPECT_EQ(earlier, told.m_bEarlierCopy);
        EXPECT_EQ(bytes, ReadBytes(told.m_strCopyPath));
        return told.m_strCopyPath;
    };
    const std::wstring copy = start(first, false);
    for (int again = 0; again < 4; again++)
        EXPECT_EQ(copy, start(first, true));
    EXPECT_EQ(2u, FilesIn(folder.Path()).size());

    const std::wstring other = start(second, false);
    EXPECT_NE(copy, other);
    EXPECT_EQ(other, start(second, true));
    // Only the newest counts: the first bytes again are copied again.
    const std::wstring third = start(first, false);
    EXPECT_NE(copy, third);
    EXPECT_NE(other, third);
    EXPECT_EQ(4u, FilesIn(folder.Path()).size());
    EXPECT_EQ(first, ReadBytes(copy));
    EXPECT_EQ(second, ReadBytes(other));
}

// The newest copy by the time and attempt its name holds, whatever the
// order of the folder; names the copies do not take are passed over.
TEST(UnreadFileTest, TheNewestCopyIsTheOneWithTheLatestName) {
    TempFolder folder;
    const std::wstring path = folder.File(L"CorvanaData.ini");
    ASSERT_TRUE(WriteBytes(path, "found"));
    EXPECT_EQ(L"", NewestUnreadCopy(path));
    const struct {
        const wchar_t* name;
        bool newest;  // after it is made
    } steps[] = {
        {L"CorvanaData_読込不完全_20250314_093005.ini", true},
        {L"CorvanaData_読込不完全_20241231_235959.ini", false},
        {L"CorvanaData_読込不完全_20250314_093005_2.ini", true},
        {L"CorvanaData_読込不完全_20250314_093005_10.ini", true},
        {L"CorvanaData_読込不完全_20250314_093005_9.ini", false},
        {L"CorvanaData_読込不完全_20260101_000000.txt", false},
        {L"CorvanaData_読込不完全_2026010_0000000.ini", false},
        {L"CorvanaData_読込不完全_20260101_000000_x.ini", false},
        {L"CorvanaData_読込不完全_20260101_000000.ini.ini", false},
        {L"BriscoPendingList_読込不完全_20260101_000000.ini", false},
        {L"CorvanaData_読込不完全_20250314_093006.ini", true},
    };
    std::wstring newest;
    for (const auto& step : steps) {
        ASSERT_TRUE(WriteBytes(folder.File(step.name), "a copy"));
        if (step.newest)
            newest = folder.File(step.name);
        EXPECT_EQ(newest, NewestUnreadCopy(path)) << step.name;
    }
    // A folder of such a name is no copy.
    ASSERT_TRUE(CreateDirectoryW(folder.File(L"CorvanaData_読込不完全_20270101_000000.ini").c_str(), nullptr));
    EXPECT_EQ(newest, NewestUnreadCopy(path));
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
    ASSERT_TRUE(WriteBytes(path, "found otherwise"));
    const std::wstring third = folder.File(L"CorvanaData_読込不完全_20250314_093005_3.ini");
    bool earlier = true;
    EXPECT_EQ(third, KeepUnreadCopy(path, when, &earlier));
    EXPECT_FALSE(earlier);
    EXPECT_EQ(third, KeepUnreadCopy(path, when, &earlier));
    EXPECT_TRUE(earlier);
    EXPECT_EQ("found otherwise", ReadBytes(third));
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

// One start that finds both files so tells once, of both: what was read of
// each, what was wrong, and where its copy is.
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

    auto file = [](const wchar_t* path, const wchar_t* copy, unsigned damage, int notes, bool earlier = false) {
        CUnreadFile f;
        f.m_strPath = path;
        f.m_strCopyPath = copy;
        f.m_nDamage = damage;
        f.m_nNotesRead = notes;
        f.m_bEarlierCopy = earlier;
        return f;
    };
    const std::vector<CUnreadFile> told = {
        file(L"C:\\表\\CorvanaData.ini", L"C:\\表\\CorvanaData_読込不完全_20250314_093005.ini", kDamageCount, 12000),
        file(L"C:\\表\\BriscoPendingList.ini", L"C:\\表\\BriscoPendingList_読込不完全_20250314_093005.ini",
             kDamageGap, 2, true),
    };
    EXPECT_EQ("次のファイルに壊れたところが見つかりました。\r\n"
              "\r\n"
              "C:\\表\\CorvanaData.ini\r\n"
              "  読み込めた付箋: 12000枚\r\n"
              "  付箋の数の記録が中身と合いません。\r\n"
              "  元のままの控え: C:\\表\\CorvanaData_読込不完全_20250314_093005.ini\r\n"
              "\r\n"
              "C:\\表\\BriscoPendingList.ini\r\n"
              "  読み込めた付箋: 2枚\r\n"
              "  付箋の番号に抜けがあります。\r\n"
              "  元のままの控え（前に作ったもの）: C:\\表\\BriscoPendingList_読込不完全_20250314_093005.ini\r\n"
              "\r\n"
              "次の保存では、読み込めた付箋をすべて書き込み、\r\nファイルを正しい形に直します。",
              FromWide(UnreadFilesMessage(told)));
    // Every kind at once; a copy that could not be made is not claimed.
    EXPECT_EQ("次のファイルに壊れたところが見つかりました。\r\n"
              "\r\n"
              "C:\\表\\CorvanaData.ini\r\n"
              "  読み込めた付箋: 0枚\r\n"
              "  付箋の数の記録が中身と合いません。\r\n"
              "  付箋の番号に抜けがあります。\r\n"
              "  途中で切れた本文は、切れる前まで読み込みました。\r\n"
              "  同じ番号の付箋が二つあり、二つ目は読み込めません。\r\n"
              "  番号が100000以上の付箋は読み込めません。\r\n"
              "  控えを作れませんでした。\r\n"
              "\r\n"
              "次の保存では、読み込めた付箋をすべて書き込み、\r\nファイルを正しい形に直します。\r\n"
              "読み込めなかった部分は、保存後は控えにだけ残ります。\r\n"
              "控えのないファイルは、保存する前に\r\n別の場所へコピーしてください。",
              FromWide(UnreadFilesMessage({file(L"C:\\表\\CorvanaData.ini", L"", 31, 0)})));
    // Each kind whose unread part no save writes back says so.
    for (unsigned damage : {kDamageCutText, kDamageTwice, kDamageBeyondCap}) {
        const std::string text = FromWide(UnreadFilesMessage({file(L"C:\\CorvanaData.ini", L"C:\\c.ini", damage, 1)}));
        EXPECT_NE(std::string::npos, text.find("控えにだけ残ります")) << damage;
    }
    // The paths are the real ones, whatever their characters.
    const std::wstring beyond = L"C:\\caf\u00e9\\메모\\CorvanaData.ini";
    const std::wstring message = UnreadFilesMessage({file(beyond.c_str(), L"", kDamageCount, 1)});
    EXPECT_NE(std::wstring::npos, message.find(L"\r\n" + beyond + L"\r\n"));
}

}  // namespace
