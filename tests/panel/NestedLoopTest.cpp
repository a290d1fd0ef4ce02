// While a request waits in a nested message loop (the window selection
// dialog of a move, or the box of a save that failed while the note was
// closed) the list goes on changing: a paste, another note's request, the
// caller's window closing and the tracking tick. Afterwards the request acts
// on the caller's record wherever it now is, or on nothing.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/MessageBox.h"
#include "framework/ModalScript.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "panel/NotifyFixture.h"

namespace {

// The failed-save box's stand-in: the first box lets the list change and
// the tracking timer tick, as the user's box would.
std::vector<std::string> g_boxes;
std::function<void()> g_inFirstBox;

int SaveBox(const std::string& text, UINT) {
    g_boxes.push_back(text);
    if (g_inFirstBox) {
        auto then = std::move(g_inFirstBox);
        g_inFirstBox = nullptr;
        then();
    }
    return IDOK;
}

class NestedLoopTest : public NotifyTest {
protected:
    void TearDown() override {
        g_inFirstBox = nullptr;
        NotifyTest::TearDown();
    }
    // D and A open on the first window, D before A; B closed; C on the desktop.
    void OpenScene() {
        m_w1 = Target("入れ子の的一", 300, 200, 400, 300);
        m_w2 = Target("入れ子の的二", 760, 150, 400, 300);
        SetNotes({Note("D", "入れ子の的一", RECT{420, 250, 620, 310}),
                  Note("A", "入れ子の的一", RECT{320, 220, 520, 280}),
                  Note("B", "どこにもない窓", RECT{10, 10, 210, 70}),
                  DesktopNote("C", RECT{40, 600, 240, 660})});
        for (const char* open : {"D", "A", "C"})
            ASSERT_NE(nullptr, NoteOf(open)) << open;
        m_refreshes.clear();
    }
    void CloseScene() {
        ClearNotes();
        for (HWND h : {m_w1, m_w2})
            if (IsWindow(h))
                Targets().Close(h);
    }

    HWND m_w1 = nullptr, m_w2 = nullptr;
};

enum class Loop { kDialog, kSaveBox };

TEST_F(NestedLoopTest, OnlyTheCallersRecordChangesOrNothing) {
    struct Case {
        const char* request;  // "park", "desktop" or "move"
        Loop loop;
        const char* meanwhile;  // "paste", "delete D", "close the window", "delete A"
    };
    std::vector<Case> cases;
    for (const char* meanwhile : {"paste", "delete D", "close the window", "delete A"})
        cases.push_back({"move", Loop::kDialog, meanwhile});
    for (const char* request : {"park", "desktop", "move"})
        for (const char* meanwhile : {"paste", "delete D", "close the window"})
            cases.push_back({request, Loop::kSaveBox, meanwhile});
    // The list each change leaves, the caller still in it.
    const std::map<std::string, std::string> listAfter = {
        {"paste", "新 D A B C"}, {"delete D", "A B C"}, {"close the window", "D A B C"}, {"delete A", "D B C"}};
    const std::map<std::string, std::string> titles = {
        {"新", "DESKTOP"}, {"D", "入れ子の的一"}, {"B", "どこにもない窓"}, {"C", "DESKTOP"}};

    SetMessageBoxHook(SaveBox);
    for (const Case& c : cases) {
        std::string request = c.request, meanwhile = c.meanwhile;
        SCOPED_TRACE(request + (c.loop == Loop::kDialog ? " in the dialog, " : " in the save box, ") + meanwhile);
        OpenScene();
        if (HasFatalFailure())
            return;
        CMemletWin* caller = NoteOf("A");
        std::function<void()> change = [&] {
            if (meanwhile == "paste")
                m_panel.PasteToDesktop(0);
            else if (meanwhile == "delete D")
                NotifyDeleteWindow(NoteOf("D"));
            else if (meanwhile == "close the window")
                Targets().Close(m_w1);
            else if (meanwhile == "delete A")
                NotifyDeleteWindow(NoteOf("A"));
            Tick();
        };
        g_boxes.clear();
        if (c.loop == Loop::kSaveBox) {
            Fields(m_panel).m_strDataPath = m_folder.File(L"ないフォルダ\\CorvanaData.ini");
            g_inFirstBox = change;
        }
        CModalScript script(kWindowSelCaption, [&](HWND dlg) {
            if (c.loop == Loop::kDialog)
                change();
            EXPECT_TRUE(ChooseWindow(dlg, m_w2));
        });
        if (request == "park")
            NotifyMovePendingList(caller);
        else if (request == "desktop")
            NotifyMoveDesktop(caller);
        else
            NotifyMove(caller);
        if (c.loop == Loop::kSaveBox) {
            EXPECT_FALSE(g_inFirstBox) << "no save asked the user";
            for (const std::string& box : g_boxes)
                EXPECT_EQ(kSaveError, box);
            Fields(m_panel).m_strDataPath = DataPath();
        } else {
            EXPECT_TRUE(g_boxes.empty());
        }
        EXPECT_EQ(request == "move", script.Ran());

        std::string expected = listAfter.at(meanwhile);
        bool callerGone = meanwhile == "delete A";
        if (request == "park" && !callerGone)
            expected = expected == "A B C" ? "B C" : expected.erase(expected.find(" A"), 2);
        EXPECT_EQ(expected, Labels(false));
        for (const CMemletData& d : Fields(m_panel).m_MemletList) {
            if (d.m_strText != "A") {
                EXPECT_EQ(titles.at(d.m_strText), d.m_strTitle) << d.m_strText;
            }
        }
        if (request == "park" && !callerGone) {
            ASSERT_EQ(1u, m_pending.m_PendingList.size());
            EXPECT_EQ("A", m_pending.m_PendingList[0].m_strText);
            EXPECT_EQ(0, m_pending.m_PendingList[0].m_bAttached);
            EXPECT_EQ(nullptr, m_pending.m_PendingList[0].m_pMemletWin);
        } else {
            EXPECT_TRUE(m_pending.m_PendingList.empty());
        }
        if (CMemletData* a = Find("A")) {
            EXPECT_EQ(request == "desktop" ? "DESKTOP" : "入れ子の的二", a->m_strTitle);
            EXPECT_EQ(0, a->m_bAttached);
            EXPECT_EQ(nullptr, a->m_pMemletWin);
        }
        EXPECT_EQ(0, StrayNotes());
        CloseScene();
    }
}

}  // namespace
