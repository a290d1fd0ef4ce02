// The icon's menu item "ウィンドウを選択して貼り付け": the window selection
// dialog of the running program, and a new note on the window chosen there
// (the first row, the desktop), or none when it is cancelled.
#include "e2e/CorvanaTest.h"
#include "e2e/Input.h"

namespace {

constexpr UINT kTrayNotify = WM_USER + 100;

class TrayPaste : public CorvanaTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(CorvanaTest::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartCorvana());
    }
    // The first item of the icon's menu, chosen by keyboard; the dialog it opens.
    HWND ChooseFirstItem() {
        if (!MoveCursorTo(POINT{1100, 700}) || !PostMessageW(m_corvana.MainWindow(), kTrayNotify, 0, WM_RBUTTONUP))
            return nullptr;
        bool menu = WaitFor([&] {
            for (HWND hwnd : TopLevelWindows(m_corvana.Pid()))
                if (ClassOf(hwnd) == L"#32768" && IsWindowVisible(hwnd))
                    return true;
            return false;
        });
        if (!menu || !PressKeys({VK_DOWN}) || !PressKeys({VK_RETURN}))
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

TEST_F(TrayPaste, TheWindowChosenGetsANewNote) {
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
