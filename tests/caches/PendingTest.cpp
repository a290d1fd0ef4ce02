// The pending list: its order, its file, and the four commands on a row,
// also while other notes are parked during a question or a window choice.
#include <gtest/gtest.h>

#include "caches/CachesFixture.h"
#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "res/resource.h"
#include "storage/IniSection.h"
#include "storage/MemletDataStore.h"
#include "storage/StorageTestFiles.h"

namespace {

const char kSelect[] = "データを選択してください";
const char kDeleteQuestion[] = "選択したデータを削除してよろしいですか.？";
const char kSaveError[] = "保留リストのファイル(BriscoPendingList.ini)に書き込めません.保留リストの変更は保存されていません。";
const char kDataSaveError[] = "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";
const char kWindowSelCaption[] = "ウィンドウ選択";

class PendingTest : public CachesTest {
protected:
    void Park(const char* letters) {
        for (const char* p = letters; *p; p++)
            AddPendingList(PendingRecord(*p));
    }
    std::string Count() const { return m_pending.GetDlgText(IDC_STATIC_PENDINGCOUNT); }
    std::string Stored() const {
        std::vector<CMemletData> loaded;
        LoadMemletFile(PendingPath(), loaded);
        return Texts(loaded);
    }
    std::string StoredData() const {
        std::vector<CMemletData> loaded;
        LoadMemletFile(DataPath(), loaded);
        return Texts(loaded);
    }
    // "動くX" and "残る" in the panel's list, "保留Y" parked; both files saved.
    void SavedXAndY() {
        Fields(m_panel).m_MemletList.clear();
        m_pending.m_PendingList.clear();
        for (const char* text : {"残る", "動くX"}) {
            CMemletData d = NoteFor("どこにもない窓");
            d.m_strText = text;
            InsertMemlet(d);
        }
        Park("Y");
        ASSERT_EQ(1, m_panel.SaveAll());
        ASSERT_EQ("動くX 残る", StoredData());
        ASSERT_EQ("保留Y", Stored());
    }
    // "保留リストに移動" of 動くX on the panel; "ACTIVEに戻す" of 保留Y.
    void ParkX() {
        Select(Fields(m_panel).m_ListCtrl, 0);
        Press(m_panel, IDC_BUTTON_PENDINGLIST);
    }
    void GiveBackY() {
        Select(m_pending.m_ListCtrl, (int)m_pending.m_PendingList.size() - 1);
        Press(m_pending, IDC_BUTTON_ACTIVE);
    }
    // The file held open by another program, which shares nothing.
    static HANDLE Hold(const std::wstring& path) {
        return CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    // An open note on a window of the helper, as the user parks it from its menu.
    CMemletWin* OpenNote(const std::string& title, const std::string& text) {
        CMemletData d = NoteFor(title);
        d.m_strText = text;
        d.m_rectWin = {320, 220, 520, 280};
        InsertMemlet(d);
        Tick();
        return Fields(m_panel).m_MemletList[0].m_bAttached ? Fields(m_panel).m_MemletList[0].m_pMemletWin : nullptr;
    }
};

// Parked A, B, C stand C, B, A; written whole, transformed with the panel's
// key, C first; at timing 1 on each change, at timing 0 only by a save of all.
TEST_F(PendingTest, TheFileAfterParkingThree) {
    Fields(m_panel).m_nSaveFormat = 1;
    Fields(m_panel).m_nVolumeSerial = kTestVolumeKey;
    for (int timing : {0, 1}) {
        SCOPED_TRACE(timing);
        Fields(m_panel).m_nSaveTiming = timing;
        m_pending.m_PendingList.clear();
        DeleteFileW(PendingPath().c_str());
        Park("ABC");
        EXPECT_EQ((std::vector<std::string>{"NOTEPAD.EXE|C.txt - メモ帳|保留C", "NOTEPAD.EXE|B.txt - メモ帳|保留B",
                                            "NOTEPAD.EXE|A.txt - メモ帳|保留A"}),
                  Rows(m_pending.m_ListCtrl));
        EXPECT_EQ("3", Count());
        if (timing == 0) {
            EXPECT_FALSE(FileExists(PendingPath()));
            EXPECT_EQ(1, m_panel.SaveAll());
        }
        EXPECT_EQ(FixtureFile(kFilePendingCba), ReadBytes(PendingPath()));
    }
    // Each change at timing 1 rewrites it; an empty list has no section.
    Select(m_pending.m_ListCtrl, 0);
    Press(m_pending, IDC_BUTTON_ACTIVE);
    EXPECT_EQ("2", Count());
    EXPECT_EQ("Ver.:1.1.6.193", CIniSection("SYSTEM", PendingPath()).GetString("VERSION", "", 1024));
    EXPECT_EQ("2", CIniSection("SYSTEM", PendingPath()).GetString("MEMLTENUM", "", 1024));
    Answer(IDYES);
    Press(m_pending, IDC_BUTTON_DELETEDATA);
    Answer(IDYES);
    Press(m_pending, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ((std::vector<std::string>{kDeleteQuestion, kDeleteQuestion}), Boxes());
    EXPECT_EQ("0", Count());
    EXPECT_EQ(FixtureFile(kFilePendingEmpty), ReadBytes(PendingPath()));
}

// At timing 0 no command touches the file; the next save of all does.
TEST_F(PendingTest, AtTimingZeroOnlyASaveOfAllWrites) {
    HWND w = Target("置き場", 100, 100, 600, 400);
    Tick();
    Park("ABCD");
    ASSERT_EQ(1, m_panel.SaveAll());
    const std::string before = ReadBytes(PendingPath());
    Park("E");
    Select(m_pending.m_ListCtrl, 0);
    Press(m_pending, IDC_BUTTON_ACTIVE);
    Answer(IDYES);
    Press(m_pending, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ(std::vector<std::string>{kDeleteQuestion}, Boxes());
    {
        CModalScript script(kWindowSelCaption, [&](HWND dlg) { EXPECT_TRUE(ChooseWindow(dlg, w)); });
        Press(m_pending, IDC_BUTTON_PENDINGREPLACE);
    }
    EXPECT_EQ("保留B 保留A", Texts(m_pending.m_PendingList));
    EXPECT_EQ(before, ReadBytes(PendingPath()));
    EXPECT_EQ(1, m_panel.SaveAll());
    EXPECT_EQ("保留B 保留A", Stored());
}

// The panel's own key, and the list back after a restart.
TEST_F(PendingTest, ARestartBringsItBack) {
    Park("ABC");
    EXPECT_EQ(1, m_panel.SaveAll());
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    ASSERT_TRUE(SetCurrentDirectoryW(m_folder.Path().c_str()));
    CMemletDataStore store;
    SetCurrentDirectoryA(cwd);
    CPendingDlg again;
    g_pMemletDataStore = &store;
    ASSERT_TRUE(again.Create(m_host.m_hWnd));
    again.Initialize(PendingPath());
    g_pMemletDataStore = nullptr;
    EXPECT_EQ("保留C 保留B 保留A", Texts(again.m_PendingList));
    EXPECT_EQ(3u, Rows(again.m_ListCtrl).size());
    EXPECT_EQ("3", again.GetDlgText(IDC_STATIC_PENDINGCOUNT));
    again.DestroyWindow();
    SetPendingDlg(&m_pending);
}

// A pending list that cannot be written is not a quiet success: the user is
// told, and the save of all says it failed.
TEST_F(PendingTest, AFailedWriteIsReported) {
    Park("A");
    ASSERT_EQ(1, m_panel.SaveAll());
    HANDLE hold = CreateFileW(PendingPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hold);
    Park("B");
    EXPECT_EQ(0, m_panel.SaveAll());
    EXPECT_EQ(std::vector<std::string>{kSaveError}, Boxes());
    Fields(m_panel).m_nSaveTiming = 1;
    Park("C");
    EXPECT_EQ(std::vector<std::string>{kSaveError}, Boxes());
    CloseHandle(hold);
    EXPECT_EQ("保留A", Stored());
    EXPECT_EQ(1, m_panel.SaveAll());
    EXPECT_EQ("保留C 保留B 保留A", Stored());
}

// Both files held by another program: a save of all shows two boxes, the
// data file's and then the pending list's, each naming its own file.
TEST_F(PendingTest, BothFilesUnwritableGiveTwoBoxesThatTellWhich) {
    Park("A");
    Fields(m_panel).m_MemletList = {NoteFor("どこにもない窓")};
    ASSERT_EQ(1, m_panel.SaveAll());
    HANDLE holds[] = {CreateFileW(DataPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
                      CreateFileW(PendingPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)};
    for (HANDLE h : holds)
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
    EXPECT_EQ(0, m_panel.SaveAll());
    const std::vector<std::string> boxes = Boxes();
    for (HANDLE h : holds)
        CloseHandle(h);
    ASSERT_EQ((std::vector<std::string>{kDataSaveError, kSaveError}), boxes);
    EXPECT_NE(boxes[0], boxes[1]);
    EXPECT_NE(std::string::npos, boxes[0].find("設定ファイル"));
    EXPECT_EQ(std::string::npos, boxes[0].find("保留リスト"));
    EXPECT_NE(std::string::npos, boxes[1].find("保留リスト"));
    EXPECT_NE(std::string::npos, boxes[1].find("BriscoPendingList.ini"));
}

// A note moved between the panel's list and the pending list, and the file
// it went to cannot be written at the save of all: it stays in the file it
// came from, whatever else moved; the next save puts each note in its place.
TEST_F(PendingTest, AMovedNoteStaysInAFileWhenTheOtherCannotBeWritten) {
    const struct {
        const char* what;
        bool park;        // "保留リストに移動" of the panel's 動くX
        bool giveBack;    // "ACTIVEに戻す" of the pending list's 保留Y
        bool dataHeld;    // which file another program holds
        const char* box;
        const char* data;     // the texts in the files after the failed save
        const char* pending;
    } cases[] = {
        {"parked, the pending list held", true, false, false, kSaveError, "残る 動くX", "保留Y"},
        {"given back, the data file held", false, true, true, kDataSaveError, "動くX 残る", "保留Y"},
        {"parked, the data file held", true, false, true, kDataSaveError, "動くX 残る", "動くX 保留Y"},
        {"given back, the pending list held", false, true, false, kSaveError, "保留Y 動くX 残る", "保留Y"},
        {"both ways, the data file held", true, true, true, kDataSaveError, "動くX 残る", "動くX 保留Y"},
        {"both ways, the pending list held", true, true, false, kSaveError, "保留Y 残る 動くX", "保留Y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(SavedXAndY());
        if (c.park)
            ParkX();
        if (c.giveBack)
            GiveBackY();
        const std::string after = PanelTexts(), afterPending = Texts(m_pending.m_PendingList);
        HANDLE hold = Hold(c.dataHeld ? DataPath() : PendingPath());
        ASSERT_NE(INVALID_HANDLE_VALUE, hold);
        EXPECT_EQ(0, m_panel.SaveAll());
        CloseHandle(hold);
        EXPECT_EQ(std::vector<std::string>{c.box}, Boxes());
        EXPECT_EQ(c.data, StoredData());
        EXPECT_EQ(c.pending, Stored());
        EXPECT_FALSE(FileExists(DataPath() + L".tmp"));
        EXPECT_FALSE(FileExists(PendingPath() + L".tmp"));

        ASSERT_EQ(1, m_panel.SaveAll());
        EXPECT_EQ(after, StoredData());
        EXPECT_EQ(afterPending, Stored());
        EXPECT_TRUE(Boxes().empty());
    }
}

// Saving on every change, the file a note goes to is written first; when it
// cannot be, the file the note left keeps it.
TEST_F(PendingTest, AtTimingOneAMovedNoteStaysInAFileWhenTheOtherCannotBeWritten) {
    const struct {
        const char* what;
        bool park;
        bool dataHeld;
        const char* box;
        const char* data;
        const char* pending;
    } cases[] = {
        {"parked, the pending list held", true, false, kSaveError, "残る 動くX", "保留Y"},
        {"given back, the data file held", false, true, kDataSaveError, "動くX 残る", "保留Y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(SavedXAndY());
        Fields(m_panel).m_nSaveTiming = 1;
        HANDLE hold = Hold(c.dataHeld ? DataPath() : PendingPath());
        ASSERT_NE(INVALID_HANDLE_VALUE, hold);
        if (c.park)
            ParkX();
        else
            GiveBackY();
        CloseHandle(hold);
        Fields(m_panel).m_nSaveTiming = 0;
        EXPECT_EQ(std::vector<std::string>{c.box}, Boxes());
        EXPECT_EQ(c.data, StoredData());
        EXPECT_EQ(c.pending, Stored());
        const std::string after = PanelTexts(), afterPending = Texts(m_pending.m_PendingList);
        ASSERT_EQ(1, m_panel.SaveAll());
        EXPECT_EQ(after, StoredData());
        EXPECT_EQ(afterPending, Stored());
    }
}

TEST_F(PendingTest, ASaveOfAllWithoutAPendingListSucceeds) {
    SetPendingDlg(nullptr);
    EXPECT_EQ(1, SavePendingList());
    EXPECT_EQ(1, m_panel.SaveAll());
    SetPendingDlg(&m_pending);
}

// No selection: asked for one; a mark past the end: nothing at all.
TEST_F(PendingTest, CommandsWithoutARow) {
    Park("ABC");
    int ids[] = {IDC_BUTTON_ACTIVE, IDC_BUTTON_DELETEDATA, IDC_BUTTON_PENDINGEXPORT, IDC_BUTTON_PENDINGREPLACE};
    for (int id : ids) {
        SCOPED_TRACE(id);
        Select(m_pending.m_ListCtrl, -1);
        Press(m_pending, id);
        EXPECT_EQ(std::vector<std::string>{kSelect}, Boxes());
        // The records shrank behind the rows: the mark lies past the end.
        Select(m_pending.m_ListCtrl, 2);
        CMemletData last = m_pending.m_PendingList.back();
        m_pending.m_PendingList.pop_back();
        Press(m_pending, id);
        EXPECT_TRUE(Boxes().empty());
        m_pending.m_PendingList.push_back(last);
    }
    EXPECT_EQ("保留C 保留B 保留A", Texts(m_pending.m_PendingList));
    EXPECT_EQ("", PanelTexts());
    EXPECT_TRUE(m_export.m_MemletList.empty());
}

// "ACTIVEに戻す" hands the record to the panel's front; "エクスポート" copies
// it and keeps it; "削除" with No keeps it.
TEST_F(PendingTest, ActiveExportAndDeleteNo) {
    Park("ABC");
    Select(m_pending.m_ListCtrl, 1);
    Press(m_pending, IDC_BUTTON_PENDINGEXPORT);
    Press(m_pending, IDC_BUTTON_PENDINGEXPORT);
    EXPECT_EQ("保留B 保留B", Texts(m_export.m_MemletList));
    EXPECT_EQ("保留C 保留B 保留A", Texts(m_pending.m_PendingList));
    Answer(IDNO);
    Press(m_pending, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ(std::vector<std::string>{kDeleteQuestion}, Boxes());
    EXPECT_EQ("保留C 保留B 保留A", Texts(m_pending.m_PendingList));
    Press(m_pending, IDC_BUTTON_ACTIVE);
    EXPECT_EQ("保留C 保留A", Texts(m_pending.m_PendingList));
    EXPECT_EQ(1, m_pending.m_ListCtrl.GetSelectionMark());  // the position stays
    EXPECT_EQ("保留B", PanelTexts());
    EXPECT_FALSE(FileExists(PendingPath()));  // timing 0
}

// A note parked from its menu while the question is open moves the rows:
// the record chosen is deleted all the same, and the new one stays.
TEST_F(PendingTest, DeleteActsOnTheRecordChosenWhileNotesArrive) {
    Target("保留元");
    CMemletWin* note = OpenNote("保留元", "あとから");
    ASSERT_NE(nullptr, note);
    Park("AB");
    Select(m_pending.m_ListCtrl, 0);  // B
    Answer(IDYES, [&] { NotifyMovePendingList(note); });
    Press(m_pending, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ(std::vector<std::string>{kDeleteQuestion}, Boxes());
    EXPECT_EQ("あとから 保留A", Texts(m_pending.m_PendingList));
    EXPECT_EQ("2", Count());

    // The chosen record gone meanwhile: nothing else is deleted.
    Select(m_pending.m_ListCtrl, 1);  // A
    Answer(IDYES, [&] { m_pending.m_PendingList.pop_back(); });
    Press(m_pending, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ(std::vector<std::string>{kDeleteQuestion}, Boxes());
    EXPECT_EQ("あとから", Texts(m_pending.m_PendingList));
}

// "貼り替え": cancelled keeps the record; chosen, the record leaves the list
// before the panel pastes it on the window, first, even when a note was
// parked while the choice was open.
TEST_F(PendingTest, ReplaceActsOnTheRecordChosen) {
    HWND w = Target("貼り替え先", 100, 100, 600, 400);
    CMemletWin* note = OpenNote("貼り替え先", "途中で保留");
    ASSERT_NE(nullptr, note);
    Fields(m_panel).m_nSaveTiming = 1;
    Park("AB");
    Select(m_pending.m_ListCtrl, 1);  // A
    {
        CModalScript script(kWindowSelCaption, [](HWND dlg) { CancelDialog(dlg); });
        Press(m_pending, IDC_BUTTON_PENDINGREPLACE);
        EXPECT_TRUE(script.Ran());
    }
    EXPECT_EQ("保留B 保留A", Texts(m_pending.m_PendingList));
    {
        CModalScript script(kWindowSelCaption, [&](HWND dlg) {
            NotifyMovePendingList(note);
            EXPECT_TRUE(ChooseWindow(dlg, w));
        });
        Press(m_pending, IDC_BUTTON_PENDINGREPLACE);
        EXPECT_TRUE(script.Ran());
    }
    EXPECT_EQ("途中で保留 保留B", Texts(m_pending.m_PendingList));
    EXPECT_EQ("途中で保留 保留B", Stored());
    ASSERT_EQ(1u, Fields(m_panel).m_MemletList.size());
    const CMemletData& pasted = Fields(m_panel).m_MemletList[0];
    EXPECT_EQ("保留A", pasted.m_strText);
    EXPECT_EQ("貼り替え先", pasted.m_strTitle);
    EXPECT_EQ(kTargetsExeName, pasted.m_strExeName);
    EXPECT_EQ(RECT({100, 100, 700, 500}), pasted.m_rectTarget);
    EXPECT_EQ(RECT({300, 270, 500, 330}), pasted.m_rectWin);  // 200 x 60, centred
    EXPECT_EQ("2", Count());
}

TEST_F(PendingTest, TheCountIsOnItsOwnColour) {
    Park("A");
    HWND count = m_pending.GetDlgItem(IDC_STATIC_PENDINGCOUNT);
    HDC dc = GetDC(count);
    HBRUSH b = (HBRUSH)m_pending.Send(WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)count);
    ReleaseDC(count, dc);
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObjectW(b, sizeof lb, &lb));
    EXPECT_EQ(RGB(255, 255, 180), lb.lbColor);
}

}  // namespace
