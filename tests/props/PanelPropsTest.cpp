// The panel's 1018 and 1031: the values taken after OK, the hot keys
// registered again, the property file written, and the boxes when either
// fails.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "dialogs/InitialMemletDlg.h"
#include "dialogs/PropatyDlg.h"
#include "framework/ModalScript.h"
#include "framework/TargetProcess.h"
#include "panel/ControlDlg.h"
#include "panel/ControlDlgTestAccess.h"
#include "panel/PanelTimers.h"
#include "props/PropsTest.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"

namespace {

const char kPastFailed[] =
    "ウィンドウ貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.";
const char kPastDtFailed[] =
    "DeskTop貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.";
const char kFileFailed[] = "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";

// Whether a pair is free now: taken for a moment by this thread.
bool Free(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 0x3FFE, modifiers, key))
        return false;
    UnregisterHotKey(nullptr, 0x3FFE);
    return true;
}

class PanelProps : public testing::Test {
protected:
    void SetUp() override {
        g_nIniWidth = 200;
        g_nIniHeight = 60;
        g_nArrowLineWidth = 1;
        CWnd::CreateArgs args;
        args.title = "パネルの親";
        args.cx = 700;
        args.cy = 560;
        ASSERT_TRUE(m_host.Create(args));
    }
    void TearDown() override {
        for (CControlDlg* p : {&m_panel, m_second.get()})
            if (p && p->IsWindow())
                p->DestroyWindow();
        m_host.DestroyWindow();
        g_nIniWidth = 200;
        g_nIniHeight = 60;
        g_nArrowLineWidth = 1;
    }
    // The main window's three calls, the timers stopped again.
    void Open(CControlDlg& panel) {
        ASSERT_TRUE(panel.Create(m_host.m_hWnd));
        panel.SetPreSetFilePath(m_folder.File(L"TesselinPreset.ini"));
        panel.SetPropatyFilePath(PropatyPath());
        panel.SetDataFilePath(m_folder.File(L"CorvanaData.ini"));
        panel.KillTimer(kTimerTracking);
        panel.KillTimer(kTimerHotKeyRelease);
    }
    std::wstring PropatyPath() const { return m_folder.File(L"TesselinPropaty.ini"); }
    void Press(CControlDlg& panel, int id) { panel.Send(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    TempFolder m_folder;
    CWnd m_host;
    CControlDlg m_panel;
    std::unique_ptr<CControlDlg> m_second;  // the next start's
    CBoxRecorder m_boxes;
};

TEST_F(PanelProps, PeriodAndFormatGoBothWays) {
    const struct {
        int posInterval, index, chosen, stored;
    } cases[] = {{50, 2, IDC_RADIO_PERIOD_10, 10}, {10, 0, IDC_RADIO_PERIOD_20, 20}, {20, 1, 0, 20},
                 {35, 2, 0, 50}};
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    for (const auto& c : cases) {
        Fields(m_panel).m_nPosInterval = c.posInterval;
        Fields(m_panel).m_nSaveFormat = 1;
        Fields(m_panel).m_nSaveTiming = 1;
        int index = -2;
        CModalScript script("プロパティ設定", [&](HWND h) {
            auto* dlg = dynamic_cast<CPropatyDlg*>(CWnd::FromHandle(h));
            index = dlg ? dlg->m_nPosInterval : -3;
            if (c.chosen)
                Click(h, c.chosen);
            Click(h, IDOK);
        });
        Press(m_panel, IDC_BUTTON_PROPATY);
        EXPECT_TRUE(script.Ran());
        EXPECT_EQ(c.index, index) << c.posInterval;
        EXPECT_EQ(c.stored, m_panel.PosInterval()) << c.posInterval;
        EXPECT_EQ(1, m_panel.SaveFormat());
        EXPECT_EQ(1, m_panel.SaveTiming());
        EXPECT_NE(std::string::npos, ReadBytes(PropatyPath()).find("POSINTERVAL=" + std::to_string(c.stored) + "\r\n"));
    }
    EXPECT_TRUE(m_boxes.Take().empty());
}

TEST_F(PanelProps, ChangedHotKeyIsRegisteredAndTheOldOneLetGo) {
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    ASSERT_FALSE(Free(MOD_WIN, 'S'));
    CModalScript script("プロパティ設定", [&](HWND h) {
        auto* dlg = dynamic_cast<CPropatyDlg*>(CWnd::FromHandle(h));
        ASSERT_NE(nullptr, dlg);
        dlg->m_hkPast.SetRegHotKey('J', MOD_CONTROL | MOD_ALT);
        dlg->m_hkPastDt.SetRegHotKey('K', MOD_CONTROL | MOD_ALT);
        Click(h, IDOK);
    });
    Press(m_panel, IDC_BUTTON_PROPATY);
    EXPECT_TRUE(m_boxes.Take().empty());
    EXPECT_EQ((unsigned)(MOD_CONTROL | MOD_ALT), m_panel.HkPastModifiers());
    EXPECT_EQ((unsigned)'J', m_panel.HkPastKey());
    EXPECT_EQ((unsigned)'K', m_panel.HkPastDtKey());
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT, 'J'));
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT, 'K'));
    EXPECT_TRUE(Free(MOD_WIN, 'S'));
    EXPECT_TRUE(Free(MOD_WIN, 'V'));
    const std::string file = ReadBytes(PropatyPath());
    EXPECT_NE(std::string::npos, file.find("[HK_PAST]\r\nMODIFIERS=3\r\nKEY=74\r\n"));
    EXPECT_NE(std::string::npos, file.find("[HK_PASTDT]\r\nMODIFIERS=3\r\nKEY=75\r\n"));
}

// Win+S held by another program from before the start: an untouched OK
// says so in the panel's own words, keeps the pair, and once the other
// program lets go, OK registers it.
TEST_F(PanelProps, PairHeldElsewhereIsReportedThenTakenOnceFree) {
    CTargetProcess helper;
    ASSERT_TRUE(helper.Start());
    ASSERT_TRUE(helper.RegisterHotKey(1, MOD_WIN, 'S'));
    ASSERT_TRUE(helper.RegisterHotKey(2, MOD_WIN, 'V'));
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    EXPECT_EQ(2u, m_boxes.Take().size());  // the start's two boxes
    auto untouchedOk = [&] {
        CModalScript script("プロパティ設定", [](HWND h) { Click(h, IDOK); });
        Press(m_panel, IDC_BUTTON_PROPATY);
        return script.Ran();
    };
    ASSERT_TRUE(untouchedOk());
    // Both fail; a box for each, the window's first.
    EXPECT_EQ((std::vector<std::string>{kPastFailed, kPastDtFailed}), m_boxes.Take());
    EXPECT_EQ((unsigned)'S', m_panel.HkPastKey());
    EXPECT_TRUE(FileExists(PropatyPath()));

    ASSERT_TRUE(helper.UnregisterHotKey(1));
    ASSERT_TRUE(untouchedOk());
    EXPECT_EQ(std::vector<std::string>{kPastDtFailed}, m_boxes.Take());
    EXPECT_FALSE(Free(MOD_WIN, 'S'));

    ASSERT_TRUE(helper.UnregisterHotKey(2));
    ASSERT_TRUE(untouchedOk());
    EXPECT_TRUE(m_boxes.Take().empty());
    EXPECT_FALSE(Free(MOD_WIN, 'V'));
}

// A stored save format neither radio stands for comes back unchanged.
TEST_F(PanelProps, UntouchedOkKeepsAnUnknownSaveFormat) {
    ASSERT_TRUE(WriteBytes(PropatyPath(), "[SV_FORMAT]\r\nFORMAT=2\r\n"));
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    ASSERT_EQ(2, m_panel.SaveFormat());
    CModalScript script("プロパティ設定", [](HWND h) { Click(h, IDOK); });
    Press(m_panel, IDC_BUTTON_PROPATY);
    EXPECT_EQ(2, m_panel.SaveFormat());
    EXPECT_EQ(0, m_panel.SaveTiming());
    EXPECT_NE(std::string::npos, ReadBytes(PropatyPath()).find("[SV_FORMAT]\r\nFORMAT=2\r\n"));
    EXPECT_TRUE(m_boxes.Take().empty());
}

// The width chosen in 1031 is kept for the next start, for the template
// and for every record made afterwards; the fade is not stored.
TEST_F(PanelProps, LeaderLineWidthFromInitialValuesSurvivesARestart) {
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    CModalScript script("付箋初期値", [&](HWND h) {
        CModalScript color("付箋色＆引出し線設定", [](HWND c) {
            Click(c, IDC_RADIO_LINE_THICK);
            Click(c, IDC_RADIO_ARROW_SHOW);
            Click(c, IDOK);
        });
        Click(h, IDC_BUTTON_INI_COLOR);
        CModalScript trans("透明度の設定", [](HWND c) {
            Click(c, IDC_RADIO_MOUSEHIDE_ON);
            Click(c, IDOK);
        });
        Click(h, IDC_BUTTON_INI_TRANS);
        Click(h, IDOK);
    });
    Press(m_panel, IDC_BUTTON_INITIALMEMLET);
    EXPECT_TRUE(m_boxes.Take().empty());
    EXPECT_EQ(2, Fields(m_panel).m_MemletTemplate.m_nArLineWidth);
    EXPECT_EQ(1, Fields(m_panel).m_MemletTemplate.m_arrow.m_nArwFlag);
    EXPECT_EQ(1, Fields(m_panel).m_MemletTemplate.m_nMouseHideCtl);
    const std::string file = ReadBytes(PropatyPath());
    EXPECT_NE(std::string::npos, file.find("ARWFLAG=1\r\nINIHEIGHT=60\r\nINIWIDTH=200\r\nARROWLINEWIDTH=2\r\n"));

    m_panel.DestroyWindow();
    g_nArrowLineWidth = 1;
    m_second = std::make_unique<CControlDlg>();
    ASSERT_NO_FATAL_FAILURE(Open(*m_second));
    EXPECT_EQ(2, Fields(*m_second).m_MemletTemplate.m_nArLineWidth);
    EXPECT_EQ(2, g_nArrowLineWidth);
    EXPECT_EQ(1, Fields(*m_second).m_MemletTemplate.m_arrow.m_nArwFlag);
    EXPECT_EQ(0, Fields(*m_second).m_MemletTemplate.m_nMouseHideCtl);
}

TEST_F(PanelProps, OldFilesWidthReadsAsBefore) {
    ASSERT_TRUE(WriteBytes(PropatyPath(), "[SYSTEM]\r\nARROWLINEWIDTH=1\r\n"));
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    EXPECT_EQ(1, Fields(m_panel).m_MemletTemplate.m_nArLineWidth);
    EXPECT_EQ(1, g_nArrowLineWidth);
}

TEST_F(PanelProps, CancelledInitialValuesChangeNothing) {
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    const int transparent = Fields(m_panel).m_MemletTemplate.m_nTransparent;
    CModalScript script("付箋初期値", [&](HWND h) {
        CModalScript trans("透明度の設定", [](HWND c) {
            SetDlgItemTextW(c, IDC_EDIT_PERCENT, L"40");
            Click(c, IDOK);
        });
        Click(h, IDC_BUTTON_INI_TRANS);
        EXPECT_EQ("40", GetWindowTextCp932(GetDlgItem(h, IDC_STATIC_INI_TRANSPARENT)));
        Click(h, IDCANCEL);
    });
    Press(m_panel, IDC_BUTTON_INITIALMEMLET);
    EXPECT_TRUE(script.Ran());
    EXPECT_EQ(transparent, Fields(m_panel).m_MemletTemplate.m_nTransparent);
    EXPECT_FALSE(FileExists(PropatyPath()));
    EXPECT_TRUE(m_boxes.Take().empty());
}

// A property file another program holds: the box, and the new values in
// use all the same.
TEST_F(PanelProps, LockedPropertyFileAtBothOks) {
    ASSERT_TRUE(WriteBytes(PropatyPath(), "[SYSTEM]\r\n"));
    ASSERT_NO_FATAL_FAILURE(Open(m_panel));
    HANDLE lock = CreateFileW(PropatyPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    {
        CModalScript script("プロパティ設定", [](HWND h) {
            Click(h, IDC_RADIO_PERIOD_20);
            Click(h, IDOK);
        });
        Press(m_panel, IDC_BUTTON_PROPATY);
    }
    EXPECT_EQ(std::vector<std::string>{kFileFailed}, m_boxes.Take());
    EXPECT_EQ(20, m_panel.PosInterval());
    {
        CModalScript script("付箋初期値", [](HWND h) {
            CModalScript size("付箋初期サイズ設定", [](HWND c) {
                SetDlgItemTextW(c, IDC_EDIT_INISIZE_HEIGHT, L"90");
                Click(c, IDOK);
            });
            Click(h, IDC_BUTTON_INI_SIZE);
            Click(h, IDOK);
        });
        Press(m_panel, IDC_BUTTON_INITIALMEMLET);
    }
    EXPECT_EQ(std::vector<std::string>{kFileFailed}, m_boxes.Take());
    EXPECT_EQ(90, g_nIniHeight);
    CloseHandle(lock);
    EXPECT_EQ("[SYSTEM]\r\n", ReadBytes(PropatyPath()));
}

}  // namespace
