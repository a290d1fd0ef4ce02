#include <gtest/gtest.h>

#include "StorageTestFiles.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"

namespace {

CPreSetCondData Preset(const char* name, int title, int process, int extent, const char* exe, int id,
                       const char* cls) {
    CPreSetCondData p;
    p.m_strCondName = name;
    p.m_nTitleFlag = title;
    p.m_nProcessFlag = process;
    p.m_nExtentFlag = extent;
    p.m_strExeName = exe;
    p.m_nExCtlId = id;
    p.m_strExClass = cls;
    return p;
}

void ExpectPreset(const CPreSetCondData& want, const CPreSetCondData& got, int index) {
    EXPECT_EQ(want.m_strCondName, got.m_strCondName) << index;
    EXPECT_EQ(want.m_nTitleFlag, got.m_nTitleFlag) << index;
    EXPECT_EQ(want.m_nProcessFlag, got.m_nProcessFlag) << index;
    EXPECT_EQ(want.m_nExtentFlag, got.m_nExtentFlag) << index;
    EXPECT_EQ(want.m_strExeName, got.m_strExeName) << index;
    EXPECT_EQ(want.m_nExCtlId, got.m_nExCtlId) << index;
    EXPECT_EQ(want.m_strExClass, got.m_strExClass) << index;
}

const char kTwoPresets[] =
    "[SYSTEM]\r\n"
    "PRESETCOUNT=2\r\n"
    "[PRESETITEM0]\r\n"
    "CONDNAME=メモ帳\r\n"
    "PROCESSFLAG=1\r\n"
    "TITLEFLAG=0\r\n"
    "EXTENTFLAG=1\r\n"
    "EXENAME=NOTEPAD.EXE\r\n"
    "EXCLASS=Edit\r\n"
    "EXCTLID=15\r\n"
    "[PRESETITEM1]\r\n"
    "CONDNAME=表計算\r\n"
    "PROCESSFLAG=0\r\n"
    "TITLEFLAG=1\r\n"
    "EXTENTFLAG=0\r\n"
    "EXENAME=CALC.EXE\r\n"
    "EXCLASS=\r\n"
    "EXCTLID=-2\r\n";

class PreSetFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    CControlDlg panel;
    void SetUp() override { Fields(panel).m_strPreSetPath = folder.File(L"TesselinPreset.ini"); }
    void Load(const std::string& file) {
        ASSERT_TRUE(WriteBytes(Fields(panel).m_strPreSetPath, file));
        panel.PreSetReadFile();
    }
};

TEST_F(PreSetFileTest, PresetsAreWrittenInOrderAndReadBack) {
    Fields(panel).m_PreSetList = {Preset("メモ帳", 0, 1, 1, "NOTEPAD.EXE", 15, "Edit"),
                                  Preset("表計算", 1, 0, 0, "CALC.EXE", -2, "")};
    ASSERT_EQ(1, panel.PreSetWriteFile());
    EXPECT_EQ(kTwoPresets, ReadBytes(Fields(panel).m_strPreSetPath));

    CControlDlg other;
    Fields(other).m_strPreSetPath = Fields(panel).m_strPreSetPath;
    other.PreSetReadFile();
    ASSERT_EQ(2u, Fields(other).m_PreSetList.size());
    ExpectPreset(Fields(panel).m_PreSetList[0], Fields(other).m_PreSetList[0], 0);
    ExpectPreset(Fields(panel).m_PreSetList[1], Fields(other).m_PreSetList[1], 1);
}

TEST_F(PreSetFileTest, EmptyListWritesTheCountAlone) {
    ASSERT_EQ(1, panel.PreSetWriteFile());
    EXPECT_EQ("[SYSTEM]\r\nPRESETCOUNT=0\r\n", ReadBytes(Fields(panel).m_strPreSetPath));
}

TEST_F(PreSetFileTest, ReadingAppendsToTheList) {
    Fields(panel).m_PreSetList = {Preset("既存", 1, 1, 1, "", 0, "")};
    Load(kTwoPresets);
    ASSERT_EQ(3u, Fields(panel).m_PreSetList.size());
    EXPECT_EQ("既存", Fields(panel).m_PreSetList[0].m_strCondName);
    EXPECT_EQ("メモ帳", Fields(panel).m_PreSetList[1].m_strCondName);
    EXPECT_EQ("表計算", Fields(panel).m_PreSetList[2].m_strCondName);
}

TEST_F(PreSetFileTest, CountsAndSectionsGiveThePresetsPresent) {
    const CPreSetCondData defaults;
    const CPreSetCondData first = Preset("一", 0, 0, 0, "A.EXE", 3, "Edit");
    const std::string item0 = "[PRESETITEM0]\r\nCONDNAME=一\r\nPROCESSFLAG=0\r\nTITLEFLAG=0\r\nEXTENTFLAG=0\r\n"
                              "EXENAME=A.EXE\r\nEXCLASS=Edit\r\nEXCTLID=3\r\n";
    struct Case {
        const char* name;
        std::string file;
        std::vector<CPreSetCondData> want;
    } cases[] = {
        {"missing count", item0, {}},
        {"gap below the last section", "[SYSTEM]\r\nPRESETCOUNT=4\r\n" + item0 + "[PRESETITEM2]\r\nCONDNAME=x\r\n",
         {first, defaults, Preset("x", 1, 1, 1, "", 0, "")}},
        // Nothing is made past the last section, whatever the count says.
        {"count above the sections", "[SYSTEM]\r\nPRESETCOUNT=2\r\n" + item0, {first}},
        {"section past the count", "[SYSTEM]\r\nPRESETCOUNT=1\r\n" + item0 + "[PRESETITEM1]\r\nCONDNAME=x\r\n",
         {first}},
        {"hostile count", "[SYSTEM]\r\nPRESETCOUNT=2000000000\r\n" + item0, {first}},
        {"negative count", "[SYSTEM]\r\nPRESETCOUNT=-1\r\n" + item0, {}},
    };
    for (const Case& c : cases) {
        Fields(panel).m_PreSetList.clear();
        Load(c.file);
        ASSERT_EQ(c.want.size(), Fields(panel).m_PreSetList.size()) << c.name;
        for (size_t i = 0; i < c.want.size(); i++)
            ExpectPreset(c.want[i], Fields(panel).m_PreSetList[i], (int)i);
    }
}

TEST_F(PreSetFileTest, MissingFileGivesNoPresets) {
    panel.PreSetReadFile();
    EXPECT_TRUE(Fields(panel).m_PreSetList.empty());
}

}  // namespace
