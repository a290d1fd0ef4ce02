// The main window as its notification-area icon shows it: hidden from the
// start, shown in the corner of the work area on a double click, hidden
// again by its close box, and the icon's menu chosen from by keyboard: its
// last item ends the program, its first pastes a note on a window chosen.
#include "e2e/CorvanaTest.h"
#include "e2e/Input.h"

namespace {

class MainWindow : public CorvanaTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CorvanaTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartCorvana());
    }
    bool Icon(UINT mouse) const { return PostMessageW(m_corvana.MainWindow(), kTrayNotify, 0, mouse) != 0; }
    bool Shown() const { return IsWindowVisible(m_corvana.MainWindow()) != 0; }
    bool MenuOpen() const { return IsMenuOpen(m_corvana.Pid()); }
    // The menu's first item, chosen by keyboard; the window selection
    // dialog it opens, or null.
    HWND ChooseFirstItem() {
        if (!MoveCursorTo(POINT{1100, 700}) || !Icon(WM_RBUTTONUP) || !WaitFor([&] { return MenuOpen(); }))
            return nullptr;
        // Down from nothing chosen is the first item.
        if (!PressKeys({VK_DOWN}) || !PressKeys({VK_RETURN}))
            return nullptr;
        HWND dlg = nullptr;
        WaitFor([&] {
            for (HWND hwnd : TopLevelWindows(m_corvana.Pid())) {
                wchar_t caption[64] = L"";
                GetWindowTextW(hwnd, caption, 64);
                if (IsWindowVisible(hwnd) && std::wstring(caption) == L"ウィンドウ選択")
                    dlg = hwnd;
            }
            return dlg != nullptr;
        });
        return dlg;
    }
    static void Press(HWND dlg, int id) {
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)GetDlgItem(dlg, id));
    }
};

TEST_F(MainWindow, DoubleClickShowsItInTheCornerAndTheCloseBoxHidesIt) {
    EXPECT_FALSE(Shown());
    ASSERT_TRUE(Icon(WM_LBUTTONDBLCLK));
    ASSERT_TRUE(WaitFor([&] { return Shown(); })) << "not shown";
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const RECT r = WindowRect(m_corvana.MainWindow());
    // Without the desktop window manager the visible frame is the window.
    EXPECT_EQ(r.right, area.right) << r;
    EXPECT_EQ(r.bottom, area.bottom) << r;

    ASSERT_TRUE(PostMessageW(m_corvana.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0));
    ASSERT_TRUE(WaitFor([&] { return !Shown(); })) << "still shown";
    EXPECT_TRUE(m_corvana.Alive());
    // A command of the menu leaves it hidden.
    EXPECT_EQ(Save().NoteCount(), 0);
    EXPECT_FALSE(Shown());
}

TEST_F(MainWindow, IconMenuChosenByKeyboardExits) {
    ASSERT_TRUE(m_corvana.Command(kCommandPasteDesktop));
    ASSERT_TRUE(WaitFor([&] { return DesktopNotes(m_corvana.Pid()).size() == 1; }));
    ASSERT_TRUE(MoveCursorTo(POINT{1100, 700}));
    ASSERT_TRUE(Icon(WM_RBUTTONUP));
    ASSERT_TRUE(WaitFor([&] { return MenuOpen(); })) << "no menu";
    // Up from nothing chosen is the last item: "終了".
    ASSERT_TRUE(PressKeys({VK_UP}));
    ASSERT_TRUE(PressKeys({VK_RETURN}));
    ASSERT_TRUE(m_corvana.WaitEnd()) << "still running";
    EXPECT_EQ(CIniText::Load(DataFile()).NoteCount(), 1);
}

// "ウィンドウを選択して貼り付け": cancelled, no note; OK on the dialog's first
// row, the desktop, a new note there.
TEST_F(MainWindow, IconMenuChoiceOfAWindowPastesANoteOnIt) {
    HWND dlg = ChooseFirstItem();
    ASSERT_NE(nullptr, dlg) << "no window selection dialog";
    Press(dlg, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dlg); }));
    EXPECT_EQ(0, Save().NoteCount());

    dlg = ChooseFirstItem();
    ASSERT_NE(nullptr, dlg) << "no window selection dialog";
    Press(dlg, IDOK);
    ASSERT_TRUE(WaitFor([&] { return DesktopNotes(m_corvana.Pid()).size() == 1; })) << "no note opened";
    CIniText file = Save();
    ASSERT_EQ(1, file.NoteCount());
    EXPECT_EQ("DESKTOP", file.Note(0, "EXENAME"));
}

}  // namespace
