// The caches end to end, with the real Corvana.exe driven from outside: a
// data file through the export cache into an export file, that file through
// the import cache into another folder's data file, and a parked note kept
// over a restart and put back on its window.
#include "e2e/CorvanaTest.h"

#include <commctrl.h>

#include "e2e/Input.h"
#include "e2e/ListView.h"
#include "framework/Text.h"

namespace {

constexpr UINT kShowExportStack = 32798;
constexpr UINT kShowInportStack = 32803;
constexpr UINT kShowPendingList = 32804;
constexpr int kButtonGetAll = 1185;
constexpr int kButtonSaveFile = 3;
constexpr int kButtonOpenFile = 1132;
constexpr int kButtonImportAll = 1133;
constexpr int kListInport = 1131;
constexpr int kButtonActive = 1149;
constexpr int kListPending = 1148;
constexpr UINT kShowMainPanel = 32771;
constexpr int kListPanel = 1002;
constexpr int kButtonToPendingList = 6;
constexpr int kPendingCount = 1097;
// The file name field of the system's file dialogs.
constexpr int kFileNameEdit = 0x480;
constexpr int kFileNameCombo = 0x47c;

std::string Fixture(int id) {
    HRSRC r = FindResourceW(nullptr, MAKEINTRESOURCEW(id), (LPCWSTR)RT_RCDATA);
    HGLOBAL g = r ? LoadResource(nullptr, r) : nullptr;
    const char* p = g ? (const char*)LockResource(g) : nullptr;
    return p ? std::string(p, SizeofResource(nullptr, r)) : std::string();
}
constexpr int kFileExportTwo = 301;
constexpr int kFileImportTwoSaved = 302;

// A visible dialog of the process with this caption, or null.
HWND DialogOf(DWORD pid, const std::string& caption) {
    for (HWND h : TopLevelWindows(pid))
        if (ClassOf(h) == L"#32770" && IsWindowVisible(h) && TextOf(h) == caption)
            return h;
    return nullptr;
}
HWND WaitDialog(DWORD pid, const std::string& caption) {
    HWND h = nullptr;
    WaitFor([&] { return (h = DialogOf(pid, caption)) != nullptr; });
    return h;
}

// A file dialog of the process: the one with a file name field.
HWND FileNameField(HWND dlg) {
    if (HWND e = GetDlgItem(dlg, kFileNameEdit))
        return e;
    // Wine's is a ComboBoxEx: a combo box whose edit holds the name.
    HWND combo = GetDlgItem(dlg, kFileNameCombo);
    if (!combo)
        return nullptr;
    if (ClassOf(combo) == L"ComboBoxEx32")
        return (HWND)SendMessageW(combo, CBEM_GETEDITCONTROL, 0, 0);
    return FindWindowExW(combo, nullptr, L"Edit", nullptr);
}
HWND WaitFileDialog(DWORD pid) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND h : TopLevelWindows(pid))
            if (ClassOf(h) == L"#32770" && IsWindowVisible(h) && FileNameField(h))
                return (found = h) != nullptr;
        return false;
    });
    return found;
}

// The name typed into the dialog and OK pressed, as its user does.
bool ChooseInFileDialog(DWORD pid, const std::wstring& path) {
    HWND dlg = WaitFileDialog(pid);
    if (!dlg)
        return false;
    DWORD_PTR done = 0;
    if (!SendMessageTimeoutW(FileNameField(dlg), WM_SETTEXT, 0, (LPARAM)path.c_str(), SMTO_NORMAL, 10000, &done))
        return false;
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDOK));
    return WaitFor([&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); });
}

// A click on a button, as the button tells its dialog.
bool Press(HWND dlg, int id) {
    return PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dlg, id)) != 0;
}

// The first row of a list chosen with the mouse; on a loaded machine a
// click that came before its window was in front is given again, as its
// user would.
bool ChooseFirstRow(HWND window, HWND list) {
    RECT header = WindowRect((HWND)SendMessageW(list, LVM_GETHEADER, 0, 0));
    for (int i = 0; i < 5; i++) {
        BringToFront(window);
        ClickAt(POINT{header.left + 40, header.bottom + 8});
        if (WaitFor([&] { return SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) == 0; }, 3000))
            return true;
    }
    return false;
}

class CachesRoundTrip : public CorvanaTest {
protected:
    std::wstring File(const CScratchFolder& f, const wchar_t* name) { return f.File(name); }
};

// "全データ取得" and "ファイル保存" write the data file's notes as they are;
// "ファイルを開く", "全インポート実行" and "手動保存" in a fresh folder give
// the same sections, in reverse. The export file's path may hold characters
// CP932 does not have: it is the file chosen that is written and read.
TEST_F(CachesRoundTrip, DataFileThroughExportAndImport) {
    ASSERT_TRUE(WriteFileBytes(DataFile(), Fixture(kFileExportTwo)));
    const std::wstring beyond = m_folder.File(L"caf\u00e9 \u2615");
    ASSERT_TRUE(CreateDirectoryW(beyond.c_str(), nullptr));
    const std::wstring exports[] = {m_folder.File(L"書き出し.qvx"), beyond + L"\\\uba54\ubaa8 \U0001F600.qvx"};
    for (const std::wstring& exported : exports) {
        SCOPED_TRACE(exported);
        ASSERT_NO_FATAL_FAILURE(StartCorvana());
        DWORD pid = m_corvana.Pid();
        ASSERT_TRUE(m_corvana.Command(kShowExportStack));
        HWND exportDlg = WaitDialog(pid, "エクスポートキャッシュ");
        ASSERT_TRUE(exportDlg) << "the export cache was not shown";
        ASSERT_TRUE(Press(exportDlg, kButtonGetAll));
        ASSERT_TRUE(Press(exportDlg, kButtonSaveFile));
        ASSERT_TRUE(ChooseInFileDialog(pid, exported)) << "no save dialog";
        ASSERT_TRUE(WaitForFile(exported));
        EXPECT_EQ(Fixture(kFileExportTwo), ReadFileBytes(exported));
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(exportDlg); })) << "still shown after the save";
        ASSERT_NO_FATAL_FAILURE(Exit());

        CProgramFolder fresh(L"取り込み先");
        ASSERT_TRUE(fresh.Ready());
        CCorvana second(fresh);
        ASSERT_TRUE(second.Start());
        ASSERT_TRUE(second.WaitReady());
        pid = second.Pid();
        ASSERT_TRUE(second.Command(kShowInportStack));
        HWND importDlg = WaitDialog(pid, "インポートキャッシュ");
        ASSERT_TRUE(importDlg) << "the import cache was not shown";
        ASSERT_TRUE(Press(importDlg, kButtonOpenFile));
        ASSERT_TRUE(ChooseInFileDialog(pid, exported)) << "no open dialog";
        ASSERT_TRUE(Press(importDlg, kButtonImportAll));
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(importDlg); })) << "still shown after importing";
        std::wstring data = fresh.File(L"CorvanaData.ini");
        DeleteFileW(data.c_str());
        ASSERT_TRUE(second.Command(kCommandSave));
        ASSERT_TRUE(WaitForFile(data));
        EXPECT_EQ(Fixture(kFileImportTwoSaved), ReadFileBytes(data));
        second.Kill();
    }
}

// An export file whose header counts one of its two notes and whose first
// text is cut short: every note is read, the box says what was read and
// what was wrong, and the file stays as it was, with no copy beside it.
// Before, one note was read, its text empty, and nothing was said.
TEST_F(CachesRoundTrip, ADamagedFileIsReadAsFarAsItIsWholeAndSaid) {
    std::string file = Fixture(kFileExportTwo);
    const size_t count = file.find("MEMLTENUM=2\r\n");
    const size_t cut = file.find("8e9d8e51\r\n");
    ASSERT_NE(count, std::string::npos);
    ASSERT_NE(cut, std::string::npos);
    file.erase(cut + 5, 3);  // one digit of the last character left
    file.replace(count, 11, "MEMLTENUM=1");
    CScratchFolder away(L"傷んだ書き出し");
    const std::wstring path = away.File(L"傷んだ.qvx");
    ASSERT_TRUE(WriteFileBytes(path, file));

    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    DWORD pid = m_corvana.Pid();
    ASSERT_TRUE(m_corvana.Command(kShowInportStack));
    HWND importDlg = WaitDialog(pid, "インポートキャッシュ");
    ASSERT_TRUE(importDlg) << "the import cache was not shown";
    ASSERT_TRUE(Press(importDlg, kButtonOpenFile));
    ASSERT_TRUE(ChooseInFileDialog(pid, path)) << "no open dialog";
    const std::string told = "このファイルに壊れたところが見つかりました。\r\n\r\n" + FromWide(path) +
                             "\r\n  読み込めた付箋: 2枚\r\n  付箋の数の記録が中身と合いません。\r\n"
                             "  途中で切れた本文は、切れる前まで読み込みました。\r\n\r\n"
                             "インポートではファイルを書き換えないので、\r\n控えは作りません。\r\n"
                             "読み込めなかった部分は、ファイルに残っています。";
    ASSERT_TRUE(AnswerMessageBox(pid, told, IDOK)) << "no box telling what was read and what was wrong";
    EXPECT_EQ(2, ListRowCount(GetDlgItem(importDlg, kListInport)));
    EXPECT_EQ(std::vector<std::wstring>{L"傷んだ.qvx"}, away.Files());
    EXPECT_EQ(file, ReadFileBytes(path));

    ASSERT_TRUE(Press(importDlg, kButtonImportAll));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(importDlg); })) << "still shown after importing";
    CIniText saved = Save();
    ASSERT_EQ(2, saved.NoteCount());
    // The last record goes first.
    EXPECT_EQ("会議は１５時から\r\n資料を持", saved.NoteText(1));
    EXPECT_EQ("", saved.NoteText(0));
    EXPECT_TRUE(MessageBoxes(pid).empty());
}

// A note on notepad parked with the panel's "保留リストに移動" stays parked
// over an exit and a restart, and "ACTIVEに戻す" opens it on notepad again.
TEST_F(CachesRoundTrip, ParkedNoteComesBackOnItsWindow) {
    std::string data = "[SYSTEM]\r\nAPPNAME=Corvana\r\nSAVEFORMAT=0\r\nMEMLTENUM=1\r\n[MEMLETITEM0]\r\n"
                       "TITLEFLAG=0\r\nPRECESSEFLAG=1\r\nEXTENTFLAG=0\r\nTITLE=メモ帳\r\nEXENAME=NOTEPAD.EXE\r\n"
                       "REC_TOP=200\r\nREC_BOTTOM=260\r\nREC_LEFT=300\r\nREC_RIGHT=500\r\n"
                       "TEXTFORMAT=0\r\nTEXT=" +
                       HexOf("保留中の付箋") + "\r\n";
    ASSERT_TRUE(WriteFileBytes(DataFile(), data));
    std::wstring pendingFile = m_folder.File(L"BriscoPendingList.ini");
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    DWORD pid = m_corvana.Pid();
    ASSERT_TRUE(WaitForNoteOn(m_notepad.Window())) << "the note did not open on notepad";
    ASSERT_TRUE(m_corvana.Command(kShowMainPanel));
    HWND main = m_corvana.MainWindow();
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != 0; }));
    HWND panel = FindWindowExW(main, nullptr, L"#32770", nullptr);
    ASSERT_TRUE(panel);
    ASSERT_TRUE(ChooseFirstRow(main, GetDlgItem(panel, kListPanel)));
    ASSERT_TRUE(Press(panel, kButtonToPendingList));
    ASSERT_TRUE(WaitFor([&] { return NoteOwnedBy(pid, m_notepad.Window()) == nullptr; })) << "still open";
    ASSERT_NO_FATAL_FAILURE(Exit());
    CIniText kept = CIniText::Load(pendingFile);
    EXPECT_EQ(1, kept.NoteCount());
    EXPECT_EQ("保留中の付箋", kept.NoteText(0));
    EXPECT_EQ(0, CIniText::Load(DataFile()).NoteCount());

    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    pid = m_corvana.Pid();
    ASSERT_TRUE(m_corvana.Command(kShowPendingList));
    HWND dlg = WaitDialog(pid, "保留リスト");
    ASSERT_TRUE(dlg) << "the pending list was not shown";
    EXPECT_EQ("1", TextOf(GetDlgItem(dlg, kPendingCount)));
    EXPECT_EQ(nullptr, NoteOwnedBy(pid, m_notepad.Window()));
    ASSERT_TRUE(ChooseFirstRow(dlg, GetDlgItem(dlg, kListPending)));
    ASSERT_TRUE(Press(dlg, kButtonActive));
    HWND note = WaitForNoteOn(m_notepad.Window());
    ASSERT_TRUE(note) << "the note did not open on notepad";
    EXPECT_EQ("保留中の付箋", NoteTextOf(note));
    EXPECT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(dlg, kPendingCount)) == "0"; }));
    ASSERT_NO_FATAL_FAILURE(Exit());
    EXPECT_EQ(0, CIniText::Load(pendingFile).NoteCount());
    EXPECT_EQ(1, CIniText::Load(DataFile()).NoteCount());
}

// The main window's buttons and the icon's commands show a hidden dialog
// centred on the desktop; one already shown stays where it is, and Esc
// only hides it.
TEST_F(CachesRoundTrip, ShownCentredOnceAndLeftWhereItIs) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    DWORD pid = m_corvana.Pid();
    HWND main = m_corvana.MainWindow();
    struct Case {
        const char* caption;
        int button;
        UINT command;
    } cases[] = {{"エクスポートキャッシュ", 3, kShowExportStack},
                 {"インポートキャッシュ", 1133, kShowInportStack},
                 {"保留リスト", 6, kShowPendingList}};
    RECT desk = WindowRect(GetDesktopWindow());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(nullptr, DialogOf(pid, c.caption));
        ASSERT_TRUE(Press(main, c.button));
        HWND dlg = WaitDialog(pid, c.caption);
        ASSERT_TRUE(dlg);
        RECT r = WindowRect(dlg);
        EXPECT_NEAR((desk.left + desk.right) / 2, (r.left + r.right) / 2, 1) << r;
        EXPECT_NEAR((desk.top + desk.bottom) / 2, (r.top + r.bottom) / 2, 1) << r;
        ASSERT_TRUE(SetWindowPos(dlg, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
        ASSERT_TRUE(m_corvana.Command(c.command));
        ASSERT_TRUE(m_corvana.Alive());  // the command has been handled
        EXPECT_EQ(10, WindowRect(dlg).left);
        EXPECT_EQ(20, WindowRect(dlg).top);
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(dlg); }));
        EXPECT_TRUE(IsWindow(dlg));
    }
    EXPECT_FALSE(IsWindowVisible(main));
}

}  // namespace
