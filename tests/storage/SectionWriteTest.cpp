// Writing one note section, and writing then reading it back.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <ctime>
#include <string>

#include "SectionFixture.h"
#include "model/FullRecord.h"
#include "model/MemletData.h"
#include "storage/WriteIniFile.h"


// A note with a value in every stored field, as kSampleSection holds it.
static CMemletData SampleNote() {
    CMemletData rec = FullRecord();
    rec.m_nProcessFlag = 1;
    strcpy(rec.m_logFont.lfFaceName, "ＭＳ Ｐゴシック");
    rec.m_arrow.m_nStartX = -200;
    return rec;
}

static const char kSampleSection[] =
    "[MEMLETITEM0]\r\n"
    "TITLEFLAG=0\r\n"
    "PRECESSEFLAG=1\r\n"
    "EXTENTFLAG=1\r\n"
    "EXFULLFLAG=0\r\n"
    "TITLE=(無題) - メモ帳\r\n"
    "FULL=0\r\n"
    "PART=メモ\r\n"
    "EXENAME=NOTEPAD.EXE\r\n"
    "EXEPATH=C:\\windows\\system32\\notepad.exe\r\n"
    "EXCTLID=15\r\n"
    "EXCLASS=Edit\r\n"
    "EXTEXT=表示\r\n"
    "EXPART=表\r\n"
    "GENDATE=202403150930\r\n"
    "ACSDATE=202512312359\r\n"
    "REC_TOP=20\r\n"
    "REC_BOTTOM=80\r\n"
    "REC_LEFT=10\r\n"
    "REC_RIGHT=210\r\n"
    "TGT_TOP=-5\r\n"
    "TGT_BOTTOM=600\r\n"
    "TGT_LEFT=-8\r\n"
    "TGT_RIGHT=800\r\n"
    "READONLY=1\r\n"
    "TRANSPARENT=85\r\n"
    "MOUSEHIDECTL=1\r\n"
    "COLOR=3\r\n"
    "FRAME=1\r\n"
    "BKCOLOR=2\r\n"
    "TXCOLOR=1\r\n"
    "BKTRANSPARENT=1\r\n"
    "PICKPOS=2\r\n"
    "GRAFLG=0\r\n"
    "GRAPTN=7\r\n"
    "FONTFACENAME=ＭＳ Ｐゴシック\r\n"
    "FONTHEIGHT=-16\r\n"
    "FONTWEIGHT=700\r\n"
    "FONTITALIC=255\r\n"
    "ARWFLAG=1\r\n"
    "ARWSATRTX=-200\r\n"
    "ARWSTARTY=-150\r\n"
    "ARWENDX=30\r\n"
    "ARWENDY=40\r\n"
    "ARLINEWIDTH=2\r\n";

// The file that one section of rec makes.
static std::string Written(const CMemletData& rec, int format, int key, const wchar_t* name = L"written.ini") {
    std::wstring path = SectionTestPath(name);
    CWriteIniFile writer;
    EXPECT_TRUE(writer.openFile(path));
    CMemletData copy = rec;
    EXPECT_EQ(copy.WriteIniSection(writer, format, key, "MEMLETITEM0", path), 1);
    EXPECT_TRUE(writer.closeFile());
    return ReadBytes(path);
}

static CMemletData WrittenAndRead(const CMemletData& rec, int format, int key) {
    std::wstring path = SectionTestPath(L"roundtrip.ini");
    Written(rec, format, key, L"roundtrip.ini");
    CMemletData back;
    back.ReadIniSection(key, "MEMLETITEM0", path);
    return back;
}

TEST(SectionWrite, WholeSectionByteForByte) {
    CMemletData rec = SampleNote();
    EXPECT_EQ(Escaped(Written(rec, 0, 0)), Escaped(std::string(kSampleSection) + "TEXTFORMAT=0\r\nTEXT=83818382\r\n"));
    rec.m_strText = "abcd";
    EXPECT_EQ(Escaped(Written(rec, 1, 0x1a2b3c4d)),
              Escaped(std::string(kSampleSection) + "TEXTFORMAT=1\r\nTEXT=ae9f9081\r\n"));
}

TEST(SectionWrite, Text) {
    struct Case {
        std::string text;
        int format;
        int key;
        const char* lines;
    } cases[] = {
        {"abc", 0, 0, "TEXTFORMAT=0\r\nTEXT=616263\r\n"},
        {"", 0, 0, "TEXTFORMAT=0\r\nTEXT=\r\n"},
        {"", 1, 0x1a2b3c4d, "TEXTFORMAT=1\r\nTEXT=\r\n"},
        {"abcd", 1, 0, "TEXTFORMAT=1\r\nTEXT=61636567\r\n"},
        {"abcd", 1, 0x43000000, "TEXTFORMAT=1\r\nTEXT=616365aa\r\n"},
        {"abcd", 0, 0x1a2b3c4d, "TEXTFORMAT=0\r\nTEXT=61626364\r\n"},
        // Other formats store the plain text rather than no text at all.
        {"abc", 2, 0x1a2b3c4d, "TEXTFORMAT=0\r\nTEXT=616263\r\n"},
        {"abc", -1, 0, "TEXTFORMAT=0\r\nTEXT=616263\r\n"},
    };
    for (const Case& c : cases) {
        CMemletData rec;
        rec.m_strText = c.text;
        std::string file = Written(rec, c.format, c.key);
        size_t at = file.find("TEXTFORMAT=");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(file.substr(at), c.lines) << c.text << " format " << c.format;
        EXPECT_EQ(file.rfind("\r\nARLINEWIDTH=1\r\n", at), at - strlen("\r\nARLINEWIDTH=1\r\n"));
        EXPECT_EQ(rec.m_strText, c.text);
    }
}

TEST(SectionWrite, TextFormatTwoReadsBack) {
    CMemletData rec;
    rec.m_strText = "メモの本文";
    EXPECT_EQ(WrittenAndRead(rec, 2, 0x1a2b3c4d).m_strText, "メモの本文");
}

TEST(SectionWrite, LongTextIsCutOnACharacterBoundary) {
    struct Case {
        std::string text;
        std::string kept;
    } cases[] = {
        {std::string(5000, 'a'), std::string(4095, 'a')},
        {std::string(4095, 'a'), std::string(4095, 'a')},
        {std::string(4094, 'a') + "あ", std::string(4094, 'a')},  // あ would take bytes 4,095 and 4,096
        {std::string(4093, 'a') + "あb", std::string(4093, 'a') + "あ"},
        {std::string(4093, 'a') + "\x83", std::string(4093, 'a') + "\x83"},  // a stray lead byte is one byte
    };
    for (const Case& c : cases) {
        for (int format : {0, 1}) {
            CMemletData rec;
            rec.m_strText = c.text;
            EXPECT_EQ(WrittenAndRead(rec, format, 0x1a2b3c4d).m_strText, c.kept)
                << c.text.size() << " bytes, format " << format;
        }
    }
}

TEST(SectionWrite, ReadBackGivesEveryStoredField) {
    CMemletData rec = FullRecord();
    std::string text;
    for (int i = 0; i < 2100; i++)
        text += "ノ";  // 4,200 bytes
    rec.m_strText = text;
    strcpy(rec.m_logFont.lfFaceName, "ＭＳ＿Ｐゴシックあいうえおかき");  // 30 bytes
    for (int format : {0, 1}) {
        SCOPED_TRACE(format);
        CMemletData back = WrittenAndRead(rec, format, 0x43000000);
        EXPECT_EQ(back.m_nTitleFlag, rec.m_nTitleFlag);
        EXPECT_EQ(back.m_nProcessFlag, rec.m_nProcessFlag);
        EXPECT_EQ(back.m_nExtentFlag, rec.m_nExtentFlag);
        EXPECT_EQ(back.m_nExFullFlag, rec.m_nExFullFlag);
        EXPECT_EQ(back.m_strTitle, rec.m_strTitle);
        EXPECT_EQ(back.m_nFull, rec.m_nFull);
        EXPECT_EQ(back.m_strPart, rec.m_strPart);
        EXPECT_EQ(back.m_strExeName, rec.m_strExeName);
        EXPECT_EQ(back.m_strExePath, rec.m_strExePath);
        EXPECT_EQ(back.m_nExCtlId, rec.m_nExCtlId);
        EXPECT_EQ(back.m_strExClass, rec.m_strExClass);
        EXPECT_EQ(back.m_strExText, rec.m_strExText);
        EXPECT_EQ(back.m_strExPart, rec.m_strExPart);
        EXPECT_EQ(back.m_tGenDate, rec.m_tGenDate - 45);  // seconds are not kept
        EXPECT_EQ(back.m_tAcsDate, rec.m_tAcsDate - 59);
        EXPECT_EQ(memcmp(&back.m_rectWin, &rec.m_rectWin, sizeof(RECT)), 0);
        EXPECT_EQ(memcmp(&back.m_rectTarget, &rec.m_rectTarget, sizeof(RECT)), 0);
        EXPECT_EQ(back.m_nReadOnly, rec.m_nReadOnly);
        EXPECT_EQ(back.m_nTransparent, rec.m_nTransparent);
        EXPECT_EQ(back.m_nMouseHideCtl, rec.m_nMouseHideCtl);
        EXPECT_EQ(back.m_nColor, rec.m_nColor);
        EXPECT_EQ(back.m_nFrame, rec.m_nFrame);
        EXPECT_EQ(back.m_nBkColor, rec.m_nBkColor);
        EXPECT_EQ(back.m_nTxColor, rec.m_nTxColor);
        EXPECT_EQ(back.m_nBkTransparent, rec.m_nBkTransparent);
        EXPECT_EQ(back.m_nPickPos, rec.m_nPickPos);
        EXPECT_EQ(back.m_nGraFlg, rec.m_nGraFlg);
        EXPECT_EQ(back.m_nGraPtn, rec.m_nGraPtn);
        EXPECT_EQ(memcmp(&back.m_logFont, &rec.m_logFont, sizeof(LOGFONTA)), 0);
        EXPECT_EQ(back.m_arrow.m_nArwFlag, rec.m_arrow.m_nArwFlag);
        EXPECT_EQ(back.m_arrow.m_nStartX, rec.m_arrow.m_nStartX);
        EXPECT_EQ(back.m_arrow.m_nStartY, rec.m_arrow.m_nStartY);
        EXPECT_EQ(back.m_arrow.m_nEndX, rec.m_arrow.m_nEndX);
        EXPECT_EQ(back.m_arrow.m_nEndY, rec.m_arrow.m_nEndY);
        EXPECT_EQ(back.m_nArLineWidth, rec.m_nArLineWidth);
        EXPECT_EQ(back.m_strText, text.substr(0, 4094));  // 2,047 characters
    }
    // A face name of 32 bytes with no room for its zero comes back cut to 31.
    memcpy(rec.m_logFont.lfFaceName, std::string(32, 'F').data(), 32);
    EXPECT_EQ(std::string(WrittenAndRead(rec, 0, 0).m_logFont.lfFaceName), std::string(31, 'F'));
}

TEST(SectionWrite, AFailedWriterIsReported) {
    CWriteIniFile writer;  // never opened
    CMemletData rec;
    EXPECT_EQ(rec.WriteIniSection(writer, 0, 0, "MEMLETITEM0", SectionTestPath(L"never.ini")), 0);
}
