// The hub's forwarders against their real targets: the panel as the main
// window holds it (its window not made), the export cache, the pending list
// and the main window, seen through what they do: the records they hold, the
// note windows, the files and the search panel's check and listener. Targets
// that do not exist yet have recording stand-ins.
#include <gtest/gtest.h>

#include <objbase.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/TesselinDlg.h"
#include "dialogs/ExportStackDlg.h"
#include "dialogs/MatchConditionDlg.h"
#include "dialogs/PendingDlg.h"
#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "framework/Trace.h"
#include "framework/Wnd.h"
#include "hub/ProgramObjects.h"
#include "note/MemletWin.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"

namespace {

// What the stand-ins received, in order.
struct Received {
    std::vector<std::string> calls;
    std::vector<CMemletWin*> windows;
    int row = -1;

    void Call(const char* name, CMemletWin* win = nullptr) {
        calls.push_back(name);
        windows.push_back(win);
    }
};

Received g_received;

}  // namespace

// Recording stand-ins for the handlers that are not there yet.
void CControlDlg::SelectItem(int row) {
    g_received.Call("SelectItem");
    g_received.row = row;
}
std::vector<CMemletData>* CControlDlg::GetDataList() {
    g_received.Call("GetDataList");
    return &m_MemletList;
}

namespace {

const char kSelectCaption[] = "ウィンドウ選択";

class HubEnvironment : public testing::Environment {
public:
    void SetUp() override {
        EnableTrace(false);
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override { CoUninitialize(); }
};
const testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(new HubEnvironment);

CMemletData Record(const char* text) {
    CMemletData data;
    data.m_strText = text;
    data.m_strTitle = "無題 - メモ帳";
    data.m_strExeName = "NOTEPAD.EXE";
    data.m_rectWin = RECT{10, 20, 210, 80};
    return data;
}

CWinInf Window(HWND hwnd, const char* title) {
    CWinInf w;
    w.m_hWnd = hwnd;
    w.m_strTitle = title;
    w.m_strProcessName = "NOTEPAD.EXE";
    return w;
}

CWinInf Window(const char* title) { return Window(reinterpret_cast<HWND>(0x4560), title); }

// Two windows of our own, and in the panel's list the calling note open
// on the first one with a second note lying on it.
class Scene {
public:
    Scene() {
        m_target = MakeWindow("的の窓", 100);
        m_destination = MakeWindow("移動先", 700);
        Fields(Panel()).m_WinInfList = {Window(m_target->m_hWnd, "的の窓"), Window(m_destination->m_hWnd, "移動先")};
        Open("呼び手", RECT{150, 150, 350, 210});
        Open("重ね", RECT{250, 180, 450, 240});
        m_caller = Fields(Panel()).m_MemletList[0].m_pMemletWin;
        m_callerWnd = m_caller->m_hWnd;
        // The search panel ticked and hearing of the list's refills.
        MainWindow().m_nSerchCheck = 1;
        Fields(Panel()).m_bRefreshListener = 1;
        Fields(Panel()).m_nRefreshMessage = WM_SERCH_UPDATE;
    }
    ~Scene() {
        Fields(Panel()).m_bRefreshListener = 0;
        Fields(Panel()).m_nRefreshMessage = 0;
        for (CMemletData& d : Fields(Panel()).m_MemletList)
            if (d.m_pMemletWin)
                d.m_pMemletWin->DestroyWindow();
        Fields(Panel()).m_MemletList.clear();
        Fields(Panel()).m_WinInfList.clear();
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    CMemletWin* Caller() const { return m_caller; }
    bool CallerOpen() const { return IsWindow(m_callerWnd) != 0; }
    HWND Destination() const { return m_destination->m_hWnd; }
    // The panel's record of the text it had when it was opened, or null.
    static const CMemletData* Find(const char* text) {
        for (const CMemletData& d : Fields(Panel()).m_MemletList)
            if (d.m_strText == text)
                return &d;
        return nullptr;
    }
    static std::string Front() {
        const std::vector<CMemletData>& list = Fields(Panel()).m_MemletList;
        return list.empty() ? "" : list[0].m_strText;
    }
    std::string CallerText() const { return CallerOpen() ? m_caller->getText() : ""; }

private:
    static std::unique_ptr<CWnd> MakeWindow(const char* title, int x) {
        auto w = std::make_unique<CWnd>();
        CWnd::CreateArgs args;
        args.title = title;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.x = x;
        args.y = 100;
        args.cx = 500;
        args.cy = 400;
        EXPECT_TRUE(w->Create(args));
        return w;
    }
    void Open(const char* text, RECT rect) {
        CMemletData d = Record(text);
        d.m_rectWin = rect;
        d.m_nSerial = CMemletData::NewSerial();
        Fields(Panel()).m_MemletList.push_back(d);
        // Opened in place, as the tracking tick would.
        Fields(Panel()).m_MemletList.back().StartMemlet(m_target->m_hWnd);
        ASSERT_NE(nullptr, Fields(Panel()).m_MemletList.back().m_pMemletWin);
    }

    std::unique_ptr<CWnd> m_target, m_destination;
    CMemletWin* m_caller = nullptr;
    HWND m_callerWnd = nullptr;
};

bool OnlyOne(const std::vector<CMemletData>& list, const char* text) {
    return list.size() == 1 && list[0].m_strText == text;
}

// One request through the hub: its result as an int (0 for none), and
// whether its target did what it does.
struct Request {
    const char* target;
    std::function<int(Scene&)> send;
    std::function<bool(Scene&)> reached;
};

const std::vector<Request>& Requests() {
    static const std::vector<Request> requests = {
        {"notifyDeleteWindow", [](Scene& s) { NotifyDeleteWindow(s.Caller()); return 0; },
         [](Scene& s) { return !s.Find("呼び手") && !s.CallerOpen(); }},
        {"notifyCopyWindow", [](Scene& s) { NotifyCopyWindow(s.Caller()); return 0; },
         [](Scene&) { return Fields(Panel()).m_MemletList.size() == 3 && Scene::Front() == "呼び手"; }},
        {"notifyUpdateWindow", [](Scene&) { NotifyUpdateWindow(); return 0; },
         [](Scene&) { return FileExists(Fields(Panel()).m_strDataPath); }},
        {"notifySplit", [](Scene& s) { NotifySplit(s.Caller(), "上半分", "下半分"); return 0; },
         [](Scene& s) { return Scene::Front() == "下半分" && s.CallerText() == "上半分"; }},
        {"notifyComposition", [](Scene& s) { return NotifyComposition(s.Caller()); },
         [](Scene& s) { return !s.Find("重ね") && s.CallerText() == "呼び手重ね"; }},
        {"notifyMoveDesktop", [](Scene& s) { NotifyMoveDesktop(s.Caller()); return 0; },
         [](Scene&) { return Scene::Find("呼び手") && Scene::Find("呼び手")->m_strExeName == "DESKTOP"; }},
        {"notifyMove",
         [](Scene& s) {
             CModalScript script(kSelectCaption, [&](HWND dlg) { ChooseWindow(dlg, s.Destination()); });
             NotifyMove(s.Caller());
             return 0;
         },
         [](Scene&) { return Scene::Find("呼び手") && Scene::Find("呼び手")->m_strTitle == "移動先"; }},
        {"notifyMatchCondition",
         [](Scene& s) {
             CModalScript script("マッチング条件設定", [](HWND dlg) {
                 CheckDlgButton(dlg, IDC_CHECK_TITLE, BST_UNCHECKED);
                 SendMessageW(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
             });
             NotifyMatchCondition(s.Caller());
             return 0;
         },
         [](Scene&) { return Scene::Find("呼び手") && Scene::Find("呼び手")->m_nTitleFlag == 0; }},
        {"notifyCopyToExportStack", [](Scene& s) { NotifyCopyToExportStack(s.Caller()); return 0; },
         [](Scene&) { return OnlyOne(ExportStack().m_MemletList, "呼び手"); }},
        {"notifyMovePendingList", [](Scene& s) { NotifyMovePendingList(s.Caller()); return 0; },
         [](Scene& s) {
             return OnlyOne(Pending().m_PendingList, "呼び手") && !s.Find("呼び手");
         }},
        {"InsertMemlet", [](Scene&) { InsertMemlet(Record("挿入")); return 0; },
         [](Scene&) { return Scene::Front() == "挿入"; }},
        {"RepasteMemlet",
         [](Scene& s) {
             CModalScript script(kSelectCaption, [&](HWND dlg) { ChooseWindow(dlg, s.Destination()); });
             return RepasteMemlet(Record("貼り替え"));
         },
         [](Scene&) { return Scene::Front() == "貼り替え" && Fields(Panel()).m_MemletList[0].m_strTitle == "移動先"; }},
        {"RepasteToWinInf", [](Scene&) { RepasteToWinInf(Window("宛先"), Record("保留")); return 0; },
         [](Scene&) { return Scene::Front() == "保留" && Fields(Panel()).m_MemletList[0].m_strTitle == "宛先"; }},
        {"SelectItem", [](Scene&) { SelectListItem(5); return 0; },
         [](Scene&) { return g_received.calls == std::vector<std::string>{"SelectItem"} && g_received.row == 5; }},
        {"GetDataList", [](Scene&) { return GetDataList() ? 1 : 0; },
         [](Scene&) { return g_received.calls == std::vector<std::string>{"GetDataList"}; }},
        {"CExportStackDlg::AddData", [](Scene&) { AddExportStack(Record("書き出し")); return 0; },
         [](Scene&) { return OnlyOne(ExportStack().m_MemletList, "書き出し"); }},
        {"CPendingDlg::AddData", [](Scene&) { AddPendingList(Record("保留へ")); return 0; },
         [](Scene&) { return OnlyOne(Pending().m_PendingList, "保留へ"); }},
        {"CPendingDlg::writeIniFile", [](Scene&) { SavePendingList(); return 0; },
         [](Scene&) { return FileExists(Pending().m_strPath); }},
        {"UncheckSerchPanel", [](Scene&) { UncheckSerchPanel(); return 0; },
         [](Scene&) {
             return MainWindow().m_nSerchCheck == 0 && Fields(Panel()).m_bRefreshListener == 0 &&
                    Fields(Panel()).m_nRefreshMessage == 0;
         }},
    };
    return requests;
}

// The pointers as a test found them, put back when it ends.
class SavedPointers {
public:
    SavedPointers()
        : panel_(g_pControlDlg), exportStack_(g_pExportStackDlg), pending_(g_pPendingDlg), main_(g_pTesselinDlg) {}
    ~SavedPointers() {
        SetControlDlg(panel_);
        SetExportStackDlg(exportStack_);
        SetPendingDlg(pending_);
        SetTesselinDlg(main_);
    }

private:
    CControlDlg* panel_;
    CExportStackDlg* exportStack_;
    CPendingDlg* pending_;
    CTesselinDlg* main_;
};

// Every object in a fresh state; the panel saves on every change, into a
// folder of the test's own.
class HubTest : public testing::Test {
protected:
    void SetUp() override {
        CControlDlg& panel = Panel();
        ASSERT_EQ(&panel, g_pControlDlg);  // the panel announces itself
        Fields(panel).m_MemletList.clear();
        Fields(panel).m_nSaveTiming = 1;
        Fields(panel).m_strDataPath = m_folder.File(L"CorvanaData.ini");
        ExportStack().m_MemletList.clear();
        Pending().m_PendingList.clear();
        Pending().m_strPath = m_folder.File(L"BriscoPendingList.ini");
        SetExportStackDlg(&ExportStack());
        SetPendingDlg(&Pending());
        SetTesselinDlg(&MainWindow());
        g_received = Received();
    }
    void TearDown() override { Fields(Panel()).m_nSaveTiming = 0; }
    TempFolder m_folder;
};

TEST_F(HubTest, WithoutObjectsNothingHappens) {
    SavedPointers saved;
    SetControlDlg(nullptr);
    SetExportStackDlg(nullptr);
    SetPendingDlg(nullptr);
    SetTesselinDlg(nullptr);

    for (const Request& r : Requests()) {
        Scene scene;
        g_received = Received();
        CModalScript script(kSelectCaption, [](HWND dlg) { CancelDialog(dlg); });
        EXPECT_EQ(0, r.send(scene)) << r.target;
        EXPECT_FALSE(script.Ran()) << r.target;
        EXPECT_FALSE(r.reached(scene)) << r.target;
        EXPECT_EQ(2u, Fields(Panel()).m_MemletList.size()) << r.target;
        EXPECT_TRUE(scene.CallerOpen()) << r.target;
        EXPECT_EQ("呼び手", scene.CallerText()) << r.target;
        EXPECT_TRUE(ExportStack().m_MemletList.empty()) << r.target;
        EXPECT_TRUE(Pending().m_PendingList.empty()) << r.target;
        EXPECT_TRUE(g_received.calls.empty()) << r.target;
    }
    EXPECT_FALSE(FileExists(Fields(Panel()).m_strDataPath));
    EXPECT_FALSE(FileExists(Pending().m_strPath));

    EXPECT_EQ(nullptr, GetDataList());
    EXPECT_EQ(nullptr, DataListFile().list);
    EXPECT_EQ(nullptr, PendingListFile().list);
    TellPendingListUnsaved();  // no box without a pending list
    EXPECT_TRUE(GetWindowList().empty());
    EXPECT_TRUE(CopyWindowList().empty());
    EXPECT_EQ(0, GetVolumeSerial());
    EXPECT_EQ(0, GetSaveTiming());
    EXPECT_EQ(0, GetSaveFormat());
    EXPECT_EQ(0, GetPosInterval());
    EXPECT_TRUE(g_received.calls.empty());
}

TEST_F(HubTest, EveryRequestReachesItsTarget) {
    for (const Request& r : Requests()) {
        Scene scene;
        ASSERT_FALSE(r.reached(scene)) << r.target;
        g_received = Received();
        r.send(scene);
        EXPECT_TRUE(r.reached(scene)) << r.target;
        ExportStack().m_MemletList.clear();
        Pending().m_PendingList.clear();
        DeleteFileW(Fields(Panel()).m_strDataPath.c_str());
        DeleteFileW(Pending().m_strPath.c_str());
    }
}

TEST_F(HubTest, ArgumentsAndResultsArrive) {
    {
        Scene scene;
        // The note's own window is the one its condition dialog checks.
        HWND checked = nullptr;
        CModalScript script("マッチング条件設定", [&](HWND dlg) {
            if (auto* d = dynamic_cast<CMatchConditionDlg*>(CWnd::FromHandle(dlg)))
                checked = d->m_hWndCheck;
            SendMessageW(GetDlgItem(dlg, IDCANCEL), BM_CLICK, 0, 0);
        });
        NotifyMatchCondition(scene.Caller());
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(scene.Caller()->m_hWnd, checked);
        NotifySplit(scene.Caller(), "上半分", "下半分");
        EXPECT_EQ("上半分", scene.CallerText());
        EXPECT_EQ("下半分", Scene::Front());
    }
    {
        // 1 when one note lies on the caller, else how many do.
        Scene scene;
        EXPECT_EQ(1, NotifyComposition(scene.Caller()));
        EXPECT_EQ(0, NotifyComposition(scene.Caller()));
    }
    {
        Scene scene;
        CMemletData third = Record("三枚目");
        third.m_rectWin = RECT{100, 120, 300, 180};
        third.m_nSerial = CMemletData::NewSerial();
        Fields(Panel()).m_MemletList.push_back(third);
        Fields(Panel()).m_MemletList.back().StartMemlet(GetWindow(scene.Caller()->m_hWnd, GW_OWNER));
        EXPECT_EQ(2, NotifyComposition(scene.Caller()));
    }
    {
        Scene scene;
        CModalScript cancel(kSelectCaption, [](HWND dlg) { CancelDialog(dlg); });
        EXPECT_EQ(0, RepasteMemlet(Record("貼り替え")));
        EXPECT_TRUE(cancel.Ran());
        EXPECT_EQ(2u, Fields(Panel()).m_MemletList.size());
        CModalScript choose(kSelectCaption, [&](HWND dlg) { ChooseWindow(dlg, scene.Destination()); });
        EXPECT_EQ(1, RepasteMemlet(Record("貼り替え")));
        EXPECT_TRUE(choose.Ran());
        EXPECT_EQ("貼り替え", Scene::Front());
    }

    SelectListItem(5);
    EXPECT_EQ(5, g_received.row);

    RepasteToWinInf(Window("宛先"), Record("保留"));
    EXPECT_EQ("宛先", Fields(Panel()).m_MemletList[0].m_strTitle);
    EXPECT_EQ("保留", Fields(Panel()).m_MemletList[0].m_strText);

    AddExportStack(Record("書き出し"));
    ASSERT_EQ(1u, ExportStack().m_MemletList.size());
    EXPECT_EQ("書き出し", ExportStack().m_MemletList[0].m_strText);
    AddPendingList(Record("保留へ"));
    ASSERT_EQ(1u, Pending().m_PendingList.size());
    EXPECT_EQ("保留へ", Pending().m_PendingList[0].m_strText);

    EXPECT_EQ(&Fields(Panel()).m_MemletList, GetDataList());
    // Each list with its own file, writer and held serials.
    const CListFile data = DataListFile(), pending = PendingListFile();
    EXPECT_EQ(&Fields(Panel()).m_MemletList, data.list);
    EXPECT_EQ(Fields(Panel()).m_strDataPath, data.path);
    EXPECT_EQ(&Pending().m_PendingList, pending.list);
    EXPECT_EQ(Pending().m_strPath, pending.path);
    EXPECT_EQ(&Pending().m_WriteIniFile, pending.writer);
    EXPECT_EQ(&Pending().m_FileSerials, pending.held);
    EXPECT_NE(data.writer, pending.writer);
    EXPECT_NE(data.held, pending.held);
}

TEST_F(HubTest, RecordsCrossByValue) {
    const CMemletData before = Record("元の本文");
    CMemletData mine = before;
    InsertMemlet(mine);
    ASSERT_EQ(1u, Fields(Panel()).m_MemletList.size());
    CMemletData& theirs = Fields(Panel()).m_MemletList[0];
    EXPECT_EQ("元の本文", theirs.m_strText);
    EXPECT_EQ(before.m_strTitle, theirs.m_strTitle);
    EXPECT_EQ(before.m_strExeName, theirs.m_strExeName);
    EXPECT_TRUE(EqualRect(&before.m_rectWin, &theirs.m_rectWin));
    // The panel gave its copy a serial; changing it leaves ours alone.
    EXPECT_NE(0u, theirs.m_nSerial);
    theirs.m_strText = "パネルの本文";
    EXPECT_EQ(0u, mine.m_nSerial);
    EXPECT_EQ("元の本文", mine.m_strText);

    // Re-targeted there, not here.
    CWinInf window = Window("宛先");
    RepasteToWinInf(window, mine);
    EXPECT_EQ("宛先", Fields(Panel()).m_MemletList[0].m_strTitle);
    EXPECT_EQ("宛先", window.m_strTitle);
    EXPECT_EQ(before.m_strTitle, mine.m_strTitle);

    AddExportStack(mine);
    AddPendingList(mine);
    ExportStack().m_MemletList[0].m_strText.clear();
    Pending().m_PendingList[0].m_strText.clear();
    EXPECT_EQ("元の本文", mine.m_strText);
    EXPECT_EQ(0u, mine.m_nSerial);
}

TEST_F(HubTest, WindowListIsACopy) {
    CControlDlg& panel = Panel();
    Fields(panel).m_WinInfList = {Window("一つ目"), Window("二つ目")};

    std::vector<CWinInf> list = GetWindowList();
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("一つ目", list[0].m_strTitle);
    EXPECT_EQ("二つ目", list[1].m_strTitle);

    list[0].m_strTitle = "書き換え";
    list.push_back(Window("三つ目"));
    ASSERT_EQ(2u, Fields(panel).m_WinInfList.size());
    EXPECT_EQ("一つ目", Fields(panel).m_WinInfList[0].m_strTitle);
    Fields(panel).m_WinInfList.clear();
}

TEST_F(HubTest, ReadersGiveThePanelsValues) {
    CControlDlg& panel = Panel();
    Fields(panel).m_nVolumeSerial = 0x1234ABCD;
    Fields(panel).m_nSaveTiming = 1;
    Fields(panel).m_nSaveFormat = 2;
    Fields(panel).m_nPosInterval = 75;
    EXPECT_EQ(0x1234ABCD, GetVolumeSerial());
    EXPECT_EQ(1, GetSaveTiming());
    EXPECT_EQ(2, GetSaveFormat());
    EXPECT_EQ(75, GetPosInterval());
    Fields(panel).m_nVolumeSerial = 0;
    Fields(panel).m_nSaveFormat = 0;
    Fields(panel).m_nPosInterval = 50;
}

}  // namespace
