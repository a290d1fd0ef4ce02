// The field's combination as its keys build it, without a window: the rule
// table, and what a press and a release do to what is shown.
#include <gtest/gtest.h>

#include "dialogs/HotKeyExCtrl.h"

namespace {

constexpr WORD S = HOTKEYF_SHIFT, C = HOTKEYF_CONTROL, A = HOTKEYF_ALT, W = HOTKEYF_WIN;

TEST(HotKeyRules, EverySetHasItsBitAndAForbiddenOneShowsTheDefault) {
    const struct {
        WORD set, bit;
    } table[] = {
        {0, 0x0001},         {S, 0x0002},         {C, 0x0004},         {S | C, 0x0010},
        {A, 0x0008},         {S | A, 0x0020},     {C | A, 0x0040},     {S | C | A, 0x0080},
        {W, 0x0100},         {W | S, 0x0200},     {W | C, 0x0400},     {W | S | C, 0x1000},
        {W | A, 0x0800},     {W | S | A, 0x2000}, {W | C | A, 0x4000}, {W | S | C | A, 0x8000},
    };
    for (const auto& row : table) {
        CHotKeyExCtrl field;
        EXPECT_EQ(row.set, field.ApplyRules(row.set)) << row.set;  // no rule
        field.SetRules(row.bit, C | A);
        EXPECT_EQ(C | A, field.ApplyRules(row.set)) << row.set;
        // The extended flag is no part of the set.
        EXPECT_EQ(C | A, field.ApplyRules(row.set | HOTKEYF_EXT)) << row.set;
        field.SetRules((WORD)~row.bit, C | A);
        EXPECT_EQ(row.set, field.ApplyRules(row.set)) << row.set;
    }
}

struct Step {
    UINT vk;
    bool down;
    WORD key, modifiers;  // shown after it
    BYTE complete;
};

void Press(CHotKeyExCtrl& field, const std::vector<Step>& steps, const char* what) {
    for (size_t i = 0; i < steps.size(); i++) {
        const Step& s = steps[i];
        field.OnHotKeyEx(s.vk, s.down);
        EXPECT_EQ(s.key, field.m_wKey) << what << ", step " << i;
        EXPECT_EQ(s.modifiers, field.m_wModifiers) << what << ", step " << i;
        EXPECT_EQ(s.complete, field.m_bComplete) << what << ", step " << i;
    }
}

TEST(HotKeyState, PressesBuildAndReleasesKeep) {
    {
        CHotKeyExCtrl field;
        field.SetHotKey('S', W);
        // The release of a key that came before the focus changes nothing.
        Press(field, {{VK_TAB, false, 'S', W, 1}, {VK_LSHIFT, false, 'S', W, 1}}, "stray releases");
        Press(field,
            {{VK_LCONTROL, true, 0, C, 0}, {VK_LSHIFT, true, 0, C | S, 0}, {VK_LSHIFT, false, 0, C | S, 0},
             {VK_LCONTROL, false, 0, C | S, 1}},
            "modifiers alone");
        Press(field,
            {{VK_RWIN, true, 0, W, 0}, {'K', true, 'K', W, 0}, {'K', false, 'K', W, 0}, {VK_RWIN, false, 'K', W, 1}},
            "right Win and a key");
        Press(field, {{VK_APPS, true, 0, W, 0}, {VK_APPS, false, 0, W, 1}}, "Apps alone");
        Press(field, {{VK_F10, true, VK_F10, 0, 0}, {VK_F10, false, VK_F10, 0, 1}}, "a key alone");
        // A second key while the first is held takes its place.
        Press(field,
            {{VK_MENU, true, 0, A, 0}, {'A', true, 'A', A, 0}, {'B', true, 'B', A, 0}, {'A', false, 'B', A, 0},
             {'B', false, 'B', A, 0}, {VK_MENU, false, 'B', A, 1}},
            "two keys");
    }
    {
        // With a rule: a key without modifiers shows the default set.
        CHotKeyExCtrl field;
        field.SetRules(HKCOMB_NONE, C);
        Press(field, {{'Q', true, 'Q', C, 0}, {'Q', false, 'Q', C, 1}}, "rule");
    }
}

TEST(HotKeyState, StoredFormGoesInAndOut) {
    CHotKeyExCtrl field;
    field.SetRegHotKey('V', MOD_WIN | MOD_SHIFT);
    WORD key = 0, modifiers = 0;
    field.GetHotKey(key, modifiers);
    EXPECT_EQ('V', key);
    EXPECT_EQ(W | S, modifiers);
    UINT regKey = 0, regModifiers = 0;
    field.GetRegHotKey(regKey, regModifiers);
    EXPECT_EQ((UINT)'V', regKey);
    EXPECT_EQ((UINT)(MOD_WIN | MOD_SHIFT), regModifiers);
    EXPECT_EQ(1, field.m_bComplete);
}

}  // namespace
