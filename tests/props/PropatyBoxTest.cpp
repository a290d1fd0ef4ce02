// The real boxes around 1018: 重複確認's answer is modal to the property
// dialog, also when another program was in front as it came; the boxes of
// the panel after OK come up over the main window, one for each hot key
// that could not be registered.
#include <gtest/gtest.h>

#include <memory>

#include "dialogs/PropatyDlg.h"
#include "e2e/CorvanaWindows.h"
#include "framework/App.h"
#include "framework/BoxOverDialog.h"
#include "framework/TargetProcess.h"
#include "framework/TestWindows.h"
#include "notemenu/Steps.h"
#include "panel/ControlDlg.h"
#include "panel/PanelTimers.h"
#include "props/PropsTest.h"
#include "res/resource.h"
#include "storage/StorageTestFiles.h"

namespace {

const char kCaption[] = "プロパティ設定";
const char kTaken[] = "このキーの組み合わせは既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
const char kPastFailed[] =
    "ウィンドウ貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.";
const char kPastDtFailed[] =
    "DeskTop貼り付けホットキーの登録が失敗しました.メインパネルのHotKey変更で他のキーに変更してください.";

constexpr UINT kCA = MOD_CONTROL | MOD_ALT;

class PropatyBoxes : public testing::Test {
protected:
    // Two pairs another program holds.
    static void SetUpTestSuite() {
        s_helper = new CTargetProcess;
        ASSERT_TRUE(s_helper->Start());
        ASSERT_TRUE(s_helper->RegisterHotKey(1, kCA, 'H'));
        ASSERT_TRUE(s_helper->RegisterHotKey(2, kCA, 'I'));
    }
    static void TearDownTestSuite() {
        delete s_helper;
        s_helper = nullptr;
    }
    // The main window as the user has it in front, holding the panel.
    void SetUp() override {
        ASSERT_TRUE(ShowMainStandIn(m_main, RECT{300, 120, 1000, 680}));
    }
    void TearDown() override {
        if (m_panel.IsWindow())
            m_panel.DestroyWindow();
        AppSetMainWindow(nullptr);
        m_main.DestroyWindow();
    }
    // The start's boxes, if any, are not the tests'.
    void Open() {
        CBoxRecorder startBoxes;
        ASSERT_TRUE(m_panel.Create(m_main.m_hWnd));
        m_panel.SetPreSetFilePath(m_folder.File(L"TesselinPreset.ini"));
        m_panel.SetPropatyFilePath(m_folder.File(L"TesselinPropaty.ini"));
        m_panel.SetDataFilePath(m_folder.File(L"CorvanaData.ini"));
        m_panel.KillTimer(kTimerTracking);
        m_panel.KillTimer(kTimerHotKeyRelease);
        ShowWindow(m_panel.m_hWnd, SW_SHOW);
    }
    void PressPropaty() { m_panel.Send(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_PROPATY, BN_CLICKED), 0); }
    // The window field holds a pair that is taken, and 重複確認 is pressed:
    // by the mouse (BM_CLICK, which makes the dialog active), or by a
    // posted command, which leaves the activation where it is, as a box
    // raised by a tick or a hot key does.
    enum class Press { kClick, kPosted };
    static void CheckATakenPair(HWND dlg, Press press = Press::kClick) {
        auto* d = dynamic_cast<CPropatyDlg*>(CWnd::FromHandle(dlg));
        ASSERT_NE(nullptr, d);
        d->m_hkPast.SetRegHotKey('H', kCA);
        HWND button = GetDlgItem(dlg, IDC_BUTTON_CHECK_PAST);
        if (press == Press::kClick)
            PostMessageW(button, BM_CLICK, 0, 0);
        else
            PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDC_BUTTON_CHECK_PAST, BN_CLICKED), (LPARAM)button);
    }

    static CTargetProcess* s_helper;
    TempFolder m_folder;
    CWnd m_main;
    CControlDlg m_panel;
};
CTargetProcess* PropatyBoxes::s_helper;

TEST_F(PropatyBoxes, CheckAnswerIsModalToTheDialog) {
    ASSERT_NO_FATAL_FAILURE(Open());
    Watchdog watchdog;
    CBoxSeen seen;
    std::vector<std::function<bool()>> opening = {[&] {
        if (!(seen.dialog = WindowWithCaption(kCaption)))
            return false;
        CheckATakenPair(seen.dialog);
        return true;
    }};
    CSteps run(BoxOverDialog(std::move(opening), kTaken, IDOK, seen));
    PressPropaty();
    EXPECT_TRUE(run.Done());
    ExpectBoxModalToTheDialog(seen);
    EXPECT_TRUE(IsWindowEnabled(m_main.m_hWnd));
}

// Another program in front when the box comes, raised by a posted message
// with no click on our windows: this thread has no active window then; the
// box still belongs to the dialog.
TEST_F(PropatyBoxes, CheckAnswerWithAnotherProgramInFrontIsModalToTheDialog) {
    ASSERT_NO_FATAL_FAILURE(Open());
    TargetArgs a;
    a.title = "手前の別プログラム";
    a.x = 40;
    a.y = 500;
    a.cx = 300;
    a.cy = 200;
    HWND other = s_helper->Create(a);
    ASSERT_NE(nullptr, other);
    Watchdog watchdog;
    CBoxSeen seen;
    HWND activeMeanwhile = (HWND)1;
    std::vector<std::function<bool()>> opening = {
        [&] {
            if (!(seen.dialog = WindowWithCaption(kCaption)))
                return false;
            s_helper->Foreground(other);
            return true;
        },
        [&] {
            if (GetForegroundWindow() != other)
                return false;
            activeMeanwhile = GetActiveWindow();
            CheckATakenPair(seen.dialog, Press::kPosted);
            return true;
        },
    };
    CSteps run(BoxOverDialog(std::move(opening), kTaken, IDOK, seen));
    PressPropaty();
    EXPECT_TRUE(run.Done());
    EXPECT_EQ(nullptr, activeMeanwhile);
    ExpectBoxModalToTheDialog(seen);
    s_helper->Close(other);
}

// Both stored pairs held elsewhere: an untouched OK, and the panel tells of
// each, the window's first; no dialog is open then, the boxes belong to the
// main window.
TEST_F(PropatyBoxes, BothFailedHotKeysShowABoxEachOverTheMainWindow) {
    ASSERT_TRUE(WriteBytes(m_folder.File(L"TesselinPropaty.ini"),
                           "[HK_PAST]\r\nMODIFIERS=3\r\nKEY=72\r\n[HK_PASTDT]\r\nMODIFIERS=3\r\nKEY=73\r\n"));
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_EQ((unsigned)'H', m_panel.HkPastKey());
    ASSERT_EQ((unsigned)'I', m_panel.HkPastDtKey());
    Watchdog watchdog;
    struct Seen {
        HWND owner = nullptr;
        bool mainEnabled = true, dialogOpen = true, otherUp = true;
    } seen[2];
    auto answer = [&](int i, const char* text, const char* other) {
        HWND box = FindMessageBox(GetCurrentProcessId(), text);
        if (!box)
            return false;
        seen[i].owner = GetWindow(box, GW_OWNER);
        seen[i].mainEnabled = IsWindowEnabled(m_main.m_hWnd) != 0;
        seen[i].dialogOpen = WindowWithCaption(kCaption) != nullptr;
        seen[i].otherUp = FindMessageBox(GetCurrentProcessId(), other) != nullptr;
        AnswerMessageBox(box, IDOK);
        return true;
    };
    CSteps run({
        [&] {
            HWND dlg = WindowWithCaption(kCaption);
            return dlg && PostMessageW(GetDlgItem(dlg, IDOK), BM_CLICK, 0, 0);
        },
        [&] { return answer(0, kPastFailed, kPastDtFailed); },
        [&] { return answer(1, kPastDtFailed, kPastFailed); },
    });
    PressPropaty();
    EXPECT_TRUE(run.Done());
    for (const Seen& s : seen) {
        EXPECT_EQ(m_main.m_hWnd, s.owner);
        EXPECT_FALSE(s.mainEnabled);
        EXPECT_FALSE(s.dialogOpen);
        EXPECT_FALSE(s.otherUp);
    }
    EXPECT_TRUE(OpenMessageBoxes().empty());
    EXPECT_TRUE(IsWindowEnabled(m_main.m_hWnd));
    EXPECT_TRUE(WaitUntil([&] { return GetActiveWindow() == m_main.m_hWnd; }, 1500));
}

}  // namespace
