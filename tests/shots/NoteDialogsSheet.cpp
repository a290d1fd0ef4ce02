// The dialogs of a note's look and text, opened without their modal loop:
// colours and leader line; transparency for an open note and for the
// template note; the size frame; the body text.
#include <algorithm>

#include "dialogs/ColorSettingDlg.h"
#include "dialogs/EditDlg.h"
#include "dialogs/SizeFrameDlg.h"
#include "dialogs/TransSettingDlg.h"
#include "shots/Sheets.h"

namespace {

CColorSettingDlg g_color;
CTransSettingDlg g_transNote, g_transTemplate;
CSizeFrameDlg g_sizeFrame;
CEditDlg g_edit;

HWND g_toActivate;

void CALLBACK OnActivateTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SetForegroundWindow(g_toActivate);
    // It is active by now, but its caption may still be drawn as inactive.
    SendMessageW(g_toActivate, WM_NCACTIVATE, TRUE, 0);
}

// The dialog at (x, y), on top; its rect on the screen, with a margin. The
// last one placed is made active again a little later: the first window of
// the program on a new desktop is drawn as inactive.
RECT Place(CDialog& dlg, int x, int y) {
    SetWindowPos(dlg.m_hWnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    g_toActivate = dlg.m_hWnd;
    SetTimer(nullptr, 0, 300, OnActivateTimer);
    RECT r = dlg.GetWindowRect();
    return RECT{r.left - 10, r.top - 10, r.right + 10, r.bottom + 10};
}

RECT Union(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

}  // namespace

RECT PlaceDialog(CDialog& dlg, int x, int y) { return Place(dlg, x, y); }

RECT ShowColorSettingSheet() {
    g_color.m_nColor = 3;
    g_color.m_nPickPos = 0;
    g_color.m_nBkColor = 4;
    g_color.m_nTxColor = 0;
    g_color.m_nArwFlag = 1;
    g_color.m_nGraFlg = 1;
    g_color.m_nGraPtn = 2;
    g_color.m_nArLineWidth = 1;
    if (!g_color.Create(nullptr))
        return RECT{};
    return Place(g_color, 60, 60);
}

RECT ShowTransSettingSheet() {
    // For an open note: everything can be chosen.
    g_transNote.m_nTransparent = 70;
    g_transNote.m_nMouseHideCtl = 1;
    g_transNote.m_nBkTransparent = 0;
    g_transNote.m_nTargetCheck = 1;
    g_transNote.m_hTargetWnd = GetDesktopWindow();
    // For the template note: no see-through background.
    g_transTemplate.m_nTransparent = 85;
    g_transTemplate.m_nMouseHideCtl = 0;
    if (!g_transNote.Create(nullptr) || !g_transTemplate.Create(nullptr))
        return RECT{};
    RECT a = Place(g_transNote, 60, 60);
    RECT b = Place(g_transTemplate, a.right + 10, 60);
    return Union(a, b);
}

RECT ShowSizeFrameSheet() {
    g_sizeFrame.m_nFrame = 1;
    if (!g_sizeFrame.Create(nullptr))
        return RECT{};
    return Place(g_sizeFrame, 60, 60);
}

RECT ShowEditTextSheet() {
    g_edit.m_strText =
        "定例会議のメモ\r\n"
        "・新製品の発売日は来月十日に決定\r\n"
        "・予算案は水曜日までに経理部へ提出\r\n"
        "・次回：来週水曜日 10:00 から第二会議室\r\n"
        "\r\n"
        "持ち物：議事録、見積書（ＡＢＣ社分）";
    if (!g_edit.Create(nullptr))
        return RECT{};
    RECT r = Place(g_edit, 60, 60);
    g_edit.Send(WM_NEXTDLGCTL, (WPARAM)g_edit.m_editText.m_hWnd, TRUE);
    return r;
}
