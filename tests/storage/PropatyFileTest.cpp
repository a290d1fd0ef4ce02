#include <gtest/gtest.h>

#include <cstring>

#include "StorageTestFiles.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"

namespace {

class PropatyFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    int savedWidth = g_nIniWidth, savedHeight = g_nIniHeight, savedLine = g_nArrowLineWidth;

    void TearDown() override {
        g_nIniWidth = savedWidth;
        g_nIniHeight = savedHeight;
        g_nArrowLineWidth = savedLine;
    }
    // A panel on this folder's property file, its template font fixed.
    void Prepare(CControlDlg& panel) {
        Fields(panel).m_strPropatyPath = folder.File(L"TesselinPropaty.ini");
        LOGFONTA& lf = Fields(panel).m_MemletTemplate.m_logFont;
        lf.lfHeight = -12;
        lf.lfWeight = 400;
        lf.lfItalic = 0;
        strcpy(lf.lfFaceName, "ＭＳ Ｐゴシック");
        g_nIniWidth = 200;
        g_nIniHeight = 60;
        g_nArrowLineWidth = 1;
    }
};

TEST_F(PropatyFileTest, DefaultsAreWrittenInOrder) {
    CControlDlg panel;
    Prepare(panel);
    ASSERT_EQ(1, panel.PropatyWriteFile());
    EXPECT_EQ("[SYSTEM]\r\n"
              "SAVETIMING=0\r\n"
              "TRANSPARENT=70\r\n"
              "COLOR=0\r\n"
              "FRAME=0\r\n"
              "BKCOLOR=5\r\n"
              "GRAFLG=1\r\n"
              "GRAPTN=0\r\n"
              "TXCOLOR=0\r\n"
              "PICKPOS=0\r\n"
              "FONTFACENAME=ＭＳ Ｐゴシック\r\n"
              "FONTHEIGHT=-12\r\n"
              "FONTWEIGHT=400\r\n"
              "FONTITALIC=0\r\n"
              "ARWFLAG=0\r\n"
              "INIHEIGHT=60\r\n"
              "INIWIDTH=200\r\n"
              "ARROWLINEWIDTH=1\r\n"
              "POSINTERVAL=50\r\n"
              "[HK_PAST]\r\n"
              "MODIFIERS=8\r\n"
              "KEY=83\r\n"
              "[HK_PASTDT]\r\n"
              "MODIFIERS=8\r\n"
              "KEY=86\r\n"
              "[SV_FORMAT]\r\n"
              "FORMAT=0\r\n",
              ReadBytes(Fields(panel).m_strPropatyPath));
}

TEST_F(PropatyFileTest, EveryValueButSaveTimingReadsBack) {
    CControlDlg out;
    Prepare(out);
    CMemletData& t = Fields(out).m_MemletTemplate;
    Fields(out).m_nSaveTiming = 1;
    t.m_nTransparent = 45;
    t.m_nColor = 3;
    t.m_nFrame = 1;
    t.m_nBkColor = 2;
    t.m_nGraFlg = 0;
    t.m_nGraPtn = 7;
    t.m_nTxColor = 2;
    t.m_nPickPos = 3;
    strcpy(t.m_logFont.lfFaceName, "Arial");
    t.m_logFont.lfHeight = 20;
    t.m_logFont.lfWeight = 700;
    t.m_logFont.lfItalic = (BYTE)255;
    t.m_arrow.m_nArwFlag = 1;
    g_nIniHeight = 100;
    g_nIniWidth = 300;
    t.m_nArLineWidth = 2;
    Fields(out).m_nPosInterval = 120;
    Fields(out).m_nHkPastModifiers = 3;
    Fields(out).m_nHkPastKey = 65;
    Fields(out).m_nHkPastDtModifiers = 6;
    Fields(out).m_nHkPastDtKey = 66;
    Fields(out).m_nSaveFormat = 1;
    ASSERT_EQ(1, out.PropatyWriteFile());

    CControlDlg in;
    Prepare(in);
    in.PropatyReadFile();
    const CMemletData& r = Fields(in).m_MemletTemplate;
    EXPECT_EQ(0, in.SaveTiming());
    EXPECT_EQ(45, r.m_nTransparent);
    EXPECT_EQ(3, r.m_nColor);
    EXPECT_EQ(1, r.m_nFrame);
    EXPECT_EQ(2, r.m_nBkColor);
    EXPECT_EQ(0, r.m_nGraFlg);
    EXPECT_EQ(7, r.m_nGraPtn);
    EXPECT_EQ(2, r.m_nTxColor);
    EXPECT_EQ(3, r.m_nPickPos);
    EXPECT_STREQ("Arial", r.m_logFont.lfFaceName);
    EXPECT_EQ(20, r.m_logFont.lfHeight);
    EXPECT_EQ(700, r.m_logFont.lfWeight);
    EXPECT_EQ(255, (unsigned char)r.m_logFont.lfItalic);
    EXPECT_EQ(1, r.m_arrow.m_nArwFlag);
    EXPECT_EQ(100, g_nIniHeight);
    EXPECT_EQ(300, g_nIniWidth);
    EXPECT_EQ(2, g_nArrowLineWidth);
    EXPECT_EQ(2, r.m_nArLineWidth);
    EXPECT_EQ(120, in.PosInterval());
    EXPECT_EQ(3u, in.HkPastModifiers());
    EXPECT_EQ(65u, in.HkPastKey());
    EXPECT_EQ(6u, in.HkPastDtModifiers());
    EXPECT_EQ(66u, in.HkPastDtKey());
    EXPECT_EQ(1, in.SaveFormat());
}

TEST_F(PropatyFileTest, ValuesAreLimitedOnReading) {
    struct Case {
        const char* system;  // lines of [SYSTEM]
        int transparent, width, height, interval;
    } cases[] = {
        {"", 70, 200, 60, 50},
        {"TRANSPARENT=5\r\n", 20, 200, 60, 50},
        {"TRANSPARENT=150\r\n", 100, 200, 60, 50},
        {"INIWIDTH=0\r\nINIHEIGHT=-5\r\n", 70, 50, 20, 50},
        {"INIWIDTH=5000\r\nINIHEIGHT=1000\r\n", 70, 600, 400, 50},
        {"INIWIDTH=123\r\nINIHEIGHT=45\r\n", 70, 123, 45, 50},
        {"POSINTERVAL=0\r\n", 70, 200, 60, 10},
        {"POSINTERVAL=-1\r\n", 70, 200, 60, 10},
        {"POSINTERVAL=25\r\n", 70, 200, 60, 25},
    };
    for (const Case& c : cases) {
        CControlDlg panel;
        Prepare(panel);
        ASSERT_TRUE(WriteBytes(Fields(panel).m_strPropatyPath, std::string("[SYSTEM]\r\n") + c.system));
        panel.PropatyReadFile();
        EXPECT_EQ(c.transparent, Fields(panel).m_MemletTemplate.m_nTransparent) << c.system;
        EXPECT_EQ(c.width, g_nIniWidth) << c.system;
        EXPECT_EQ(c.height, g_nIniHeight) << c.system;
        EXPECT_EQ(c.interval, panel.PosInterval()) << c.system;
    }
}

TEST_F(PropatyFileTest, SaveTimingAlwaysStartsAtZero) {
    CControlDlg panel;
    Prepare(panel);
    Fields(panel).m_nSaveTiming = 1;
    ASSERT_TRUE(WriteBytes(Fields(panel).m_strPropatyPath, "[SYSTEM]\r\nSAVETIMING=1\r\n"));
    panel.PropatyReadFile();
    EXPECT_EQ(0, panel.SaveTiming());
}

TEST_F(PropatyFileTest, FontChangesOnlyWithAFaceName) {
    CControlDlg panel;
    Prepare(panel);
    ASSERT_TRUE(WriteBytes(Fields(panel).m_strPropatyPath, "[SYSTEM]\r\nFONTHEIGHT=30\r\nFONTWEIGHT=700\r\n"));
    panel.PropatyReadFile();
    EXPECT_EQ(-12, Fields(panel).m_MemletTemplate.m_logFont.lfHeight);
    EXPECT_EQ(400, Fields(panel).m_MemletTemplate.m_logFont.lfWeight);
    EXPECT_STREQ("ＭＳ Ｐゴシック", Fields(panel).m_MemletTemplate.m_logFont.lfFaceName);

    ASSERT_TRUE(WriteBytes(Fields(panel).m_strPropatyPath, "[SYSTEM]\r\nFONTFACENAME=Arial\r\nFONTHEIGHT=30\r\n"));
    panel.PropatyReadFile();
    EXPECT_STREQ("Arial", Fields(panel).m_MemletTemplate.m_logFont.lfFaceName);
    EXPECT_EQ(30, Fields(panel).m_MemletTemplate.m_logFont.lfHeight);
    EXPECT_EQ(0, Fields(panel).m_MemletTemplate.m_logFont.lfWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, Fields(panel).m_MemletTemplate.m_logFont.lfCharSet);
}

TEST_F(PropatyFileTest, LongFaceNameIsCutBetweenCharacters) {
    CControlDlg panel;
    Prepare(panel);
    // 16 double-byte characters: 32 bytes, one more than a face name holds.
    const std::string face = "あいうえおかきくけこさしすせそた";
    ASSERT_TRUE(WriteBytes(Fields(panel).m_strPropatyPath, "[SYSTEM]\r\nFONTFACENAME=" + face + "\r\n"));
    panel.PropatyReadFile();
    EXPECT_EQ(face.substr(0, 30), Fields(panel).m_MemletTemplate.m_logFont.lfFaceName);
}

TEST_F(PropatyFileTest, MissingFileKeepsEveryValue) {
    CControlDlg panel;
    Prepare(panel);
    Fields(panel).m_MemletTemplate.m_nBkColor = 3;
    Fields(panel).m_nSaveFormat = 1;
    panel.PropatyReadFile();
    EXPECT_EQ(3, Fields(panel).m_MemletTemplate.m_nBkColor);
    EXPECT_EQ(70, Fields(panel).m_MemletTemplate.m_nTransparent);
    EXPECT_EQ(1, panel.SaveFormat());
    EXPECT_EQ(50, panel.PosInterval());
    EXPECT_EQ(83u, panel.HkPastKey());
    EXPECT_EQ(86u, panel.HkPastDtKey());
    EXPECT_EQ(200, g_nIniWidth);
    EXPECT_EQ(60, g_nIniHeight);
}

TEST_F(PropatyFileTest, LockedFileReportsFailureAndStaysUnchanged) {
    CControlDlg panel;
    Prepare(panel);
    ASSERT_TRUE(WriteBytes(Fields(panel).m_strPropatyPath, "[SYSTEM]\r\n"));
    HANDLE lock =
        CreateFileW(Fields(panel).m_strPropatyPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    EXPECT_EQ(0, panel.PropatyWriteFile());
    CloseHandle(lock);
    EXPECT_EQ("[SYSTEM]\r\n", ReadBytes(Fields(panel).m_strPropatyPath));
}

}  // namespace
