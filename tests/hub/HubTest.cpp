#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/TesselinDlg.h"
#include "dialogs/ExportStackDlg.h"
#include "dialogs/PendingDlg.h"
#include "panel/ControlDlg.h"
#include "panel/Hub.h"

namespace {

// What the targets below received, in order.
struct Received {
    std::vector<std::string> calls;
    std::vector<CMemletWin*> windows;
    std::string first, second;
    CMemletData data;
    CWinInf winInf;
    int row = -1;

    void Call(const char* name, CMemletWin* win = nullptr) {
        calls.push_back(name);
        windows.push_back(win);
    }
};

Received g_received;
int g_compositionResult;
int g_repasteResult;

}  // namespace

// Recording stand-ins for the request handlers of the targets.
void CControlDlg::notifyDeleteWindow(CMemletWin* win) { g_received.Call("notifyDeleteWindow", win); }
void CControlDlg::notifyCopyWindow(CMemletWin* win) { g_received.Call("notifyCopyWindow", win); }
void CControlDlg::notifyUpdateWindow() { g_received.Call("notifyUpdateWindow"); }
void CControlDlg::notifySplit(CMemletWin* win, std::string first, std::string second) {
    g_received.Call("notifySplit", win);
    g_received.first = first;
    g_received.second = second;
}
int CControlDlg::notifyComposition(CMemletWin* win) {
    g_received.Call("notifyComposition", win);
    return g_compositionResult;
}
void CControlDlg::notifyMoveDesktop(CMemletWin* win) { g_received.Call("notifyMoveDesktop", win); }
void CControlDlg::notifyMove(CMemletWin* win) { g_received.Call("notifyMove", win); }
void CControlDlg::notifyMatchCondition(CMemletWin* win) { g_received.Call("notifyMatchCondition", win); }
void CControlDlg::notifyCopyToExportStack(CMemletWin* win) { g_received.Call("notifyCopyToExportStack", win); }
void CControlDlg::notifyMovePendingList(CMemletWin* win) { g_received.Call("notifyMovePendingList", win); }
void CControlDlg::InsertMemlet(CMemletData data) {
    g_received.Call("InsertMemlet");
    g_received.data = data;
    data.m_strText = "the target's own copy";  // must not reach the caller
}
int CControlDlg::RepasteMemlet(CMemletData data) {
    g_received.Call("RepasteMemlet");
    g_received.data = data;
    data.m_strText.clear();
    return g_repasteResult;
}
void CControlDlg::RepasteToWinInf(CWinInf winInf, CMemletData data) {
    g_received.Call("RepasteToWinInf");
    g_received.winInf = winInf;
    g_received.data = data;
    winInf.m_strTitle.clear();
    data.m_strText.clear();
}
void CControlDlg::SelectItem(int row) {
    g_received.Call("SelectItem");
    g_received.row = row;
}
std::vector<CMemletData>* CControlDlg::GetDataList() {
    g_received.Call("GetDataList");
    return &m_MemletList;
}
void CExportStackDlg::AddData(CMemletData data) {
    g_received.Call("CExportStackDlg::AddData");
    g_received.data = data;
    data.m_strText.clear();
}
void CPendingDlg::AddData(CMemletData data) {
    g_received.Call("CPendingDlg::AddData");
    g_received.data = data;
    data.m_strText.clear();
}
int CPendingDlg::writeIniFile() {
    g_received.Call("CPendingDlg::writeIniFile");
    return 1;
}
void CTesselinDlg::UncheckSerchPanel() { g_received.Call("UncheckSerchPanel"); }

namespace {

CMemletWin* const kWin = reinterpret_cast<CMemletWin*>(0x1230);

CMemletData Record(const char* text) {
    CMemletData data;
    data.m_strText = text;
    data.m_strTitle = "無題 - メモ帳";
    data.m_strExeName = "NOTEPAD.EXE";
    data.m_rectWin = RECT{10, 20, 210, 80};
    return data;
}

CWinInf Window(const char* title) {
    CWinInf w;
    w.m_hWnd = reinterpret_cast<HWND>(0x4560);
    w.m_strTitle = title;
    w.m_strProcessName = "NOTEPAD.EXE";
    return w;
}

// One request through the hub; the result as an int (0 for none).
struct Request {
    const char* target;  // what the target records
    std::function<int()> send;
};

const std::vector<Request>& Requests() {
    static const std::vector<Request> requests = {
        {"notifyDeleteWindow", [] { NotifyDeleteWindow(kWin); return 0; }},
        {"notifyCopyWindow", [] { NotifyCopyWindow(kWin); return 0; }},
        {"notifyUpdateWindow", [] { NotifyUpdateWindow(); return 0; }},
        {"notifySplit", [] { NotifySplit(kWin, "上半分", "下半分"); return 0; }},
        {"notifyComposition", [] { return NotifyComposition(kWin); }},
        {"notifyMoveDesktop", [] { NotifyMoveDesktop(kWin); return 0; }},
        {"notifyMove", [] { NotifyMove(kWin); return 0; }},
        {"notifyMatchCondition", [] { NotifyMatchCondition(kWin); return 0; }},
        {"notifyCopyToExportStack", [] { NotifyCopyToExportStack(kWin); return 0; }},
        {"notifyMovePendingList", [] { NotifyMovePendingList(kWin); return 0; }},
        {"InsertMemlet", [] { InsertMemlet(Record("挿入")); return 0; }},
        {"RepasteMemlet", [] { return RepasteMemlet(Record("貼り替え")); }},
        {"RepasteToWinInf", [] { RepasteToWinInf(Window("宛先"), Record("保留")); return 0; }},
        {"SelectItem", [] { SelectListItem(5); return 0; }},
        {"GetDataList", [] { return GetDataList() ? 1 : 0; }},
        {"CExportStackDlg::AddData", [] { AddExportStack(Record("書き出し")); return 0; }},
        {"CPendingDlg::AddData", [] { AddPendingList(Record("保留へ")); return 0; }},
        {"CPendingDlg::writeIniFile", [] { SavePendingList(); return 0; }},
        {"UncheckSerchPanel", [] { UncheckSerchPanel(); return 0; }},
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

TEST(Hub, WithoutObjectsNothingHappens) {
    SavedPointers saved;
    SetControlDlg(nullptr);
    SetExportStackDlg(nullptr);
    SetPendingDlg(nullptr);
    SetTesselinDlg(nullptr);
    g_received = Received();
    g_compositionResult = 7;
    g_repasteResult = 3;

    for (const Request& r : Requests())
        EXPECT_EQ(0, r.send()) << r.target;
    EXPECT_TRUE(g_received.calls.empty());

    EXPECT_EQ(nullptr, GetDataList());
    EXPECT_TRUE(GetWindowList().empty());
    EXPECT_TRUE(CopyWindowList().empty());
    EXPECT_EQ(0, GetVolumeSerial());
    EXPECT_EQ(0, GetSaveTiming());
    EXPECT_EQ(0, GetSaveFormat());
    EXPECT_EQ(0, GetPosInterval());
    EXPECT_TRUE(g_received.calls.empty());
}

// The objects live until the program ends, as they do in the program.
class HubTest : public testing::Test {
protected:
    // The panel lives in the main window, as in the program.
    static CTesselinDlg& MainWindow() {
        static CTesselinDlg* mainWindow = new CTesselinDlg;
        return *mainWindow;
    }
    static CControlDlg& Panel() { return MainWindow().m_ControlDlg; }

    void SetUp() override {
        CControlDlg& panel = Panel();
        ASSERT_EQ(&panel, g_pControlDlg);  // the panel announces itself
        static CExportStackDlg exportStack;
        static CPendingDlg pending;
        SetExportStackDlg(&exportStack);
        SetPendingDlg(&pending);
        SetTesselinDlg(&MainWindow());
        g_received = Received();
        g_compositionResult = 7;
        g_repasteResult = 3;
    }
};

TEST_F(HubTest, EveryRequestReachesItsTarget) {
    for (const Request& r : Requests()) {
        g_received = Received();
        r.send();
        ASSERT_EQ(1u, g_received.calls.size()) << r.target;
        EXPECT_EQ(r.target, g_received.calls[0]);
    }
}

TEST_F(HubTest, ArgumentsAndResultsArrive) {
    NotifyMove(kWin);
    NotifySplit(kWin, "上半分", "下半分");
    EXPECT_EQ(kWin, g_received.windows[0]);
    EXPECT_EQ(kWin, g_received.windows[1]);
    EXPECT_EQ("上半分", g_received.first);
    EXPECT_EQ("下半分", g_received.second);

    EXPECT_EQ(7, NotifyComposition(kWin));
    g_compositionResult = 0;
    EXPECT_EQ(0, NotifyComposition(kWin));
    EXPECT_EQ(3, RepasteMemlet(Record("貼り替え")));
    EXPECT_EQ("貼り替え", g_received.data.m_strText);

    SelectListItem(5);
    EXPECT_EQ(5, g_received.row);

    RepasteToWinInf(Window("宛先"), Record("保留"));
    EXPECT_EQ("宛先", g_received.winInf.m_strTitle);
    EXPECT_EQ("保留", g_received.data.m_strText);

    AddExportStack(Record("書き出し"));
    EXPECT_EQ("書き出し", g_received.data.m_strText);
    AddPendingList(Record("保留へ"));
    EXPECT_EQ("保留へ", g_received.data.m_strText);

    EXPECT_EQ(&Panel().m_MemletList, GetDataList());
}

TEST_F(HubTest, RecordsCrossByValue) {
    const CMemletData before = Record("元の本文");
    CMemletData mine = before;
    InsertMemlet(mine);
    EXPECT_EQ("元の本文", mine.m_strText);  // the target changed only its own copy
    EXPECT_EQ("元の本文", g_received.data.m_strText);
    EXPECT_EQ(before.m_strTitle, g_received.data.m_strTitle);
    EXPECT_EQ(before.m_strExeName, g_received.data.m_strExeName);
    EXPECT_TRUE(EqualRect(&before.m_rectWin, &g_received.data.m_rectWin));

    CWinInf window = Window("宛先");
    RepasteToWinInf(window, mine);
    EXPECT_EQ("宛先", window.m_strTitle);
    EXPECT_EQ("元の本文", mine.m_strText);
}

TEST_F(HubTest, WindowListIsACopy) {
    CControlDlg& panel = Panel();
    panel.m_WinInfList = {Window("一つ目"), Window("二つ目")};

    std::vector<CWinInf> list = GetWindowList();
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("一つ目", list[0].m_strTitle);
    EXPECT_EQ("二つ目", list[1].m_strTitle);

    list[0].m_strTitle = "書き換え";
    list.push_back(Window("三つ目"));
    ASSERT_EQ(2u, panel.m_WinInfList.size());
    EXPECT_EQ("一つ目", panel.m_WinInfList[0].m_strTitle);
}

TEST_F(HubTest, ReadersGiveThePanelsValues) {
    CControlDlg& panel = Panel();
    panel.m_nVolumeSerial = 0x1234ABCD;
    panel.m_nSaveTiming = 1;
    panel.m_nSaveFormat = 2;
    panel.m_nPosInterval = 75;
    EXPECT_EQ(0x1234ABCD, GetVolumeSerial());
    EXPECT_EQ(1, GetSaveTiming());
    EXPECT_EQ(2, GetSaveFormat());
    EXPECT_EQ(75, GetPosInterval());
}

}  // namespace
