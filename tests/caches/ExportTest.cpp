// The export cache: what it writes, what the check boxes do after a save,
// and what a failed save keeps.
#include <gtest/gtest.h>

#include "caches/CachesFixture.h"
#include "framework/FileDialog.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"

namespace {

const char kEmpty[] = "エクスポートキャッシュにデータがありません.";
const char kSaveFailed[] = "エクスポートファイルを保存できませんでした。";
const char kSelect[] = "データを選択してください";

// Both records, written while the program saves its own files transformed:
// the export is plain all the same, every key, every record, in cache order.
TEST_F(CachesTest, ExportWritesEveryRecordPlainWhateverTheSaveFormat) {
    Fields(m_panel).m_nSaveFormat = 1;
    Fields(m_panel).m_nVolumeSerial = kTestVolumeKey;
    for (const CMemletData& d : TwoRecords())
        AddExportStack(d);
    EXPECT_EQ((std::vector<std::string>{"NOTEPAD.EXE|報告書.txt - メモ帳|会議は１５時から 資料を持参",
                                        "MISSING.EXE|無題|"}),
              Rows(m_export.m_ListCtrl));

    // The boxes are ticked from the start: the cache empties and hides.
    m_export.ShowWindow(SW_SHOW);
    std::wstring path = m_folder.File(L"書き出し.qvx");
    ChooseFile(path);
    Press(m_export, IDC_BUTTON_SAVEFILE);
    EXPECT_EQ(FixtureFile(kFileExportTwo), ReadBytes(path));
    std::vector<CFileDialogArgs> asked = FileDialogs();
    ASSERT_EQ(1u, asked.size());
    EXPECT_FALSE(asked[0].open);
    EXPECT_STREQ("qvx", asked[0].defExt);
    EXPECT_STREQ("コルヴァナ(*.qvx)|*.qvx|全てのファイル(*.*)|*.*||", asked[0].filter);
    EXPECT_EQ((DWORD)(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), asked[0].flags);
    EXPECT_TRUE(m_export.m_MemletList.empty());
    EXPECT_TRUE(Rows(m_export.m_ListCtrl).empty());
    EXPECT_FALSE(m_export.IsWindowVisible());
    EXPECT_FALSE(FileExists(PendingPath()));  // the save touches nothing else
}

TEST_F(CachesTest, ExportWithBothBoxesUntickedKeepsRecordsAndStaysOpen) {
    for (const CMemletData& d : TwoRecords())
        AddExportStack(d);
    m_export.ShowWindow(SW_SHOW);
    ::CheckDlgButton(m_export.m_hWnd, IDC_CHECK_CLEARAFTERSAVE, BST_UNCHECKED);
    ::CheckDlgButton(m_export.m_hWnd, IDC_CHECK_CLOSEAFTERSAVE, BST_UNCHECKED);
    std::wstring path = m_folder.File(L"two.qvx");
    ChooseFile(path);
    Press(m_export, IDC_BUTTON_SAVEFILE);
    EXPECT_EQ(FixtureFile(kFileExportTwo), ReadBytes(path));
    EXPECT_EQ("会議は１５時から\r\n資料を持参 -", Texts(m_export.m_MemletList));
    EXPECT_EQ(2u, Rows(m_export.m_ListCtrl).size());
    EXPECT_TRUE(m_export.IsWindowVisible());
}

TEST_F(CachesTest, ExportEmptyOrCancelledWritesNothing) {
    Press(m_export, IDC_BUTTON_SAVEFILE);
    EXPECT_EQ(std::vector<std::string>{kEmpty}, Boxes());
    EXPECT_TRUE(FileDialogs().empty());

    AddExportStack(TwoRecords()[0]);
    m_export.ShowWindow(SW_SHOW);
    ChooseFile(L"");  // cancelled
    Press(m_export, IDC_BUTTON_SAVEFILE);
    EXPECT_EQ(1u, m_export.m_MemletList.size());
    EXPECT_TRUE(m_export.IsWindowVisible());
}

// A file that cannot be written: the user is told, the cache and the
// dialog stay as they were, an old file there is left whole.
TEST_F(CachesTest, ExportThatFailsKeepsCacheDialogAndOldFile) {
    for (const CMemletData& d : TwoRecords())
        AddExportStack(d);
    m_export.ShowWindow(SW_SHOW);
    std::wstring locked = m_folder.File(L"locked.qvx");
    ASSERT_TRUE(WriteBytes(locked, "old bytes\r\n"));
    HANDLE hold = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hold);
    struct Case {
        std::wstring path;
    } cases[] = {{locked}, {m_folder.File(L"ない\\フォルダ\\x.qvx")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ChooseFile(c.path);
        Press(m_export, IDC_BUTTON_SAVEFILE);
        EXPECT_EQ(std::vector<std::string>{kSaveFailed}, Boxes());
        EXPECT_EQ(2u, m_export.m_MemletList.size());
        EXPECT_EQ(2u, Rows(m_export.m_ListCtrl).size());
        EXPECT_TRUE(m_export.IsWindowVisible());
    }
    CloseHandle(hold);
    EXPECT_EQ("old bytes\r\n", ReadBytes(locked));
    EXPECT_FALSE(FileExists(locked + L".tmp"));
}

// "全データ取得" in the panel's order, twice over twice; the copies hold no
// note window, so a note that closes later leaves them whole.
TEST_F(CachesTest, GetAllAppendsDetachedCopiesInPanelOrder) {
    HWND w = Target("取得先");
    for (const char* text : {"古い", "新しい"}) {
        CMemletData d = NoteFor("取得先");
        d.m_strText = text;
        d.m_rectWin = {320, 220, 520, 280};
        InsertMemlet(d);
    }
    Tick();  // both open on their window
    ASSERT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
    // The user moves an open note: the copy takes the window's place.
    ::SetWindowPos(Fields(m_panel).m_MemletList[0].m_pMemletWin->m_hWnd, nullptr, 340, 230, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT live = WindowRect(Fields(m_panel).m_MemletList[0].m_pMemletWin->m_hWnd);
    Press(m_export, IDC_BUTTON_GETALL);
    Press(m_export, IDC_BUTTON_GETALL);
    EXPECT_EQ("新しい 古い 新しい 古い", Texts(m_export.m_MemletList));
    for (const CMemletData& d : m_export.m_MemletList) {
        EXPECT_EQ(nullptr, d.m_pMemletWin);
        EXPECT_EQ(0, d.m_bAttached);
    }
    EXPECT_EQ(live, m_export.m_MemletList[0].m_rectWin);
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);  // the notes stay open
    Targets().Close(w);
    Tick();  // the notes close
    EXPECT_EQ("新しい 古い 新しい 古い", Texts(m_export.m_MemletList));
    EXPECT_TRUE(Boxes().empty());
}

// A note's "エクスポート" reaches the cache: a detached copy, the note stays.
TEST_F(CachesTest, ANotesExportReachesTheCache) {
    Target("書き出し元");
    CMemletData d = NoteFor("書き出し元");
    d.m_strText = "メニューから";
    d.m_rectWin = {320, 220, 520, 280};
    InsertMemlet(d);
    Tick();
    ASSERT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
    CMemletWin* note = Fields(m_panel).m_MemletList[0].m_pMemletWin;
    NotifyCopyToExportStack(note);
    NotifyCopyToExportStack(note);
    EXPECT_EQ("メニューから メニューから", Texts(m_export.m_MemletList));
    EXPECT_EQ(nullptr, m_export.m_MemletList[0].m_pMemletWin);
    EXPECT_EQ(2u, Rows(m_export.m_ListCtrl).size());
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
}

TEST_F(CachesTest, GetAllWithoutNotesAddsNothing) {
    AddExportStack(TwoRecords()[1]);
    Press(m_export, IDC_BUTTON_GETALL);
    EXPECT_EQ("-", Texts(m_export.m_MemletList));
}

// Deleting keeps the selected position: the next record takes the place.
// Without a selection the user is asked for one; a mark past the end does
// nothing. Clearing asks nothing.
TEST_F(CachesTest, ListCommandsOfTheExportCache) {
    for (const char* t : {"一", "二", "三"}) {
        CMemletData d = TwoRecords()[1];
        d.m_strText = t;
        AddExportStack(d);
    }
    Press(m_export, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ(std::vector<std::string>{kSelect}, Boxes());
    Select(m_export.m_ListCtrl, 1);
    Press(m_export, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ("一 三", Texts(m_export.m_MemletList));
    EXPECT_EQ(1, m_export.m_ListCtrl.GetSelectionMark());
    EXPECT_EQ((UINT)LVIS_SELECTED, (UINT)m_export.m_ListCtrl.Send(LVM_GETITEMSTATE, 1, LVIS_SELECTED));
    // The records shrank behind the rows: the mark lies past the end.
    m_export.m_MemletList.pop_back();
    Press(m_export, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ("一", Texts(m_export.m_MemletList));
    EXPECT_TRUE(Boxes().empty());
    Select(m_export.m_ListCtrl, 0);
    Press(m_export, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ("", Texts(m_export.m_MemletList));
    AddExportStack(TwoRecords()[1]);
    Press(m_export, IDC_BUTTON_CLEARDATA);
    EXPECT_TRUE(m_export.m_MemletList.empty());
    EXPECT_TRUE(Rows(m_export.m_ListCtrl).empty());
    EXPECT_TRUE(Boxes().empty());
}

// A line break shows as one space in the rows of all three lists; the
// records keep their text. The import cache reads it from an export file.
TEST_F(CachesTest, LineBreaksInRowsShowAsOneSpace) {
    CMemletData d = TwoRecords()[0];
    d.m_strText = "Meeting at 3pm\r\n日本語テスト\rend\n\r\n";
    const std::string row = "NOTEPAD.EXE|" + d.m_strTitle + "|Meeting at 3pm 日本語テスト end  ";
    AddPendingList(d);
    EXPECT_EQ(std::vector<std::string>{row}, Rows(m_pending.m_ListCtrl));
    EXPECT_EQ(d.m_strText, m_pending.m_PendingList[0].m_strText);

    AddExportStack(d);
    EXPECT_EQ(std::vector<std::string>{row}, Rows(m_export.m_ListCtrl));
    std::wstring path = m_folder.File(L"改行.qvx");
    ChooseFile(path);
    Press(m_export, IDC_BUTTON_SAVEFILE);
    ChooseFile(path);
    Press(m_import, IDC_BUTTON_OPENFILE);
    ASSERT_EQ(1u, m_import.m_MemletList.size());
    EXPECT_EQ(std::vector<std::string>{row}, Rows(m_import.m_ListCtrl));
    EXPECT_EQ(d.m_strText, m_import.m_MemletList[0].m_strText);
}

// The lists' looks: four columns, no images, full rows.
TEST_F(CachesTest, TheThreeListsLookAlike) {
    for (CListCtrl* list : {&m_export.m_ListCtrl, &m_import.m_ListCtrl, &m_pending.m_ListCtrl}) {
        HWND header = (HWND)list->Send(LVM_GETHEADER);
        ASSERT_EQ(4, (int)SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
        const char* names[] = {"ProgramName", "Window Title", "TEXT", "  "};
        int widths[] = {100, 200, 500, 10};
        for (int i = 0; i < 4; i++) {
            wchar_t name[64] = {};
            LVCOLUMNW col{};
            col.mask = LVCF_TEXT | LVCF_WIDTH;
            col.pszText = name;
            col.cchTextMax = 64;
            ASSERT_TRUE(list->Send(LVM_GETCOLUMNW, i, (LPARAM)&col));
            EXPECT_EQ(ToWide(names[i]), std::wstring(name));
            EXPECT_EQ(widths[i], col.cx);
        }
        EXPECT_TRUE(list->GetExtendedStyle() & LVS_EX_FULLROWSELECT);
        EXPECT_EQ(nullptr, (HIMAGELIST)list->Send(LVM_GETIMAGELIST, LVSIL_SMALL));
    }
    EXPECT_TRUE(m_export.m_ListCtrl.GetStyle() & LVS_NOSORTHEADER);
    EXPECT_TRUE(m_import.m_ListCtrl.GetStyle() & LVS_SHOWSELALWAYS);
    EXPECT_TRUE(m_pending.m_ListCtrl.GetStyle() & LVS_SHOWSELALWAYS);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(m_export.m_hWnd, IDC_CHECK_CLEARAFTERSAVE));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(m_export.m_hWnd, IDC_CHECK_CLOSEAFTERSAVE));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(m_import.m_hWnd, IDC_CHECK_CLOSEAFTERIMPORT));
    EXPECT_EQ(&m_export, g_pExportStackDlg);
    EXPECT_EQ(&m_pending, g_pPendingDlg);
    for (CDialog* d : std::initializer_list<CDialog*>{&m_export, &m_import, &m_pending})
        EXPECT_FALSE(d->IsWindowVisible());
}

// Esc and the close box only hide; the records stay.
TEST_F(CachesTest, EscAndCloseBoxOnlyHide) {
    AddExportStack(TwoRecords()[0]);
    for (CDialog* d : std::initializer_list<CDialog*>{&m_export, &m_import, &m_pending}) {
        d->ShowWindow(SW_SHOW);
        d->Send(WM_COMMAND, IDCANCEL);
        EXPECT_FALSE(d->IsWindowVisible());
        EXPECT_TRUE(d->IsWindow());
        d->ShowWindow(SW_SHOW);
        d->Send(WM_SYSCOMMAND, SC_CLOSE);
        PumpFor(100);  // the close box's Cancel comes posted
        EXPECT_FALSE(d->IsWindowVisible());
        EXPECT_TRUE(d->IsWindow());
    }
    EXPECT_EQ(1u, m_export.m_MemletList.size());
}

}  // namespace
