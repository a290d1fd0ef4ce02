#include "dialogs/ChildList.h"

#include <cstdint>

#include "dialogs/ListRows.h"
#include "framework/MessageBox.h"
#include "framework/Trace.h"

std::vector<CChildWinInf> ListChildWindows(HWND top) {
    Trace("CChildSelDlg::update()\n");
    CWinInf owner;
    owner.m_hWnd = top;
    owner.EnumChild();
    for (const CChildWinInf& c : owner.m_ChildList)
        Trace("HANDLE=0x%08x\n", (unsigned)((uintptr_t)c.m_hWnd & 0xFFFFFFFFu));
    return std::move(owner.m_ChildList);
}

void InsertChildColumns(CListCtrl& list, int classWidth, int idWidth, int textWidth) {
    list.InsertColumn(0, "className", LVCFMT_LEFT, classWidth);
    list.InsertColumn(1, "CtrlID", LVCFMT_LEFT, idWidth);
    list.InsertColumn(2, "TEXT", LVCFMT_LEFT, textWidth);
    list.InsertColumn(3, "Handle", LVCFMT_LEFT, 0);
    list.InsertColumn(4, "", LVCFMT_LEFT, 10);
}

void FillChildRows(CListCtrl& list, const std::vector<CChildWinInf>& children) {
    list.SetRedraw(false);
    list.DeleteAllItems();
    for (size_t i = 0; i < children.size(); i++) {
        const CChildWinInf& c = children[i];
        int row = list.InsertItem((int)i, c.m_strClass);
        list.SetItemText(row, 1, std::to_string(c.m_nCtlId));
        list.SetItemText(row, 2, c.m_strText);
        list.SetItemText(row, 3, HandleText(c.m_hWnd));
    }
    list.SetRedraw(true);
}

int FindChildRow(const std::vector<CChildWinInf>& children, const std::string& className, int ctlId) {
    for (size_t i = 0; i < children.size(); i++)
        if (children[i].m_strClass == className && children[i].m_nCtlId == ctlId)
            return (int)i;
    return -1;
}

const CChildWinInf* AcceptChildRow(const std::vector<CChildWinInf>& children, int row) {
    if (row < 0 || row >= (int)children.size()) {
        AppMessageBox("子ウィンドウ（コンポーネント）が選択されていません");
        return nullptr;
    }
    const CChildWinInf& chosen = children[row];
    int count = 0;
    for (const CChildWinInf& c : children)
        if (c.m_strClass == chosen.m_strClass && c.m_nCtlId == chosen.m_nCtlId)
            count++;
    if (count == 1)
        return &chosen;
    bool taken = AppMessageBox("この組はユニーク（唯一の子ウィンドウ）ではありません.\r\n"
                               "最初に条件が合致した子ウィンドウでマッチングを行います.\r\n"
                               "よろしいですか？",
                               MB_YESNO) == IDYES;
    return taken ? &chosen : nullptr;
}

RECT ChildFrame(HWND child, HWND top, const RECT& previous) {
    RECT c{}, t{};
    if (!IsWindow(child) || !GetWindowRect(child, &c))
        return previous;
    GetWindowRect(top, &t);
    return RECT{c.left - t.left, c.top - t.top, c.right - t.left, c.bottom - t.top};
}

void TraceChildChoice(const std::string& className, int ctlId, const std::string& text) {
    Trace("WinodwClass=%s\n", className.c_str());
    Trace("ControlID=%d\n", ctlId);
    Trace("Text=%s\n", text.c_str());
}
