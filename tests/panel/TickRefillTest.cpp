// Notes that close during one tracking tick: the list is refilled and the
// data file saved once after the tick, not once for each note, and both
// then show every note's state as it was taken back from its window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/NotifyFixture.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"

namespace {

constexpr const char* kClosing = "まとめて閉じる窓";
constexpr const char* kStaying = "残る窓";

// Four notes on one window, one on another, one on no window; the search
// panel's refresh message counted on a window of the test's own.
class TickRefillTest : public NotifyTest {
protected:
    void SetUp() override {
        NotifyTest::SetUp();
        if (HasFatalFailure())
            return;
        m_closing = Target(kClosing, 300, 200, 400, 300);
        m_staying = Target(kStaying, 760, 150, 400, 300);
        SetNotes({Note("一", kClosing, RECT{320, 220, 520, 280}), Note("残", kStaying, RECT{780, 170, 980, 230}),
                  Note("二", kClosing, RECT{330, 290, 530, 350}), Note("眠", "どこにもない窓", RECT{10, 10, 210, 70}),
                  Note("三", kClosing, RECT{340, 360, 540, 420}), Note("四", kClosing, RECT{350, 430, 550, 490})});
        for (const char* open : {"一", "残", "二", "三", "四"})
            ASSERT_NE(nullptr, NoteOf(open)) << open;
        CWnd::CreateArgs args;
        ASSERT_TRUE(m_listener.Create(args));
        m_panel.SetRefreshListener(m_listener.m_hWnd, kRefreshMessage);
        m_panel.UpdateList();
        Refills();
        m_refreshes.clear();
    }
    void TearDown() override {
        m_panel.ClearRefreshListener();
        m_listener.DestroyWindow();
        NotifyTest::TearDown();
    }

    // The refresh messages posted since the last call.
    int Refills() {
        int n = 0;
        MSG msg;
        while (PeekMessageW(&msg, m_listener.m_hWnd, kRefreshMessage, kRefreshMessage, PM_REMOVE))
            n++;
        return n;
    }
    // Each note on the closing window written on, so that its taken-back
    // state differs from its stored one.
    void WriteOnTheClosingNotes() {
        for (const char* text : {"一", "二", "三", "四"})
            NoteOf(text)->setText(std::string(text) + "・書き足し");
    }

    const UINT kRefreshMessage = RegisterWindowMessageA("WM_SERCH_UPDATE");
    HWND m_closing = nullptr;
    HWND m_staying = nullptr;
    CWnd m_listener;
};

TEST_F(TickRefillTest, WindowClosingWithNotesRefillsAndSavesOnceAfterTheTick) {
    WriteOnTheClosingNotes();
    m_panel.SelectItem(2);
    Refills();
    Targets().Close(m_closing);
    DeleteFileW(DataPath().c_str());
    Tick();

    EXPECT_EQ(1, Refills());
    for (const char* text : {"一・書き足し", "二・書き足し", "三・書き足し", "四・書き足し"}) {
        const CMemletData* d = Find(text);
        ASSERT_NE(nullptr, d) << text;
        EXPECT_EQ(0, d->m_bAttached) << text;
        EXPECT_EQ(nullptr, d->m_pMemletWin) << text;
    }
    ASSERT_NE(nullptr, NoteOf("残"));
    EXPECT_EQ(0, StrayNotes());

    // The list: every record in list order, the count, the row kept marked.
    CListCtrl& list = Fields(m_panel).m_ListCtrl;
    const std::vector<CMemletData>& records = Fields(m_panel).m_MemletList;
    ASSERT_EQ((int)records.size(), list.GetItemCount());
    for (int row = 0; row < (int)records.size(); row++)
        EXPECT_EQ(records[row].m_strTitle, list.GetItemText(row, 1)) << row;
    EXPECT_EQ("現在：6 枚", m_panel.GetDlgText(IDC_STATIC_COUNT));
    EXPECT_EQ(2, list.GetSelectionMark());
    EXPECT_EQ((LRESULT)LVIS_SELECTED, ListView_GetItemState(list.m_hWnd, 2, LVIS_SELECTED));

    // The one save wrote the list as it stands after the tick: what a save
    // for each note would have left, byte for byte what a full save writes.
    EXPECT_EQ("一・書き足し 残 二・書き足し 眠 三・書き足し 四・書き足し", FileLabels(DataPath()));
    std::string saved = ReadBytes(DataPath());
    ASSERT_EQ(1, m_panel.writeIniFile());
    EXPECT_EQ(ReadBytes(DataPath()), saved);
}

// A failed save says so once, after the tick, not once for each note.
TEST_F(TickRefillTest, SaveThatFailsAfterTheTickAsksOnce) {
    Fields(m_panel).m_strDataPath = m_folder.File(L"ないフォルダ\\CorvanaData.ini");
    Targets().Close(m_closing);
    Tick();
    EXPECT_EQ(std::vector<std::string>{kSaveError}, TakeBoxes());
    EXPECT_EQ(1, Refills());
    for (const char* text : {"一", "二", "三", "四"})
        EXPECT_EQ(1, Find(text)->m_bDirty) << text;
}

// Ticks that close nothing refill nothing; a note closed outside a tick
// still shows at once; the next tick does not refill again for it.
TEST_F(TickRefillTest, OnlyTicksThatCloseNotesRefillAndClosingOutsideATickShowsAtOnce) {
    Tick();
    EXPECT_EQ(0, Refills());
    EXPECT_FALSE(FileExists(DataPath()));

    Find("残")->EndMemlet();
    EXPECT_EQ(1, Refills());
    EXPECT_TRUE(FileExists(DataPath()));
    DeleteFileW(DataPath().c_str());
    // Opened again: no refill for that either.
    Tick();
    EXPECT_NE(nullptr, NoteOf("残"));
    EXPECT_EQ(0, Refills());
    EXPECT_FALSE(FileExists(DataPath()));

    Targets().Close(m_staying);
    Tick();
    EXPECT_EQ(1, Refills());
    Tick();
    EXPECT_EQ(0, Refills());
}

}  // namespace
