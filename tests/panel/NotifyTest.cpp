// The notes' requests to the panel through the hub, over every road: the
// list's order, the changed marks, the refills and saves, the fields a
// record takes, the data file; absorbing; a moved note reopening.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/ModalScript.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "panel/NotifyFixture.h"
#include "res/resource.h"
#include "storage/MemletDataStore.h"

namespace {

// Two windows of the helper; in the list A and D open on the first one, D
// lying on A, B closed, C open on the desktop, partly off the screen.
// Another note, open on the first window over A, has no record at all.
class NotifyRoadTest : public NotifyTest {
protected:
    void SetUp() override {
        NotifyTest::SetUp();
        if (HasFatalFailure())
            return;
        m_w1 = Target("付箋の的一", 300, 200, 400, 300);
        m_w2 = Target("付箋の的二", 760, 150, 400, 300);
        ASSERT_EQ(WindowRect(m_w1), (RECT{300, 200, 700, 500}));
        ASSERT_EQ(WindowRect(m_w2), (RECT{760, 150, 1160, 450}));
    }
    void TearDown() override {
        Fields(m_panel).m_nSaveTiming = 0;
        m_stranger.EndMemlet();
        NotifyTest::TearDown();
    }

public:
    using NotifyTest::Find;
    using NotifyTest::NoteOf;
    using NotifyTest::FileLabels;
    using NotifyTest::Labels;
    using NotifyTest::m_export;
    using NotifyTest::m_pending;
    using NotifyTest::m_refreshes;
    using PanelTest::Listed;
    using PanelTest::m_panel;
    using PanelTest::Targets;
    using PanelTest::Tick;

    void OpenScene() {
        CMemletData a = Note("A", "付箋の的一", RECT{320, 220, 520, 280});
        a.m_strExClass = "RecClass";
        a.m_arrow.m_nArwFlag = 1;
        // A start on the note stays where it is stored.
        a.m_arrow.m_nStartX = 30;
        a.m_arrow.m_nStartY = 20;
        a.m_arrow.m_nEndX = 50;
        a.m_arrow.m_nEndY = 60;
        a.m_reserve.m_nKind = 2;
        SetNotes({a, Note("D", "付箋の的一", RECT{420, 250, 620, 310}),
                  Note("B", "どこにもない窓", RECT{10, 10, 210, 70}), DesktopNote("C", RECT{1150, 700, 1350, 760})});
        for (const char* open : {"A", "D", "C"})
            ASSERT_NE(nullptr, NoteOf(open)) << open;
        ASSERT_EQ(nullptr, NoteOf("B"));
        m_stranger = Note("よそ者", "付箋の的一", RECT{150, 210, 340, 270});
        m_stranger.StartMemlet(m_w1);
        ASSERT_NE(nullptr, m_stranger.m_pMemletWin);
        m_refreshes.clear();
    }
    void CloseScene() {
        Fields(m_panel).m_nSaveTiming = 0;
        m_stranger.EndMemlet();
        Fields(m_panel).m_nSaveTiming = 1;
        ClearNotes();
    }
    CMemletWin* Caller(const std::string& name) {
        if (name == "stranger")
            return m_stranger.m_pMemletWin;
        return name.empty() ? nullptr : NoteOf(name);
    }
    // What a record takes from the template on every road to another window.
    void ExpectTemplateCondition(const CMemletData& d) {
        const CMemletData& t = Fields(m_panel).m_MemletTemplate;
        EXPECT_EQ(t.m_nProcessFlag, d.m_nProcessFlag);
        EXPECT_EQ(t.m_nTitleFlag, d.m_nTitleFlag);
        EXPECT_EQ(t.m_nExtentFlag, d.m_nExtentFlag);
        EXPECT_EQ(t.m_nFull, d.m_nFull);
        EXPECT_EQ(t.m_nExFullFlag, d.m_nExFullFlag);
        EXPECT_EQ(t.m_strExText, d.m_strExText);
        EXPECT_EQ(t.m_strExPart, d.m_strExPart);
        EXPECT_EQ(t.m_nExCtlId, d.m_nExCtlId);
        EXPECT_EQ(nullptr, d.m_hWndTarget);
        EXPECT_EQ(0, d.m_bAttached);
        EXPECT_EQ(nullptr, d.m_pMemletWin);
    }
    static void ExpectArrow(const CArrowData& a, int flag, int sx, int sy, int ex, int ey) {
        EXPECT_EQ(flag, a.m_nArwFlag);
        EXPECT_EQ(sx, a.m_nStartX);
        EXPECT_EQ(sy, a.m_nStartY);
        EXPECT_EQ(ex, a.m_nEndX);
        EXPECT_EQ(ey, a.m_nEndY);
    }
    static RECT Moved(RECT r, int d) { return RECT{r.left + d, r.top + d, r.right + d, r.bottom + d}; }
    // A note of 200 x 60 centred on a rectangle by halving the margins.
    static RECT CentredOn(RECT t) {
        int left = t.left + (t.right - t.left - 200) / 2, top = t.top + (t.bottom - t.top - 60) / 2;
        return RECT{left, top, left + 200, top + 60};
    }
    CMemletData Pasted(const char* text) {
        CMemletData e = Note(text, "無題 - メモ帳", RECT{10, 20, 210, 80});
        e.m_strExeName = "NOTEPAD.EXE";
        e.m_strExClass = "RecE";
        e.m_arrow.m_nArwFlag = 1;
        return e;
    }

    // The checks the roads share.
    void ExpectOnDesktop(const char* text) {
        CMemletData* d = Find(text);
        ASSERT_NE(nullptr, d);
        EXPECT_EQ("DESKTOP", d->m_strTitle);
        EXPECT_EQ("DESKTOP", d->m_strExeName);
        EXPECT_EQ("DESKTOP", d->m_strExePath);
        RECT desktop = WindowRect(GetDesktopWindow());
        EXPECT_EQ(CentredOn(desktop), d->m_rectWin);
        EXPECT_EQ(desktop, d->m_rectTarget);
        ExpectTemplateCondition(*d);
        ExpectArrow(d->m_arrow, 1, 11, 12, 13, 14);  // the template's, flag and all
        EXPECT_FALSE(IsWindow(m_callerWnd));
    }
    void ExpectOnW2(const CMemletData& d) {
        EXPECT_EQ("付箋の的二", d.m_strTitle);
        EXPECT_EQ(kTargetsExeName, d.m_strExeName);
        EXPECT_EQ(Targets().Path(), d.m_strExePath);
        EXPECT_EQ(CentredOn(WindowRect(m_w2)), d.m_rectWin);
        EXPECT_EQ(WindowRect(m_w2), d.m_rectTarget);
        ExpectTemplateCondition(d);
        ExpectArrow(d.m_arrow, 0, 11, 12, 13, 14);  // the template's offsets, no line
    }
    void ExpectCopyAtFront(const char* source) {
        const CMemletData& front = Fields(m_panel).m_MemletList[0];
        EXPECT_EQ(Moved(m_before, 5), front.m_rectWin);
        EXPECT_EQ(0, front.m_bAttached);
        EXPECT_EQ(nullptr, front.m_pMemletWin);
        EXPECT_EQ(0, front.m_reserve.m_nKind);
        EXPECT_TRUE(IsWindow(m_callerWnd));  // the source stays open
        ASSERT_NE(nullptr, NoteOf(source));
        EXPECT_EQ(m_callerWnd, NoteOf(source)->m_hWnd);
    }
    void ExpectPastedAgain() {
        const CMemletData& e = Fields(m_panel).m_MemletList[0];
        ExpectOnW2(e);
        EXPECT_EQ("RecE", e.m_strExClass);  // its own
    }

    HWND m_w1 = nullptr, m_w2 = nullptr;
    CMemletData m_stranger;
    RECT m_before{};  // the caller's window before the request
    HWND m_callerWnd = nullptr;
};

enum class Dialog { kNone, kChoose, kCancel };

struct Road {
    std::string name;
    std::string caller;  // "A", "C", "stranger", or none
    std::function<int(NotifyRoadTest&, CMemletWin*)> send;
    Dialog dialog;
    std::string notListed;  // what the window selection dialog leaves out: "W1", "desktop" or nothing
    std::string after;
    std::vector<std::string> refreshes;  // the list at each refill
    int result;
    std::function<void(NotifyRoadTest&)> check;
};

std::vector<Road> Roads() {
    auto delete_ = [](NotifyRoadTest&, CMemletWin* w) { NotifyDeleteWindow(w); return 0; };
    auto copy = [](NotifyRoadTest&, CMemletWin* w) { NotifyCopyWindow(w); return 0; };
    auto exportNote = [](NotifyRoadTest&, CMemletWin* w) { NotifyCopyToExportStack(w); return 0; };
    auto park = [](NotifyRoadTest&, CMemletWin* w) { NotifyMovePendingList(w); return 0; };
    auto desktop = [](NotifyRoadTest&, CMemletWin* w) { NotifyMoveDesktop(w); return 0; };
    auto move = [](NotifyRoadTest&, CMemletWin* w) { NotifyMove(w); return 0; };
    auto absorb = [](NotifyRoadTest&, CMemletWin* w) { return NotifyComposition(w); };
    auto split = [](NotifyRoadTest&, CMemletWin* w) { NotifySplit(w, "ソフト表", "能力予定"); return 0; };

    std::vector<Road> roads = {
        {"update", "", [](NotifyRoadTest&, CMemletWin*) { NotifyUpdateWindow(); return 0; }, Dialog::kNone, "",
         "A D B C", {"A D B C"}, 0, nullptr},
        {"delete", "A", delete_, Dialog::kNone, "", "D B C", {"D* B* C*"}, 0,
         [](NotifyRoadTest& t) {
             EXPECT_FALSE(IsWindow(t.m_callerWnd));
             EXPECT_NE(nullptr, t.NoteOf("D"));
         }},
        {"delete the desktop note", "C", delete_, Dialog::kNone, "", "A D B", {"A D B"}, 0,
         [](NotifyRoadTest& t) { EXPECT_FALSE(IsWindow(t.m_callerWnd)); }},
        {"duplicate", "A", copy, Dialog::kNone, "", "A A D B C", {"A A* D* B* C*"}, 0,
         [](NotifyRoadTest& t) {
             t.ExpectCopyAtFront("A");
             const CMemletData& front = Fields(t.m_panel).m_MemletList[0];
             EXPECT_EQ("付箋の的一", front.m_strTitle);
             NotifyRoadTest::ExpectArrow(front.m_arrow, 1, 30, 20, 50, 60);
         }},
        {"duplicate the desktop note off the screen's edge", "C", copy, Dialog::kNone, "", "C A D B C",
         {"C A* D* B* C*"}, 0,
         [](NotifyRoadTest& t) {
             t.ExpectCopyAtFront("C");
             EXPECT_EQ((RECT{1155, 705, 1355, 765}), Fields(t.m_panel).m_MemletList[0].m_rectWin);
             EXPECT_EQ("DESKTOP", Fields(t.m_panel).m_MemletList[0].m_strExeName);
         }},
        {"export", "A", exportNote, Dialog::kNone, "", "A D B C", {}, 0,
         [](NotifyRoadTest& t) {
             ASSERT_EQ(1u, t.m_export.m_MemletList.size());
             const CMemletData& e = t.m_export.m_MemletList[0];
             EXPECT_EQ("A", e.m_strText);
             EXPECT_EQ(t.m_before, e.m_rectWin);  // in place
             EXPECT_EQ(0, e.m_bAttached);
             EXPECT_EQ(nullptr, e.m_pMemletWin);
             EXPECT_EQ(0, e.m_reserve.m_nDue);
             EXPECT_EQ(2, e.m_reserve.m_nKind);
             EXPECT_TRUE(IsWindow(t.m_callerWnd));
         }},
        {"park", "A", park, Dialog::kNone, "", "D B C", {"A* D B C", "D* B* C*"}, 0,
         [](NotifyRoadTest& t) {
             ASSERT_EQ(1u, t.m_pending.m_PendingList.size());
             const CMemletData& p = t.m_pending.m_PendingList[0];
             EXPECT_EQ("A", p.m_strText);
             EXPECT_EQ(t.m_before, p.m_rectWin);
             EXPECT_EQ(0, p.m_bAttached);
             EXPECT_EQ(nullptr, p.m_pMemletWin);
             EXPECT_FALSE(IsWindow(t.m_callerWnd));
             EXPECT_EQ("A", t.FileLabels(t.m_pending.m_strPath));
             EXPECT_EQ("", t.m_panel.GetDlgText(IDC_EDIT_TEXT));
             for (int id : {IDC_BUTTON_WINDOWCENTER, IDC_BUTTON_MONITORCENTER, IDC_BUTTON_EDITTEXT,
                            IDC_BUTTON_MATCHCONDITION})
                 EXPECT_FALSE(IsWindowEnabled(t.m_panel.GetDlgItem(id))) << id;
         }},
        {"park the desktop note", "C", park, Dialog::kNone, "", "A D B", {"A D B C*", "A D B"}, 0,
         [](NotifyRoadTest& t) {
             EXPECT_EQ("C", NotifyRoadTest::Labels(t.m_pending.m_PendingList, false));
         }},
        {"split", "A", split, Dialog::kNone, "", "能力予定 A D B C", {"能力予定 A* D* B* C*"}, 0,
         [](NotifyRoadTest& t) {
             t.ExpectCopyAtFront("A");
             EXPECT_EQ("ソフト表", t.NoteOf("A")->getText());
             EXPECT_EQ("能力予定", Fields(t.m_panel).m_MemletList[0].m_strText);
         }},
        {"absorb", "A", absorb, Dialog::kNone, "", "A B C", {"A B* C*"}, 1,
         [](NotifyRoadTest& t) {
             EXPECT_EQ("AD", t.NoteOf("A")->getText());
             EXPECT_EQ(t.m_callerWnd, t.NoteOf("A")->m_hWnd);
             EXPECT_EQ(t.m_before, WindowRect(t.m_callerWnd));
         }},
        {"to the desktop", "A", desktop, Dialog::kNone, "", "A D B C", {"A* D B C", "A D B C"}, 0,
         [](NotifyRoadTest& t) {
             t.ExpectOnDesktop("A");
             EXPECT_EQ("RecClass", t.Find("A")->m_strExClass);  // kept
         }},
        {"the desktop note to the desktop", "C", desktop, Dialog::kNone, "", "A D B C", {"A D B C*", "A D B C"}, 0,
         [](NotifyRoadTest& t) { t.ExpectOnDesktop("C"); }},
        {"move", "A", move, Dialog::kChoose, "W1", "A D B C", {"A* D B C", "A D B C"}, 0,
         [](NotifyRoadTest& t) {
             t.ExpectOnW2(*t.Find("A"));
             EXPECT_EQ("TplClass", t.Find("A")->m_strExClass);
             EXPECT_FALSE(IsWindow(t.m_callerWnd));
         }},
        {"move the desktop note", "C", move, Dialog::kChoose, "desktop", "A D B C", {"A D B C*", "A D B C"}, 0,
         [](NotifyRoadTest& t) { t.ExpectOnW2(*t.Find("C")); }},
        {"move cancelled", "A", move, Dialog::kCancel, "W1", "A D B C", {}, 0,
         [](NotifyRoadTest& t) {
             EXPECT_EQ(t.m_callerWnd, t.NoteOf("A")->m_hWnd);
             EXPECT_EQ("付箋の的一", t.Find("A")->m_strTitle);
         }},
        {"insert a record due on a later day", "",
         [](NotifyRoadTest& t, CMemletWin*) {
             CMemletData e = t.Pasted("E");
             e.m_reserve.m_nKind = 3;
             e.m_reserve.m_nYear = 2090;
             e.m_reserve.m_nMonth = 1;
             e.m_reserve.m_nDay = 1;
             InsertMemlet(e);
             return 0;
         },
         Dialog::kNone, "", "E A D B C", {"E A* D* B* C*"}, 0,
         [](NotifyRoadTest& t) {
             const CMemletData& e = Fields(t.m_panel).m_MemletList[0];
             EXPECT_EQ(1, e.m_reserve.m_nDue);
             EXPECT_EQ("無題 - メモ帳", e.m_strTitle);
             EXPECT_EQ("RecE", e.m_strExClass);
             EXPECT_EQ(1, e.m_arrow.m_nArwFlag);
         }},
        {"insert a record due on a past day", "",
         [](NotifyRoadTest& t, CMemletWin*) {
             CMemletData e = t.Pasted("E");
             e.m_reserve.m_nKind = 3;
             e.m_reserve.m_nYear = 2001;
             e.m_reserve.m_nMonth = 1;
             e.m_reserve.m_nDay = 1;
             e.m_reserve.m_nDue = 1;
             InsertMemlet(e);
             return 0;
         },
         Dialog::kNone, "", "E A D B C", {"E A* D* B* C*"}, 0,
         [](NotifyRoadTest& t) { EXPECT_EQ(0, Fields(t.m_panel).m_MemletList[0].m_reserve.m_nDue); }},
        {"paste again", "", [](NotifyRoadTest& t, CMemletWin*) { return RepasteMemlet(t.Pasted("E")); },
         Dialog::kChoose, "", "E A D B C", {"E A* D* B* C*"}, 1, [](NotifyRoadTest& t) { t.ExpectPastedAgain(); }},
        {"paste again cancelled", "", [](NotifyRoadTest& t, CMemletWin*) { return RepasteMemlet(t.Pasted("E")); },
         Dialog::kCancel, "", "A D B C", {}, 0, nullptr},
        {"paste again on a given window", "",
         [](NotifyRoadTest& t, CMemletWin*) {
             t.Tick();  // the window list as the pending list asks for it
             t.m_refreshes.clear();
             RepasteToWinInf(*t.Listed(t.m_w2), t.Pasted("E"));
             return 0;
         },
         Dialog::kNone, "", "E A D B C", {"E A* D* B* C*"}, 0, [](NotifyRoadTest& t) { t.ExpectPastedAgain(); }},
    };
    // A note without a record gets nothing done on any road.
    std::vector<Road> strangers;
    for (const Road& r : roads) {
        if (r.caller != "A")
            continue;
        Road s = r;
        s.name = r.name + ", asked by a note without a record";
        s.caller = "stranger";
        s.dialog = Dialog::kNone;
        s.after = "A D B C";
        s.refreshes = {};
        s.result = 0;
        s.check = [](NotifyRoadTest& t) {
            EXPECT_TRUE(IsWindow(t.m_callerWnd));
            EXPECT_EQ("よそ者", t.m_stranger.m_pMemletWin->getText());
            EXPECT_EQ(t.m_before, WindowRect(t.m_callerWnd));
            EXPECT_TRUE(t.m_export.m_MemletList.empty());
            EXPECT_TRUE(t.m_pending.m_PendingList.empty());
            for (const char* open : {"A", "D", "C"})
                EXPECT_NE(nullptr, t.NoteOf(open)) << open;
        };
        strangers.push_back(s);
    }
    roads.insert(roads.end(), strangers.begin(), strangers.end());
    return roads;
}

// Each road twice: saving into the data file, and with a data file that
// cannot be written, where every save asks the user.
TEST_F(NotifyRoadTest, EveryRoadChangesTheListRefillsAndSaves) {
    const std::wstring goodPath = DataPath();
    const std::wstring badPath = m_folder.File(L"ないフォルダ\\CorvanaData.ini");
    for (const Road& road : Roads()) {
        for (bool failing : {false, true}) {
            SCOPED_TRACE(road.name + (failing ? " (the data file cannot be written)" : ""));
            OpenScene();
            if (HasFatalFailure())
                return;
            Fields(m_panel).m_strDataPath = failing ? badPath : goodPath;
            // What a later refill of a row's view would clear.
            m_panel.SetDlgText(IDC_EDIT_TEXT, "前の本文");
            for (int id : {IDC_BUTTON_WINDOWCENTER, IDC_BUTTON_MONITORCENTER, IDC_BUTTON_EDITTEXT,
                           IDC_BUTTON_MATCHCONDITION})
                ::EnableWindow(m_panel.GetDlgItem(id), TRUE);
            CMemletWin* caller = Caller(road.caller);
            m_callerWnd = caller ? caller->m_hWnd : nullptr;
            m_before = caller ? WindowRect(m_callerWnd) : RECT{};
            CModalScript script(kWindowSelCaption, [&](HWND dlg) {
                std::vector<HWND> listed = ListedWindows(dlg);
                auto has = [&](HWND h) { return std::find(listed.begin(), listed.end(), h) != listed.end(); };
                EXPECT_TRUE(has(m_w2));
                EXPECT_EQ(road.notListed != "W1", has(m_w1));
                EXPECT_EQ(road.notListed != "desktop", has(GetDesktopWindow()));
                if (road.dialog == Dialog::kChoose)
                    EXPECT_TRUE(ChooseWindow(dlg, m_w2));
                else
                    CancelDialog(dlg);
            });
            EXPECT_EQ(road.result, road.send(*this, caller));
            EXPECT_EQ(road.dialog != Dialog::kNone, script.Ran());
            EXPECT_EQ(road.after, Labels(false));
            std::vector<std::string> boxes = TakeBoxes();
            if (!failing) {
                EXPECT_EQ(road.refreshes, m_refreshes);
                EXPECT_TRUE(boxes.empty());
                if (road.check)
                    road.check(*this);
                // Every save wrote the whole list as it stood.
                if (road.refreshes.empty()) {
                    EXPECT_FALSE(FileExists(goodPath));
                } else {
                    std::vector<CMemletData> loaded;
                    LoadMemletFile(goodPath, loaded);
                    ASSERT_EQ(Fields(m_panel).m_MemletList.size(), loaded.size());
                    for (size_t i = 0; i < loaded.size(); i++) {
                        const CMemletData& d = Fields(m_panel).m_MemletList[i];
                        EXPECT_EQ(d.m_strText, loaded[i].m_strText) << i;
                        EXPECT_EQ(d.m_strTitle, loaded[i].m_strTitle) << i;
                        EXPECT_EQ(d.m_strExeName, loaded[i].m_strExeName) << i;
                        EXPECT_EQ(d.m_strExClass, loaded[i].m_strExClass) << i;
                        EXPECT_EQ(d.m_arrow.m_nArwFlag, loaded[i].m_arrow.m_nArwFlag) << i;
                        EXPECT_EQ(d.m_rectWin, loaded[i].m_rectWin) << i;
                    }
                }
            } else {
                EXPECT_EQ(road.refreshes.size(), m_refreshes.size());
                EXPECT_EQ(std::vector<std::string>(road.refreshes.size(), kSaveError), boxes);
            }
            EXPECT_EQ(0, StrayNotes(m_stranger.m_pMemletWin->m_hWnd));
            CloseScene();
        }
    }
}

// A moved note opens on its new window at the next tick, centred, without
// its leader line; moved on to the desktop it opens centred on the screen.
TEST_F(NotifyRoadTest, MovedNoteReopensCentredOnTheOtherWindowWithoutLeaderLine) {
    OpenScene();
    CMemletWin* a = NoteOf("A");
    ASSERT_NE(nullptr, a);
    HWND first = a->m_hWnd;
    ASSERT_EQ(m_w1, GetWindow(first, GW_OWNER));
    ASSERT_EQ(1, a->m_arrow.m_nArwFlag);
    CModalScript script(kWindowSelCaption, [&](HWND dlg) { EXPECT_TRUE(ChooseWindow(dlg, m_w2)); });
    NotifyMove(a);
    ASSERT_TRUE(script.Ran());
    EXPECT_FALSE(IsWindow(first));
    Tick();
    CMemletWin* moved = NoteOf("A");
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(m_w2, Find("A")->m_hWndTarget);
    EXPECT_EQ(m_w2, GetWindow(moved->m_hWnd, GW_OWNER));
    EXPECT_EQ(CentredOn(WindowRect(m_w2)), WindowRect(moved->m_hWnd));
    EXPECT_EQ(0, moved->m_arrow.m_nArwFlag);

    HWND second = moved->m_hWnd;
    NotifyMoveDesktop(moved);
    EXPECT_FALSE(IsWindow(second));
    Tick();
    CMemletWin* onDesktop = NoteOf("A");
    ASSERT_NE(nullptr, onDesktop);
    EXPECT_EQ(GetDesktopWindow(), Find("A")->m_hWndTarget);
    EXPECT_EQ(1, onDesktop->m_bDesktop);
    EXPECT_EQ(CentredOn(WindowRect(GetDesktopWindow())), WindowRect(onDesktop->m_hWnd));
    EXPECT_EQ(1, onDesktop->m_arrow.m_nArwFlag);  // the template's leader line
    CloseScene();
}

// A window that closes while the dialog lists it, or before the pending
// list's choice reaches the panel, has no rectangle to give: the record
// takes its name and the template's condition, keeps its own place and has
// no target rectangle.
TEST_F(NotifyRoadTest, WindowGoneByOkGivesNoPlace) {
    const struct {
        const char* name;
        std::function<void(NotifyRoadTest&, HWND gone)> send;
        const char* moved;  // the record that takes the window's name
        RECT before;
    } cases[] = {
        {"move",
         [](NotifyRoadTest& t, HWND gone) {
             CModalScript script(kWindowSelCaption, [&](HWND dlg) {
                 t.Targets().Close(gone);
                 EXPECT_TRUE(ChooseWindow(dlg, gone));
             });
             NotifyMove(t.NoteOf("A"));
             EXPECT_TRUE(script.Ran());
         },
         "A", RECT{320, 220, 520, 280}},
        {"paste again",
         [](NotifyRoadTest& t, HWND gone) {
             CModalScript script(kWindowSelCaption, [&](HWND dlg) {
                 t.Targets().Close(gone);
                 EXPECT_TRUE(ChooseWindow(dlg, gone));
             });
             EXPECT_EQ(1, RepasteMemlet(t.Pasted("E")));
         },
         "E", RECT{10, 20, 210, 80}},
        {"paste again on a given window",
         [](NotifyRoadTest& t, HWND gone) {
             CWinInf entry = *t.Listed(gone);
             t.Targets().Close(gone);
             RepasteToWinInf(entry, t.Pasted("E"));
         },
         "E", RECT{10, 20, 210, 80}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND gone = Target("消える窓", 500, 500, 300, 200);
        OpenScene();
        ASSERT_NE(nullptr, Listed(gone));
        c.send(*this, gone);
        CMemletData* d = Find(c.moved);
        ASSERT_NE(nullptr, d);
        EXPECT_EQ("消える窓", d->m_strTitle);
        EXPECT_EQ(c.before, d->m_rectWin);
        EXPECT_EQ((RECT{0, 0, 0, 0}), d->m_rectTarget);
        ExpectTemplateCondition(*d);
        EXPECT_EQ(0, d->m_arrow.m_nArwFlag);
        CloseScene();
    }
}

// Records get their serials as they enter the list, no two alike; a record
// taken to another window keeps its own; loaded notes answer like any other.
TEST_F(NotifyRoadTest, RecordsGetSerialsAsTheyEnterTheList) {
    std::wstring storeFolder = m_folder.File(L"store");
    ASSERT_TRUE(CreateDirectoryW(storeFolder.c_str(), nullptr));
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    ASSERT_TRUE(SetCurrentDirectoryW(storeFolder.c_str()));
    CMemletDataStore store;  // no files there: nothing loaded
    SetCurrentDirectoryA(cwd);
    store.m_MemletList = {Note("L1", "付箋の的一", RECT{320, 220, 520, 280}),
                          Note("L2", "付箋の的一", RECT{560, 400, 680, 460})};
    g_pMemletDataStore = &store;
    m_panel.TakeLoadedData();
    g_pMemletDataStore = nullptr;
    Tick();
    ASSERT_NE(nullptr, NoteOf("L1"));
    m_panel.PasteToDesktop(0);
    InsertMemlet(Pasted("E"));
    NotifyCopyWindow(NoteOf("L2"));
    EXPECT_EQ("L2 E 新 L1 L2", Labels(false));
    std::set<uint64_t> serials;
    for (const CMemletData& d : Fields(m_panel).m_MemletList) {
        EXPECT_NE(0u, d.m_nSerial) << d.m_strText;
        EXPECT_TRUE(serials.insert(d.m_nSerial).second) << d.m_strText;
    }
    uint64_t l1 = Find("L1")->m_nSerial;
    CModalScript script(kWindowSelCaption, [&](HWND dlg) { EXPECT_TRUE(ChooseWindow(dlg, m_w2)); });
    NotifyMove(NoteOf("L1"));
    EXPECT_EQ("付箋の的二", Find("L1")->m_strTitle);
    EXPECT_EQ(l1, Find("L1")->m_nSerial);
    NotifyMovePendingList(Fields(m_panel).m_MemletList[4].m_pMemletWin);
    EXPECT_EQ("L2 E 新 L1", Labels(false));
    ASSERT_EQ(1u, m_pending.m_PendingList.size());
    EXPECT_EQ(0u, serials.count(m_pending.m_PendingList[0].m_nSerial));
    EXPECT_NE(0u, m_pending.m_PendingList[0].m_nSerial);
}

// Absorbing: the one other open note on the same window that overlaps the
// caller, read from the live windows, joined without a separator up to
// 4000 bytes.
TEST_F(NotifyRoadTest, AbsorbTakesTheOneOverlappingNoteOnTheSameWindow) {
    const RECT kOver{400, 240, 600, 300}, kAlsoOver{300, 200, 400, 240}, kApart{560, 400, 700, 460};
    struct Other {
        std::string text;
        bool onW2;
        RECT rect;
    };
    struct Case {
        const char* name;
        std::string mine;
        std::vector<Other> others;  // behind the caller in the list, or before it
        bool othersFirst;
        bool callerListed;
        int result;
        std::string after;  // the caller's text
        std::string list;   // the note list after, by the labels P, Q and X (the caller)
    };
    const std::string a2000(2000, 'a'), b2000(2000, 'b'), b2001(2001, 'b');
    std::string aa, ii;
    for (int i = 0; i < 1000; i++) {
        aa += "あ";
        ii += "い";
    }
    const Case cases[] = {
        {"nothing overlaps", "甲", {{"乙", false, kApart}}, false, true, 0, "甲", "X P"},
        {"an overlapping note on another window", "甲", {{"乙", true, kOver}}, false, true, 0, "甲", "X P"},
        {"two overlap", "甲", {{"乙", false, kOver}, {"丙", false, kAlsoOver}}, false, true, 2, "甲", "X P Q"},
        {"one overlaps", "甲", {{"乙", false, kOver}, {"丙", false, kApart}}, false, true, 1, "甲乙", "X Q"},
        {"the absorbed note before the caller", "甲", {{"乙", false, kOver}}, true, true, 1, "甲乙", "X"},
        {"4000 bytes", a2000, {{b2000, false, kOver}}, false, true, 1, a2000 + b2000, "X"},
        {"4001 bytes", a2000, {{b2001, false, kOver}}, false, true, -1, a2000, "X P"},
        {"4000 bytes of double-byte characters", aa, {{ii, false, kOver}}, false, true, 1, aa + ii, "X"},
        {"4001 bytes, 2001 characters", aa, {{ii + "a", false, kOver}}, false, true, -1, aa, "X P"},
        {"a caller without a record", "甲", {{"乙", false, kOver}}, false, false, 0, "甲", "P"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMemletData x = Note("X", "付箋の的一", RECT{320, 220, 520, 280});
        x.m_nColor = 3;
        x.m_nBkColor = 2;
        x.m_arrow.m_nArwFlag = 1;
        std::vector<CMemletData> notes;
        const char* labels[] = {"P", "Q"};
        for (size_t i = 0; i < c.others.size(); i++)
            notes.push_back(Note(labels[i], c.others[i].onW2 ? "付箋の的二" : "付箋の的一", c.others[i].rect));
        if (c.callerListed)
            notes.insert(c.othersFirst ? notes.end() : notes.begin(), x);
        SetNotes(notes);
        CMemletData stranger = x;
        if (!c.callerListed)
            stranger.StartMemlet(m_w1);
        CMemletWin* caller = c.callerListed ? NoteOf("X") : stranger.m_pMemletWin;
        ASSERT_NE(nullptr, caller);
        HWND callerWnd = caller->m_hWnd;
        caller->setText(c.mine);
        std::vector<HWND> others;
        for (size_t i = 0; i < c.others.size(); i++) {
            ASSERT_NE(nullptr, NoteOf(labels[i])) << labels[i];
            NoteOf(labels[i])->setText(c.others[i].text);
            others.push_back(NoteOf(labels[i])->m_hWnd);
        }
        m_refreshes.clear();

        EXPECT_EQ(c.result, NotifyComposition(caller));
        EXPECT_EQ(c.after, caller->getText());
        EXPECT_EQ(c.list, Labels(false));
        EXPECT_EQ(c.result == 1 ? 1u : 0u, m_refreshes.size());
        for (size_t i = 0; i < c.others.size(); i++) {
            bool gone = c.result == 1 && i == 0;
            EXPECT_EQ(!gone, IsWindow(others[i]) != 0) << labels[i];
            if (!gone) {
                EXPECT_EQ(c.others[i].text, NoteOf(labels[i])->getText()) << labels[i];
            }
        }
        // The caller keeps its window, place, look and leader line.
        EXPECT_EQ(callerWnd, caller->m_hWnd);
        EXPECT_EQ((RECT{320, 220, 520, 280}), WindowRect(callerWnd));
        EXPECT_EQ(3, caller->m_nColor);
        EXPECT_EQ(2, caller->m_nBkColor);
        EXPECT_EQ(1, caller->m_arrow.m_nArwFlag);
        Fields(m_panel).m_nSaveTiming = 0;
        stranger.EndMemlet();
        Fields(m_panel).m_nSaveTiming = 1;
        ClearNotes();
    }
}

}  // namespace
