// A note's menu as its user works it on a note of notepad's: a right click
// on the pick bar, the entry picked with the keys, the dialog it opens
// clicked through; what changed reaches the data file.
#include <string>
#include <vector>

#include "e2e/CorvanaTest.h"
#include "e2e/ExtentUtl.h"
#include "e2e/Input.h"
#include "framework/Text.h"
#include "res/resource.h"

namespace {

const char kColorCaption[] = "付箋色＆引出し線設定";

bool IsClass(HWND hwnd, const wchar_t* name) { return ClassOf(hwnd) == name; }

std::vector<HWND> OpenMenus(DWORD pid) {
    std::vector<HWND> menus;
    for (HWND w : TopLevelWindows(pid))
        if (IsWindowVisible(w) && IsClass(w, L"#32768"))
            menus.push_back(w);
    return menus;
}

HWND WindowWithCaption(DWORD pid, const char* caption) {
    for (HWND w : TopLevelWindows(pid))
        if (IsWindowVisible(w) && TextOf(w) == caption)
            return w;
    return nullptr;
}

// The font dialog the note owns (the note's leader line is a dialog it
// owns too).
HWND FontDialogOf(DWORD pid, HWND owner) {
    for (HWND w : TopLevelWindows(pid))
        if (IsWindowVisible(w) && GetWindow(w, GW_OWNER) == owner && GetDlgItem(w, 0x470))
            return w;
    return nullptr;
}

void Press(HWND dlg, int id) { SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }
void PressToClose(HWND dlg, int id) { PostMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }

class NoteMenu : public CorvanaTest {
protected:
    // A note pasted on notepad by the utility's request, then moved beside
    // it: Wine raises an activated owner above the popups it owns.
    HWND PasteBesideNotepad() {
        CUtilityWindow utility;
        EXPECT_TRUE(SendRecord(m_corvana.MainWindow(), utility.Handle(), CNoteRecord(m_notepad.Window(), {400, 300})));
        HWND note = WaitForNoteOn(m_notepad.Window());
        if (note)
            MoveBeside(note);
        return note;
    }
    static void MoveBeside(HWND note) {
        SetWindowPos(note, nullptr, 760, 560, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A right click on the pick bar; then the entry at position pos (counted
    // from 0 over the entries, separators not counted) picked with the keys.
    bool PickFromMenu(HWND note, int pos) {
        RECT bar = WindowRect(GetDlgItem(note, IDC_STATIC_PICKBAR));
        POINT at{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
        // A click first makes the note the window in front: the keys then
        // go to its menu. A new note takes input 100 ms after it opened.
        if (!WaitFor([&] { return IsWindowEnabled(note) && ClickAt(at) &&
                                  WaitFor([&] { return GetForegroundWindow() == note; }, 1000); }))
            return false;
        if (!ClickAt(at, true))
            return false;
        if (!WaitFor([&] { return !OpenMenus(m_corvana.Pid()).empty(); }))
            return false;
        for (int i = 0; i <= pos; i++)
            PressKeys({VK_DOWN});
        PressKeys({VK_RETURN});
        return WaitFor([&] { return OpenMenus(m_corvana.Pid()).empty(); });
    }
    HWND WaitForCaption(const char* caption) {
        HWND dlg = nullptr;
        WaitFor([&] { return (dlg = WindowWithCaption(m_corvana.Pid(), caption)) != nullptr; });
        return dlg;
    }
};

// The first face of the font dialog's list that is not face; it is chosen.
// Each entry is read as the face field shows it once selected, by the
// window text that every process can read.
std::string ChooseOtherFace(HWND dlg, const std::string& face) {
    HWND faces = GetDlgItem(dlg, 0x470);
    int n = (int)SendMessageW(faces, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < n; i++) {
        SendMessageW(faces, CB_SETCURSEL, i, 0);
        std::string other = TextOf(faces);
        if (other.empty() || other[0] == '@' || other == face || other.size() >= LF_FACESIZE)
            continue;
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), (LPARAM)faces);
        return other;
    }
    return "";
}

TEST_F(NoteMenu, LookLineAndFontChangedThroughTheMenuAreSaved) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    HWND note = PasteBesideNotepad();
    ASSERT_NE(note, nullptr);
    const std::string oldFace = Save().Note(0, "FONTFACENAME");
    note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr);
    MoveBeside(note);

    ASSERT_TRUE(PickFromMenu(note, 0)) << "no menu, or it did not close";
    HWND dlg = WaitForCaption(kColorCaption);
    ASSERT_NE(dlg, nullptr) << "no colour dialog";
    for (int id : {IDC_RADIO_PICK_BLUE, IDC_RADIO_POS_LEFT, IDC_RADIO_BK_GREEN, IDC_RADIO_TX_RED, IDC_CHECK_GRADATION,
                   IDC_RADIO_GRA_RIGHTLEFT, IDC_RADIO_ARROW_SHOW, IDC_RADIO_LINE_THICK})
        Press(dlg, id);
    PressToClose(dlg, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dlg); }));
    // The leader line: a window of the program's that the note owns.
    EXPECT_TRUE(WaitFor([&] {
        for (HWND w : TopLevelWindows(m_corvana.Pid()))
            if (GetWindow(w, GW_OWNER) == note && IsWindowVisible(w))
                return true;
        return false;
    })) << "no leader line";

    ASSERT_TRUE(PickFromMenu(note, 1));
    HWND fonts = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (fonts = FontDialogOf(m_corvana.Pid(), note)) != nullptr; })) << "no font dialog";
    std::string face = ChooseOtherFace(fonts, oldFace);
    ASSERT_FALSE(face.empty());
    PressToClose(fonts, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(fonts); }));

    CIniText data = Save();
    ASSERT_EQ(data.NoteCount(), 1);
    EXPECT_EQ(data.Note(0, "COLOR"), "2");
    EXPECT_EQ(data.Note(0, "PICKPOS"), "2");
    EXPECT_EQ(data.Note(0, "BKCOLOR"), "2");
    EXPECT_EQ(data.Note(0, "TXCOLOR"), "1");
    EXPECT_EQ(data.Note(0, "GRAFLG"), "1");
    EXPECT_EQ(data.Note(0, "GRAPTN"), "3");
    EXPECT_EQ(data.Note(0, "ARWFLAG"), "1");
    EXPECT_EQ(data.Note(0, "ARLINEWIDTH"), "2");
    EXPECT_EQ(data.Note(0, "FONTFACENAME"), face);
    EXPECT_NE(data.Note(0, "ARWSATRTX"), "-200");  // the line's points were placed
}

TEST_F(NoteMenu, NotepadClosedWhileTheColourDialogIsOpenLeavesTheNoteAsItWas) {
    ASSERT_NO_FATAL_FAILURE(StartCorvana());
    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    HWND note = PasteBesideNotepad();
    ASSERT_NE(note, nullptr);
    CIniText before = Save();
    note = WaitForNoteOn(m_notepad.Window());
    ASSERT_NE(note, nullptr);
    MoveBeside(note);

    ASSERT_TRUE(PickFromMenu(note, 0));
    HWND dlg = WaitForCaption(kColorCaption);
    ASSERT_NE(dlg, nullptr);
    for (int id : {IDC_RADIO_PICK_BLACK, IDC_RADIO_BK_RED, IDC_RADIO_ARROW_SHOW, IDC_RADIO_POS_BOTTOM})
        Press(dlg, id);
    ASSERT_TRUE(m_notepad.Close());
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(note); })) << "the note stayed without its window";
    PressToClose(dlg, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dlg); }));
    EXPECT_TRUE(IsWindow(m_corvana.MainWindow())) << "the program is gone";

    ASSERT_NO_FATAL_FAILURE(StartNotepad());
    ASSERT_NE(WaitForNoteOn(m_notepad.Window()), nullptr) << "the note did not come back";
    CIniText after = Save();
    ASSERT_EQ(after.NoteCount(), 1);
    for (const char* key : {"COLOR", "PICKPOS", "BKCOLOR", "TXCOLOR", "ARWFLAG", "GRAFLG", "GRAPTN", "ARLINEWIDTH"})
        EXPECT_EQ(after.Note(0, key), before.Note(0, key)) << key;
}

}  // namespace
