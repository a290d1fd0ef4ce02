// Pasting by the hot keys as a user does: the keys go through the system's
// input, a note opens where the cursor and the window in front say, and
// takes what is typed into it.
#include "e2e/CorvanaTest.h"
#include "e2e/Input.h"

namespace {

struct HotKeyCase {
    const char* name;
    const char* what;
    WORD key;     // with the Windows key
    POINT cursor;
    bool onNotepad;  // else on the desktop
    RECT note;
    // Then the x coordinates count from the right edge of the work area.
    bool fromRight = false;
};

// notepad stands at kNotepadRect; notes open at 200 x 60. Only the right
// edge is held: the bottom of the work area moves under Wine once the
// taskbar shows an icon, for the programs started after that only.
const HotKeyCase kCases[] = {
    {"WinSOverNotepad", "Win+S over notepad: around the cursor", 'S', {430, 250}, true, {330, 220, 530, 280}},
    {"WinSBesideNotepad", "Win+S beside notepad: centred on it", 'S', {900, 600}, true, {300, 270, 500, 330}},
    {"WinVOnDesktop", "Win+V: on the desktop around the cursor", 'V', {900, 600}, false, {800, 570, 1000, 630}},
    {"WinVAtTheRightEdge", "Win+V at the right edge: held inside the work area", 'V', {-5, 400}, false,
     {-200, 370, 0, 430}, true},
};

void PrintTo(const HotKeyCase& c, std::ostream* os) { *os << c.what; }

class HotKeyPaste : public CorvanaTest, public testing::WithParamInterface<HotKeyCase> {};

TEST_P(HotKeyPaste, NoteOpensWhereExpectedAndTakesTypedText) {
    HotKeyCase c = GetParam();
    if (c.fromRight) {
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi));
        const LONG right = mi.rcWork.right;
        c.cursor.x += right;
        c.note.left += right;
        c.note.right += right;
    }
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    ASSERT_TRUE(BringToFront(m_notepad.Window()));
    ASSERT_TRUE(MoveCursorTo(c.cursor));
    ASSERT_TRUE(PressKeys({VK_LWIN, c.key}));

    HWND note = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        if (c.onNotepad)
            return (note = NoteOwnedBy(m_corvana.Pid(), m_notepad.Window())) != nullptr;
        auto notes = DesktopNotes(m_corvana.Pid());
        note = notes.empty() ? nullptr : notes.front();
        return note != nullptr;
    })) << "no note opened";
    EXPECT_EQ(NoteWindows(m_corvana.Pid()).size(), 1u);
    EXPECT_EQ(WindowRect(note), c.note);

    // Clicked and typed into, as its user writes on it.
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(note) != 0; }));
    HWND field = NoteField(note);
    ASSERT_TRUE(ClickInto(field)) << "the note's field has no focus";
    const std::string typed = "会議は３時から\r\n二階で";
    ASSERT_TRUE(TypeText(L"会議は３時から"));
    ASSERT_TRUE(PressKeys({VK_RETURN}));
    ASSERT_TRUE(TypeText(L"二階で"));
    EXPECT_TRUE(WaitFor([&] { return NoteTextOf(note) == typed; })) << NoteTextOf(note);

    CIniText data = Save();
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.NoteText(0), typed);
    EXPECT_EQ(data.Note(0, "EXENAME"), c.onNotepad ? "NOTEPAD.EXE" : "DESKTOP");
}

std::string CaseName(const testing::TestParamInfo<HotKeyCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Keys, HotKeyPaste, testing::ValuesIn(kCases), CaseName);

using HotKeyHeld = CorvanaTest;

TEST_F(HotKeyHeld, KeyRepeatsMakeOneNote) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    ASSERT_TRUE(BringToFront(m_notepad.Window()));
    ASSERT_TRUE(MoveCursorTo(POINT{430, 250}));
    ASSERT_TRUE(PressKeys({VK_LWIN, 'S'}, 4));
    ASSERT_NE(WaitForNoteOn(m_notepad.Window()), nullptr);
    // Every hot-key message was queued before the save was asked for.
    EXPECT_EQ(Save().NoteCount(), 1);
}

// A hot key this program holds while it lives.
class CHeldHotKey {
public:
    CHeldHotKey(UINT modifiers, UINT key) : m_bHeld(RegisterHotKey(nullptr, 1, modifiers, key) != 0) {}
    ~CHeldHotKey() {
        if (m_bHeld)
            UnregisterHotKey(nullptr, 1);
    }
    const bool m_bHeld;
};

// Win+S held by another program: Corvana says so at its start, and the
// other hot key still pastes.
using HotKeyTaken = CorvanaTest;

TEST_F(HotKeyTaken, StartSaysSoAndTheOtherKeyStillPastes) {
    CHeldHotKey taken(MOD_WIN, 'S');
    ASSERT_TRUE(taken.m_bHeld);
    ASSERT_TRUE(m_corvana.Start());
    HWND box = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        return (box = FindMessageBox(m_corvana.Pid(), "Windowへの貼り付けホットキーの登録が失敗しました."
                                                      "メインパネルのHotKey変更で他のキーに変更してください.")) != nullptr;
    })) << "no box";
    if (box) {
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    }
    ASSERT_TRUE(m_corvana.WaitReady());
    ASSERT_TRUE(MoveCursorTo(POINT{640, 300}));
    ASSERT_TRUE(PressKeys({VK_LWIN, 'V'}));
    EXPECT_TRUE(WaitFor([&] { return DesktopNotes(m_corvana.Pid()).size() == 1; })) << "Win+V pasted nothing";
}

}  // namespace
