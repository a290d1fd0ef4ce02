// The property dialog's trials: 重複確認 and OK against pairs another
// process holds, pairs without a key and one pair in both fields; and the
// radio groups an untouched OK gives back.
#include <gtest/gtest.h>

#include "dialogs/PropatyDlg.h"
#include "framework/ModalScript.h"
#include "framework/TargetProcess.h"
#include "props/PropsTest.h"
#include "res/resource.h"

namespace {

const char kPastTaken[] =
    "ウィンドウへの貼り付け設定は既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
const char kPastDtTaken[] =
    "デスクトップへの貼り付け設定は既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
const char kTaken[] = "このキーの組み合わせは既に他のアプリケーションで使用されています。他の組み合わせに変更してください.";
const char kNoKey[] = "キーが設定されていません。修飾キーと組み合わせるキーを押してください。";

constexpr UINT kCA = MOD_CONTROL | MOD_ALT;

struct Pair {
    UINT modifiers, key;
    bool operator==(const Pair& o) const { return modifiers == o.modifiers && key == o.key; }
};
std::ostream& operator<<(std::ostream& os, const Pair& p) { return os << p.modifiers << "/" << p.key; }

// The helper holds the window field's stored pair and one more; the desktop
// field's stored pair is free.
const Pair kStoredPast{kCA, 'G'};
const Pair kStoredPastDt{kCA, 'D'};
const Pair kHeld{kCA, 'H'};
const Pair kFree{kCA, 'J'};
const Pair kFree2{kCA, 'K'};

class PropatyTrial : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_helper = new CTargetProcess;
        ASSERT_TRUE(s_helper->Start());
        ASSERT_TRUE(s_helper->RegisterHotKey(1, kStoredPast.modifiers, kStoredPast.key));
        ASSERT_TRUE(s_helper->RegisterHotKey(2, kHeld.modifiers, kHeld.key));
    }
    static void TearDownTestSuite() {
        delete s_helper;
        s_helper = nullptr;
    }
    static CTargetProcess* s_helper;
};
CTargetProcess* PropatyTrial::s_helper;

void Prepare(CPropatyDlg& dlg) {
    dlg.m_nSaveTiming = 0;
    dlg.m_nSaveFormat = 0;
    dlg.m_nHkPastModifiers = kStoredPast.modifiers;
    dlg.m_nHkPastKey = kStoredPast.key;
    dlg.m_nHkPastDtModifiers = kStoredPastDt.modifiers;
    dlg.m_nHkPastDtKey = kStoredPastDt.key;
    dlg.m_nPosInterval = 2;
}

struct TrialCase {
    const char* what;
    Pair past, pastDt;    // shown in the fields
    int checkButton;      // 重複確認 of this field
    const char* checkText;
    const char* okBox;    // null: OK closes the dialog
    Pair pastAfter, pastDtAfter;  // the dialog's pairs after OK
};

const TrialCase kTrials[] = {
    {"unchanged, though held elsewhere", kStoredPast, kStoredPastDt, IDC_BUTTON_CHECK_PAST, "現在の設定です。",
     nullptr, kStoredPast, kStoredPastDt},
    {"a free window pair", kFree, kStoredPastDt, IDC_BUTTON_CHECK_PAST, "設定可能です.", nullptr, kFree,
     kStoredPastDt},
    {"a free desktop pair", kStoredPast, kFree, IDC_BUTTON_CHECK_PASTDT, "設定可能です.", nullptr, kStoredPast,
     kFree},
    {"a taken window pair", kHeld, kStoredPastDt, IDC_BUTTON_CHECK_PAST, kTaken, kPastTaken, kStoredPast,
     kStoredPastDt},
    {"a taken desktop pair: the window pair is kept", kFree, kHeld, IDC_BUTTON_CHECK_PASTDT, kTaken,
     kPastDtTaken, kFree, kStoredPastDt},
    {"modifiers without a key", {MOD_CONTROL | MOD_SHIFT, 0}, kStoredPastDt, IDC_BUTTON_CHECK_PAST, kNoKey, kNoKey,
     kStoredPast, kStoredPastDt},
    {"an empty desktop field", kStoredPast, {0, 0}, IDC_BUTTON_CHECK_PASTDT, kNoKey, kNoKey, kStoredPast,
     kStoredPastDt},
    {"one new pair in both fields", kFree2, kFree2, IDC_BUTTON_CHECK_PASTDT, kTaken, kPastDtTaken, kFree2,
     kStoredPastDt},
};

TEST_F(PropatyTrial, CheckAndOkOfEveryKindOfPair) {
    for (const TrialCase& c : kTrials) {
        SCOPED_TRACE(c.what);
        CBoxRecorder boxes;
        CPropatyDlg dlg;
        Prepare(dlg);
        std::vector<std::string> checkBoxes, okBoxes;
        bool stayed = false;
        CModalScript script("プロパティ設定", [&](HWND) {
            dlg.m_hkPast.SetRegHotKey(c.past.key, c.past.modifiers);
            dlg.m_hkPastDt.SetRegHotKey(c.pastDt.key, c.pastDt.modifiers);
            Click(dlg, c.checkButton);
            checkBoxes = boxes.Take();
            Click(dlg, IDOK);
            okBoxes = boxes.Take();
            stayed = dlg.IsWindowVisible() && !okBoxes.empty();
            if (stayed)
                Click(dlg, IDCANCEL);
        });
        INT_PTR result = dlg.DoModal();
        EXPECT_EQ(std::vector<std::string>{c.checkText}, checkBoxes);
        if (c.okBox) {
            EXPECT_EQ(std::vector<std::string>{c.okBox}, okBoxes);
            EXPECT_TRUE(stayed);
            EXPECT_EQ(IDCANCEL, result);
        } else {
            EXPECT_TRUE(okBoxes.empty()) << okBoxes[0];
            EXPECT_EQ(IDOK, result);
        }
        EXPECT_EQ(c.pastAfter, (Pair{dlg.m_nHkPastModifiers, dlg.m_nHkPastKey}));
        EXPECT_EQ(c.pastDtAfter, (Pair{dlg.m_nHkPastDtModifiers, dlg.m_nHkPastDtKey}));
    }
    // The trial lets its pair go again.
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, kFree.modifiers, kFree.key));
    UnregisterHotKey(nullptr, 7);
}

// A group none of whose radios a value checks gives the caller's value back.
TEST(PropatyDlg, UntouchedOkGivesBackEveryGroupAsGiven) {
    const struct {
        int saveTiming, saveFormat, period;
    } cases[] = {{0, 0, 0}, {1, 1, 1}, {0, 2, 2}, {1, -1, 0}, {0, 1, 2}, {3, 1, 7}, {-1, 0, -1}};
    for (const auto& c : cases) {
        CBoxRecorder boxes;
        CPropatyDlg dlg;
        Prepare(dlg);
        dlg.m_nSaveTiming = c.saveTiming;
        dlg.m_nSaveFormat = c.saveFormat;
        dlg.m_nPosInterval = c.period;
        bool hidden = false;
        CModalScript script("プロパティ設定", [&](HWND) {
            hidden = !IsWindowVisible(dlg.GetDlgItem(IDC_RADIO_SAVETIMING_END)) &&
                     !IsWindowVisible(dlg.GetDlgItem(IDC_RADIO_SAVETIMING_EACH)) &&
                     !IsWindowVisible(dlg.GetDlgItem(IDC_GROUP_SAVETIMING));
            Click(dlg, IDOK);
        });
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_TRUE(hidden);
        EXPECT_EQ(c.saveTiming, dlg.m_nSaveTiming);
        EXPECT_EQ(c.saveFormat, dlg.m_nSaveFormat);
        EXPECT_EQ(c.period, dlg.m_nPosInterval);
        EXPECT_TRUE(boxes.Take().empty());
    }
}

TEST(PropatyDlg, ChosenRadiosAndTheLongTextAreTaken) {
    CBoxRecorder boxes;
    CPropatyDlg dlg;
    Prepare(dlg);
    std::string text;
    CModalScript script("プロパティ設定", [&](HWND) {
        for (HWND h = GetWindow(dlg.m_hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            std::string t = GetWindowTextCp932(h);
            if (t.rfind("設定を変更する", 0) == 0)
                text = t;
        }
        Click(dlg, IDC_RADIO_FORMAT_MEDIA);
        Click(dlg, IDC_RADIO_PERIOD_10);
        Click(dlg, IDOK);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("設定を変更するにはHOTKEYフィールドを選択して変更したいキーを押下してください。\r\n"
              "表示されているホットキーフィールドの内容でよければOKボタンで確定します。",
              text);
    EXPECT_EQ(1, dlg.m_nSaveFormat);
    EXPECT_EQ(0, dlg.m_nPosInterval);
    EXPECT_EQ(0, dlg.m_nSaveTiming);
}

}  // namespace
