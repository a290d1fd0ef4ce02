#include "match/MatchFixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <deque>

#include "framework/MessageBox.h"
#include "framework/ModalScript.h"
#include "framework/TestWindows.h"
#include "framework/Text.h"

const char kMatchCaption[] = "マッチング条件設定";
const char kChildSelCaption[] = "子ウィンドウ条件選択";
const char kWinExSelCaption[] = "プロセス＆拡張条件選択";
const char kPreSetListCaption[] = "アプリケーション別マッチング条件プリセット";
const char kPreSetCaption[] = "プリセット条件設定";

namespace {

std::deque<int> g_answers;
std::vector<std::string> g_boxes;

int ScriptedBox(const std::string& text, UINT type) {
    g_boxes.push_back(text);
    if (type != MB_YESNO)
        return IDOK;
    if (g_answers.empty())
        return IDNO;
    int a = g_answers.front();
    g_answers.pop_front();
    return a;
}

HWND MakeChild(HWND parent, const char* cls, const std::string& text, DWORD style, int id, int x, int y, int cx,
               int cy) {
    return CreateWindowExW(0, ToWide(cls).c_str(), ToWide(text).c_str(), WS_CHILD | style, x, y, cx, cy, parent,
                           (HMENU)(INT_PTR)id, GetModuleHandleW(nullptr), nullptr);
}

struct FindId {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK FindById(HWND hwnd, LPARAM lp) {
    FindId& f = *(FindId*)lp;
    if (GetDlgCtrlID(hwnd) == f.id) {
        f.found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string LongText() {
    std::string s;
    for (int i = 0; i < 300; i++)
        s += "あ";
    return s;
}

bool CChildTarget::Open(const RECT& r, DWORD exStyle) {
    if (!m_top.Open(r, RGB(40, 160, 60)))
        return false;
    if (exStyle)
        SetWindowLongW(m_top.m_hWnd, GWL_EXSTYLE, GetWindowLongW(m_top.m_hWnd, GWL_EXSTYLE) | exStyle);
    HWND h = m_top.m_hWnd;
    MakeChild(h, "Button", "了解", WS_VISIBLE, 101, 10, 10, 60, 20);
    MakeChild(h, "Static", "隠れ", 0, 102, 80, 10, 60, 20);
    MakeChild(h, "Edit", "無効", WS_VISIBLE | WS_DISABLED, 103, 150, 10, 60, 20);
    MakeChild(h, "Static", "", WS_VISIBLE, 104, 220, 10, 60, 20);
    HWND frame = MakeChild(h, "Static", "枠", WS_VISIBLE, 105, 10, 40, 120, 50);
    MakeChild(frame, "Edit", "孫", WS_VISIBLE, 201, 10, 20, 80, 20);
    MakeChild(h, "Button", "同じ一", WS_VISIBLE, 106, 140, 40, 60, 20);
    MakeChild(h, "Button", "同じ二", WS_VISIBLE, 106, 210, 40, 60, 20);
    MakeChild(h, "Edit", "一行目\r\n二行目", WS_VISIBLE | ES_MULTILINE, 107, 10, 100, 120, 40);
    MakeChild(h, "Static", LongText(), WS_VISIBLE, 108, 140, 100, 140, 40);
    return true;
}

void CChildTarget::Destroy() {
    if (m_top.IsWindow())
        ::DestroyWindow(m_top.m_hWnd);
}

HWND CChildTarget::Child(int id) const {
    FindId f{id};
    EnumChildWindows(m_top.m_hWnd, FindById, (LPARAM)&f);
    return f.found;
}

INT_PTR RunDialog(CDialog& dlg, const char* caption, std::function<void(HWND)> script) {
    CModalScript s(caption, std::move(script));
    INT_PTR result = dlg.DoModal();
    EXPECT_TRUE(s.Ran()) << caption;
    return result;
}

bool OpenNested(const char* caption, std::function<void()> open, std::function<void(HWND)> script) {
    CModalScript s(caption, std::move(script));
    open();
    return s.Ran();
}

void PressButton(HWND dlg, int id) {
    SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
    PumpPending();
}

void ClickRow(HWND dlg, int listId, int row) {
    HWND list = GetDlgItem(dlg, listId);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(list, LVM_SETITEMSTATE, row >= 0 ? row : -1, (LPARAM)&item);
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
    NMITEMACTIVATE nm{};
    nm.hdr.hwndFrom = list;
    nm.hdr.idFrom = listId;
    nm.hdr.code = NM_CLICK;
    nm.iItem = row;
    SendMessageW(dlg, WM_NOTIFY, listId, (LPARAM)&nm);
    PumpPending();
}

std::vector<std::string> RowTexts(HWND dlg, int listId, int column) {
    HWND list = GetDlgItem(dlg, listId);
    std::vector<std::string> out;
    int n = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < n; i++) {
        wchar_t buf[1024] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buf;
        item.cchTextMax = 1024;
        SendMessageW(list, LVM_GETITEMTEXTW, i, (LPARAM)&item);
        out.push_back(FromWide(buf));
    }
    return out;
}

int Mark(HWND dlg, int listId) { return (int)SendMessageW(GetDlgItem(dlg, listId), LVM_GETSELECTIONMARK, 0, 0); }

std::string ItemText(HWND dlg, int id) { return GetWindowTextCp932(GetDlgItem(dlg, id)); }

void AnswerBoxes(std::vector<int> answers) {
    SetMessageBoxHook(ScriptedBox);
    g_answers.assign(answers.begin(), answers.end());
    g_boxes.clear();
}

std::vector<std::string> TakeShownBoxes() {
    std::vector<std::string> out;
    out.swap(g_boxes);
    return out;
}
