#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/TestResource.h"

namespace {

class CDataDlg : public CDialog {
public:
    CDataDlg() : CDialog(IDD_TEST) {}
    int check = 0;
    int radio = -1;
    std::string text;
    int number = 0;
    bool numberInEdit = false;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Check(dx, IDC_CHECK, check);
        DDX_Radio(dx, IDC_RADIO_A, radio);
        if (numberInEdit)
            DDX_Text(dx, IDC_EDIT, number);
        else
            DDX_Text(dx, IDC_EDIT, text);
    }
};

class DataExchange : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(nullptr)); }
    bool Checked(int id) { return IsDlgButtonChecked(dlg.m_hWnd, id) == BST_CHECKED; }
    CDataDlg dlg;
};

struct RadioCase {
    int value;
    int checkedId;  // 0: none
    int savedBack;
};

// The group runs A (1040), B (1039), a static, C (1045) in template order;
// "other" starts the next group.
TEST_F(DataExchange, RadioGroupByTemplatePosition) {
    const RadioCase cases[] = {
        {0, IDC_RADIO_A, 0}, {1, IDC_RADIO_B, 1}, {2, IDC_RADIO_C, 2}, {-1, 0, -1}, {3, 0, -1}, {7, 0, -1},
    };
    CheckDlgButton(dlg.m_hWnd, IDC_RADIO_OTHER, BST_CHECKED);
    for (const auto& c : cases) {
        dlg.radio = c.value;
        dlg.UpdateData(false);
        for (int id : {IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_C})
            EXPECT_EQ(id == c.checkedId, Checked(id)) << c.value << " " << id;
        EXPECT_TRUE(Checked(IDC_RADIO_OTHER)) << "the next group is left alone";
        dlg.radio = 99;
        dlg.UpdateData(true);
        EXPECT_EQ(c.savedBack, dlg.radio) << c.value;
    }
}

TEST_F(DataExchange, CheckAndTextRoundTrip) {
    dlg.check = 1;
    dlg.text = "表示ソフト";
    dlg.UpdateData(false);
    EXPECT_TRUE(Checked(IDC_CHECK));
    wchar_t buf[64] = {};
    GetDlgItemTextW(dlg.m_hWnd, IDC_EDIT, buf, 64);
    EXPECT_STREQ(L"表示ソフト", buf);

    CheckDlgButton(dlg.m_hWnd, IDC_CHECK, BST_UNCHECKED);
    SetDlgItemTextW(dlg.m_hWnd, IDC_EDIT, L"ｱｲ表\\");
    dlg.UpdateData(true);
    EXPECT_EQ(0, dlg.check);
    EXPECT_EQ("ｱｲ表\\", dlg.text);
}

struct NumberCase {
    const wchar_t* text;
    int expected;  // the value before is 5
};

TEST_F(DataExchange, NumberText) {
    dlg.numberInEdit = true;
    dlg.number = -42;
    dlg.UpdateData(false);
    wchar_t buf[32] = {};
    GetDlgItemTextW(dlg.m_hWnd, IDC_EDIT, buf, 32);
    EXPECT_STREQ(L"-42", buf);

    const NumberCase cases[] = {
        {L"42", 42}, {L"-7", -7}, {L" 12 ", 12}, {L"", 5}, {L"abc", 5}, {L"12abc", 5}, {L"99999999999", 5},
    };
    for (const auto& c : cases) {
        dlg.number = 5;
        SetDlgItemTextW(dlg.m_hWnd, IDC_EDIT, c.text);
        dlg.UpdateData(true);
        EXPECT_EQ(c.expected, dlg.number) << c.expected;
    }
}

}  // namespace
