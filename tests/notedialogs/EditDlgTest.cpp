// The body-text dialog run modal and driven from inside its own loop.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/EditDlg.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"
#include "notedialogs/ModalScript.h"
#include "res/resource.h"

namespace {

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; i++)
        out += s;
    return out;
}

// A text of many lines, longer than the field shows.
std::string LongText() {
    std::string text;
    for (int i = 1; i <= 60; i++)
        text += "議事録の" + std::to_string(i) + "行目\r\n";
    return text + "最後の行";
}

struct Sel {
    DWORD start = 0, end = 0;
};
Sel SelectionOf(HWND edit) {
    Sel s;
    SendMessageW(edit, EM_GETSEL, (WPARAM)&s.start, (LPARAM)&s.end);
    return s;
}
DWORD Length(HWND edit) { return (DWORD)GetWindowTextLengthW(edit); }

// The caret after the last character, nothing selected, and that
// character on the screen.
void ExpectCaretAtTheVisibleEnd(HWND edit) {
    Sel s = SelectionOf(edit);
    EXPECT_EQ(Length(edit), s.start);
    EXPECT_EQ(Length(edit), s.end);
    RECT client;
    GetClientRect(edit, &client);
    LRESULT pos = SendMessageW(edit, EM_POSFROMCHAR, Length(edit) - 1, 0);
    int y = (short)HIWORD(pos);
    EXPECT_GE(y, client.top);
    EXPECT_LT(y, client.bottom);
}

TEST(EditDlg, MultiLineFieldWithNarrowMargins) {
    CEditDlg dlg;
    dlg.m_strText = "本文";
    INT_PTR result = RunModal(dlg, [&] {
        EXPECT_EQ("本文編集", dlg.GetText());
        HWND edit = dlg.GetDlgItem(IDC_EDIT_BODY);
        EXPECT_EQ(edit, dlg.m_editText.m_hWnd);
        DWORD style = (DWORD)GetWindowLongW(edit, GWL_STYLE);
        DWORD wanted = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
        EXPECT_EQ(wanted, style & wanted);
        DWORD margins = (DWORD)SendMessageW(edit, EM_GETMARGINS, 0, 0);
        EXPECT_EQ(2, LOWORD(margins));
        EXPECT_EQ(2, HIWORD(margins));
        EXPECT_EQ("OK", dlg.GetDlgText(IDOK));
        EXPECT_EQ("キャンセル", dlg.GetDlgText(IDCANCEL));
        Click(dlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
}

TEST(EditDlg, OpensWithTheCaretAfterTheTextAndTheEndInView) {
    CEditDlg dlg;
    dlg.m_strText = LongText();
    INT_PTR result = RunModal(dlg, [&] {
        HWND edit = dlg.m_editText.m_hWnd;
        EXPECT_EQ(edit, GetFocus());
        EXPECT_GT(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        ExpectCaretAtTheVisibleEnd(edit);
        Click(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(LongText(), dlg.m_strText);
}

TEST(EditDlg, EveryFocusPutsTheCaretAfterTheText) {
    CEditDlg dlg;
    dlg.m_strText = LongText();
    INT_PTR result = RunModal(dlg, [&] {
        HWND edit = dlg.m_editText.m_hWnd;
        // The user put the caret at the top, then goes round the dialog
        // with Tab: OK, キャンセル, and the text again.
        SendMessageW(edit, EM_SETSEL, 0, 0);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
        for (int id : {IDOK, IDCANCEL}) {
            PressKey(VK_TAB);
            EXPECT_EQ(dlg.GetDlgItem(id), GetFocus());
        }
        PressKey(VK_TAB);
        EXPECT_EQ(edit, GetFocus());
        ExpectCaretAtTheVisibleEnd(edit);
        // The dialog handing the focus to the text it already has selects
        // nothing either.
        SendMessageW(edit, EM_SETSEL, 3, 3);
        dlg.Send(WM_NEXTDLGCTL, (WPARAM)edit, TRUE);
        Sel s = SelectionOf(edit);
        EXPECT_EQ(s.start, s.end);
        // A key typed then adds to the text.
        dlg.Send(WM_NEXTDLGCTL, (WPARAM)dlg.GetDlgItem(IDOK), TRUE);
        dlg.Send(WM_NEXTDLGCTL, (WPARAM)edit, TRUE);
        TypeText(L"。");
        Click(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(LongText() + "。", dlg.m_strText);
}

TEST(EditDlg, EnterMakesANewLine) {
    CEditDlg dlg;
    dlg.m_strText = "一行目";
    INT_PTR result = RunModal(dlg, [&] {
        PressKey(VK_RETURN);
        EXPECT_TRUE(dlg.IsWindowVisible());  // not the default button's press
        TypeText(L"二行目");
        Click(dlg, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ("一行目\r\n二行目", dlg.m_strText);
}

TEST(EditDlg, CancelEscAndTheCloseBoxLeaveTheText) {
    for (int way = 0; way < 3; way++) {
        SCOPED_TRACE(way);
        CEditDlg dlg;
        dlg.m_strText = "元の本文";
        INT_PTR result = RunModal(dlg, [&] {
            TypeText(L"追記");
            if (way == 0)
                PostClick(dlg, IDCANCEL);
            else if (way == 1)
                PressKey(VK_ESCAPE);
            else
                dlg.Post(WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ("元の本文", dlg.m_strText);
    }
}

// The control counts its limit in characters: without a limit of our own
// 4000 double-byte characters, 8000 bytes, would go in.
TEST(EditDlg, TextHoldsAtMost4000BytesTypedOrPasted) {
    const struct {
        const char* what;
        std::string given;
        std::wstring typed;  // at the end
        std::wstring pasted;  // at the start, after typing
        std::string result;
    } cases[] = {
        {"typed up to the limit", Repeat("あ", 1980), std::wstring(30, L'い') + L"x", L"",
         Repeat("あ", 1980) + Repeat("い", 20)},
        {"typed lines up to the limit", Repeat("あ", 1995), L"い\rう\rえ\rお\rか\r", L"",
         Repeat("あ", 1995) + "い\r\nう\r\nえ"},
        {"typed into one free byte", std::string(3999, 'a'), L"いb", L"", std::string(3999, 'a') + "b"},
        {"typed into two free bytes", Repeat("あ", 1999), L"いう", L"", Repeat("あ", 1999) + "い"},
        {"pasted, cut at a character", std::string(3995, 'a'), L"", L"かきくけこ", "かき" + std::string(3995, 'a')},
        {"pasted into an empty text", "", L"", std::wstring(2500, L'あ'), Repeat("あ", 2000)},
        {"pasted whole", Repeat("あ", 1990), L"", std::wstring(10, L'さ'), Repeat("さ", 10) + Repeat("あ", 1990)},
        {"pasted into a full text", Repeat("あ", 2000), L"", L"x", Repeat("あ", 2000)},
        {"given longer", Repeat("あ", 2500), L"", L"", Repeat("あ", 2000)},
        {"given longer, odd", "a" + Repeat("あ", 2000), L"", L"", "a" + Repeat("あ", 1999)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CEditDlg dlg;
        dlg.m_strText = c.given;
        INT_PTR result = RunModal(dlg, [&] {
            HWND edit = dlg.m_editText.m_hWnd;
            if (!c.typed.empty())
                TypeText(c.typed);
            if (!c.pasted.empty()) {
                ASSERT_TRUE(PutOnClipboard(dlg.m_hWnd, c.pasted));
                SendMessageW(edit, EM_SETSEL, 0, 0);
                SendMessageW(edit, WM_PASTE, 0, 0);
            }
            Click(dlg, IDOK);
        });
        EXPECT_EQ(IDOK, result);
        EXPECT_LE(dlg.m_strText.size(), 4000u);
        EXPECT_EQ(c.result.size(), dlg.m_strText.size());
        EXPECT_TRUE(c.result == dlg.m_strText);
    }
}

}  // namespace
