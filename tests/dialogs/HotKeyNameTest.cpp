#include <gtest/gtest.h>

#include "dialogs/HotKeyExCtrl.h"

namespace {

TEST(HotKeyName, StoredAndShownFormsConvert) {
    const struct {
        UINT mod;
        WORD hotKeyf;
    } cases[] = {
        {0, 0},
        {MOD_ALT, HOTKEYF_ALT},
        {MOD_CONTROL, HOTKEYF_CONTROL},
        {MOD_SHIFT, HOTKEYF_SHIFT},
        {MOD_WIN, HOTKEYF_WIN},
        {MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN, HOTKEYF_ALT | HOTKEYF_CONTROL | HOTKEYF_SHIFT | HOTKEYF_WIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.hotKeyf, CHotKeyExCtrl::ModToHotKeyf(c.mod)) << c.mod;
        EXPECT_EQ(c.mod, CHotKeyExCtrl::HotKeyfToMod(c.hotKeyf)) << c.mod;
    }
    // Bits of neither form are dropped; the extended flag is not a modifier.
    EXPECT_EQ(HOTKEYF_WIN, CHotKeyExCtrl::ModToHotKeyf(MOD_WIN | MOD_NOREPEAT));
    EXPECT_EQ((UINT)MOD_CONTROL, CHotKeyExCtrl::HotKeyfToMod(HOTKEYF_CONTROL | HOTKEYF_EXT));
}

TEST(HotKeyName, ModifiersInOrderThenTheKey) {
    const std::string ctrl = CHotKeyExCtrl::GetKeyName(VK_CONTROL, false);
    const std::string shift = CHotKeyExCtrl::GetKeyName(VK_SHIFT, false);
    const std::string alt = CHotKeyExCtrl::GetKeyName(VK_MENU, false);
    ASSERT_FALSE(ctrl.empty());
    EXPECT_EQ("Win + S", CHotKeyExCtrl::GetRegHotKeyName(MOD_WIN, 'S'));
    EXPECT_EQ(ctrl + " + " + shift + " + " + alt + " + Win + V",
              CHotKeyExCtrl::GetRegHotKeyName(MOD_WIN | MOD_ALT | MOD_SHIFT | MOD_CONTROL, 'V'));
    EXPECT_EQ("", CHotKeyExCtrl::GetRegHotKeyName(0, 0));
    CHotKeyExCtrl field;
    field.m_wKey = 'A';
    field.m_wModifiers = HOTKEYF_CONTROL;
    EXPECT_EQ(ctrl + " + A", field.GetHotKeyName());
}

// A stored pair has no extended flag: arrows and the editing keys are named
// as themselves, not as the keypad keys that share their scan codes.
TEST(HotKeyName, EditingKeysAreNotKeypadKeys) {
    for (UINT key : {VK_DELETE, VK_INSERT, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
        std::string own = CHotKeyExCtrl::GetKeyName(key, true);
        EXPECT_NE(CHotKeyExCtrl::GetKeyName(key, false), own) << key;
        EXPECT_EQ("Win + " + own, CHotKeyExCtrl::GetRegHotKeyName(MOD_WIN, key)) << key;
    }
    // A keypad digit keeps its own name.
    EXPECT_EQ("Win + " + CHotKeyExCtrl::GetKeyName(VK_NUMPAD1, false),
              CHotKeyExCtrl::GetRegHotKeyName(MOD_WIN, VK_NUMPAD1));
}

}  // namespace
