// The import cache: which files it takes, what it asks and tells on the way,
// and what it makes of the records it takes.
#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "caches/CachesFixture.h"
#include "framework/FileDialog.h"
#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "note/MemletWin.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/Hub.h"
#include "platform/VersionString.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"

namespace {

const char kNotOurs[] = "コルヴァナ,テセリンで作成したデータではありません.(または118版以前のデータ)";
const char kFormat[] = "データの書き込み形式が異なります.(テキストが暗号化されています)";
const char kNoRecords[] = "データ件数が０件です";
const char kOtherVersion[] = "異なるバージョンのデータですがデータを補完して続行しますか？";
const char kTesselin[] = "テセリンデータをインポートします.不足するデータ項目はデフォルト値で補完します.よろしいですか？";
const char kCacheFull[] = "キャッシュにデータがあります.";
const char kNothingToImport[] = "インポートするデータがありません.";
const char kSelect[] = "データを選択してください";

const char kWindowSelCaption[] = "ウィンドウ選択";

std::string HexOfText(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string OwnVersion() { return HeaderVersion(GetVersionString()); }

// A header with the keys given; a null value leaves its key out.
std::string Header(const char* app, const char* version, const char* format, const char* count) {
    std::string s = "[SYSTEM]\r\n";
    if (app)
        s += std::string("APPNAME=") + app + "\r\n";
    if (version)
        s += std::string("VERSION=") + version + "\r\n";
    if (format)
        s += std::string("SAVEFORMAT=") + format + "\r\n";
    if (count)
        s += std::string("MEMLTENUM=") + count + "\r\n";
    return s;
}
std::string Own(const char* format, const char* count) {
    return Header("Corvana", OwnVersion().c_str(), format, count);
}
// A section with a few keys; the rest take their defaults.
std::string Item(int i, const std::string& text, const std::string& more = "") {
    return "[MEMLETITEM" + std::to_string(i) + "]\r\nEXENAME=notepad.exe\r\nTEXTFORMAT=0\r\nTEXT=" + HexOfText(text) +
           "\r\n" + more;
}

// What the import tells of a damaged file: the notes read, a line for each
// kind of damage, and that the file stays as it is.
std::string Damaged(const std::wstring& path, const std::string& lines, bool lost = false) {
    return "このファイルに壊れたところが見つかりました。\r\n\r\n" + FromWide(path) + "\r\n" + lines +
           "\r\nインポートではファイルを書き換えないので、\r\n控えは作りません。" +
           (lost ? "\r\n読み込めなかった部分は、ファイルに残っています。" : "");
}
const char kCountWrong[] = "  付箋の数の記録が中身と合いません。\r\n";

struct ImportCase {
    const char* name;
    std::optional<std::string> file;  // none: no file there
    int answer;                        // 0: no question, else IDYES / IDNO
    std::vector<std::string> boxes;
    std::string texts;  // the cache afterwards, "-" for an empty text
};

TEST_F(CachesTest, ImportTakesOnlyWhatPassesTheChecks) {
    std::string binary("\x00\x01\xff\xfe[SYSTEM]\x00\r\nAPPNAME=Corvana\x00", 30);
    binary += std::string(500, '\x9f');
    std::string huge = Own("0", "2000000000") + Item(0, "一件だけ");
    const std::wstring path = m_folder.File(L"取り込み.qvx");
    auto read = [](int n) { return "  読み込めた付箋: " + std::to_string(n) + "枚\r\n"; };
    const ImportCase cases[] = {
        {"own export", FixtureFile(kFileExportTwo), 0, {}, "会議は１５時から\r\n資料を持参 -"},
        {"other case", Header("corvana", OwnVersion().c_str(), "0", "1") + Item(0, "x"), 0, {kNotOurs}, ""},
        {"APPNAME too long", Header((std::string("Corvana") + std::string(2000, 'x')).c_str(), nullptr, "0", "1"),
         0, {kNotOurs}, ""},
        {"missing file", std::nullopt, 0, {kNotOurs}, ""},
        {"empty file", std::string(), 0, {kNotOurs}, ""},
        {"binary file", binary, 0, {kNotOurs}, ""},
        {"SAVEFORMAT 1", Own("1", "1") + Item(0, "x"), 0, {kFormat}, ""},
        {"SAVEFORMAT -1", Own("-1", "1") + Item(0, "x"), 0, {kFormat}, ""},
        {"SAVEFORMAT missing", Own(nullptr, "1") + Item(0, "x"), 0, {kFormat}, ""},
        {"SAVEFORMAT 00", Own("00", "1") + Item(0, "x"), 0, {kFormat}, ""},
        // Before, a count that read none kept the notes held from the list, said or not.
        {"MEMLTENUM 0", Own("0", "0") + Item(0, "x"), 0, {Damaged(path, read(1) + kCountWrong)}, "x"},
        {"MEMLTENUM missing", Own("0", nullptr) + Item(0, "x") + Item(1, "y"), 0,
         {Damaged(path, read(2) + kCountWrong)}, "x y"},
        {"MEMLTENUM -1", Own("0", "-1") + Item(0, "x"), 0, {Damaged(path, read(1) + kCountWrong)}, "x"},
        {"counted too low", Own("0", "1") + Item(0, "一") + Item(1, "二") + Item(2, "三"), 0,
         {Damaged(path, read(3) + kCountWrong)}, "一 二 三"},
        {"MEMLTENUM 0 without sections", Own("0", "0"), 0, {kNoRecords}, ""},
        {"5 without sections", Own("0", "5"), 0, {kNoRecords}, ""},
        {"-1 without sections", Own("0", "-1") + "[MEMLETITEM01]\r\nTITLE=x\r\n", 0, {kNoRecords}, ""},
        {"2000000000 with one", huge, 0, {}, "一件だけ"},
        // Before, each missing section became a record of defaults.
        {"gaps below the last", Own("0", "5") + Item(1, "一") + Item(3, "三"), 0,
         {Damaged(path, read(2) + "  付箋の番号に抜けがあります。\r\n")}, "一 三"},
        {"only past the bound", Own("0", "2000000000") + Item(100000, "遠い"), 0,
         {Damaged(path, read(0) + "  番号が100000以上の付箋は読み込めません。\r\n", true)}, ""},
        // Before, a text cut short read empty.
        {"a text cut short", Own("0", "2") + Item(0, "一") + "[MEMLETITEM1]\r\nTEXT=8381838\r\n", 0,
         {Damaged(path, read(2) + "  途中で切れた本文は、切れる前まで読み込みました。\r\n", true)},
         "一 メ\x83"},
        {"a section twice", Own("0", "2") + Item(0, "一") + Item(1, "二") + Item(1, "後の二"), 0,
         {Damaged(path, read(2) + "  同じ番号の付箋が二つあり、二つ目は読み込めません。\r\n", true)}, "一 二"},
        {"other version and damage, yes", Header("Corvana", "Ver.:0.9", "0", "0") + Item(0, "古い版"), IDYES,
         {kOtherVersion, Damaged(path, read(1) + kCountWrong)}, "古い版"},
        {"other version and damage, no", Header("Corvana", "Ver.:0.9", "0", "0") + Item(0, "古い版"), IDNO,
         {kOtherVersion}, ""},
        {"other version, yes", Header("Corvana", "Ver.:0.9", "0", "1") + Item(0, "古い版"), IDYES,
         {kOtherVersion}, "古い版"},
        {"other version, no", Header("Corvana", "Ver.:0.9", "0", "1") + Item(0, "古い版"), IDNO,
         {kOtherVersion}, ""},
        {"no version, yes", Header("Corvana", nullptr, "0", "1") + Item(0, "版なし"), IDYES, {kOtherVersion},
         "版なし"},
        {"Tesselin, yes", Header("Tesselin", "Ver.:0.1", "0", "2") + "[MEMLETITEM0]\r\nTITLE=前の製品\r\n" +
                              Item(1, "前の二"),
         IDYES, {kTesselin}, "- 前の二"},
        {"Tesselin, no", Header("Tesselin", nullptr, "0", "1") + Item(0, "前の"), IDNO, {kTesselin}, ""},
        // Key 0: format 1 only takes i off byte i.
        {"TEXTFORMAT 1", Own("0", "1") + "[MEMLETITEM0]\r\nTEXTFORMAT=1\r\nTEXT=616365\r\n", 0, {}, "abc"},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileW(path.c_str());
        if (c.file) {
            ASSERT_TRUE(WriteBytes(path, *c.file));
        }
        if (c.answer)
            Answer(c.answer);
        ChooseFile(path);
        Press(m_import, IDC_BUTTON_OPENFILE);
        EXPECT_EQ(c.boxes, Boxes());
        EXPECT_EQ(c.texts, Texts(m_import.m_MemletList));
        EXPECT_EQ(m_import.m_MemletList.size(), Rows(m_import.m_ListCtrl).size());
        EXPECT_EQ(c.file.value_or(""), ReadBytes(path)) << "the file read was changed";
        Press(m_import, IDC_BUTTON_CLEARDATA);
    }
    std::vector<CFileDialogArgs> asked = FileDialogs();
    ASSERT_FALSE(asked.empty());
    EXPECT_TRUE(asked[0].open);
    EXPECT_STREQ("qvx", asked[0].defExt);
    EXPECT_STREQ("コルヴァナ(*.qvx)|*.qvx|INIファイル(*.ini)|*.ini|全てのファイル(*.*)|*.*||", asked[0].filter);
    EXPECT_EQ((DWORD)OFN_HIDEREADONLY, asked[0].flags);
}

TEST_F(CachesTest, ImportReadsTheRecordsAsTheyWereExported) {
    std::wstring path = m_folder.File(L"two.qvx");
    ASSERT_TRUE(WriteBytes(path, FixtureFile(kFileExportTwo)));
    ChooseFile(path);
    Press(m_import, IDC_BUTTON_OPENFILE);
    std::vector<CMemletData> want = TwoRecords();
    ASSERT_EQ(2u, m_import.m_MemletList.size());
    for (size_t i = 0; i < want.size(); i++) {
        const CMemletData& got = m_import.m_MemletList[i];
        EXPECT_EQ(want[i].m_strTitle, got.m_strTitle);
        EXPECT_EQ(want[i].m_strText, got.m_strText);
        EXPECT_EQ(want[i].m_strExClass, got.m_strExClass);
        EXPECT_EQ(want[i].m_rectWin, got.m_rectWin);
        EXPECT_EQ(want[i].m_arrow.m_nArwFlag, got.m_arrow.m_nArwFlag);
        EXPECT_STREQ(want[i].m_logFont.lfFaceName, got.m_logFont.lfFaceName);
        EXPECT_EQ(want[i].m_tGenDate, got.m_tGenDate);
    }
    // A second file while records are cached: told, nothing read.
    Press(m_import, IDC_BUTTON_OPENFILE);
    EXPECT_EQ(std::vector<std::string>{kCacheFull}, Boxes());
    EXPECT_EQ(2u, m_import.m_MemletList.size());
}

// Values no writer makes, imported and opened as notes on a window.
TEST_F(CachesTest, HostileValuesAreImportedAndOpened) {
    HWND w = Target("取り込み先", 200, 150, 500, 400);
    std::string keys = std::string("EXENAME=") + kTargetsExeName +
                       "\r\nTITLE=取り込み先\r\nTITLEFLAG=1\r\nPRECESSEFLAG=1\r\nFULL=1\r\n";
    std::string longTitle(8191, 'T');
    const std::string sections[] = {
        keys + "TRANSPARENT=5\r\nCOLOR=99\r\nBKCOLOR=-5\r\nTXCOLOR=77\r\nPICKPOS=9\r\nGRAPTN=50\r\nGRAFLG=3\r\n"
               "FRAME=7\r\nTEXT=616\r\nGENDATE=20240506070\r\nACSDATE=2024130607089\r\n",
        keys + "TEXT=zz41\r\nBKTRANSPARENT=2\r\nMOUSEHIDECTL=9\r\nREADONLY=5\r\n",
        keys + "REC_LEFT=-2147483648\r\nREC_TOP=-2147483648\r\nREC_RIGHT=2147483647\r\nREC_BOTTOM=2147483647\r\n"
               "TGT_LEFT=2147483647\r\nTGT_TOP=-2147483648\r\nTGT_RIGHT=-2147483648\r\nTGT_BOTTOM=2147483647\r\n"
               "ARWFLAG=1\r\nARWSATRTX=2147483647\r\nARWSTARTY=-2147483648\r\nARWENDX=-2147483648\r\n"
               "ARWENDY=2147483647\r\nARLINEWIDTH=2147483647\r\nTEXT=41\r\n",
        keys + "REC_LEFT=2147483000\r\nREC_TOP=2147483000\r\nREC_RIGHT=-2147483000\r\nREC_BOTTOM=-2147483000\r\n"
               "ARWFLAG=1\r\nARWSATRTX=-2147483648\r\nARWSTARTY=2147483647\r\nARLINEWIDTH=-5\r\n"
               "FONTFACENAME=" + std::string(80, 'F') + "\r\nFONTHEIGHT=-2147483648\r\nFONTWEIGHT=99999\r\n"
               "FONTITALIC=-1\r\nTEXT=42\r\n",
        "EXENAME=" + std::string(kTargetsExeName) + "\r\nPRECESSEFLAG=1\r\nTITLEFLAG=0\r\nTITLE=" + longTitle +
            "\r\nTEXT=43\r\n",
    };
    std::string file = Own("0", std::to_string(std::size(sections)).c_str());
    for (size_t i = 0; i < std::size(sections); i++)
        file += "[MEMLETITEM" + std::to_string(i) + "]\r\n" + sections[i];
    std::wstring path = m_folder.File(L"hostile.qvx");
    ASSERT_TRUE(WriteBytes(path, file));
    ChooseFile(path);
    Press(m_import, IDC_BUTTON_OPENFILE);
    ASSERT_EQ(std::size(sections), m_import.m_MemletList.size());
    const std::vector<CMemletData>& got = m_import.m_MemletList;
    // Three digits: one byte whole, and the user told.
    EXPECT_EQ(std::vector<std::string>{Damaged(path, "  読み込めた付箋: 5枚\r\n"
                                                     "  途中で切れた本文は、切れる前まで読み込みました。\r\n",
                                               true)},
              Boxes());
    EXPECT_EQ(20, got[0].m_nTransparent);
    EXPECT_EQ("a", got[0].m_strText);
    EXPECT_EQ("", got[1].m_strText);  // a zero first byte
    EXPECT_EQ(INT_MIN, got[2].m_rectWin.left);
    EXPECT_EQ(INT_MAX, got[2].m_rectWin.right);
    EXPECT_EQ(INT_MAX, got[2].m_arrow.m_nStartX);
    EXPECT_EQ(8191u, got[4].m_strTitle.size());
    EXPECT_EQ(CMemletData().m_tGenDate / 60, got[0].m_tGenDate / 60);  // 11 characters: kept

    m_import.ShowWindow(SW_SHOW);
    Press(m_import, IDC_BUTTON_IMPORTALL);
    EXPECT_FALSE(m_import.IsWindowVisible());
    ASSERT_EQ(std::size(sections), Fields(m_panel).m_MemletList.size());
    Tick();
    int open = 0;
    for (const CMemletData& d : Fields(m_panel).m_MemletList)
        if (d.m_bAttached && d.m_pMemletWin && ::IsWindow(d.m_pMemletWin->m_hWnd))
            open++;
    EXPECT_EQ((int)std::size(sections), open);
    PumpFor(300);  // the notes paint and run their timers
    Tick();
    EXPECT_TRUE(IsWindow(w));
    EXPECT_TRUE(Boxes().empty());
}

// "全インポート実行" puts the last record first and empties the cache;
// "選択データをインポート" keeps the record: twice gives two notes.
TEST_F(CachesTest, ImportAllAndImportOne) {
    Press(m_import, IDC_BUTTON_IMPORTALL);
    EXPECT_EQ(std::vector<std::string>{kNothingToImport}, Boxes());
    std::wstring path = m_folder.File(L"three.qvx");
    ASSERT_TRUE(WriteBytes(path, Own("0", "3") + Item(0, "一") + Item(1, "二") + Item(2, "三")));
    ChooseFile(path);
    Press(m_import, IDC_BUTTON_OPENFILE);
    Press(m_import, IDC_BUTTON_IMPORTONE);
    EXPECT_EQ(std::vector<std::string>{kSelect}, Boxes());
    Select(m_import.m_ListCtrl, 1);
    Press(m_import, IDC_BUTTON_IMPORTONE);
    Press(m_import, IDC_BUTTON_IMPORTONE);
    EXPECT_EQ("二 二", PanelTexts());
    EXPECT_EQ("一 二 三", Texts(m_import.m_MemletList));
    // A mark past the end of what the cache holds: nothing.
    Select(m_import.m_ListCtrl, 2);
    m_import.m_MemletList.pop_back();
    Press(m_import, IDC_BUTTON_IMPORTONE);
    Press(m_import, IDC_BUTTON_IMPORTREPLACE);
    Press(m_import, IDC_BUTTON_DELETEDATA);
    EXPECT_EQ("二 二", PanelTexts());
    EXPECT_EQ("一 二", Texts(m_import.m_MemletList));

    // Unticked: the dialog stays open.
    m_import.ShowWindow(SW_SHOW);
    ::CheckDlgButton(m_import.m_hWnd, IDC_CHECK_CLOSEAFTERIMPORT, BST_UNCHECKED);
    Press(m_import, IDC_BUTTON_IMPORTALL);
    EXPECT_EQ("二 一 二 二", PanelTexts());
    EXPECT_TRUE(m_import.m_MemletList.empty());
    EXPECT_TRUE(Rows(m_import.m_ListCtrl).empty());
    EXPECT_TRUE(m_import.IsWindowVisible());
    EXPECT_TRUE(Boxes().empty());
}

// "選択データを貼り替え": cancelled keeps the record, chosen removes it and
// the note goes on the window chosen, first in the panel's list.
TEST_F(CachesTest, ImportReplace) {
    HWND w = Target("貼り替え先", 100, 100, 600, 400);
    Tick();
    std::wstring path = m_folder.File(L"two.qvx");
    ASSERT_TRUE(WriteBytes(path, Own("0", "2") + Item(0, "一") + Item(1, "二")));
    ChooseFile(path);
    Press(m_import, IDC_BUTTON_OPENFILE);
    Press(m_import, IDC_BUTTON_IMPORTREPLACE);
    EXPECT_EQ(std::vector<std::string>{kSelect}, Boxes());
    Select(m_import.m_ListCtrl, 1);
    {
        CModalScript script(kWindowSelCaption, [](HWND dlg) { CancelDialog(dlg); });
        Press(m_import, IDC_BUTTON_IMPORTREPLACE);
        EXPECT_TRUE(script.Ran());
    }
    EXPECT_EQ("一 二", Texts(m_import.m_MemletList));
    EXPECT_EQ("", PanelTexts());
    {
        // The record deleted meanwhile: nothing else goes in its place.
        CModalScript script(kWindowSelCaption, [&](HWND dlg) {
            m_import.m_MemletList.erase(m_import.m_MemletList.begin() + 1);
            EXPECT_TRUE(ChooseWindow(dlg, w));
        });
        Press(m_import, IDC_BUTTON_IMPORTREPLACE);
        EXPECT_TRUE(script.Ran());
    }
    EXPECT_EQ("二", PanelTexts());
    EXPECT_EQ("一", Texts(m_import.m_MemletList));
    EXPECT_EQ("貼り替え先", Fields(m_panel).m_MemletList[0].m_strTitle);
    EXPECT_TRUE(Boxes().empty());
}

}  // namespace
