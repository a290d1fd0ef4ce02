// A note whose window cannot be created: this executable has no template
// 131, so every note window fails to open.
#include <gtest/gtest.h>

#include <vector>

#include "framework/Trace.h"
#include "model/MemletData.h"
#include "res/resource.h"

namespace {

// Counts the attempts to open the note.
class CountingNote : public CMemletData {
public:
    void OnMatch(HWND target) override {
        attempts++;
        CMemletData::OnMatch(target);
    }
    int attempts = 0;
};

// The windows of this thread that target owns.
int OwnedWindows(HWND target) {
    struct Count {
        HWND owner;
        int n;
    } count{target, 0};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM p) {
            Count& c = *(Count*)p;
            c.n += GetWindow(h, GW_OWNER) == c.owner;
            return TRUE;
        },
        (LPARAM)&count);
    return count.n;
}

class NoWindow : public testing::Test {
protected:
    void SetUp() override {
        EnableTrace(false);
        target = CreateWindowExW(0, L"Static", L"貼り先", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(target, nullptr);
    }
    void TearDown() override {
        DestroyWindow(target);
        EnableTrace(true);
    }
    HWND target = nullptr;
};

// Never attached and invisible: it stays detached, so the next tick tries again.
TEST_F(NoWindow, RecordStaysDetachedAndTriesAgainOnTheNextTick) {
    ASSERT_EQ(nullptr, FindResourceW(nullptr, MAKEINTRESOURCEW(IDD_MEMLETWIN), (LPCWSTR)RT_DIALOG));
    CountingNote note;
    note.m_nProcessFlag = note.m_nTitleFlag = 0;
    note.m_tAcsDate = 1000;
    CWinInf entry;
    entry.m_hWnd = target;
    std::vector<CWinInf> list{entry};
    for (int tick = 1; tick <= 2; tick++) {
        SCOPED_TRACE(tick);
        note.FindMatch(list);
        EXPECT_EQ(tick, note.attempts);
        EXPECT_EQ(0, note.m_bAttached);
        EXPECT_EQ(nullptr, note.m_pMemletWin);
        EXPECT_EQ(0, note.m_bDirty);
        EXPECT_EQ(1000, note.m_tAcsDate);
    }
    EXPECT_EQ(0, OwnedWindows(target));
}

TEST_F(NoWindow, NoTargetNoAttempt) {
    CMemletData note;
    HWND gone = CreateWindowExW(0, L"Static", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    for (HWND h : {gone, (HWND) nullptr}) {
        note.StartMemlet(h);
        EXPECT_EQ(0, note.m_bAttached);
        EXPECT_EQ(nullptr, note.m_hWndTarget);
    }
}

// Attached without a window (a record marked so by hand): losing it clears
// the flag, stamps the last access, and writes nothing back.
TEST_F(NoWindow, LosingARecordWithoutAWindowOnlyDetachesIt) {
    CMemletData note;
    note.m_bAttached = 1;
    note.m_hWndTarget = target;
    note.m_strText = "そのまま";
    note.m_tAcsDate = 1000;
    note.OnLost();
    EXPECT_EQ(0, note.m_bAttached);
    EXPECT_GT(note.m_tAcsDate, 1000);
    EXPECT_EQ(0, note.m_bDirty);
    EXPECT_EQ("そのまま", note.m_strText);
    note.m_tAcsDate = 1000;
    note.OnLost();  // detached: nothing at all
    EXPECT_EQ(1000, note.m_tAcsDate);
}

}  // namespace
