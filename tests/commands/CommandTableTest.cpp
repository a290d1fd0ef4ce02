// Every button on a row, pressed with no row, with a mark past the note
// list's end, and with row 1 (the open note A) answered No and Yes: the boxes, the
// list, the refills, the data file and where the note went.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/CommandsFixture.h"
#include "framework/ModalScript.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "res/resource.h"

namespace {

enum Column { kNoRow, kStale, kNo, kYes };
const char* const kColumnNames[] = {"no row", "stale mark", "No", "Yes"};

// What a press leaves. file "-": the data file was not written.
struct Outcome {
    std::vector<std::string> boxes;
    std::string list;
    std::string file;
    size_t refills;
};

struct Command {
    int id;
    const char* name;
    const char* dialog;  // the caption of the dialog it opens on a row, or null
    Outcome noRow, stale, no, yes;
};

const char kDeleteAsk[] = "選択したデータを削除しますか？";
const char kDeleteAll1[] = "全件データを削除しますか？";
const char kDeleteAll2[] = "本当に全件データを削除しますか？";
const char kEdited[] = "書き直した本文";
const std::string kScene = "D A B C";

Outcome Nothing(std::vector<std::string> boxes = {}) { return {std::move(boxes), kScene, "-", 0}; }

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST_F(CommandsTest, EachButtonWithoutRowStaleNoAndYes) {
    const Outcome deletedAll{{kDeleteAll1, kDeleteAll2}, "", "", 1};
    const Outcome exported = Nothing();
    const Outcome parked{{}, "D B C", "D B C", 2};
    const Outcome centred = Nothing();
    const std::vector<Command> commands = {
        {IDC_BUTTON_DELETE, "1件削除", nullptr, Nothing({"削除するデータを一覧で選択してください"}),
         Nothing({kDeleteAsk}), Nothing({kDeleteAsk}), {{kDeleteAsk}, "D B C", "D B C", 1}},
        {IDC_BUTTON_DELETEALL, "全件削除", nullptr, deletedAll, deletedAll, Nothing({kDeleteAll1}), deletedAll},
        {IDC_BUTTON_EXPORTSTACK, "エクスポート", nullptr, Nothing({"エクスポートするデータを一覧で選択してください"}),
         Nothing(), exported, exported},
        {IDC_BUTTON_PENDINGLIST, "保留リスト", nullptr,
         Nothing({"保留リストへ移動するデータを一覧で選択してください"}), Nothing(), parked, parked},
        {IDC_BUTTON_REPASTE, "貼り替え", kWindowSelCaption, Nothing({"貼り替えする付箋を一覧で選択してください"}),
         Nothing(), Nothing(), {{}, kScene, kScene, 2}},
        {IDC_BUTTON_WINDOWCENTER, "ウィンドウ中央", nullptr,
         Nothing({"表示を移動する付箋データを一覧で選択してください"}), Nothing(), centred, centred},
        {IDC_BUTTON_MONITORCENTER, "モニタ中央", nullptr,
         Nothing({"表示を移動する付箋データを一覧で選択してください"}), Nothing(), centred, centred},
        {IDC_BUTTON_EDITTEXT, "本文編集", kEditCaption, Nothing({"編集するデータを一覧で選択してください"}),
         Nothing(), {{}, kScene, kScene, 1}, {{}, "D 書き直した本文 B C", kScene, 1}},
    };

    for (const Command& c : commands) {
        for (Column col : {kNoRow, kStale, kNo, kYes}) {
            SCOPED_TRACE(std::string(c.name) + ", " + kColumnNames[col]);
            OpenScene();
            if (HasFatalFailure())
                return;
            const Outcome& want = col == kNoRow ? c.noRow : col == kStale ? c.stale : col == kNo ? c.no : c.yes;
            RECT noteBefore = WindowRect(NoteOf("A")->m_hWnd);
            // A stale mark: on a row the view still shows, past the records.
            if (col == kStale)
                Fields(m_panel).m_ListCtrl.InsertItem(4, "古い行");
            Mark(col == kNoRow ? -1 : col == kStale ? 4 : 1);
            m_panel.ShowItem(1);
            Answer(col == kNo ? IDNO : IDYES);
            std::unique_ptr<CModalScript> script;
            bool onRow = col == kNo || col == kYes;
            if (c.dialog && onRow)
                script = std::make_unique<CModalScript>(c.dialog, [&](HWND dlg) {
                    if (col == kNo)
                        CancelDialog(dlg);
                    else if (c.id == IDC_BUTTON_REPASTE)
                        EXPECT_TRUE(ChooseWindow(dlg, m_w2));
                    else
                        EditAndOk(dlg, kEdited);
                });
            Click(c.id);
            if (script) {
                EXPECT_TRUE(script->Ran());
            }

            EXPECT_EQ(want.boxes, Boxes());
            EXPECT_EQ(want.list, Labels(false));
            EXPECT_EQ(want.file, FileExists(DataPath()) ? FileLabels(DataPath()) : "-");
            EXPECT_EQ(want.refills, m_refreshes.size());
            EXPECT_EQ(0, StrayNotes());
            // A removal clears the note view and its buttons; otherwise it
            // shows the note as before, or its new text.
            bool removed = want.list.size() < kScene.size();
            bool edited = c.id == IDC_BUTTON_EDITTEXT && col == kYes;
            EXPECT_EQ(removed ? "" : edited ? kEdited : "A", ShownText());
            EXPECT_EQ(!removed, IsWindowEnabled(m_panel.GetDlgItem(IDC_BUTTON_MATCHCONDITION)) != FALSE);

            // Where the chosen note went.
            bool acted = onRow || (c.id == IDC_BUTTON_DELETEALL && col != kNo);
            const CMemletData* a = Find(c.id == IDC_BUTTON_EDITTEXT && col == kYes ? kEdited : "A");
            switch (c.id) {
            case IDC_BUTTON_EXPORTSTACK:
                ASSERT_EQ(acted ? 1u : 0u, m_export.m_MemletList.size());
                if (acted) {
                    EXPECT_EQ("A", m_export.m_MemletList[0].m_strText);
                    EXPECT_EQ(0, m_export.m_MemletList[0].m_bAttached);
                    EXPECT_EQ(nullptr, m_export.m_MemletList[0].m_pMemletWin);
                    EXPECT_NE(nullptr, NoteOf("A")) << "the note stays open";
                }
                break;
            case IDC_BUTTON_PENDINGLIST:
                ASSERT_EQ(acted ? 1u : 0u, m_pending.m_PendingList.size());
                if (acted) {
                    EXPECT_EQ("A", m_pending.m_PendingList[0].m_strText);
                    EXPECT_EQ(nullptr, m_pending.m_PendingList[0].m_pMemletWin);
                }
                break;
            case IDC_BUTTON_REPASTE:
                ASSERT_NE(nullptr, a);
                EXPECT_EQ(col == kYes ? "命令の的二" : "命令の的一", a->m_strTitle);
                EXPECT_EQ(col == kYes ? nullptr : NoteOf("A"), a->m_pMemletWin);
                break;
            case IDC_BUTTON_WINDOWCENTER:
            case IDC_BUTTON_MONITORCENTER: {
                RECT around = WindowRect(m_w1);
                if (c.id == IDC_BUTTON_MONITORCENTER) {
                    MONITORINFO mi{};
                    mi.cbSize = sizeof mi;
                    GetMonitorInfoW(MonitorFromRect(&around, MONITOR_DEFAULTTONEAREST), &mi);
                    around = mi.rcWork;
                }
                int w = noteBefore.right - noteBefore.left, h = noteBefore.bottom - noteBefore.top;
                LONG x = (around.left + around.right) / 2 - w / 2, y = (around.top + around.bottom) / 2 - h / 2;
                RECT centre{x, y, x + w, y + h};
                EXPECT_EQ(acted ? centre : noteBefore, WindowRect(NoteOf("A")->m_hWnd));
                break;
            }
            case IDC_BUTTON_EDITTEXT:
                ASSERT_NE(nullptr, a);
                EXPECT_EQ(acted ? nullptr : NoteOf("A"), a->m_pMemletWin) << "closed for the edit";
                if (col == kYes) {
                    EXPECT_EQ(kEdited, ShownText());
                }
                break;
            }
            CloseScene();
        }
    }
}

// A read-only note is edited only after Yes to the question.
TEST_F(CommandsTest, AReadOnlyNotesTextIsEditedOnlyAfterYes) {
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
        OpenScene();
        ASSERT_FALSE(HasFatalFailure());
        NoteOf("A")->setReadOnly(1);
        Answer(answer);
        Mark(1);
        std::unique_ptr<CModalScript> script;
        if (answer == IDYES)
            script = std::make_unique<CModalScript>(kEditCaption, [](HWND dlg) { EditAndOk(dlg, kEdited); });
        Click(IDC_BUTTON_EDITTEXT);
        EXPECT_EQ(std::vector<std::string>{"書き込み禁止状態ですが編集しますか？"}, Boxes());
        EXPECT_EQ(answer == IDYES ? "D 書き直した本文 B C" : kScene, Labels(false));
        const CMemletData* a = Find(answer == IDYES ? kEdited : "A");
        ASSERT_NE(nullptr, a);
        EXPECT_EQ(1, a->m_nReadOnly);
        EXPECT_EQ(nullptr, a->m_pMemletWin);
        CloseScene();
    }
}

}  // namespace
