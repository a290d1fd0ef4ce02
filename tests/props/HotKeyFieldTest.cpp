// The hot-key field in the real property dialog, given keys through the
// system's input as a user presses them: what it shows and what it gives
// back, and that its hook takes every key only while the field has the
// focus.
#include <gtest/gtest.h>

#include "dialogs/PropatyDlg.h"
#include "e2e/CorvanaWindows.h"
#include "e2e/Input.h"
#include "e2e/Notepad.h"
#include "framework/ModalScript.h"
#include "props/PropsTest.h"
#include "res/resource.h"

namespace {

const std::string kCtrl = CHotKeyExCtrl::GetKeyName(VK_CONTROL, false);
const std::string kShift = CHotKeyExCtrl::GetKeyName(VK_SHIFT, false);
const std::string kAlt = CHotKeyExCtrl::GetKeyName(VK_MENU, false);

std::string Name(UINT vk, bool extended = false) { return CHotKeyExCtrl::GetKeyName(vk, extended); }

// A dialog with Win+S and Win+V, as the panel starts.
void Prepare(CPropatyDlg& dlg) {
    dlg.m_nSaveTiming = 0;
    dlg.m_nSaveFormat = 0;
    dlg.m_nHkPastModifiers = MOD_WIN;
    dlg.m_nHkPastKey = 'S';
    dlg.m_nHkPastDtModifiers = MOD_WIN;
    dlg.m_nHkPastDtKey = 'V';
    dlg.m_nPosInterval = 2;
}

bool Focus(CDialog& dlg, CHotKeyExCtrl& field) {
    dlg.Send(WM_NEXTDLGCTL, (WPARAM)field.m_hWnd, TRUE);
    return WaitUntil([&] { return CHotKeyExCtrl::HookTarget() == field.m_hWnd; });
}

// Chords one after the other: a key, or a modifier and a key, pressed in
// order and released in the reverse order.
struct Chord {
    WORD first, second;  // second 0: the first alone
};
struct Sequence {
    const char* what;
    std::vector<Chord> chords;
    std::string shown;
    UINT modifiers, key;  // GetRegHotKey
};

TEST(HotKeyField, KeySequencesGiveTheShownTextAndTheStoredPair) {
    const Sequence cases[] = {
        {"Win+S released", {{VK_LWIN, 'S'}}, "Win + S", MOD_WIN, 'S'},
        {"Win+S, then Ctrl alone", {{VK_LWIN, 'S'}, {VK_CONTROL, 0}}, kCtrl + " + ", MOD_CONTROL, 0},
        {"Ctrl+Shift released without a key", {{VK_CONTROL, VK_SHIFT}}, kCtrl + " + " + kShift + " + ",
         MOD_CONTROL | MOD_SHIFT, 0},
        {"Tab as the key", {{VK_CONTROL, VK_TAB}}, kCtrl + " + " + Name(VK_TAB), MOD_CONTROL, VK_TAB},
        {"Enter as the key", {{VK_RETURN, 0}}, Name(VK_RETURN), 0, VK_RETURN},
        {"Esc as the key", {{VK_SHIFT, VK_ESCAPE}}, kShift + " + " + Name(VK_ESCAPE), MOD_SHIFT, VK_ESCAPE},
        {"right Win counts as Win", {{VK_RWIN, 'A'}}, "Win + A", MOD_WIN, 'A'},
        {"Apps counts as Win", {{VK_APPS, 'B'}}, "Win + B", MOD_WIN, 'B'},
        {"Alt and F10 are kept", {{VK_MENU, VK_F10}}, kAlt + " + " + Name(VK_F10), MOD_ALT, VK_F10},
        {"the left arrow is no keypad key", {{VK_CONTROL, VK_LEFT}}, kCtrl + " + " + Name(VK_LEFT, true),
         MOD_CONTROL, VK_LEFT},
    };
    ASSERT_NE(Name(VK_LEFT, true), Name(VK_LEFT, false));
    for (const Sequence& c : cases) {
        SCOPED_TRACE(c.what);
        CBoxRecorder boxes;
        CPropatyDlg dlg;
        Prepare(dlg);
        // Nothing of what the keys give is shown at the start.
        dlg.m_nHkPastModifiers = MOD_CONTROL | MOD_ALT;
        dlg.m_nHkPastKey = 'Q';
        bool stillOpen = false, focused = false;
        std::string shown;
        UINT key = 0, modifiers = 0;
        CModalScript script("プロパティ設定", [&](HWND) {
            ASSERT_TRUE(Focus(dlg, dlg.m_hkPast));
            for (const Chord& chord : c.chords)
                ASSERT_TRUE(chord.second ? PressKeys({chord.first, chord.second}) : PressKeys({chord.first}));
            WaitUntil([&] { return dlg.m_hkPast.GetHotKeyName() == c.shown; });
            WaitUntil([] { return false; }, 200);  // nothing further comes
            shown = dlg.m_hkPast.GetHotKeyName();
            dlg.m_hkPast.GetRegHotKey(key, modifiers);
            stillOpen = dlg.IsWindowVisible();
            focused = GetFocus() == dlg.m_hkPast.m_hWnd;
            Click(dlg, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ(c.modifiers, modifiers);
        EXPECT_EQ(c.key, key);
        EXPECT_TRUE(stillOpen);
        EXPECT_TRUE(focused);
        EXPECT_TRUE(boxes.Take().empty());
        EXPECT_EQ(nullptr, CHotKeyExCtrl::HookTarget());
    }
}

// The release of the Tab that brought the focus in must not start a new
// combination: the shown pair stays, and OK changes nothing.
TEST(HotKeyField, TabIntoTheFieldKeepsWhatIsShown) {
    CBoxRecorder boxes;
    CPropatyDlg dlg;
    Prepare(dlg);
    std::string shown;
    CModalScript script("プロパティ設定", [&](HWND) {
        dlg.Send(WM_NEXTDLGCTL, (WPARAM)dlg.GetDlgItem(IDCANCEL), TRUE);
        ASSERT_TRUE(WaitUntil([&] { return GetFocus() == dlg.GetDlgItem(IDCANCEL); }));
        ASSERT_TRUE(PressKeys({VK_TAB}));
        ASSERT_TRUE(WaitUntil([&] { return CHotKeyExCtrl::HookTarget() == dlg.m_hkPast.m_hWnd; }));
        WaitUntil([] { return false; }, 300);
        shown = dlg.m_hkPast.GetHotKeyName();
        Click(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("Win + S", shown);
    EXPECT_EQ((UINT)MOD_WIN, dlg.m_nHkPastModifiers);
    EXPECT_EQ((UINT)'S', dlg.m_nHkPastKey);
    EXPECT_EQ((UINT)MOD_WIN, dlg.m_nHkPastDtModifiers);
    EXPECT_EQ((UINT)'V', dlg.m_nHkPastDtKey);
    EXPECT_TRUE(boxes.Take().empty());
}

// The hook goes with the focus and with the field: typed text reaches
// another program once the focus has moved there, and once the dialog has
// ended with the field focused.
class HookLifetime : public testing::Test {
protected:
    void SetUp() override {
        // Beside the dialog, which opens in the middle of the screen.
        ASSERT_TRUE(m_notepad.Start(RECT{880, 100, 1270, 500})) << "no notepad";
        m_edit = FindWindowExW(m_notepad.Window(), nullptr, L"Edit", nullptr);
        ASSERT_NE(nullptr, m_edit);
    }
    void TearDown() override { m_notepad.Kill(); }
    bool Typed(const std::string& text) {
        return WaitUntil([&] { return TextOf(m_edit) == text; }, 10000);
    }
    CNotepad m_notepad;
    HWND m_edit = nullptr;
};

TEST_F(HookLifetime, TextReachesNotepadAfterAClickMovesTheFocusThere) {
    CBoxRecorder boxes;
    CPropatyDlg dlg;
    Prepare(dlg);
    bool typed = false;
    CModalScript script("プロパティ設定", [&](HWND) {
        ASSERT_TRUE(BringToFront(dlg.m_hWnd));
        ASSERT_TRUE(Focus(dlg, dlg.m_hkPast));
        ASSERT_TRUE(ClickInto(m_edit));
        ASSERT_TRUE(WaitUntil([] { return CHotKeyExCtrl::HookTarget() == nullptr; }));
        ASSERT_TRUE(TypeText(L"abc"));
        typed = Typed("abc");
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(typed) << TextOf(m_edit);
}

void CALLBACK EndFromTimer(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    KillTimer(hwnd, id);
    if (auto* dlg = dynamic_cast<CDialog*>(CWnd::FromHandle(hwnd)))
        dlg->EndDialog(IDCANCEL);
}

TEST_F(HookLifetime, TextReachesNotepadAfterTheDialogEndsWithTheFieldFocused) {
    CBoxRecorder boxes;
    CPropatyDlg dlg;
    Prepare(dlg);
    bool hooked = false;
    CModalScript script("プロパティ設定", [&](HWND) {
        ASSERT_TRUE(BringToFront(dlg.m_hWnd));
        hooked = Focus(dlg, dlg.m_hkPast);
        ::SetTimer(dlg.m_hWnd, 1, 50, EndFromTimer);
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_TRUE(hooked);
    EXPECT_EQ(nullptr, CHotKeyExCtrl::HookTarget());
    ASSERT_TRUE(BringToFront(m_notepad.Window()));
    ASSERT_TRUE(ClickInto(m_edit));
    ASSERT_TRUE(TypeText(L"xyz"));
    EXPECT_TRUE(Typed("xyz")) << TextOf(m_edit);
}

// A field destroyed while the hook serves it lets the keys pass.
TEST(HotKeyHook, KeysPassOnceTheFieldIsGone) {
    CPropatyDlg dlg;
    Prepare(dlg);
    ASSERT_TRUE(dlg.Create(nullptr));
    ASSERT_TRUE(Focus(dlg, dlg.m_hkPast));
    dlg.DestroyWindow();
    EXPECT_EQ(nullptr, CHotKeyExCtrl::HookTarget());
}

}  // namespace
