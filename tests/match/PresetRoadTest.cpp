// The per-application presets end to end, on the real Corvana.exe: made
// from a running window of another program through the panel's button, the
// dialogs driven from outside as their user drives them (rows clicked with
// the mouse), written to the preset file, applied by the hot-key paste and
// read again at the next start.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "e2e/CorvanaTest.h"
#include "e2e/Input.h"
#include "framework/TargetProcess.h"
#include "res/resource.h"

namespace {

const char kHelperExe[] = "CORVANA_TARGETS.EXE";
const char kListCaption[] = "アプリケーション別マッチング条件プリセット";
const char kSettingCaption[] = "プリセット条件設定";
const char kWinExCaption[] = "プロセス＆拡張条件選択";
const char kChildCaption[] = "子ウィンドウ条件選択";
const char kOpenError[] = "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";

// A list view of another process, read and clicked from outside: its
// messages carry pointers, which must point into that process.
class CRemoteList {
public:
    explicit CRemoteList(HWND list) : m_list(list) {
        DWORD pid = 0;
        GetWindowThreadProcessId(list, &pid);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process)
            m_remote = (char*)VirtualAllocEx(m_process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    }
    ~CRemoteList() {
        if (m_remote)
            VirtualFreeEx(m_process, m_remote, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    int Count() const { return (int)SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0); }
    int Mark() const { return (int)SendMessageW(m_list, LVM_GETSELECTIONMARK, 0, 0); }
    std::string Text(int row, int column) const {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = m_remote + 512;
        item.cchTextMax = 1024;
        SIZE_T n = 0;
        if (!m_remote || !WriteProcessMemory(m_process, m_remote, &item, sizeof item, &n))
            return "?";
        SendMessageW(m_list, LVM_GETITEMTEXTA, row, (LPARAM)m_remote);
        char text[1024] = {};
        ReadProcessMemory(m_process, m_remote + 512, text, sizeof text - 1, &n);
        return text;
    }
    std::vector<std::string> Column(int column) const {
        std::vector<std::string> out;
        for (int i = 0; i < Count(); i++)
            out.push_back(Text(i, column));
        return out;
    }
    // The first row whose column holds text, or -1.
    int Find(int column, const std::string& text) const {
        for (int i = 0; i < Count(); i++)
            if (Text(i, column) == text)
                return i;
        return -1;
    }
    // A click on the row's first column, with the mouse.
    bool Click(int row) const {
        RECT r{LVIR_LABEL, 0, 0, 0};
        SIZE_T n = 0;
        if (!m_remote || !WriteProcessMemory(m_process, m_remote, &r, sizeof r, &n))
            return false;
        if (!SendMessageW(m_list, LVM_GETITEMRECT, row, (LPARAM)m_remote))
            return false;
        ReadProcessMemory(m_process, m_remote, &r, sizeof r, &n);
        POINT pt{r.left + 6, (r.top + r.bottom) / 2};
        ClientToScreen(m_list, &pt);
        // Clicked again when the first click was lost, as its user would:
        // on a loaded machine a click right after a dialog opened was seen
        // not to reach the list.
        for (int attempt = 0; attempt < 3; attempt++)
            if (ClickAt(pt) && WaitFor([&] { return Mark() == row; }, 2000))
                return true;
        return false;
    }

private:
    HWND m_list;
    HANDLE m_process = nullptr;
    char* m_remote = nullptr;
};

class PresetRoad : public CorvanaTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CorvanaTest::SetUp());
        ASSERT_TRUE(m_helper.Start()) << "no helper program";
        TargetArgs a;
        a.title = "受注入力";
        // Below and left of where the dialogs open, centred on the screen.
        a.x = 0;
        a.y = 560;
        a.cx = 300;
        a.cy = 220;
        m_window = m_helper.Create(a);
        ASSERT_NE(nullptr, m_window);
        for (const auto& [id, text, y] : {std::tuple{1001, "北斗商会", 20}, std::tuple{1002, "営業二課", 60}}) {
            TargetArgs c;
            c.className = "Edit";
            c.title = text;
            c.id = id;
            c.style = WS_CHILD | WS_VISIBLE | WS_BORDER;
            c.x = 20;
            c.y = y;
            c.cx = 200;
            c.cy = 24;
            ASSERT_NE(nullptr, m_helper.AddChild(m_window, c));
        }
    }
    void TearDown() override {
        CorvanaTest::TearDown();
        m_helper.Stop();
    }

    std::wstring PresetFile() const { return m_folder.File(L"TesselinPreset.ini"); }

    // A visible window of Corvana's with this caption.
    HWND WaitForDialog(const char* caption) {
        HWND found = nullptr;
        WaitFor([&] {
            for (HWND h : TopLevelWindows(m_corvana.Pid()))
                if (IsWindowVisible(h) && TextOf(h) == caption)
                    return (found = h) != nullptr;
            return false;
        });
        return found;
    }
    bool WaitGone(HWND h) {
        return WaitFor([&] { return !IsWindow(h) || !IsWindowVisible(h); });
    }
    HWND WaitForBox(const std::string& text) {
        HWND box = nullptr;
        WaitFor([&] { return (box = FindMessageBox(m_corvana.Pid(), text)) != nullptr; });
        return box;
    }
    static bool Press(HWND dlg, int id) { return PostMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0) != 0; }

    // The panel's preset button. The main window stays hidden: under Wine an
    // owner that is activated rises above its dialogs and would take the
    // clicks meant for them.
    HWND OpenPresets() {
        HWND main = m_corvana.MainWindow();
        HWND button = nullptr;
        EnumChildWindows(
            main,
            [](HWND h, LPARAM lp) {
                if (GetDlgCtrlID(h) == IDC_BUTTON_PRESET && TextOf(h) == "APL別プリセット条件") {
                    *(HWND*)lp = h;
                    return FALSE;
                }
                return TRUE;
            },
            (LPARAM)&button);
        EXPECT_NE(nullptr, button);
        if (!button)
            return nullptr;
        PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(IDC_BUTTON_PRESET, BN_CLICKED), (LPARAM)button);
        return WaitForDialog(kListCaption);
    }

    // Adds a preset for the helper's window and one of its children, as
    // the user does: 条件追加, 実行中のウィンドウから設定, the rows clicked.
    void PickInWinEx(HWND setting, int childId) {
        ASSERT_TRUE(Press(setting, IDC_BUTTON_RUNNINGWINDOW));
        HWND winEx = WaitForDialog(kWinExCaption);
        ASSERT_NE(nullptr, winEx);
        CRemoteList windows(GetDlgItem(winEx, IDC_LIST_WINEX));
        char handle[16];
        snprintf(handle, sizeof handle, "0x%08x", (unsigned)(uintptr_t)m_window);
        // The panel lists a new window on its next tick: データ再取得 until it is there.
        int row = -1;
        WaitFor([&] {
            if ((row = windows.Find(2, handle)) >= 0)
                return true;
            Press(winEx, IDC_BUTTON_RELOADWINDOWS);
            Sleep(200);
            return false;
        });
        ASSERT_GE(row, 0) << "the helper's window " << handle << " is not listed";
        EXPECT_EQ(kHelperExe, windows.Text(row, 1));
        ASSERT_TRUE(windows.Click(row));
        CRemoteList children(GetDlgItem(winEx, IDC_LIST_CHILD));
        ASSERT_TRUE(WaitFor([&] { return children.Count() == 2; })) << children.Count();
        int child = children.Find(1, std::to_string(childId));
        ASSERT_GE(child, 0);
        ASSERT_TRUE(children.Click(child));
        ASSERT_TRUE(Press(winEx, IDOK));
        ASSERT_TRUE(WaitGone(winEx));
    }

    CTargetProcess m_helper;
    HWND m_window = nullptr;
};

TEST_F(PresetRoad, MadeFromARunningWindowWrittenAppliedAndReadAgain) {
    // Two presets from before.
    ASSERT_TRUE(WriteFileBytes(PresetFile(),
                               "[SYSTEM]\r\nPRESETCOUNT=2\r\n"
                               "[PRESETITEM0]\r\nCONDNAME=先\r\nEXENAME=FIRST.EXE\r\nEXCLASS=Edit\r\nEXCTLID=5\r\n"
                               "[PRESETITEM1]\r\nCONDNAME=中\r\nEXENAME=MIDDLE.EXE\r\nEXCLASS=Edit\r\nEXCTLID=6\r\n"));
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    HWND list = OpenPresets();
    ASSERT_NE(nullptr, list);
    CRemoteList rows(GetDlgItem(list, IDC_LIST_PRESET));
    EXPECT_EQ((std::vector<std::string>{"先", "中"}), rows.Column(0));

    // Added: the name taken from the program.
    ASSERT_TRUE(Press(list, IDC_BUTTON_PRESETADD));
    HWND setting = WaitForDialog(kSettingCaption);
    ASSERT_NE(nullptr, setting);
    ASSERT_NO_FATAL_FAILURE(PickInWinEx(setting, 1001));
    EXPECT_EQ(kHelperExe, TextOf(GetDlgItem(setting, IDC_EDIT_CONDNAME)));
    EXPECT_EQ(kHelperExe, TextOf(GetDlgItem(setting, IDC_EDIT_EXENAME)));
    EXPECT_EQ("Edit", TextOf(GetDlgItem(setting, IDC_EDIT_EXCLASS)));
    EXPECT_EQ("1001", TextOf(GetDlgItem(setting, IDC_EDIT_EXCTLID)));
    ASSERT_TRUE(Press(setting, IDOK));
    ASSERT_TRUE(WaitGone(setting));
    ASSERT_TRUE(WaitFor([&] { return rows.Count() == 3; }));

    // The same program again: asked, and Yes keeps one entry.
    ASSERT_TRUE(Press(list, IDC_BUTTON_PRESETADD));
    setting = WaitForDialog(kSettingCaption);
    ASSERT_NE(nullptr, setting);
    ASSERT_NO_FATAL_FAILURE(PickInWinEx(setting, 1002));
    ASSERT_TRUE(Press(setting, IDOK));
    HWND box = WaitForBox(std::string("プロセス名：") + kHelperExe + " の設定は既に存在します.\r\n設定を破棄しましか？");
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(WaitGone(setting));
    EXPECT_EQ((std::vector<std::string>{"FIRST.EXE", "MIDDLE.EXE", kHelperExe}), rows.Column(1));

    // Changed through the child choice on the program's window.
    ASSERT_TRUE(rows.Click(2));
    ASSERT_TRUE(Press(list, IDC_BUTTON_PRESETCHANGE));
    setting = WaitForDialog(kSettingCaption);
    ASSERT_NE(nullptr, setting);
    ASSERT_TRUE(Press(setting, IDC_BUTTON_RUNNINGWINDOW));
    HWND childSel = WaitForDialog(kChildCaption);
    ASSERT_NE(nullptr, childSel);
    CRemoteList children(GetDlgItem(childSel, IDC_LIST_CHILD));
    EXPECT_EQ(0, children.Mark());  // the preset's child chosen
    int second = children.Find(1, "1002");
    ASSERT_GE(second, 0);
    ASSERT_TRUE(children.Click(second));
    ASSERT_TRUE(Press(childSel, IDOK));
    ASSERT_TRUE(WaitGone(childSel));
    EXPECT_EQ("1002", TextOf(GetDlgItem(setting, IDC_EDIT_EXCTLID)));
    ASSERT_TRUE(Press(setting, IDOK));
    ASSERT_TRUE(WaitGone(setting));

    // The middle row deleted; OK writes the file.
    ASSERT_TRUE(rows.Click(1));
    ASSERT_TRUE(Press(list, IDC_BUTTON_PRESETDELETE));
    ASSERT_TRUE(WaitFor([&] { return rows.Count() == 2; }));
    EXPECT_EQ(1, rows.Mark());
    ASSERT_TRUE(Press(list, IDOK));
    ASSERT_TRUE(WaitGone(list));
    const std::string written =
        "[SYSTEM]\r\nPRESETCOUNT=2\r\n"
        "[PRESETITEM0]\r\nCONDNAME=先\r\nPROCESSFLAG=1\r\nTITLEFLAG=1\r\nEXTENTFLAG=1\r\nEXENAME=FIRST.EXE\r\n"
        "EXCLASS=Edit\r\nEXCTLID=5\r\n"
        "[PRESETITEM1]\r\nCONDNAME=CORVANA_TARGETS.EXE\r\nPROCESSFLAG=1\r\nTITLEFLAG=1\r\nEXTENTFLAG=1\r\n"
        "EXENAME=CORVANA_TARGETS.EXE\r\nEXCLASS=Edit\r\nEXCTLID=1002\r\n";
    ASSERT_TRUE(WaitFor([&] { return ReadFileBytes(PresetFile()) == written; })) << ReadFileBytes(PresetFile());

    // Cancel after a delete: the file as it was.
    list = OpenPresets();
    ASSERT_NE(nullptr, list);
    CRemoteList again(GetDlgItem(list, IDC_LIST_PRESET));
    ASSERT_TRUE(again.Click(0));
    ASSERT_TRUE(Press(list, IDC_BUTTON_PRESETDELETE));
    ASSERT_TRUE(WaitFor([&] { return again.Count() == 1; }));
    ASSERT_TRUE(Press(list, IDCANCEL));
    ASSERT_TRUE(WaitGone(list));
    EXPECT_EQ(written, ReadFileBytes(PresetFile()));

    // A file held by another program: the box, and the file as it was.
    {
        HANDLE lock = CreateFileW(PresetFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, lock);
        list = OpenPresets();
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(Press(list, IDOK));
        box = WaitForBox(kOpenError);
        EXPECT_NE(nullptr, box);
        if (box)
            AnswerMessageBox(box, IDOK);
        CloseHandle(lock);
        EXPECT_EQ(written, ReadFileBytes(PresetFile()));
    }

    // Win+S on the helper's window: the note takes the preset.
    // The helper brings its window to the front itself, as a program the
    // user switches to does.
    ASSERT_TRUE(WaitFor([&] {
        m_helper.Foreground(m_window);
        return GetForegroundWindow() == m_window;
    }));
    ASSERT_TRUE(MoveCursorTo(POINT{150, 700}));
    // Keys held right after a window came to the front may read as up.
    Sleep(500);
    ASSERT_TRUE(PressKeys({VK_LWIN, 'S'}));
    ASSERT_NE(nullptr, WaitForNoteOn(m_window)) << "no note on the helper's window";
    CIniText data = Save();
    ASSERT_EQ(1, data.NoteCount());
    EXPECT_EQ(kHelperExe, data.Note(0, "EXENAME"));
    EXPECT_EQ("1", data.Note(0, "TITLEFLAG"));
    EXPECT_EQ("1", data.Note(0, "PRECESSEFLAG"));
    EXPECT_EQ("1", data.Note(0, "EXTENTFLAG"));
    EXPECT_EQ("Edit", data.Note(0, "EXCLASS"));
    EXPECT_EQ("1002", data.Note(0, "EXCTLID"));
    EXPECT_EQ("営業二課", data.Note(0, "EXTEXT"));

    // The next start lists the same presets.
    ASSERT_NO_FATAL_FAILURE(Exit());
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    list = OpenPresets();
    ASSERT_NE(nullptr, list);
    CRemoteList read(GetDlgItem(list, IDC_LIST_PRESET));
    EXPECT_EQ((std::vector<std::string>{"先", kHelperExe}), read.Column(0));
    EXPECT_EQ((std::vector<std::string>{"FIRST.EXE", kHelperExe}), read.Column(1));
    ASSERT_TRUE(Press(list, IDCANCEL));
    ASSERT_TRUE(WaitGone(list));
}

}  // namespace
