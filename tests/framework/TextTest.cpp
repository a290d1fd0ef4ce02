#include <gtest/gtest.h>

#include "framework/Text.h"

namespace {

struct UpperCase {
    const char* in;
    const char* out;
};

TEST(Text, MbUpperTouchesLettersOnly) {
    const UpperCase cases[] = {
        {"abcXYZ09", "ABCXYZ09"},
        {"ｱｲｳ", "ｱｲｳ"},   // half-width katakana: single bytes above 0x80
        {"ｂ", "Ｂ"},     // full-width letter, its trail byte 0x82 stays
        {"ａｚ", "ＡＺ"},
        {"ッ", "ッ"},     // 0x83 0x62: the trail byte is an ASCII 'b'
        {"アbイc", "アBイC"},
        {"αβω", "ΑΒΩ"},
        {"ярд", "ЯРД"},
        {"表示a", "表示A"},
        {"a\x82", "A\x82"},  // a lead byte at the end stays as it is
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.out, MbUpper(c.in)) << c.in;
}

struct FindCase {
    const char* hay;
    const char* needle;
    size_t at;
};

TEST(Text, MbFindMatchesOnCharacterBoundariesOnly) {
    const size_t none = std::string_view::npos;
    const FindCase cases[] = {
        {"表示", "\\", none},          // 表 is 0x95 0x5C
        {"表示\\", "\\", 4},
        {"アイ", "\x41\x83", none},     // ア イ = 83 41 83 43: the match would start on a trail byte
        {"アイ", "イ", 2},
        {"Aアイ", "A", 0},
        {"ab表示", "示", 4},
        {"abc", "", 0},
        {"", "a", none},
        {"abc", "abcd", none},
        {"ソフト", "ト", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.at, MbFind(c.hay, c.needle)) << c.hay << " / " << c.needle;
    EXPECT_FALSE(MbContains("表示", "\\"));
    EXPECT_TRUE(MbContains("表示", "示"));
}

struct CutCase {
    const char* in;
    size_t max;
    const char* out;
};

TEST(Text, MbCutNeverSplitsADoubleByteCharacter) {
    const CutCase cases[] = {
        {"あい", 3, "あ"}, {"あい", 4, "あい"}, {"あい", 1, ""},   {"aあ", 2, "a"},
        {"aあ", 3, "aあ"}, {"abc", 2, "ab"},    {"表示", 2, "表"}, {"ｱｲｳ", 2, "ｱｲ"},
        {"", 5, ""},       {"abc", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.out, MbCut(c.in, c.max)) << c.in << " " << c.max;
        EXPECT_EQ(strlen(c.out), MbCutLength(c.in, c.max)) << c.in << " " << c.max;
    }
}

TEST(Text, OneLineMakesEachLineBreakOneSpace) {
    const std::pair<const char*, const char*> cases[] = {
        {"a\r\nb", "a b"},   {"a\nb", "a b"},          {"a\rb", "a b"},
        {"a\n\rb", "a  b"},  {"a\r\n\r\nb", "a  b"}, {"\r\n", " "},
        {"表\r\n示", "表 示"}, {"ソ\nフト", "ソ フト"},  {"abc", "abc"},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(out, OneLine(in)) << in;
}

TEST(Text, WideConversionUsesCodePage932) {
    EXPECT_EQ(L"表示ソフト", ToWide("表示ソフト"));
    EXPECT_EQ("表示ソフト", FromWide(L"表示ソフト"));
    EXPECT_EQ(L"ｱ", ToWide("ｱ"));
    EXPECT_EQ("", FromWide(L""));
}

}  // namespace
