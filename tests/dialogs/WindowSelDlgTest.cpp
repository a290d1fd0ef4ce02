// The window selection dialog run modal, driven from a timer inside its
// own loop as the user would drive it.
#include <gtest/gtest.h>

#include <objbase.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/PreviewWindows.h"
#include "dialogs/WindowSelDlg.h"
#include "framework/MessageBox.h"
#include "framework/Pixels.h"
#include "framework/TestWindows.h"
#include "platform/OsVersion.h"
#include "res/resource.h"

namespace {

const std::string kSelectWindow = "付箋を貼り付けるウィンドウを一覧で選択してください";

std::vector<std::string> g_boxes;

int RecordBox(const std::string& text, UINT) {
    g_boxes.push_back(text);
    return IDOK;
}

std::string ModulePath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n);
}

CWinInf Entry(HWND hwnd, const std::string& title, const std::string& process, const std::string& path) {
    CWinInf w;
    w.m_hWnd = hwnd;
    w.m_strTitle = title;
    w.m_strProcessName = process;
    w.m_strPath = path;
    return w;
}

CWinInf DesktopEntry() { return Entry(GetDesktopWindow(), "DESKTOP", "DESKTOP", "DESKTOP"); }

// The script runs once, from a timer, while the dialog's own loop runs.
std::function<void(CWindowSelDlg&)> g_script;
CWindowSelDlg* g_running;

void CALLBACK OnScriptTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_running && g_running->m_hWnd && g_script)
        g_script(*g_running);
}

INT_PTR RunModal(CWindowSelDlg& dlg, std::function<void(CWindowSelDlg&)> script) {
    Watchdog watchdog;
    g_script = std::move(script);
    g_running = &dlg;
    SetTimer(nullptr, 0, 50, OnScriptTimer);
    INT_PTR result = dlg.DoModal();
    g_running = nullptr;
    g_script = nullptr;
    return result;
}

void Click(HWND hwnd, POINT at) {
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    PumpPending();
}

void ClickRow(CListCtrl& list, int row) {
    RECT r{};
    r.left = LVIR_LABEL;
    SendMessageW(list.m_hWnd, LVM_GETITEMRECT, row, (LPARAM)&r);
    Click(list.m_hWnd, POINT{r.left + 4, (r.top + r.bottom) / 2});
}

void ClickBelowTheRows(CListCtrl& list) {
    RECT client = list.GetClientRect();
    Click(list.m_hWnd, POINT{20, client.bottom - 4});
}

void PressOk(CWindowSelDlg& dlg) {
    SendMessageW(dlg.GetDlgItem(IDOK), BM_CLICK, 0, 0);
    PumpPending();
}

void PostCancel(CWindowSelDlg& dlg) { PostMessageW(dlg.GetDlgItem(IDCANCEL), BM_CLICK, 0, 0); }

std::string HeadingOf(CListCtrl& list, int column) {
    wchar_t text[64] = {};
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT;
    col.pszText = text;
    col.cchTextMax = 64;
    SendMessageW(list.m_hWnd, LVM_GETCOLUMNW, column, (LPARAM)&col);
    std::string out;
    for (wchar_t* p = text; *p; p++) out += (char)*p;
    return out;
}

int ImageOf(CListCtrl& list, int row) {
    LVITEMW it{};
    it.mask = LVIF_IMAGE;
    it.iItem = row;
    SendMessageW(list.m_hWnd, LVM_GETITEMW, 0, (LPARAM)&it);
    return it.iImage;
}

std::vector<std::string> HandleColumn(CListCtrl& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.GetItemCount(); i++) out.push_back(list.GetItemText(i, 2));
    return out;
}

std::string HandleText(HWND h) {
    char buf[16];
    snprintf(buf, sizeof buf, "0x%08x", (unsigned)(uintptr_t)h);
    return buf;
}

class WindowSelDlgTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        g_boxes.clear();
        SetMessageBoxHook(RecordBox);
        ASSERT_TRUE(m_red.Open(RECT{600, 40, 900, 240}, RGB(220, 20, 20)));
        ASSERT_TRUE(m_green.Open(RECT{600, 300, 900, 500}, RGB(20, 180, 20)));
    }
    void TearDown() override {
        SetMessageBoxHook(nullptr);
        CoUninitialize();
    }
    CColourWnd m_red, m_green;
};

TEST_F(WindowSelDlgTest, ListsTitleWithIconProcessAndHiddenHandle) {
    const std::string exe = ModulePath();
    const std::string missing = "C:\\存在しない\\フォルダ\\none.exe";
    // A handle is listed by its lower 32 bits.
    HWND wide = (HWND)(uintptr_t)0x123456789ABCDEF0ull;
    std::vector<CWinInf> list = {
        DesktopEntry(),
        Entry(m_red.m_hWnd, "議事録.txt - メモ帳", "NOTEPAD.EXE", exe),
        Entry(wide, "売上報告.xlsx - 表計算", "表計算.EXE", missing),
        Entry(m_green.m_hWnd, "", "CORVANA.EXE", exe),
    };
    const struct {
        std::string title, process, handle;
        int image;  // the cache's index: one per path
    } rows[] = {
        {"DESKTOP", "DESKTOP", HandleText(GetDesktopWindow()), 0},
        {"議事録.txt - メモ帳", "NOTEPAD.EXE", HandleText(m_red.m_hWnd), 1},
        {"売上報告.xlsx - 表計算", "表計算.EXE", "0x9abcdef0", 2},
        {"", "CORVANA.EXE", HandleText(m_green.m_hWnd), 1},
    };
    CWindowSelDlg dlg;
    dlg.SetWinInfList(list);
    bool ran = false;
    INT_PTR result = RunModal(dlg, [&](CWindowSelDlg& d) {
        ran = true;
        EXPECT_EQ("ウィンドウ選択", d.GetText());
        EXPECT_TRUE(d.GetExStyle() & WS_EX_TOPMOST);
        CListCtrl& l = d.m_ListCtrl;
        EXPECT_EQ(IDC_LIST_WINDOW, GetDlgCtrlID(l.m_hWnd));
        const struct {
            const char* heading;
            int width;
        } columns[] = {{"Title", 170}, {"ProcessName", 100}, {"Handle", 0}};
        for (int c = 0; c < 3; c++) {
            EXPECT_EQ(columns[c].heading, HeadingOf(l, c));
            EXPECT_EQ(columns[c].width, (int)SendMessageW(l.m_hWnd, LVM_GETCOLUMNWIDTH, c, 0)) << c;
        }
        DWORD ex = LVS_EX_FULLROWSELECT | (IsVistaOrLater() ? LVS_EX_GRIDLINES : 0);
        EXPECT_EQ(ex, l.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
        EXPECT_EQ(d.m_ImageList.GetImageList(), (HIMAGELIST)SendMessageW(l.m_hWnd, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        EXPECT_TRUE(l.GetStyle() & LVS_SHAREIMAGELISTS);
        ASSERT_EQ((int)std::size(rows), l.GetItemCount());
        for (int i = 0; i < (int)std::size(rows); i++) {
            EXPECT_EQ(rows[i].title, l.GetItemText(i, 0)) << i;
            EXPECT_EQ(rows[i].process, l.GetItemText(i, 1)) << i;
            EXPECT_EQ(rows[i].handle, l.GetItemText(i, 2)) << i;
            EXPECT_EQ(rows[i].image, ImageOf(l, i)) << i;
        }
        PostCancel(d);
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(WindowSelDlgTest, OpeningSelectsRowZeroAndShowsItsWindow) {
    CWindowSelDlg dlg;
    dlg.SetWinInfList({Entry(m_red.m_hWnd, "赤", "RED.EXE", "C:\\red.exe"),
                       Entry(m_green.m_hWnd, "緑", "GREEN.EXE", "C:\\green.exe")});
    bool ran = false;
    RunModal(dlg, [&](CWindowSelDlg& d) {
        ran = true;
        EXPECT_EQ(0, d.m_ListCtrl.GetSelectionMark());
        EXPECT_EQ((UINT)LVIS_SELECTED, (UINT)SendMessageW(d.m_ListCtrl.m_hWnd, LVM_GETITEMSTATE, 0, LVIS_SELECTED));
        EXPECT_EQ(d.m_hWnd, d.m_stcImage.m_hDestWnd);
        EXPECT_EQ(IDC_STATIC_IMAGE, GetDlgCtrlID(d.m_stcImage.m_hWnd));
        Shown shown = ShownPicture(d.m_stcImage.m_hWnd);
        EXPECT_FALSE(shown.empty());
        EXPECT_FALSE(Differs(m_red.m_colour, shown.middle));
        PostCancel(d);
    });
    EXPECT_TRUE(ran);
}

// Without a row to act on, OK and a click ask for one and the dialog stays.
TEST_F(WindowSelDlgTest, WithoutAMarkOkAndAClickAskForARowAndTheDialogStays) {
    const struct {
        const char* name;
        bool rows;
        bool click;  // else OK
    } cases[] = {
        {"empty list, OK", false, false},
        {"empty list, click", false, true},
        {"mark cleared, OK", true, false},
        {"mark cleared, click below the rows", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_boxes.clear();
        CWindowSelDlg dlg;
        if (c.rows)
            dlg.SetWinInfList({Entry(m_red.m_hWnd, "赤", "RED.EXE", "C:\\red.exe")});
        bool stayed = false;
        Shown before, after;
        INT_PTR result = RunModal(dlg, [&](CWindowSelDlg& d) {
            if (c.rows)
                d.m_ListCtrl.SetSelectionMark(-1);
            else
                EXPECT_EQ(-1, d.m_ListCtrl.GetSelectionMark());
            before = ShownPicture(d.m_stcImage.m_hWnd);
            if (c.click)
                ClickBelowTheRows(d.m_ListCtrl);
            else
                PressOk(d);
            stayed = d.m_hWnd && d.IsWindowVisible();
            after = ShownPicture(d.m_stcImage.m_hWnd);
            PostCancel(d);
        });
        EXPECT_TRUE(stayed);
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ(std::vector<std::string>{kSelectWindow}, g_boxes);
        // An empty list shows no picture; a click without a mark changes none.
        EXPECT_EQ(c.rows, !before.empty());
        EXPECT_EQ(before.cx, after.cx);
        EXPECT_EQ(before.cy, after.cy);
    }
}

TEST_F(WindowSelDlgTest, AClickShowsTheRowsWindowAndOkReturnsTheWholeEntry) {
    CWinInf chosen = Entry(m_green.m_hWnd, "緑のウィンドウ", "GREEN.EXE", "C:\\緑\\green.exe");
    chosen.m_bEnumChild = 1;
    for (int i = 0; i < 3; i++) {
        CChildWinInf child;
        child.m_hWnd = (HWND)(uintptr_t)(0x1000 + i);
        memset(&child.m_WindowInfo, 0, sizeof child.m_WindowInfo);
        child.m_WindowInfo.cbSize = sizeof child.m_WindowInfo;
        child.m_WindowInfo.rcWindow = RECT{i, 2 * i, 100 + i, 50 + i};
        child.m_WindowInfo.dwStyle = WS_CHILD | WS_VISIBLE | (DWORD)i;
        child.m_WindowInfo.atomWindowType = (ATOM)(0xC000 + i);
        child.m_strText = "子" + std::to_string(i);
        child.m_strClass = i ? "Edit" : "RichEdit20A";
        child.m_nCtlId = 1000 + i;
        chosen.m_ChildList.push_back(child);
    }
    CWindowSelDlg dlg;
    dlg.SetWinInfList({Entry(m_red.m_hWnd, "赤", "RED.EXE", "C:\\red.exe"), chosen});
    Shown shown;
    INT_PTR result = RunModal(dlg, [&](CWindowSelDlg& d) {
        ClickRow(d.m_ListCtrl, 1);
        EXPECT_EQ(1, d.m_ListCtrl.GetSelectionMark());
        shown = ShownPicture(d.m_stcImage.m_hWnd);
        PressOk(d);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(g_boxes.empty());
    EXPECT_FALSE(Differs(m_green.m_colour, shown.middle));
    CWinInf got = dlg.GetWinInf();
    EXPECT_EQ(chosen.m_hWnd, got.m_hWnd);
    EXPECT_EQ(chosen.m_strTitle, got.m_strTitle);
    EXPECT_EQ(chosen.m_strProcessName, got.m_strProcessName);
    EXPECT_EQ(chosen.m_strPath, got.m_strPath);
    EXPECT_EQ(1, got.m_bEnumChild);
    ASSERT_EQ(chosen.m_ChildList.size(), got.m_ChildList.size());
    for (size_t i = 0; i < chosen.m_ChildList.size(); i++) {
        const CChildWinInf &a = chosen.m_ChildList[i], &b = got.m_ChildList[i];
        EXPECT_EQ(a.m_hWnd, b.m_hWnd) << i;
        EXPECT_EQ(0, memcmp(&a.m_WindowInfo, &b.m_WindowInfo, sizeof a.m_WindowInfo)) << i;
        EXPECT_EQ(a.m_strText, b.m_strText) << i;
        EXPECT_EQ(a.m_strClass, b.m_strClass) << i;
        EXPECT_EQ(a.m_nCtlId, b.m_nCtlId) << i;
    }
}

TEST_F(WindowSelDlgTest, CancelEscAndTheCloseBoxGiveCancelAndNoEntry) {
    const struct {
        const char* name;
        std::function<void(CWindowSelDlg&)> end;
    } ways[] = {
        {"Cancel", [](CWindowSelDlg& d) { PostCancel(d); }},
        {"Esc", [](CWindowSelDlg& d) {
             HWND focus = GetFocus();
             HWND to = focus ? focus : d.m_ListCtrl.m_hWnd;
             PostMessageW(to, WM_KEYDOWN, VK_ESCAPE, 1);
             PostMessageW(to, WM_KEYUP, VK_ESCAPE, 0xC0000001);
         }},
        {"close box", [](CWindowSelDlg& d) { PostMessageW(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        g_boxes.clear();
        CWindowSelDlg dlg;
        dlg.SetWinInfList({Entry(m_red.m_hWnd, "赤", "RED.EXE", "C:\\red.exe")});
        EXPECT_EQ(IDCANCEL, RunModal(dlg, way.end));
        CWinInf got = dlg.GetWinInf();
        EXPECT_EQ(nullptr, got.m_hWnd);
        EXPECT_EQ("", got.m_strTitle);
        EXPECT_EQ("", got.m_strProcessName);
        EXPECT_EQ("", got.m_strPath);
        EXPECT_TRUE(got.m_ChildList.empty());
        EXPECT_TRUE(g_boxes.empty());
    }
}

TEST_F(WindowSelDlgTest, TheListIsACopyWithoutEveryEntryOfTheRemovedWindow) {
    HWND a = m_red.m_hWnd, b = m_green.m_hWnd, desktop = GetDesktopWindow();
    std::vector<CWinInf> list = {
        Entry(a, "一", "A.EXE", "C:\\a.exe"),       Entry(b, "二", "B.EXE", "C:\\b.exe"),
        Entry(a, "三", "A.EXE", "C:\\a.exe"),       Entry(desktop, "四", "DESKTOP", "DESKTOP"),
        Entry(a, "五", "A.EXE", "C:\\a.exe"),
    };
    CWindowSelDlg dlg;
    dlg.SetWinInfList(list);
    dlg.RemoveWinInf(a);
    // What the caller does with its list afterwards does not reach the dialog.
    list[1].m_strTitle = "変えた";
    list.clear();
    std::vector<std::string> titles, handles;
    RunModal(dlg, [&](CWindowSelDlg& d) {
        for (int i = 0; i < d.m_ListCtrl.GetItemCount(); i++) titles.push_back(d.m_ListCtrl.GetItemText(i, 0));
        handles = HandleColumn(d.m_ListCtrl);
        PostCancel(d);
    });
    EXPECT_EQ((std::vector<std::string>{"二", "四"}), titles);
    EXPECT_EQ((std::vector<std::string>{HandleText(b), HandleText(desktop)}), handles);
    ASSERT_EQ(2u, dlg.m_WinInfList.size());
    EXPECT_EQ(b, dlg.m_WinInfList[0].m_hWnd);
    EXPECT_EQ(desktop, dlg.m_WinInfList[1].m_hWnd);
}

}  // namespace
