// The balloon tip of a field that refused a character: shown at once where
// the user types, gone with the next key, a click or the focus.
#include <gtest/gtest.h>

#include "e2e/Input.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "framework/WideUnits.h"
#include "note/MemletWin.h"
#include "note/NoteFixture.h"
#include "text/Entry.h"

namespace {

POINT CentreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

using Balloon = NoteTest;

TEST_F(Balloon, RefusedCharacterShowsTheTipAtTheCaretUntilTheNextKeyClickOrFocus) {
    NoteLook look;
    look.rect = RECT{750, 200, 1000, 300};
    CMemletWin* win = Open(look);
    ASSERT_TRUE(win);
    HWND note = win->m_hWnd, field = win->m_editMemlet.m_hWnd;
    ASSERT_TRUE(PumpUntil([note] { return IsWindowEnabled(note) != 0; }));
    // Typed, and taken with everything it set off.
    auto typed = [field](const std::wstring& text) {
        TypeKeys(field, text);
        PumpUntil([] { return HIWORD(GetQueueStatus(QS_INPUT)) == 0; });
        PumpFor(150);
    };

    // What goes in whole tells nothing.
    typed(L"あ");
    EXPECT_EQ(nullptr, ShownTip());
    // A best fit goes in as it will be saved, and says so.
    typed(L"é");
    EXPECT_NE(nullptr, ShownTip());
    EXPECT_EQ(Units(L"あe"), Units(GetWindowTextWide(field)));
    PressKeys({VK_END});
    EXPECT_TRUE(PumpUntil([] { return ShownTip() == nullptr; }));

    typed(L"☕");
    HWND tip = ShownTip();
    ASSERT_NE(nullptr, tip) << "no balloon";
    EXPECT_EQ(Units(L"保存できない文字があります"), Units(TipTitle(tip)));
    EXPECT_EQ(Units(L"絵文字やハングル、一部の記号など、シフトJISで\r\n"
                    L"保存できない文字は入力できません。\r\n"
                    L"近い文字があるものは、その文字に置き換わります。"),
              Units(TipText(tip)));
    // It points below the caret, after the text.
    POINT caret{};
    GetCaretPos(&caret);
    ClientToScreen(field, &caret);
    RECT r{};
    GetWindowRect(tip, &r);
    InflateRect(&r, 2, 2);
    EXPECT_GT(r.bottom, caret.y);
    EXPECT_TRUE(caret.x >= r.left && caret.x <= r.right) << caret.x << " not in " << r.left << ".." << r.right;
    EXPECT_EQ(Units(L"あe"), Units(GetWindowTextWide(field)));

    PressKeys({VK_LEFT});
    EXPECT_TRUE(PumpUntil([] { return ShownTip() == nullptr; })) << "the next key left it";

    typed(L"😀");
    ASSERT_NE(nullptr, ShownTip());
    RECT fieldRect{};
    GetWindowRect(field, &fieldRect);
    ClickAt(POINT{fieldRect.left + 5, fieldRect.top + 5});
    EXPECT_TRUE(PumpUntil([] { return ShownTip() == nullptr; })) << "a click into the field left it";

    typed(L"한");
    ASSERT_NE(nullptr, tip = ShownTip());
    GetWindowRect(tip, &r);
    ClickAt(CentreOf(r));
    EXPECT_TRUE(PumpUntil([] { return ShownTip() == nullptr; })) << "a click on it left it";

    typed(L"☕");
    ASSERT_NE(nullptr, ShownTip());
    SetFocus(m_target.m_hWnd);
    EXPECT_TRUE(PumpUntil([] { return ShownTip() == nullptr; })) << "the loss of the focus left it";
    EXPECT_EQ(Units(L"あe"), Units(GetWindowTextWide(field)));
}

}  // namespace
