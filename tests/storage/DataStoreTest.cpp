#include <gtest/gtest.h>

#include <vector>

#include "StorageTestFiles.h"
#include "StorageTestNotes.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "storage/MemletDataStore.h"
#include "storage/VolumeSerial.h"

namespace {

std::string Note(const char* section, const char* title) {
    return std::string("[") + section + "]\r\nTITLE=" + title + "\r\nTRANSPARENT=90\r\nTEXTFORMAT=0\r\nTEXT=83818382\r\n";
}

const char kHeaderStart[] = "[SYSTEM]\r\nAPPNAME=Corvana\r\n";

// Every note section present is read, once, in the order of its index; a
// missing section is no note. What the count and the names show is told.
TEST(DataStoreTest, CountsAndSectionsGiveTheNotesPresent) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<const char*> titles;
        unsigned damage;
    } cases[] = {
        {"no count", std::string(kHeaderStart) + Note("MEMLETITEM0", "一"), {"一"}, kDamageCount},
        {"zero", std::string(kHeaderStart) + "MEMLTENUM=0\r\n" + Note("MEMLETITEM0", "一"), {"一"}, kDamageCount},
        {"negative", std::string(kHeaderStart) + "MEMLTENUM=-3\r\n" + Note("MEMLETITEM0", "一"), {"一"},
         kDamageCount},
        {"not a number", std::string(kHeaderStart) + "MEMLTENUM=abc\r\n" + Note("MEMLETITEM0", "一"), {"一"},
         kDamageCount},
        {"count below sections",
         std::string(kHeaderStart) + "MEMLTENUM=2\r\n" + Note("MEMLETITEM0", "一") + Note("MEMLETITEM1", "二") +
             Note("MEMLETITEM2", "三"),
         {"一", "二", "三"}, kDamageCount},
        {"gap below the last section",
         std::string(kHeaderStart) + "MEMLTENUM=4\r\n" + Note("MEMLETITEM0", "一") + Note("MEMLETITEM2", "三"),
         {"一", "三"}, kDamageGap},
        {"hostile count",
         std::string(kHeaderStart) + "MEMLTENUM=2000000000\r\n" + Note("MEMLETITEM0", "一") + Note("MEMLETITEM1", "二"),
         {"一", "二"}, 0},
        {"hostile count with a far section",
         std::string(kHeaderStart) + "MEMLTENUM=2000000000\r\n" + Note("MEMLETITEM0", "一") +
             Note("MEMLETITEM1999999999", "x"),
         {"一"}, kDamageBeyondCap},
        {"count past 32 bits",
         std::string(kHeaderStart) + "MEMLTENUM=99999999999\r\n" + Note("MEMLETITEM0", "一"),
         {"一"}, 0},
        {"section names in any case",
         std::string(kHeaderStart) + "MEMLTENUM=2\r\n" + Note("MEMLETITEM0", "一") + Note("memletitem1", "二"),
         {"一", "二"}, 0},
        {"a number written otherwise is another section",
         std::string(kHeaderStart) + "MEMLTENUM=3\r\n" + Note("MEMLETITEM01", "x") + Note("MEMLETITEM2", "三"),
         {"三"}, kDamageGap},
    };
    TempFolder folder;
    const std::wstring path = folder.File(L"CorvanaData.ini");
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteBytes(path, c.file));
        std::vector<CMemletData> list(1);  // emptied first
        EXPECT_EQ(c.damage, LoadMemletFile(path, list)) << c.name;
        ASSERT_EQ(c.titles.size(), list.size()) << c.name;
        for (size_t i = 0; i < list.size(); i++) {
            EXPECT_EQ(c.titles[i], list[i].m_strTitle) << c.name << " " << i;
            EXPECT_EQ("メモ", list[i].m_strText) << c.name << " " << i;
            EXPECT_EQ(90, list[i].m_nTransparent) << c.name << " " << i;
        }
    }
}

TEST(DataStoreTest, MissingFileGivesAnEmptyList) {
    TempFolder folder;
    std::vector<CMemletData> list(2);
    LoadMemletFile(folder.File(L"CorvanaData.ini"), list);
    EXPECT_TRUE(list.empty());
}

TEST(DataStoreTest, StoreLoadsBothFilesOfTheCurrentDirectory) {
    TempFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File(L"CorvanaData.ini"), std::string(kHeaderStart) + "MEMLTENUM=2\r\n" +
                                                             Note("MEMLETITEM0", "一") + Note("MEMLETITEM1", "二")));
    ASSERT_TRUE(WriteBytes(folder.File(L"BriscoPendingList.ini"),
                           std::string(kHeaderStart) + "MEMLTENUM=1\r\n" + Note("MEMLETITEM0", "保留")));
    CurrentDirectory cd(folder.Path());
    ASSERT_TRUE(cd.ok());
    CMemletDataStore store;
    EXPECT_EQ(folder.File(L"CorvanaData.ini"), store.m_strDataPath);
    EXPECT_EQ(folder.File(L"BriscoPendingList.ini"), store.m_strPendingPath);
    ASSERT_EQ(2u, store.m_MemletList.size());
    EXPECT_EQ("一", store.m_MemletList[0].m_strTitle);
    EXPECT_EQ("二", store.m_MemletList[1].m_strTitle);
    ASSERT_EQ(1u, store.m_PendingList.size());
    EXPECT_EQ("保留", store.m_PendingList[0].m_strTitle);
}

// The load lets the system drop the files it has read: nothing may be
// written by that, nor a missing file made.
TEST(DataStoreTest, LoadingLeavesTheFilesAsTheyWere) {
    TempFolder folder;
    const std::wstring data = folder.File(L"CorvanaData.ini");
    const std::string bytes = std::string(kHeaderStart) + "MEMLTENUM=2\r\n" + Note("MEMLETITEM0", "一") +
                              Note("MEMLETITEM1", "二") + "[EXTRA]\r\n; a comment\r\nKEY = spaced value \r\n";
    ASSERT_TRUE(WriteBytes(data, bytes));
    auto writeTime = [](const std::wstring& path) {
        WIN32_FILE_ATTRIBUTE_DATA fa{};
        GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &fa);
        return ((uint64_t)fa.ftLastWriteTime.dwHighDateTime << 32) | fa.ftLastWriteTime.dwLowDateTime;
    };
    const uint64_t before = writeTime(data);
    Sleep(50);
    {
        CurrentDirectory cd(folder.Path());
        ASSERT_TRUE(cd.ok());
        CMemletDataStore store;
        ASSERT_EQ(2u, store.m_MemletList.size());
        EXPECT_TRUE(store.m_UnreadFiles.empty());
    }
    EXPECT_EQ(bytes, ReadBytes(data));
    EXPECT_EQ(before, writeTime(data));
    EXPECT_FALSE(FileExists(folder.File(L"BriscoPendingList.ini")));
    // Read again whole, as it is now.
    ASSERT_TRUE(WriteBytes(data, std::string(kHeaderStart) + "MEMLTENUM=1\r\n" + Note("MEMLETITEM0", "三")));
    std::vector<CMemletData> list;
    LoadMemletFile(data, list);
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ("三", list[0].m_strTitle);
}

TEST(DataStoreTest, StoreInAnEmptyFolderIsEmpty) {
    TempFolder folder;
    CurrentDirectory cd(folder.Path());
    ASSERT_TRUE(cd.ok());
    CMemletDataStore store;
    EXPECT_TRUE(store.m_MemletList.empty());
    EXPECT_TRUE(store.m_PendingList.empty());
}

TEST(DataStoreTest, PathsJoinTheFolderWithOneSeparator) {
    // A root folder already ends with its separator; "表" ends with the byte
    // 0x5C inside its character in CP932; "café" has no CP932 name at all.
    TempFolder folder;
    const std::wstring kanji = folder.File(L"表"), cafe = folder.File(L"caf\u00e9");
    ASSERT_TRUE(CreateDirectoryW(kanji.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(cafe.c_str(), nullptr));
    struct Case {
        std::wstring dir, expected;
    } cases[] = {
        {L"C:\\", L"C:\\CorvanaData.ini"},
        {kanji, kanji + L"\\CorvanaData.ini"},
        {cafe, cafe + L"\\CorvanaData.ini"},
    };
    for (const Case& c : cases) {
        CurrentDirectory cd(c.dir);
        ASSERT_TRUE(cd.ok()) << c.dir;
        CMemletDataStore store;
        EXPECT_EQ(c.expected, store.m_strDataPath);
    }
}

TEST(DataStoreTest, FormatOneNotesReadBackWithTheDrivesKey) {
    TempFolder folder;
    CControlDlg panel;
    Fields(panel).m_strDataPath = folder.File(L"CorvanaData.ini");
    Fields(panel).m_nSaveFormat = 1;
    Fields(panel).m_nVolumeSerial = (int)GetVolumeSerialNumberOf(Fields(panel).m_strDataPath);
    Fields(panel).m_MemletList = {FixedNote("一", "こんにちは、世界"), FixedNote("二", "abc")};
    ASSERT_EQ(1, panel.writeIniFile());
    CurrentDirectory cd(folder.Path());
    ASSERT_TRUE(cd.ok());
    CMemletDataStore store;
    ASSERT_EQ(2u, store.m_MemletList.size());
    EXPECT_EQ("こんにちは、世界", store.m_MemletList[0].m_strText);
    EXPECT_EQ("abc", store.m_MemletList[1].m_strText);
}

}  // namespace
