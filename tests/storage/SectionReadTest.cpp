// Reading one note section: small fixture files written byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <ctime>
#include <string>

#include "SectionFixture.h"
#include "model/FullRecord.h"
#include "model/MemletData.h"

static const char* kSection = "MEMLETITEM0";

// The record after reading [MEMLETITEM0] holding these lines, and whether
// the reading called it whole.
static CMemletData ReadInto(CMemletData rec, const std::string& lines, int key = 0, bool* whole = nullptr) {
    std::wstring path = SectionTestPath(L"read.ini");
    WriteBytes(path, "[SYSTEM]\r\nMEMLTENUM=1\r\n[MEMLETITEM0]\r\n" + lines + "[MEMLETITEM1]\r\nTEXT=7a7a\r\n");
    bool read = rec.ReadIniSection(key, kSection, path);
    if (whole)
        *whole = read;
    return rec;
}
static CMemletData Read(const std::string& lines, int key = 0, bool* whole = nullptr) {
    return ReadInto(CMemletData(), lines, key, whole);
}


TEST(SectionRead, Text) {
    struct Case {
        const char* lines;
        int key;
        std::string text;
        bool whole;
    } cases[] = {
        {"TEXTFORMAT=0\r\nTEXT=616263\r\n", 0, "abc", true},
        {"TEXT=616263\r\n", 0, "abc", true},  // a missing format counts as 0
        {"TEXTFORMAT=0\r\nTEXT=\r\n", 0, "", true},
        {"TEXT=616\r\n", 0, "a", false},  // odd: cut short, the whole pairs kept
        {"TEXT=6\r\n", 0, "", false},
        {"TEXT=8381838\r\n", 0, "メ\x83", false},  // cut inside a character
        {"TEXT=4A4b\r\n", 0, "JK", true},
        {"TEXT=zz41\r\n", 0, "", true},  // 00 41: the text ends before its first byte
        {"TEXT=610062\r\n", 0, "a", true},
        {"TEXT=83818382\r\n", 0, "メモ", true},
        {"TEXTFORMAT=1\r\nTEXT=61636567\r\n", 0, "abcd", true},
        {"TEXTFORMAT=1\r\nTEXT=616365aa\r\n", 0x43000000, "abcd", true},
        {"TEXTFORMAT=1\r\nTEXT=ae9f9081\r\n", 0x1a2b3c4d, "abcd", true},
        {"TEXTFORMAT=1\r\nTEXT=ae9f908\r\n", 0x1a2b3c4d, "abc", false},
        {"TEXTFORMAT=1\r\nTEXT=4100\r\n", 0, "\x41\xff", true},
        {"TEXTFORMAT=1\r\nTEXT=ae9f9081\r\n", 0, "\xae\x9e\x8e\x7e", true},  // another key: other bytes, no check
        {"TEXTFORMAT=2\r\nTEXT=616\r\n", 0, "old", true},  // not read at all
        {"", 0, "", true},
    };
    for (const Case& c : cases) {
        CMemletData seed;
        seed.m_strText = "old";
        bool whole = !c.whole;
        EXPECT_EQ(ReadInto(seed, c.lines, c.key, &whole).m_strText, c.text) << c.lines;
        EXPECT_EQ(whole, c.whole) << c.lines;
    }
}

TEST(SectionRead, OtherTextFormatsKeepTheText) {
    CMemletData seed;
    seed.m_strText = "kept";
    for (const char* format : {"2", "-1", "7"})
        EXPECT_EQ(ReadInto(seed, std::string("TEXTFORMAT=") + format + "\r\nTEXT=616263\r\n").m_strText, "kept");
}

TEST(SectionRead, TextLengthLimits) {
    // 8,190 digits are the longest text, 4,095 bytes.
    std::string full;
    for (int i = 0; i < 4095; i++)
        full += "41";
    bool whole = false;
    EXPECT_EQ(Read("TEXT=" + full + "\r\n", 0, &whole).m_strText, std::string(4095, 'A'));
    EXPECT_TRUE(whole);
    // 8,192 digits and more arrive cut to 8,191, an odd count: 4,095 bytes
    // of them are kept, and the text is known to be cut.
    for (const char* more : {"4", "41", "4141", "414141"}) {
        EXPECT_EQ(Read("TEXT=" + full + more + "\r\n", 0, &whole).m_strText, std::string(4095, 'A')) << more;
        EXPECT_FALSE(whole) << more;
    }
}

TEST(SectionRead, Dates) {
    int64_t kept = LocalTime(2001, 2, 3, 4, 5, 6);
    struct Case {
        const char* value;
        int64_t want;
    } cases[] = {
        {"202403150930", LocalTime(2024, 3, 15, 9, 30)},
        {"197001020000", LocalTime(1970, 1, 2, 0, 0)},
        {"202402310000", LocalTime(2024, 3, 2, 0, 0)},  // the run-time moves Feb 31 on
        {"20240315093", kept},                          // 11 characters
        {"2024031509300", kept},                        // 13
        {"202413150930", kept},                         // month 13
        {"202400150930", kept},
        {"202403000930", kept},
        {"202403322359", kept},
        {"202403152400", kept},
        {"202403152360", kept},
        {"189912312359", kept},
        {"2024-3150930", kept},  // twelve characters, not twelve digits
        {" 02403150930", kept},
        {"", kept},
    };
    for (const Case& c : cases) {
        CMemletData seed;
        seed.m_tGenDate = kept;
        seed.m_tAcsDate = kept;
        CMemletData gen = ReadInto(seed, std::string("GENDATE=") + c.value + "\r\n");
        EXPECT_EQ(gen.m_tGenDate, c.want) << c.value;
        EXPECT_EQ(gen.m_tAcsDate, kept) << c.value;
        EXPECT_EQ(ReadInto(seed, std::string("ACSDATE=") + c.value + "\r\n").m_tAcsDate, c.want) << c.value;
    }
}

TEST(SectionRead, Transparency) {
    struct Case {
        const char* lines;
        int want;
    } cases[] = {
        {"TRANSPARENT=5\r\n", 20},  {"TRANSPARENT=150\r\n", 100}, {"", 70},
        {"TRANSPARENT=20\r\n", 20}, {"TRANSPARENT=100\r\n", 100}, {"TRANSPARENT=-5\r\n", 20},
        {"TRANSPARENT=55\r\n", 55}, {"TRANSPARENT=\r\n", 70},
    };
    for (const Case& c : cases) {
        CMemletData seed;
        seed.m_nTransparent = 40;
        EXPECT_EQ(ReadInto(seed, c.lines).m_nTransparent, c.want) << c.lines;
    }
}

TEST(SectionRead, FontNeedsAFaceName) {
    LOGFONTA def = DefaultMemletFont();
    CMemletData arial = Read("FONTFACENAME=Arial\r\n");
    EXPECT_STREQ(arial.m_logFont.lfFaceName, "Arial");
    EXPECT_EQ(arial.m_logFont.lfHeight, 0);
    EXPECT_EQ(arial.m_logFont.lfWeight, 0);
    EXPECT_EQ(arial.m_logFont.lfItalic, 0);
    EXPECT_EQ(arial.m_logFont.lfCharSet, SHIFTJIS_CHARSET);

    for (const char* lines : {"FONTHEIGHT=-30\r\nFONTWEIGHT=700\r\nFONTITALIC=1\r\n",
                              "FONTFACENAME=\r\nFONTHEIGHT=-30\r\nFONTWEIGHT=700\r\n"}) {
        CMemletData kept = Read(lines);
        EXPECT_EQ(memcmp(&kept.m_logFont, &def, sizeof def), 0) << lines;
    }

    CMemletData all = Read("FONTFACENAME=Arial\r\nFONTHEIGHT=-16\r\nFONTWEIGHT=700\r\nFONTITALIC=257\r\n");
    EXPECT_EQ(all.m_logFont.lfHeight, -16);
    EXPECT_EQ(all.m_logFont.lfWeight, 700);
    EXPECT_EQ(all.m_logFont.lfItalic, 1);  // the low byte
    EXPECT_EQ(Read("FONTFACENAME=Arial\r\nFONTITALIC=255\r\n").m_logFont.lfItalic, 255);
}

TEST(SectionRead, FaceNamesAreCutOnACharacterBoundary) {
    struct Case {
        std::string face;
        std::string want;
    } cases[] = {
        {std::string(40, 'F'), std::string(31, 'F')},
        {std::string(31, 'F'), std::string(31, 'F')},
        // Sixteen double-byte characters: the sixteenth would need bytes 31 and 32.
        {"ＭＳ＿Ｐゴシックあいうえおかきく", "ＭＳ＿Ｐゴシックあいうえおかき"},
        {"aＭＳ＿Ｐゴシックあいうえおかき", "aＭＳ＿Ｐゴシックあいうえおかき"},
        {"abＭＳ＿Ｐゴシックあいうえおかき", "abＭＳ＿Ｐゴシックあいうえおか"},
    };
    for (const Case& c : cases) {
        CMemletData rec = Read("FONTFACENAME=" + c.face + "\r\n");
        EXPECT_EQ(std::string(rec.m_logFont.lfFaceName), c.want) << c.face;
        EXPECT_EQ(rec.m_logFont.lfFaceName[31], '\0');
    }
}

TEST(SectionRead, ExeNameIsUpperCased) {
    struct Case {
        const char* value;
        const char* want;
    } cases[] = {
        {"notepad.exe", "NOTEPAD.EXE"},
        {"ｍｅｍｏ.exe", "ＭＥＭＯ.EXE"},
        {"ッa.exe", "ッA.EXE"},  // 83 62: a trail byte that looks like "b" stays
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Read(std::string("EXENAME=") + c.value + "\r\n").m_strExeName, c.want) << c.value;
}

TEST(SectionRead, MissingKeys) {
    CMemletData seed = FullRecord();
    seed.m_nExCtlId = 9;
    seed.m_nColor = 4;
    seed.m_nBkColor = 3;
    seed.m_nTxColor = 2;
    seed.m_nPickPos = 3;
    seed.m_nGraPtn = 6;
    seed.m_arrow.m_nStartX = 11;
    seed.m_arrow.m_nStartY = 12;
    seed.m_arrow.m_nEndX = 13;
    seed.m_arrow.m_nEndY = 14;
    CMemletData r = ReadInto(seed, "");
    // Flags, look and leader line keep what the record held.
    EXPECT_EQ(r.m_nTitleFlag, 0);
    EXPECT_EQ(r.m_nProcessFlag, 0);
    EXPECT_EQ(r.m_nExtentFlag, 1);
    EXPECT_EQ(r.m_nFull, 0);
    EXPECT_EQ(r.m_nExFullFlag, 0);
    EXPECT_EQ(r.m_nExCtlId, 9);
    EXPECT_EQ(r.m_nMouseHideCtl, 1);
    EXPECT_EQ(r.m_nColor, 4);
    EXPECT_EQ(r.m_nFrame, 1);
    EXPECT_EQ(r.m_nBkColor, 3);
    EXPECT_EQ(r.m_nTxColor, 2);
    EXPECT_EQ(r.m_nBkTransparent, 1);
    EXPECT_EQ(r.m_nPickPos, 3);
    EXPECT_EQ(r.m_nGraFlg, 0);
    EXPECT_EQ(r.m_nGraPtn, 6);
    EXPECT_EQ(r.m_arrow.m_nArwFlag, 1);
    EXPECT_EQ(r.m_arrow.m_nStartX, 11);
    EXPECT_EQ(r.m_arrow.m_nStartY, 12);
    EXPECT_EQ(r.m_arrow.m_nEndX, 13);
    EXPECT_EQ(r.m_arrow.m_nEndY, 14);
    EXPECT_EQ(r.m_nArLineWidth, 2);
    // Strings, rectangles and READONLY do not.
    for (const std::string* s : {&r.m_strTitle, &r.m_strPart, &r.m_strExeName, &r.m_strExePath, &r.m_strExClass,
                                 &r.m_strExText, &r.m_strExPart, &r.m_strText})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(r.m_rectWin.left | r.m_rectWin.top | r.m_rectWin.right | r.m_rectWin.bottom, 0);
    EXPECT_EQ(r.m_rectTarget.left | r.m_rectTarget.top | r.m_rectTarget.right | r.m_rectTarget.bottom, 0);
    EXPECT_EQ(r.m_nReadOnly, 0);
    EXPECT_EQ(r.m_nTransparent, 70);

    // A section that is not there at all reads the same way.
    CMemletData gone = seed;
    gone.ReadIniSection(0, "MEMLETITEM9", SectionTestPath(L"read.ini"));
    EXPECT_EQ(gone.m_nTitleFlag, 0);
    EXPECT_EQ(gone.m_nReadOnly, 0);
    EXPECT_EQ(gone.m_strText, "");
}
