// Saving everything: every note detached with its state taken back, the
// data file written; nothing before the data path is set.
#include <gtest/gtest.h>

#include <ctime>

#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/PanelFixture.h"
#include "res/resource.h"
#include "storage/MemletDataStore.h"

namespace {

const char kOpenError[] = "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";

using SaveAllTest = PanelTest;

TEST_F(SaveAllTest, DetachesEveryNoteAndWritesTheDataFile) {
    HWND w = Target("保存の的");
    CMemletData open = NoteFor("保存の的");
    open.m_strText = "古い本文";
    CMemletData closed = NoteFor("どこにもない窓");
    closed.m_strText = "閉じた本文";
    closed.m_tAcsDate = LocalTime(2020, 4, 5, 6, 7);
    Fields(m_panel).m_MemletList = {open, closed};
    Tick();
    ASSERT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    ASSERT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
    HWND note = Fields(m_panel).m_MemletList[0].m_pMemletWin->m_hWnd;
    Fields(m_panel).m_MemletList[0].m_pMemletWin->setText("新しい本文");
    RECT placed = WindowRect(note);

    int64_t before = _time64(nullptr);
    EXPECT_EQ(1, m_panel.SaveAll());
    for (const CMemletData& d : Fields(m_panel).m_MemletList) {
        EXPECT_EQ(0, d.m_bAttached);
        EXPECT_EQ(nullptr, d.m_pMemletWin);
        EXPECT_EQ(0, d.m_bDirty);  // written
    }
    EXPECT_FALSE(IsWindow(note));
    EXPECT_EQ("新しい本文", Fields(m_panel).m_MemletList[0].m_strText);
    EXPECT_EQ(placed, Fields(m_panel).m_MemletList[0].m_rectWin);
    EXPECT_GE(Fields(m_panel).m_MemletList[0].m_tAcsDate, before);
    EXPECT_EQ(LocalTime(2020, 4, 5, 6, 7), Fields(m_panel).m_MemletList[1].m_tAcsDate);

    std::vector<CMemletData> loaded;
    LoadMemletFile(DataPath(), loaded);
    ASSERT_EQ(2u, loaded.size());
    EXPECT_EQ("保存の的", loaded[0].m_strTitle);
    EXPECT_EQ("新しい本文", loaded[0].m_strText);
    EXPECT_EQ(placed, loaded[0].m_rectWin);
    EXPECT_EQ("どこにもない窓", loaded[1].m_strTitle);
    EXPECT_EQ("閉じた本文", loaded[1].m_strText);

    // The next tick opens the note again where it was.
    Tick();
    ASSERT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
    EXPECT_EQ(placed, WindowRect(Fields(m_panel).m_MemletList[0].m_pMemletWin->m_hWnd));
}

// Closing the open notes refills the list once, not once for each of them,
// and the list then shows every note.
TEST_F(SaveAllTest, RefillsTheListOnceForAllTheNotesItCloses) {
    HWND w = Target("一度だけの的");
    Fields(m_panel).m_MemletList = {NoteFor("一度だけの的"), NoteFor("一度だけの的"), NoteFor("一度だけの的")};
    Tick();
    for (const CMemletData& d : Fields(m_panel).m_MemletList)
        ASSERT_EQ(w, d.m_hWndTarget);
    CWnd listener;
    CWnd::CreateArgs args;
    ASSERT_TRUE(listener.Create(args));
    const UINT message = RegisterWindowMessageA("WM_SERCH_UPDATE");
    m_panel.SetRefreshListener(listener.m_hWnd, message);

    EXPECT_EQ(1, m_panel.SaveAll());
    m_panel.ClearRefreshListener();
    int refills = 0;
    MSG msg;
    while (PeekMessageW(&msg, listener.m_hWnd, message, message, PM_REMOVE))
        refills++;
    EXPECT_EQ(1, refills);
    EXPECT_EQ(3, Fields(m_panel).m_ListCtrl.GetItemCount());
    for (const CMemletData& d : Fields(m_panel).m_MemletList)
        EXPECT_EQ(0, d.m_bAttached);
    listener.DestroyWindow();
}

TEST_F(SaveAllTest, EmptyListWritesAFileWithoutNotes) {
    EXPECT_EQ(1, m_panel.SaveAll());
    EXPECT_TRUE(FileExists(DataPath()));
    std::vector<CMemletData> loaded;
    LoadMemletFile(DataPath(), loaded);
    EXPECT_TRUE(loaded.empty());
}

TEST_F(SaveAllTest, DataFileThatCannotBeWrittenGivesZeroAndKeepsTheNotes) {
    Fields(m_panel).m_strDataPath = m_folder.File(L"ないフォルダ\\CorvanaData.ini");
    HWND w = Target("書けない的");
    Fields(m_panel).m_MemletList = {NoteFor("書けない的")};
    Tick();
    ASSERT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    EXPECT_EQ(0, m_panel.SaveAll());
    EXPECT_EQ(std::vector<std::string>{kOpenError}, TakeBoxes());
    ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ(0, Fields(m_panel).m_MemletList[0].m_bAttached);
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bDirty);
    // And they come back on the next tick.
    Tick();
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
}

class BeforeDataPathTest : public PanelTest {
protected:
    BeforeDataPathTest() { m_openInSetUp = false; }
};

TEST_F(BeforeDataPathTest, DoesNothingAndReturnsOne) {
    ASSERT_TRUE(m_panel.Create(m_host.m_hWnd));
    m_panel.SetPreSetFilePath(PreSetPath());
    m_panel.SetPropatyFilePath(PropatyPath());
    HWND w = Target("早すぎる保存");
    Fields(m_panel).m_MemletList = {NoteFor("早すぎる保存")};
    Tick();
    ASSERT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    Fields(m_panel).m_strDataPath = DataPath();  // even with a path, until the call
    EXPECT_EQ(1, m_panel.SaveAll());
    EXPECT_FALSE(FileExists(DataPath()));
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
    EXPECT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
}

// The data path call takes over what the store loaded at start-up.
TEST_F(BeforeDataPathTest, DataPathTakesTheStoresNotesChecksThemAndListsThem) {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    ASSERT_TRUE(SetCurrentDirectoryW(m_folder.Path().c_str()));
    CMemletDataStore store;  // no files there: nothing loaded
    SetCurrentDirectoryA(cwd);
    CMemletData first = NoteFor("読み込んだ一");
    first.m_reserve.m_nKind = 0;
    first.m_reserve.m_nDue = 1;  // no reservation can be due
    store.m_MemletList = {first, NoteFor("読み込んだ二")};
    g_pMemletDataStore = &store;
    OpenPanel();
    g_pMemletDataStore = nullptr;
    EXPECT_TRUE(store.m_MemletList.empty());
    ASSERT_EQ(2u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ("読み込んだ一", Fields(m_panel).m_MemletList[0].m_strTitle);
    EXPECT_EQ(0, Fields(m_panel).m_MemletList[0].m_reserve.m_nDue);
    EXPECT_EQ("現在：2 枚", m_panel.GetDlgText(IDC_STATIC_COUNT));
    EXPECT_EQ("読み込んだ二", Fields(m_panel).m_ListCtrl.GetItemText(1, 1));
}

}  // namespace
