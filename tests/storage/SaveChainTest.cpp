#include <gtest/gtest.h>

#include <vector>

#include "StorageTestFiles.h"
#include "StorageTestNotes.h"
#include "framework/MessageBox.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "storage/MemletDataStore.h"

namespace {

const char kOpenError[] = "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";

std::vector<std::pair<std::string, UINT>> g_boxes;

int RecordBox(const std::string& text, UINT type) {
    g_boxes.emplace_back(text, type);
    return IDOK;
}

// "こんにちは", "メモ", "abcd" in CP932, as stored in format 0.
const char kHelloHex[] = "82b182f182c982bf82cd";

class SaveChainTest : public ::testing::Test {
protected:
    TempFolder folder;
    CControlDlg panel;

    void SetUp() override {
        g_boxes.clear();
        SetMessageBoxHook(RecordBox);
        Fields(panel).m_strDataPath = folder.File(L"CorvanaData.ini");
    }
    void TearDown() override { SetMessageBoxHook(nullptr); }
    std::string DataFile() { return ReadBytes(Fields(panel).m_strDataPath); }
};

TEST_F(SaveChainTest, EmptyListThenOneNoteEachFileStartsWithTheHeader) {
    ASSERT_EQ(1, panel.writeIniFile());
    EXPECT_EQ(DataHeader("0", 0), DataFile());

    Fields(panel).m_MemletList.push_back(FixedNote("メモ帳 - 無題", "こんにちは"));
    ASSERT_EQ(1, panel.writeIniFile());
    EXPECT_EQ(DataHeader("0", 1) + FixedSection(0, "メモ帳 - 無題", std::string("TEXTFORMAT=0\r\nTEXT=") + kHelloHex + "\r\n"),
              DataFile());
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(SaveChainTest, ThreeNotesAreWrittenInListOrderAndReadBack) {
    Fields(panel).m_MemletList = {FixedNote("一", "こんにちは"), FixedNote("二", "メモ"), FixedNote("三", "")};
    ASSERT_EQ(1, panel.writeIniFile());
    EXPECT_EQ(DataHeader("0", 3) + FixedSection(0, "一", std::string("TEXTFORMAT=0\r\nTEXT=") + kHelloHex + "\r\n") +
                  FixedSection(1, "二", "TEXTFORMAT=0\r\nTEXT=83818382\r\n") +
                  FixedSection(2, "三", "TEXTFORMAT=0\r\nTEXT=\r\n"),
              DataFile());
    for (const CMemletData& d : Fields(panel).m_MemletList)
        EXPECT_EQ(0, d.m_bDirty);

    std::vector<CMemletData> loaded;
    LoadMemletFile(Fields(panel).m_strDataPath, loaded);
    ASSERT_EQ(3u, loaded.size());
    EXPECT_EQ("一", loaded[0].m_strTitle);
    EXPECT_EQ("こんにちは", loaded[0].m_strText);
    EXPECT_EQ("二", loaded[1].m_strTitle);
    EXPECT_EQ("メモ", loaded[1].m_strText);
    EXPECT_EQ("三", loaded[2].m_strTitle);
    EXPECT_EQ("", loaded[2].m_strText);
}

TEST_F(SaveChainTest, SaveFormatSetsTheHeaderAndEveryFormatKeepsTheText) {
    struct Case {
        int format;
        const char* header;
        const char* textLines;
    } cases[] = {
        {0, "0", "TEXTFORMAT=0\r\nTEXT=61626364\r\n"},
        {1, "1", "TEXTFORMAT=1\r\nTEXT=ae9f9081\r\n"},  // key 0x1a2b3c4d
        {2, "-1", "TEXTFORMAT=0\r\nTEXT=61626364\r\n"},
        {-1, "-1", "TEXTFORMAT=0\r\nTEXT=61626364\r\n"},
    };
    Fields(panel).m_nVolumeSerial = 0x1a2b3c4d;
    Fields(panel).m_MemletList = {FixedNote("t", "abcd")};
    for (const Case& c : cases) {
        Fields(panel).m_nSaveFormat = c.format;
        ASSERT_EQ(1, panel.writeIniFile());
        EXPECT_EQ(DataHeader(c.header, 1) + FixedSection(0, "t", c.textLines), DataFile()) << "format " << c.format;
    }
}

TEST_F(SaveChainTest, LineBreaksInATitleCannotInjectKeys) {
    Fields(panel).m_MemletList = {FixedNote("a\r\nTEXT=41\r\n[MEMLETITEM1]\nTITLE=b", "メモ")};
    ASSERT_EQ(1, panel.writeIniFile());
    EXPECT_EQ(DataHeader("0", 1) + FixedSection(0, "a  TEXT=41  [MEMLETITEM1] TITLE=b", "TEXTFORMAT=0\r\nTEXT=83818382\r\n"),
              DataFile());
    std::vector<CMemletData> loaded;
    LoadMemletFile(Fields(panel).m_strDataPath, loaded);
    ASSERT_EQ(1u, loaded.size());
    EXPECT_EQ("メモ", loaded[0].m_strText);
}

TEST_F(SaveChainTest, LockedDataFileShowsTheMessageAndKeepsEverything) {
    const std::string old = DataHeader("0", 0);
    ASSERT_TRUE(WriteBytes(Fields(panel).m_strDataPath, old));
    Fields(panel).m_MemletList = {FixedNote("一", "こんにちは"), FixedNote("二", "メモ"), FixedNote("三", "")};
    for (CMemletData& d : Fields(panel).m_MemletList)
        d.m_bDirty = 1;
    HANDLE lock = CreateFileW(Fields(panel).m_strDataPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ(0, panel.__writeIniFile());
    CloseHandle(lock);

    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_EQ(kOpenError, g_boxes[0].first);
    EXPECT_EQ((UINT)MB_OK, g_boxes[0].second);
    EXPECT_EQ(old, DataFile());
    EXPECT_FALSE(FileExists(Fields(panel).m_strDataPath + L".tmp"));
    ASSERT_EQ(3u, Fields(panel).m_MemletList.size());
    for (const CMemletData& d : Fields(panel).m_MemletList)
        EXPECT_EQ(1, d.m_bDirty);

    // The flags kept make the next save write every note.
    ASSERT_EQ(1, panel.__writeIniFile());
    EXPECT_EQ(DataHeader("0", 3) + FixedSection(0, "一", std::string("TEXTFORMAT=0\r\nTEXT=") + kHelloHex + "\r\n") +
                  FixedSection(1, "二", "TEXTFORMAT=0\r\nTEXT=83818382\r\n") +
                  FixedSection(2, "三", "TEXTFORMAT=0\r\nTEXT=\r\n"),
              DataFile());
    EXPECT_EQ(1u, g_boxes.size());
}

TEST_F(SaveChainTest, SaveOnChangeWritesOnlyWithSaveTimingOne) {
    Fields(panel).m_MemletList = {FixedNote("t", "")};
    Fields(panel).m_nSaveTiming = 0;
    panel.SaveOnChange();
    EXPECT_FALSE(FileExists(Fields(panel).m_strDataPath));
    Fields(panel).m_nSaveTiming = 1;
    panel.SaveOnChange();
    EXPECT_EQ(DataHeader("0", 1) + FixedSection(0, "t", "TEXTFORMAT=0\r\nTEXT=\r\n"), DataFile());
}

TEST_F(SaveChainTest, WriteIniItemSkipsNotesThatDidNotChange) {
    Fields(panel).m_MemletList = {FixedNote("t", "")};
    Fields(panel).m_MemletList[0].m_bDirty = 0;
    ASSERT_EQ(1, panel.__writeIniFile());
    EXPECT_EQ(DataHeader("0", 1), DataFile());
}

TEST_F(SaveChainTest, PanelTakesTheLoadedNotesFromTheStore) {
    ASSERT_TRUE(WriteBytes(Fields(panel).m_strDataPath,
                           DataHeader("0", 2) + FixedSection(0, "一", "TEXTFORMAT=0\r\nTEXT=83818382\r\n") +
                               FixedSection(1, "二", "TEXTFORMAT=0\r\nTEXT=\r\n")));
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
    CMemletDataStore store;
    SetCurrentDirectoryA(cwd);
    g_pMemletDataStore = &store;
    panel.TakeLoadedData();
    g_pMemletDataStore = nullptr;
    ASSERT_EQ(2u, Fields(panel).m_MemletList.size());
    EXPECT_EQ("一", Fields(panel).m_MemletList[0].m_strTitle);
    EXPECT_EQ("メモ", Fields(panel).m_MemletList[0].m_strText);
    EXPECT_EQ("二", Fields(panel).m_MemletList[1].m_strTitle);
    EXPECT_TRUE(store.m_MemletList.empty());
}

TEST(ControlDlgTest, PublishesItselfAndForgetsOnlyItself) {
    auto* first = new CControlDlg;
    EXPECT_EQ(first, g_pPropatyData);
    EXPECT_EQ(first, g_pControlDlg);
    EXPECT_EQ(50, first->m_nMinWidth);
    EXPECT_EQ(20, first->m_nMinHeight);
    EXPECT_EQ(600, first->m_nMaxWidth);
    EXPECT_EQ(400, first->m_nMaxHeight);
    auto* second = new CControlDlg;
    delete first;  // an older panel going leaves the newer one published
    EXPECT_EQ(second, g_pPropatyData);
    EXPECT_EQ(second, g_pControlDlg);
    delete second;
    EXPECT_EQ(nullptr, g_pPropatyData);
    EXPECT_EQ(nullptr, g_pControlDlg);
}

}  // namespace
