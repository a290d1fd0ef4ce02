// A button's command that waits for the user (a question, a dialog, the box
// of a save that failed while the note was closed) while the list goes on
// changing: a note pasted at the front, the chosen note deleted, or its
// window closed and the tracking tick run. Afterwards the command acts on
// the note the user chose, wherever it now is, or on nothing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/CommandsFixture.h"
#include "framework/ModalScript.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "res/resource.h"

namespace {

enum class Loop { kQuestion, kDialog, kSaveBox };

struct Case {
    int id;
    const char* name;
    Loop loop;
};

const char kEdited[] = "書き直した本文";
const char kReadOnlyAsk[] = "書き込み禁止状態ですが編集しますか？";

TEST_F(CommandsTest, ChangesInsideTheWaitLeaveOtherNotesAlone) {
    const std::vector<Case> cases = {
        {IDC_BUTTON_DELETE, "1件削除", Loop::kQuestion},       {IDC_BUTTON_REPASTE, "貼り替え", Loop::kDialog},
        {IDC_BUTTON_REPASTE, "貼り替え", Loop::kSaveBox},      {IDC_BUTTON_PENDINGLIST, "保留", Loop::kSaveBox},
        {IDC_BUTTON_EDITTEXT, "本文編集", Loop::kQuestion},    {IDC_BUTTON_EDITTEXT, "本文編集", Loop::kDialog},
        {IDC_BUTTON_EDITTEXT, "本文編集", Loop::kSaveBox},
    };
    const char* const loopNames[] = {" in the question, ", " in the dialog, ", " in the save box, "};
    for (const Case& c : cases) {
        for (std::string meanwhile : {"paste", "delete A", "close the window"}) {
            SCOPED_TRACE(std::string(c.name) + loopNames[(int)c.loop] + meanwhile);
            OpenScene();
            if (HasFatalFailure())
                return;
            if (c.id == IDC_BUTTON_EDITTEXT && c.loop == Loop::kQuestion)
                NoteOf("A")->setReadOnly(1);
            std::function<void()> change = [&] {
                if (meanwhile == "paste") {
                    m_panel.PasteToDesktop(0);
                } else if (meanwhile == "delete A") {
                    if (CMemletWin* a = NoteOf("A")) {
                        NotifyDeleteWindow(a);
                    } else {
                        // Closed for the command: gone as by any other road.
                        auto& list = Fields(m_panel).m_MemletList;
                        for (size_t i = 0; i < list.size(); i++)
                            if (list[i].m_strText == "A")
                                list.erase(list.begin() + i);
                        m_panel.UpdateList();
                    }
                } else {
                    Targets().Close(m_w1);
                }
                Tick();
            };
            if (c.loop == Loop::kSaveBox) {
                Fields(m_panel).m_strDataPath = m_folder.File(L"ないフォルダ\\CorvanaData.ini");
                InBox(kSaveError, change);
            } else if (c.loop == Loop::kQuestion) {
                InBox(c.id == IDC_BUTTON_DELETE ? "選択したデータを削除しますか？" : kReadOnlyAsk, change);
            }
            // A note gone before its dialog gets none.
            bool goneFirst = meanwhile == "delete A" && c.loop != Loop::kDialog;
            bool dialog = c.id == IDC_BUTTON_REPASTE || (c.id == IDC_BUTTON_EDITTEXT && !goneFirst);
            std::unique_ptr<CModalScript> script;
            if (dialog)
                script = std::make_unique<CModalScript>(
                    c.id == IDC_BUTTON_REPASTE ? kWindowSelCaption : kEditCaption, [&](HWND dlg) {
                        if (c.loop == Loop::kDialog)
                            change();
                        if (c.id == IDC_BUTTON_REPASTE)
                            EXPECT_TRUE(ChooseWindow(dlg, m_w2));
                        else
                            EditAndOk(dlg, kEdited);
                    });
            Mark(1);
            Click(c.id);
            if (script) {
                EXPECT_TRUE(script->Ran());
            }
            std::vector<std::string> boxes = Boxes();
            EXPECT_FALSE(boxes.empty() && c.loop != Loop::kDialog) << "the wait never came";
            Fields(m_panel).m_strDataPath = DataPath();

            bool gone = meanwhile == "delete A";
            std::string a = gone ? "" : c.id == IDC_BUTTON_EDITTEXT ? kEdited : "A";
            if (c.id == IDC_BUTTON_DELETE || c.id == IDC_BUTTON_PENDINGLIST)
                a = "";
            std::string want = std::string(meanwhile == "paste" ? "新 " : "") + "D " + (a.empty() ? "" : a + " ") + "B C";
            EXPECT_EQ(want, Labels(false));
            EXPECT_EQ(c.id == IDC_BUTTON_PENDINGLIST && !gone ? 1u : 0u, m_pending.m_PendingList.size());
            if (const CMemletData* d = Find("D")) {
                EXPECT_EQ("命令の的一", d->m_strTitle);
            }
            if (const CMemletData* n = Find("新")) {
                EXPECT_EQ("DESKTOP", n->m_strTitle);
            }
            if (!a.empty()) {
                const CMemletData* rec = Find(a);
                ASSERT_NE(nullptr, rec);
                EXPECT_EQ(c.id == IDC_BUTTON_REPASTE ? "命令の的二" : "命令の的一", rec->m_strTitle);
                EXPECT_EQ(nullptr, rec->m_pMemletWin);
            }
            EXPECT_EQ(0, StrayNotes());
            CloseScene();
        }
    }
}

}  // namespace
