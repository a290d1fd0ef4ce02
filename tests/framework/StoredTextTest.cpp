#include <gtest/gtest.h>

#include <string>

#include "framework/StoredText.h"
#include "framework/Text.h"
#include "framework/WideUnits.h"

namespace {

// What the field will save reads back as what it shows.
void ExpectKept(const std::wstring& w) { EXPECT_EQ(Units(w), Units(ToWide(FromWide(w)))); }

TEST(StoredForm, EachCharacterAsItWillBeSaved) {
    const struct {
        const char* what;
        std::wstring given, stored;
    } cases[] = {
        {"Japanese, ASCII, full and half width", L"会議 abc ＡＢＣ ｱｲｳ ～ ￥ ￢ ∥", L"会議 abc ＡＢＣ ｱｲｳ ～ ￥ ￢ ∥"},
        {"vendor characters of the code page", L"①髙﨑", L"①髙﨑"},
        {"line breaks and tabs", L"一行目\r\n\t二行目", L"一行目\r\n\t二行目"},
        {"a best fit, as it reads back", L"café", L"cafe"},
        {"the yen sign of Latin-1", L"¥100", L"\\100"},
        {"a symbol outside the code page", L"a☕b", L"ab"},
        {"an emoji, one surrogate pair", L"x😀y", L"xy"},
        {"a character outside the plane, before others", L"𠮷野家", L"野家"},
        {"Hangul", L"한국어", L""},
        {"a high surrogate alone", std::wstring(L"a") + L'\xD83D' + L"b", L"ab"},
        {"a low surrogate alone", std::wstring(L"a") + L'\xDE00' + L"b", L"ab"},
        {"two highs, then a pair", std::wstring(L"\xD83D\xD83D\xDE00") + L"z", L"z"},
        {"the mixed line", L"会議 café ☕ 😀 𠮷 한국 終わり", L"会議 cafe     終わり"},
        {"nothing", L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring got = StoredForm(c.given);
        EXPECT_EQ(Units(c.stored), Units(got));
        ExpectKept(got);
        EXPECT_EQ(Units(got), Units(StoredForm(got)));
    }
}

TEST(StoredForm, SpanToReplaceAndTheCaretAfterIt) {
    const struct {
        const char* what;
        std::wstring text;
        size_t caret;
        size_t start, count;
        std::wstring with;
        size_t caretAfter;
    } cases[] = {
        {"pasted in the middle", L"xxP☕Qyy", 5, 3, 1, L"", 4},
        {"a best fit at the end", L"abcé", 4, 3, 1, L"e", 4},
        {"a pair at the start", L"😀abc", 2, 0, 2, L"", 0},
        {"a kept character between two left out", L"a😀b한c", 6, 1, 4, L"b", 3},
        {"the caret before the change", L"ab☕", 1, 2, 1, L"", 1},
        {"the caret past the end", L"☕", 9, 0, 1, L"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CStoredSpan span;
        ASSERT_TRUE(FindUnstoredSpan(c.text, c.caret, span));
        EXPECT_EQ(c.start, span.start);
        EXPECT_EQ(c.count, span.count);
        EXPECT_EQ(Units(c.with), Units(span.text));
        EXPECT_EQ(c.caretAfter, span.caret);
        std::wstring after = c.text;
        after.replace(span.start, span.count, span.text);
        EXPECT_EQ(Units(StoredForm(c.text)), Units(after));
    }
    CStoredSpan none;
    EXPECT_FALSE(FindUnstoredSpan(L"会議 cafe", 3, none));
}

}  // namespace
