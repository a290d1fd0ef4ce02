// Pasting a new note: on a window, on the desktop, on a chosen window and
// from the extension utility's record; presets; the insertion at the front.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <cstring>
#include <ctime>

#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/ExtentUtlData.h"
#include "panel/PanelFixture.h"
#include "res/resource.h"
#include "storage/MemletDataStore.h"

namespace {

class PasteTest : public PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        // The template's dates are those of start-up, long before any paste.
        Fields(m_panel).m_MemletTemplate.m_tGenDate = LocalTime(2001, 2, 3, 4, 5);
        Fields(m_panel).m_MemletTemplate.m_tAcsDate = LocalTime(2001, 2, 3, 4, 6);
        m_before = _time64(nullptr);
    }
    // The one note the paste made.
    const CMemletData& Pasted() {
        EXPECT_EQ(1u, Fields(m_panel).m_MemletList.size());
        static CMemletData none;
        return Fields(m_panel).m_MemletList.empty() ? none : Fields(m_panel).m_MemletList[0];
    }
    // A new note: a copy of the template, detached, dated now.
    void ExpectFresh(const CMemletData& d) {
        EXPECT_EQ(0, d.m_bAttached);
        EXPECT_EQ(nullptr, d.m_hWndTarget);
        EXPECT_EQ(nullptr, d.m_pMemletWin);
        int64_t after = _time64(nullptr);
        EXPECT_GE(d.m_tGenDate, m_before);
        EXPECT_LE(d.m_tGenDate, after);
        EXPECT_GE(d.m_tAcsDate, m_before);
        EXPECT_LE(d.m_tAcsDate, after);
    }
    static bool Empty(const RECT& r) { return r == RECT{0, 0, 0, 0}; }
    static RECT WorkArea() {
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
        return mi.rcWork;
    }
    void AddPreset(const char* exe, int titleFlag, int processFlag, int extentFlag, const char* cls, int id) {
        CPreSetCondData p;
        p.m_strExeName = exe;
        p.m_nTitleFlag = titleFlag;
        p.m_nProcessFlag = processFlag;
        p.m_nExtentFlag = extentFlag;
        p.m_strExClass = cls;
        p.m_nExCtlId = id;
        Fields(m_panel).m_PreSetList.push_back(p);
    }
    HWND WithChild(const std::string& title, const char* cls, int id, const char* text) {
        HWND w = Target(title);
        TargetArgs c;
        c.className = cls;
        c.id = id;
        c.title = text;
        c.x = 10;
        c.y = 10;
        c.cx = 200;
        c.cy = 24;
        EXPECT_NE(nullptr, Targets().AddChild(w, c));
        return w;
    }
    int64_t m_before = 0;
};

TEST_F(PasteTest, OnAWindowWithTheCursorInsideCentresTheNoteOnIt) {
    HWND w = Target("貼り先の窓", 300, 200, 400, 300);
    ASSERT_TRUE(MoveCursor(450, 260));
    m_panel.PasteToWindow(w);
    const CMemletData& d = Pasted();
    ExpectFresh(d);
    EXPECT_EQ("貼り先の窓", d.m_strTitle);
    EXPECT_EQ(kTargetsExeName, d.m_strExeName);
    EXPECT_EQ(0, _stricmp(Targets().Path().c_str(), d.m_strExePath.c_str())) << d.m_strExePath;
    EXPECT_EQ(d.m_rectWin, (RECT{350, 230, 550, 290}));
    EXPECT_EQ(d.m_rectTarget, (RECT{300, 200, 700, 500}));
    // The template's conditions: program and exact title.
    EXPECT_EQ(1, d.m_nProcessFlag);
    EXPECT_EQ(1, d.m_nTitleFlag);
    EXPECT_EQ(1, d.m_nFull);
    EXPECT_EQ(0, d.m_nExtentFlag);

    // Near the window's corner the note reaches past the window: no adjustment.
    ASSERT_TRUE(MoveCursor(301, 201));
    m_panel.PasteToWindow(w);
    EXPECT_EQ(Fields(m_panel).m_MemletList[0].m_rectWin, (RECT{201, 171, 401, 231}));
}

TEST_F(PasteTest, OddInitialSizesLoseOnePixel) {
    g_nIniWidth = 201;
    g_nIniHeight = 61;
    HWND w = Target("奇数の窓", 300, 200, 400, 300);
    ASSERT_TRUE(MoveCursor(450, 260));
    m_panel.PasteToWindow(w);
    EXPECT_EQ(Pasted().m_rectWin, (RECT{350, 230, 550, 290}));
}

TEST_F(PasteTest, OnAWindowWithTheCursorOutsideLeavesBothRectanglesEmpty) {
    HWND w = Target("外の窓", 300, 200, 400, 300);
    ASSERT_TRUE(MoveCursor(900, 700));
    m_panel.PasteToWindow(w);
    const CMemletData& d = Pasted();
    ExpectFresh(d);
    EXPECT_EQ("外の窓", d.m_strTitle);
    EXPECT_TRUE(Empty(d.m_rectWin)) << d.m_rectWin;
    EXPECT_TRUE(Empty(d.m_rectTarget)) << d.m_rectTarget;
    // The note then opens centred on the window at the initial size.
    Tick();
    ASSERT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
    EXPECT_EQ(WindowRect(Fields(m_panel).m_MemletList[0].m_pMemletWin->m_hWnd), (RECT{400, 320, 600, 380}));
}

TEST_F(PasteTest, RefusedWindowsGetNoNote) {
    TargetArgs hidden;
    hidden.title = "隠れた貼り先";
    hidden.visible = false;
    TargetArgs disabled;
    disabled.title = "無効な貼り先";
    disabled.enabled = false;
    TargetArgs untitled;
    TargetArgs flat;
    flat.title = "高さのない貼り先";
    flat.style = WS_POPUP;
    flat.cy = 0;
    TargetArgs shell;
    shell.title = "Program Manager";
    for (HWND w : {Target(hidden), Target(disabled), Target(untitled), Target(flat), Target(shell), (HWND) nullptr,
                   (HWND)(UINT_PTR)0x7654321})
        m_panel.PasteToWindow(w);
    if (GetShellWindow())
        m_panel.PasteToWindow(GetShellWindow());
    EXPECT_EQ(0u, Fields(m_panel).m_MemletList.size());
}

TEST_F(PasteTest, OnTheDesktopAtTheBottomRightCornerTheRightAndBottomEdgesAreHeld) {
    RECT work = WorkArea();
    ASSERT_TRUE(MoveCursor(work.right - 1, work.bottom - 1));
    m_panel.PasteToDesktop(1);
    const CMemletData& d = Pasted();
    ExpectFresh(d);
    EXPECT_EQ("DESKTOP", d.m_strTitle);
    EXPECT_EQ("DESKTOP", d.m_strExeName);
    EXPECT_EQ("DESKTOP", d.m_strExePath);
    EXPECT_EQ(d.m_rectWin, (RECT{work.right - 200, work.bottom - 60, work.right, work.bottom}));
    EXPECT_EQ(d.m_rectTarget, WindowRect(GetDesktopWindow()));
}

TEST_F(PasteTest, OnTheDesktopAtTheTopLeftCornerTheNoteReachesPastTheEdges) {
    RECT work = WorkArea();
    ASSERT_TRUE(MoveCursor(work.left, work.top));
    m_panel.PasteToDesktop(1);
    EXPECT_EQ(Pasted().m_rectWin, (RECT{work.left - 100, work.top - 30, work.left + 100, work.top + 30}));
    ASSERT_TRUE(MoveCursor(640, 400));
    m_panel.PasteToDesktop(1);
    EXPECT_EQ(Fields(m_panel).m_MemletList[0].m_rectWin, (RECT{540, 370, 740, 430}));
}

TEST_F(PasteTest, OnTheDesktopWithoutPlaceLeavesBothRectanglesEmpty) {
    ASSERT_TRUE(MoveCursor(640, 400));
    m_panel.PasteToDesktop(0);
    const CMemletData& d = Pasted();
    ExpectFresh(d);
    EXPECT_EQ("DESKTOP", d.m_strExeName);
    EXPECT_TRUE(Empty(d.m_rectWin));
    EXPECT_TRUE(Empty(d.m_rectTarget));
    // It matches the desktop entry on the next tick.
    Tick();
    EXPECT_EQ(GetDesktopWindow(), Fields(m_panel).m_MemletList[0].m_hWndTarget);
    EXPECT_NE(nullptr, Fields(m_panel).m_MemletList[0].m_pMemletWin);
}

TEST_F(PasteTest, OnAChosenWindowTakesItsEntry) {
    HWND w = Target("選ばれた窓");
    CWinInf inf;
    inf.m_hWnd = w;
    inf.m_strTitle = "選ばれた窓";
    inf.m_strProcessName = kTargetsExeName;
    inf.m_strPath = "C:\\どこか\\corvana_targets.exe";
    ASSERT_TRUE(MoveCursor(500, 350));  // inside: not looked at
    m_panel.PasteToWinInf(inf);
    const CMemletData& d = Pasted();
    ExpectFresh(d);
    EXPECT_EQ("選ばれた窓", d.m_strTitle);
    EXPECT_EQ(kTargetsExeName, d.m_strExeName);
    EXPECT_EQ("C:\\どこか\\corvana_targets.exe", d.m_strExePath);
    EXPECT_TRUE(Empty(d.m_rectWin));
    EXPECT_TRUE(Empty(d.m_rectTarget));
}

TEST_F(PasteTest, InsertionAtTheFrontMarksTheOthersAndKeepsTheSelectedRow) {
    for (int i = 0; i < 5; i++) {
        CMemletData d = NoteFor("行" + std::to_string(i));
        d.m_bDirty = 0;
        Fields(m_panel).m_MemletList.push_back(d);
    }
    m_panel.UpdateList();
    Fields(m_panel).m_ListCtrl.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    Fields(m_panel).m_ListCtrl.SetSelectionMark(3);
    m_panel.PasteToDesktop(0);
    ASSERT_EQ(6u, Fields(m_panel).m_MemletList.size());
    EXPECT_EQ("DESKTOP", Fields(m_panel).m_MemletList[0].m_strTitle);
    for (int i = 1; i <= 5; i++) {
        EXPECT_EQ("行" + std::to_string(i - 1), Fields(m_panel).m_MemletList[i].m_strTitle);
        EXPECT_EQ(1, Fields(m_panel).m_MemletList[i].m_bDirty) << i;
    }
    HWND list = m_panel.GetDlgItem(IDC_LIST_DATA);
    EXPECT_EQ(6, (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(3, (int)SendMessageW(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED));
    EXPECT_EQ("行2", Fields(m_panel).m_ListCtrl.GetItemText(3, 1));
    EXPECT_EQ("現在：6 枚", m_panel.GetDlgText(IDC_STATIC_COUNT));
    // SAVETIMING 0: nothing written.
    EXPECT_FALSE(FileExists(DataPath()));
}

TEST_F(PasteTest, WithSaveTimingOneEveryPasteWritesTheDataFile) {
    Fields(m_panel).m_nSaveTiming = 1;
    m_panel.PasteToDesktop(0);
    m_panel.PasteToDesktop(0);
    std::vector<CMemletData> loaded;
    LoadMemletFile(DataPath(), loaded);
    EXPECT_EQ(2u, loaded.size());
}

TEST_F(PasteTest, PresetWithItsChildGivesItsFlagsAndTheChildsText) {
    AddPreset("NOTEPAD.EXE", 0, 0, 0, "Edit", 77);  // another program first
    AddPreset(kTargetsExeName, 0, 1, 1, "Edit", 77);
    AddPreset(kTargetsExeName, 1, 0, 0, "Edit", 77);  // only the first one counts
    HWND w = WithChild("プリセットの窓", "Edit", 77, "子の本文");
    Fields(m_panel).m_MemletTemplate.m_strPart = "部分";
    Fields(m_panel).m_MemletTemplate.m_strExPart = "子の部分";
    Fields(m_panel).m_MemletTemplate.m_nExFullFlag = 1;
    m_panel.PasteToWindow(w);
    const CMemletData& d = Pasted();
    EXPECT_EQ(0, d.m_nTitleFlag);
    EXPECT_EQ(1, d.m_nProcessFlag);
    EXPECT_EQ(1, d.m_nExtentFlag);
    EXPECT_EQ("子の本文", d.m_strExText);
    EXPECT_EQ("Edit", d.m_strExClass);
    EXPECT_EQ(77, d.m_nExCtlId);
    // Kept from the template and the window.
    EXPECT_EQ(1, d.m_nFull);
    EXPECT_EQ("部分", d.m_strPart);
    EXPECT_EQ(1, d.m_nExFullFlag);
    EXPECT_EQ("子の部分", d.m_strExPart);
    EXPECT_EQ("プリセットの窓", d.m_strTitle);

    // The new condition matches the window by its child on the next tick,
    // whatever its title becomes.
    Targets().SetText(w, "題が変わっても");
    Tick();
    EXPECT_EQ(w, Fields(m_panel).m_MemletList[0].m_hWndTarget);
    EXPECT_EQ(1, Fields(m_panel).m_MemletList[0].m_bAttached);
}

TEST_F(PasteTest, PresetWithoutItsChildChangesNothing) {
    AddPreset(kTargetsExeName, 0, 0, 1, "Edit", 77);
    const CMemletData& t = Fields(m_panel).m_MemletTemplate;
    for (HWND w : {WithChild("別の子の窓", "Edit", 78, "違う子"), WithChild("別の組の窓", "Static", 77, "違う組"),
                   Target("子のない窓")}) {
        Fields(m_panel).m_MemletList.clear();
        m_panel.PasteToWindow(w);
        const CMemletData& d = Pasted();
        EXPECT_EQ(t.m_nTitleFlag, d.m_nTitleFlag);
        EXPECT_EQ(t.m_nProcessFlag, d.m_nProcessFlag);
        EXPECT_EQ(t.m_nExtentFlag, d.m_nExtentFlag);
        EXPECT_EQ(t.m_strExText, d.m_strExText);
        EXPECT_EQ(t.m_strExClass, d.m_strExClass);
        EXPECT_EQ(t.m_nExCtlId, d.m_nExCtlId);
    }
}

TEST_F(PasteTest, PresetsAreFoundByTheExactProgramName) {
    AddPreset("corvana_targets.exe", 0, 0, 1, "Edit", 77);
    HWND w = WithChild("小文字の窓", "Edit", 77, "子");
    m_panel.PasteToWindow(w);
    EXPECT_EQ(0, Pasted().m_nExtentFlag);
    CPreSetCondData out;
    EXPECT_EQ(0, m_panel.FindPreSetCond(kTargetsExeName, out));
    EXPECT_EQ(1, m_panel.FindPreSetCond("corvana_targets.exe", out));
    EXPECT_EQ("Edit", out.m_strExClass);
    EXPECT_EQ(77, out.m_nExCtlId);
}

TEST_F(PasteTest, ApplyPreSetCondOnARecordOfItsOwn) {
    AddPreset(kTargetsExeName, 0, 1, 1, "Button", 5);
    HWND w = WithChild("ボタンの窓", "Button", 5, "押す");
    CMemletData d = NoteFor("ボタンの窓");
    d.m_strPart = "ボタン";
    m_panel.ApplyPreSetCond(w, d);
    EXPECT_EQ(0, d.m_nTitleFlag);
    EXPECT_EQ("押す", d.m_strExText);
    EXPECT_EQ("Button", d.m_strExClass);
    EXPECT_EQ(5, d.m_nExCtlId);
    EXPECT_EQ("ボタン", d.m_strPart);
    CMemletData other = NoteFor("ボタンの窓");
    other.m_strExeName = "NOTEPAD.EXE";
    m_panel.ApplyPreSetCond(w, other);
    EXPECT_EQ(1, other.m_nTitleFlag);
    EXPECT_EQ("", other.m_strExClass);
}

// The extension utility's record.
class CopyDataTest : public PasteTest {
protected:
    EXTENTUTLDATA Record(HWND hwnd, int x, int y) {
        EXTENTUTLDATA r{};
        r.nCheck1 = 1;
        r.nCheck2 = 1;
        r.hWnd = (uint64_t)(UINT_PTR)hwnd;
        r.x = x;
        r.y = y;
        r.nColor = 3;
        r.nPickPos = 2;
        r.nBkColor = 7;
        r.nTxColor = 4;
        r.logFont.lfHeight = -20;
        r.logFont.lfWeight = 700;
        r.logFont.lfItalic = 1;
        r.logFont.lfCharSet = SHIFTJIS_CHARSET;
        strcpy(r.logFont.lfFaceName, "ＭＳ ゴシック");
        r.nGraFlg = 0;
        r.nGraPtn = 5;
        return r;
    }
    void Send(const void* data, DWORD size) {
        COPYDATASTRUCT cds{0, size, (void*)data};
        m_panel.PasteFromCopyData(&cds);
    }
    void Send(const EXTENTUTLDATA& r) { Send(&r, (DWORD)kExtentUtlDataSize); }
};

TEST_F(CopyDataTest, RecordForAWindowTakesItsLookAndPlace) {
    AddPreset(kTargetsExeName, 0, 1, 1, "Edit", 77);
    HWND w = WithChild("拡張の窓", "Edit", 77, "拡張の子");
    Send(Record(w, 500, 400));
    const CMemletData& d = Pasted();
    ExpectFresh(d);
    EXPECT_EQ("拡張の窓", d.m_strTitle);
    EXPECT_EQ(kTargetsExeName, d.m_strExeName);
    EXPECT_EQ(0, _stricmp(Targets().Path().c_str(), d.m_strExePath.c_str()));
    EXPECT_EQ(3, d.m_nColor);
    EXPECT_EQ(2, d.m_nPickPos);
    EXPECT_EQ(7, d.m_nBkColor);
    EXPECT_EQ(4, d.m_nTxColor);
    EXPECT_EQ(0, d.m_nGraFlg);
    EXPECT_EQ(5, d.m_nGraPtn);
    EXPECT_EQ(-20, d.m_logFont.lfHeight);
    EXPECT_EQ(700, d.m_logFont.lfWeight);
    EXPECT_EQ(1, d.m_logFont.lfItalic);
    EXPECT_STREQ("ＭＳ ゴシック", d.m_logFont.lfFaceName);
    EXPECT_EQ(d.m_rectWin, (RECT{400, 370, 600, 430}));
    EXPECT_EQ(d.m_rectTarget, WindowRect(w));
    EXPECT_EQ("拡張の子", d.m_strExText);  // the preset applied
    EXPECT_EQ(1, d.m_nExtentFlag);
}

TEST_F(CopyDataTest, AWindowTakesANoteWithoutTheWindowTest) {
    TargetArgs a;
    a.title = "隠れた拡張の窓";
    a.visible = false;
    HWND w = Target(a);
    Send(Record(w, 100, 100));
    EXPECT_EQ("隠れた拡張の窓", Pasted().m_strTitle);
}

TEST_F(CopyDataTest, DesktopHandleMakesADesktopNoteAroundTheDropPoint) {
    AddPreset("DESKTOP", 0, 0, 1, "Edit", 77);
    Send(Record(GetDesktopWindow(), 640, 400));
    const CMemletData& d = Pasted();
    EXPECT_EQ("DESKTOP", d.m_strTitle);
    EXPECT_EQ("DESKTOP", d.m_strExeName);
    EXPECT_EQ("DESKTOP", d.m_strExePath);
    EXPECT_EQ(d.m_rectWin, (RECT{540, 370, 740, 430}));
    EXPECT_EQ(d.m_rectTarget, WindowRect(GetDesktopWindow()));
    EXPECT_EQ(0, d.m_nExtentFlag);  // no preset for the desktop
    // No work-area adjustment at the corner.
    Fields(m_panel).m_MemletList.clear();
    RECT work = WorkArea();
    Send(Record(GetDesktopWindow(), work.right, work.bottom));
    EXPECT_EQ(Pasted().m_rectWin, (RECT{work.right - 100, work.bottom - 30, work.right + 100, work.bottom + 30}));
}

TEST_F(CopyDataTest, HandleThatIsNoWindowGivesAnEmptyNoteThatMatchesNothing) {
    Send(Record((HWND)(UINT_PTR)0x7654321, 300, 300));
    const CMemletData& d = Pasted();
    EXPECT_EQ("", d.m_strTitle);
    EXPECT_EQ("", d.m_strExeName);
    EXPECT_EQ("", d.m_strExePath);
    EXPECT_TRUE(Empty(d.m_rectTarget));
    EXPECT_EQ(d.m_rectWin, (RECT{200, 270, 400, 330}));
    Tick();
    EXPECT_EQ(0, Fields(m_panel).m_MemletList[0].m_bAttached);
}

TEST_F(CopyDataTest, BadRecordsAreIgnored) {
    EXTENTUTLDATA good = Record(GetDesktopWindow(), 300, 300);
    m_panel.PasteFromCopyData(nullptr);
    Send(nullptr, (DWORD)kExtentUtlDataSize);
    Send(&good, 0);
    Send(&good, (DWORD)kExtentUtlDataSize - 1);
    for (auto checks : {std::pair{0, 1}, std::pair{1, 0}, std::pair{2, 1}, std::pair{1, -1}}) {
        EXTENTUTLDATA bad = good;
        bad.nCheck1 = checks.first;
        bad.nCheck2 = checks.second;
        Send(bad);
    }
    EXPECT_EQ(0u, Fields(m_panel).m_MemletList.size());
    // A longer buffer is read for its first 116 bytes.
    char longer[kExtentUtlDataSize + 8] = {};
    memcpy(longer, &good, kExtentUtlDataSize);
    Send(longer, sizeof longer);
    EXPECT_EQ(1u, Fields(m_panel).m_MemletList.size());
}

TEST_F(CopyDataTest, UnterminatedFaceNameIsCutAt31Bytes) {
    EXTENTUTLDATA r = Record(GetDesktopWindow(), 300, 300);
    memset(r.logFont.lfFaceName, 'A', sizeof r.logFont.lfFaceName);
    Send(r);
    const CMemletData& d = Pasted();
    EXPECT_EQ(std::string(31, 'A'), d.m_logFont.lfFaceName);
    EXPECT_EQ(0, d.m_logFont.lfFaceName[31]);
    EXPECT_EQ(0, d.m_nGraFlg);  // the fields after it are still its own
    EXPECT_EQ(5, d.m_nGraPtn);
}

TEST_F(CopyDataTest, HugeCoordinatesAreClampedWithTheSizeKept) {
    const int limit = INT_MAX / 2;
    Send(Record(GetDesktopWindow(), INT_MAX, INT_MIN));
    EXPECT_EQ(Pasted().m_rectWin, (RECT{limit, -limit, limit + 200, -limit + 60}));
    Fields(m_panel).m_MemletList.clear();
    Send(Record(GetDesktopWindow(), INT_MIN, INT_MAX));
    EXPECT_EQ(Pasted().m_rectWin, (RECT{-limit, limit, -limit + 200, limit + 60}));
}

}  // namespace
