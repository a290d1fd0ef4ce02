// The records of the export cache and the pending list: the order they
// keep, the serials records get as they enter, the pending list's file.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialogs/ExportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "storage/MemletDataStore.h"
#include "storage/StorageTestFiles.h"

namespace {

CMemletData Record(const char* text) {
    CMemletData d;
    d.m_strText = text;
    d.m_strTitle = "無題 - メモ帳";
    d.m_strExeName = "NOTEPAD.EXE";
    return d;
}

std::string Texts(const std::vector<CMemletData>& list) {
    std::string out;
    for (const CMemletData& d : list)
        out += (out.empty() ? "" : " ") + d.m_strText;
    return out;
}

// Serials are not 0 and no two alike.
void ExpectSerials(const std::vector<CMemletData>& list, std::set<uint64_t>& seen) {
    for (const CMemletData& d : list) {
        EXPECT_NE(0u, d.m_nSerial) << d.m_strText;
        EXPECT_TRUE(seen.insert(d.m_nSerial).second) << d.m_strText;
    }
}

// The pending list beside an empty store of the test's own (the store
// reads its files from the current folder).
class PendingListTest : public testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        ASSERT_TRUE(SetCurrentDirectoryW(m_folder.Path().c_str()));
        m_store = std::make_unique<CMemletDataStore>();
        SetCurrentDirectoryA(cwd);
    }
    TempFolder m_folder;
    std::unique_ptr<CMemletDataStore> m_store;
};

TEST(ExportStack, AppendsCopiesOldestFirstEachWithASerial) {
    CExportStackDlg cache;
    CMemletData a = Record("一"), b = Record("二");
    cache.AddData(a);
    cache.AddData(b);
    cache.AddData(a);  // the same note twice is two records
    EXPECT_EQ("一 二 一", Texts(cache.m_MemletList));
    std::set<uint64_t> seen;
    ExpectSerials(cache.m_MemletList, seen);
    EXPECT_EQ(0u, a.m_nSerial);  // the caller's record is not touched
}

TEST(ExportStack, LeavesTheHubWhenItGoes) {
    {
        CExportStackDlg cache;
        SetExportStackDlg(&cache);
        AddExportStack(Record("一"));
        EXPECT_EQ(1u, cache.m_MemletList.size());
    }
    EXPECT_EQ(nullptr, g_pExportStackDlg);
    AddExportStack(Record("二"));  // nobody there: nothing happens
}

// Parked A, B, C stand C, B, A, and so in the file when every change is saved.
TEST_F(PendingListTest, StandsNewestFirstAndSavesWhenEveryChangeIs) {
    for (int timing : {0, 1}) {
        SCOPED_TRACE(timing);
        CControlDlg panel;  // its save timing, its window not made
        Fields(panel).m_nSaveTiming = timing;
        CPendingDlg pending;
        pending.m_strPath = m_folder.File(L"BriscoPendingList.ini");
        DeleteFileW(pending.m_strPath.c_str());
        for (const char* text : {"A", "B", "C"})
            pending.AddData(Record(text));
        EXPECT_EQ("C B A", Texts(pending.m_PendingList));
        std::set<uint64_t> seen;
        ExpectSerials(pending.m_PendingList, seen);
        std::vector<CMemletData> loaded;
        LoadMemletFile(pending.m_strPath, loaded);
        EXPECT_EQ(timing == 1 ? "C B A" : "", Texts(loaded));
        EXPECT_EQ(timing == 1, FileExists(pending.m_strPath));
    }
}

TEST_F(PendingListTest, TakesTheStoredRecordsAndAnnouncesItself) {
    m_store->m_PendingList = {Record("読み込んだ一"), Record("読み込んだ二")};
    g_pMemletDataStore = m_store.get();
    {
        CPendingDlg pending;
        pending.Initialize(m_folder.File(L"BriscoPendingList.ini"));
        g_pMemletDataStore = nullptr;
        EXPECT_EQ(m_folder.File(L"BriscoPendingList.ini"), pending.m_strPath);
        EXPECT_TRUE(m_store->m_PendingList.empty());
        EXPECT_EQ("読み込んだ一 読み込んだ二", Texts(pending.m_PendingList));
        std::set<uint64_t> seen;
        ExpectSerials(pending.m_PendingList, seen);
        EXPECT_EQ(&pending, g_pPendingDlg);
        AddPendingList(Record("保留へ"));
        EXPECT_EQ("保留へ 読み込んだ一 読み込んだ二", Texts(pending.m_PendingList));
        ExpectSerials({pending.m_PendingList[0]}, seen);
    }
    EXPECT_EQ(nullptr, g_pPendingDlg);
    g_pMemletDataStore = nullptr;
}

}  // namespace
