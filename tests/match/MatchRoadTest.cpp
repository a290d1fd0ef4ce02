// The two roads to a note's match condition, the note's menu and the
// panel's button, and the panel's presets. The dialogs run their own loops,
// in which the list goes on changing; afterwards only the condition of the
// record the dialog was opened for changes, wherever it now is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/MessageBox.h"
#include "framework/ModalScript.h"
#include "match/MatchFixture.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "panel/NotifyFixture.h"
#include "res/resource.h"

namespace {

const char kTitle[] = "条件の的";

class MatchRoadTest : public NotifyTest {
protected:
    void OpenScene() {
        m_w = Target(kTitle, 300, 200, 400, 300);
        SetNotes({Note("A", kTitle, RECT{320, 220, 520, 280}), DesktopNote("C", RECT{40, 600, 240, 660})});
        ASSERT_NE(nullptr, NoteOf("A"));
        m_panel.UpdateList();
        m_refreshes.clear();
        TakeBoxes();
    }
    // The panel's button, as its click reaches the panel.
    void PressPanel(int id) {
        m_panel.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)m_panel.GetDlgItem(id));
    }
    // Where a click on the row would leave the list.
    void SetMark(int row) {
        if (row >= 0)
            Fields(m_panel).m_ListCtrl.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Fields(m_panel).m_ListCtrl.SetSelectionMark(row);
        ASSERT_EQ(row, Fields(m_panel).m_ListCtrl.GetSelectionMark()) << Fields(m_panel).m_ListCtrl.GetItemCount();
    }
    HWND m_w = nullptr;
};

void UntickTitleAndOk(HWND dlg) {
    CheckDlgButton(dlg, IDC_CHECK_TITLE, BST_UNCHECKED);
    PressButton(dlg, IDOK);
}

TEST_F(MatchRoadTest, NoteRoadWritesOnlyTheConditionOfItsRecord) {
    const char* const meanwhile[] = {"nothing", "paste", "target closes"};
    for (const char* m : meanwhile) {
        SCOPED_TRACE(m);
        OpenScene();
        if (HasFatalFailure())
            return;
        CMemletWin* note = NoteOf("A");
        const std::string what = m;
        CModalScript script(kMatchCaption, [&](HWND dlg) {
            if (what == "paste")
                m_panel.PasteToDesktop(0);
            else if (what == "target closes")
                Targets().Close(m_w);
            Tick();
            UntickTitleAndOk(dlg);
        });
        NotifyMatchCondition(note);
        EXPECT_TRUE(script.Ran());
        EXPECT_TRUE(TakeBoxes().empty());
        CMemletData* a = Find("A");
        ASSERT_NE(nullptr, a);
        // A note closed meanwhile: OK was a cancel.
        EXPECT_EQ(what == "target closes" ? 1 : 0, a->m_nTitleFlag);
        EXPECT_EQ(what == "paste" ? "新 A C" : "A C", Labels(false));
        if (CMemletData* n = Find("新")) {
            EXPECT_EQ(1, n->m_nTitleFlag);
        }
        EXPECT_EQ(1, Find("C")->m_nTitleFlag);
        Tick();
        EXPECT_EQ(0, StrayNotes());
        ClearNotes();
        if (IsWindow(m_w))
            Targets().Close(m_w);
    }
}

TEST_F(MatchRoadTest, PanelRoadWritesOnlyTheConditionOfItsRecord) {
    const char* const meanwhile[] = {"nothing", "paste", "target closes", "deleted"};
    for (const char* m : meanwhile) {
        SCOPED_TRACE(m);
        OpenScene();
        if (HasFatalFailure())
            return;
        const std::string what = m;
        SetMark(0);
        CModalScript script(kMatchCaption, [&](HWND dlg) {
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_BUTTON_SELECTCHILD)));
            if (what == "paste")
                m_panel.PasteToDesktop(0);
            else if (what == "target closes")
                Targets().Close(m_w);
            else if (what == "deleted")
                NotifyDeleteWindow(NoteOf("A"));
            Tick();
            UntickTitleAndOk(dlg);
        });
        PressPanel(IDC_BUTTON_MATCHCONDITION);
        EXPECT_TRUE(script.Ran());
        EXPECT_TRUE(TakeBoxes().empty());
        CMemletData* a = Find("A");
        if (what == "deleted") {
            EXPECT_EQ(nullptr, a);
            EXPECT_EQ("C", Labels(false));
        } else {
            ASSERT_NE(nullptr, a);
            EXPECT_EQ(0, a->m_nTitleFlag);
            // Closed meanwhile, it stays closed: no stale window comes back.
            if (what == "target closes") {
                EXPECT_EQ(0, a->m_bAttached);
                EXPECT_EQ(nullptr, a->m_pMemletWin);
            } else {
                EXPECT_EQ(1, a->m_bAttached);
            }
            EXPECT_EQ(what == "paste" ? "新 A C" : "A C", Labels(false));
        }
        if (CMemletData* n = Find("新")) {
            EXPECT_EQ(1, n->m_nTitleFlag);
        }
        EXPECT_FALSE(IsWindowEnabled(m_panel.GetDlgItem(IDC_BUTTON_MATCHCONDITION)));
        // Written: the file holds the change.
        EXPECT_EQ(Labels(false), FileLabels(DataPath()));
        Tick();
        EXPECT_EQ(0, StrayNotes());
        ClearNotes();
        if (IsWindow(m_w))
            Targets().Close(m_w);
    }
}

TEST_F(MatchRoadTest, PanelRoadNeedsARowThatIsNotOnTheDesktop) {
    OpenScene();
    if (HasFatalFailure())
        return;
    const struct {
        int mark;
        std::vector<std::string> boxes;
    } cases[] = {
        {-1, {"条件変更するデータを一覧で選択してください"}},
        {1, {"デスクトップ付箋は条件変更できません。"}},
        {-2, {}},  // the row's record gone since the list was filled: nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mark);
        if (c.mark == -2) {
            SetMark(1);
            Fields(m_panel).m_MemletList.back().EndMemlet();
            Fields(m_panel).m_MemletList.pop_back();
        } else {
            SetMark(c.mark);
        }
        CModalScript script(kMatchCaption, [](HWND dlg) { PressButton(dlg, IDCANCEL); });
        PressPanel(IDC_BUTTON_MATCHCONDITION);
        EXPECT_FALSE(script.Ran());
        EXPECT_EQ(c.boxes, TakeBoxes());
    }
}

TEST_F(MatchRoadTest, PresetsReplacedAndWrittenOnOkOnly) {
    CPreSetCondData p;
    p.m_strCondName = "メモ帳";
    p.m_strExeName = "NOTEPAD.EXE";
    p.m_strExClass = "Edit";
    p.m_nExCtlId = 15;
    Fields(m_panel).m_PreSetList = {p, p};
    Fields(m_panel).m_PreSetList[1].m_strExeName = "WORDPAD.EXE";
    ASSERT_EQ(1, m_panel.PreSetWriteFile());
    const std::string before = ReadBytes(PreSetPath());

    // Cancel after a delete: nothing changes.
    {
        CModalScript script(kPreSetListCaption, [](HWND dlg) {
            ClickRow(dlg, IDC_LIST_PRESET, 0);
            PressButton(dlg, IDC_BUTTON_PRESETDELETE);
            EXPECT_EQ(std::vector<std::string>{"WORDPAD.EXE"}, RowTexts(dlg, IDC_LIST_PRESET, 1));
            PressButton(dlg, IDCANCEL);
        });
        PressPanel(IDC_BUTTON_PRESET);
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(2u, Fields(m_panel).m_PreSetList.size());
        EXPECT_EQ(before, ReadBytes(PreSetPath()));
    }
    // OK: the list and the file.
    {
        CModalScript script(kPreSetListCaption, [](HWND dlg) {
            ClickRow(dlg, IDC_LIST_PRESET, 0);
            PressButton(dlg, IDC_BUTTON_PRESETDELETE);
            PressButton(dlg, IDOK);
        });
        PressPanel(IDC_BUTTON_PRESET);
        EXPECT_TRUE(script.Ran());
        ASSERT_EQ(1u, Fields(m_panel).m_PreSetList.size());
        EXPECT_EQ("WORDPAD.EXE", Fields(m_panel).m_PreSetList[0].m_strExeName);
        EXPECT_EQ("[SYSTEM]\r\nPRESETCOUNT=1\r\n[PRESETITEM0]\r\nCONDNAME=メモ帳\r\nPROCESSFLAG=1\r\nTITLEFLAG=1\r\n"
                  "EXTENTFLAG=1\r\nEXENAME=WORDPAD.EXE\r\nEXCLASS=Edit\r\nEXCTLID=15\r\n",
                  ReadBytes(PreSetPath()));
        EXPECT_TRUE(TakeBoxes().empty());
    }
    // A file another program holds: the box, and the edited presets stay.
    {
        HANDLE lock = CreateFileW(PreSetPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, lock);
        CModalScript script(kPreSetListCaption, [](HWND dlg) {
            ClickRow(dlg, IDC_LIST_PRESET, 0);
            PressButton(dlg, IDC_BUTTON_PRESETDELETE);
            PressButton(dlg, IDOK);
        });
        PressPanel(IDC_BUTTON_PRESET);
        CloseHandle(lock);
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(std::vector<std::string>{kSaveError}, TakeBoxes());
        EXPECT_TRUE(Fields(m_panel).m_PreSetList.empty());
    }
}

}  // namespace
