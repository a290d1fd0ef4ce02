#include "commands/CommandsFixture.h"

#include "framework/MessageBox.h"
#include "panel/ControlDlgTestAccess.h"
#include "res/NoteDialogs.h"
#include "res/resource.h"

const char kEditCaption[] = "本文編集";

namespace {

std::vector<std::string> g_boxes;
int g_answer = IDYES;
std::string g_inBoxText;
std::function<void()> g_inBox;

int AnswerBox(const std::string& text, UINT type) {
    g_boxes.push_back(text);
    if (g_inBox && text == g_inBoxText) {
        auto then = std::move(g_inBox);
        g_inBox = nullptr;
        then();
    }
    return type == MB_YESNO ? g_answer : IDOK;
}

}  // namespace

void CommandsTest::SetUp() {
    NotifyTest::SetUp();
    g_boxes.clear();
    g_answer = IDYES;
    g_inBox = nullptr;
    SetMessageBoxHook(AnswerBox);
}

void CommandsTest::TearDown() {
    g_inBox = nullptr;
    NotifyTest::TearDown();
}

void CommandsTest::OpenScene() {
    m_w1 = Target("命令の的一", 300, 200, 400, 300);
    m_w2 = Target("命令の的二", 760, 150, 400, 300);
    ShowNotes({Note("D", "命令の的一", RECT{420, 250, 620, 310}), Note("A", "命令の的一", RECT{320, 220, 520, 280}),
               Note("B", "どこにもない窓", RECT{10, 10, 210, 70}), DesktopNote("C", RECT{40, 600, 240, 660})});
    for (const char* open : {"D", "A", "C"})
        ASSERT_NE(nullptr, NoteOf(open)) << open;
}

void CommandsTest::ShowNotes(std::vector<CMemletData> notes) {
    SetNotes(std::move(notes));
    m_panel.UpdateList();
    m_refreshes.clear();
    g_boxes.clear();
}

void CommandsTest::CloseScene() {
    ClearNotes();
    for (HWND h : {m_w1, m_w2})
        if (IsWindow(h))
            Targets().Close(h);
    g_inBox = nullptr;
    g_answer = IDYES;
    g_boxes.clear();
    Mark(-1);
}

void CommandsTest::Mark(int row) {
    Fields(m_panel).m_ListCtrl.SetItemState(-1, 0, LVIS_SELECTED);
    Fields(m_panel).m_ListCtrl.SetSelectionMark(row);
}

void CommandsTest::Click(int id) {
    m_panel.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)m_panel.GetDlgItem(id));
}

bool CommandsTest::Enabled(int id) const { return IsWindowEnabled(m_panel.GetDlgItem(id)) != FALSE; }

std::string CommandsTest::ShownText() const {
    char buf[4100] = "";
    GetDlgItemTextA(m_panel.m_hWnd, IDC_EDIT_TEXT, buf, sizeof buf);
    return buf;
}

std::vector<std::string> CommandsTest::Boxes() {
    std::vector<std::string> out;
    out.swap(g_boxes);
    return out;
}

void CommandsTest::Answer(int answer) { g_answer = answer; }

void CommandsTest::InBox(const std::string& text, std::function<void()> then) {
    g_inBoxText = text;
    g_inBox = std::move(then);
}

void EditAndOk(HWND dlg, const std::string& text) {
    SetDlgItemTextA(dlg, IDC_EDIT_BODY, text.c_str());
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dlg, IDOK));
}
