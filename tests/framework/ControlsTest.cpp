#include <gtest/gtest.h>

#include "framework/Button.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/ListCtrl.h"
#include "framework/TestResource.h"
#include "framework/TestWindows.h"

namespace {

// An edit that takes its own change notifications, as the note's edit does.
class CReflectingEdit : public CEdit {
public:
    int changes = 0;

protected:
    bool OnReflectCommand(int code) override {
        if (code != EN_CHANGE)
            return false;
        changes++;
        return true;
    }
};

class CControlsDlg : public CDialog {
public:
    CControlsDlg() : CDialog(IDD_TEST) {}
    CListCtrl list;
    CReflectingEdit edit;
    CButton check;
    int parentSawChange = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Control(dx, IDC_LIST, list);
        DDX_Control(dx, IDC_EDIT, edit);
        DDX_Control(dx, IDC_CHECK, check);
    }
    bool OnCommand(int id, int code, HWND ctl) override {
        if (id == IDC_EDIT && code == EN_CHANGE)
            parentSawChange++;
        return CDialog::OnCommand(id, code, ctl);
    }
};

class Controls : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create(nullptr));
        dlg.UpdateData(false);
    }
    CControlsDlg dlg;
};

TEST_F(Controls, ListViewRowsAndSelectionMark) {
    CListCtrl& list = dlg.list;
    ASSERT_EQ(GetDlgItem(dlg.m_hWnd, IDC_LIST), list.m_hWnd);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ((DWORD)(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), list.GetExtendedStyle());
    EXPECT_EQ(0, list.InsertColumn(0, "タイトル", LVCFMT_LEFT, 120));
    EXPECT_EQ(1, list.InsertColumn(1, "Handle", LVCFMT_LEFT, 0));

    EXPECT_EQ(0, list.InsertItem(0, "表示ソフト"));
    EXPECT_EQ(0, list.InsertItem(0, "先頭"));
    EXPECT_TRUE(list.SetItemText(1, 1, "0x0000abcd"));
    std::string longText(300, 'x');
    longText += "表";
    EXPECT_TRUE(list.SetItemText(0, 1, longText));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_EQ("先頭", list.GetItemText(0, 0));
    EXPECT_EQ("表示ソフト", list.GetItemText(1, 0));
    EXPECT_EQ("0x0000abcd", list.GetItemText(1, 1));
    EXPECT_EQ(longText, list.GetItemText(0, 1));
    EXPECT_EQ("", list.GetItemText(5, 0));

    EXPECT_EQ(-1, list.GetSelectionMark());
    list.SetSelectionMark(1);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.EnsureVisible(1, false);
    EXPECT_EQ(1, list.GetSelectionMark());
    EXPECT_EQ((int)LVIS_SELECTED, (int)list.Send(LVM_GETITEMSTATE, 1, LVIS_SELECTED));
    // A refill loses the mark; callers set it again.
    list.DeleteAllItems();
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(-1, list.GetSelectionMark());
}

TEST_F(Controls, EditAndButton) {
    CEdit& edit = dlg.edit;
    edit.SetText("あいう");
    edit.SetSel(1, 2);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(1, start);
    EXPECT_EQ(2, end);
    edit.ReplaceSel("表");
    EXPECT_EQ("あ表う", edit.GetText());

    dlg.check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, dlg.check.GetCheck());
    EXPECT_EQ((UINT)BST_CHECKED, IsDlgButtonChecked(dlg.m_hWnd, IDC_CHECK));
}

TEST_F(Controls, NotificationGoesToTheControlFirst) {
    dlg.edit.SetText("x");
    EXPECT_GT(dlg.edit.changes, 0);
    EXPECT_EQ(0, dlg.parentSawChange);
    // What the control does not take still reaches the parent.
    dlg.edit.changes = 0;
    dlg.edit.Unsubclass();
    dlg.edit.Attach(GetDlgItem(dlg.m_hWnd, IDC_EDIT));
    dlg.edit.SetText("y");
    EXPECT_EQ(0, dlg.edit.changes);
    EXPECT_GT(dlg.parentSawChange, 0);
}

}  // namespace
