// A note's popup menu and its commands. The menu, the boxes and the
// dialogs run loops of their own, in which the panel's tracking tick (or a
// command of this very note) may close the note and delete this object:
// each handler keeps its window handle and goes on afterwards only while
// that window is still bound to this object.
#include <windows.h>

#include <commdlg.h>

#include <string>

#include "dialogs/ColorSettingDlg.h"
#include "dialogs/TransSettingDlg.h"
#include "framework/App.h"
#include "framework/MessageBox.h"
#include "framework/Text.h"
#include "framework/Trace.h"
#include "note/MemletWin.h"
#include "panel/Hub.h"
#include "res/resource.h"

namespace {

// What the user is told after an absorb; null: nothing (the texts merged).
const char* AbsorbMessage(int result) {
    switch (result) {
    case 1:
        return nullptr;
    case 0:
        return "重なっている付箋がありません。吸収したい付箋に重ねてから吸収操作を行ってください.";
    case -1:
        return "吸収すると4000byteを超えます。操作はキャンセルしました.";
    default:
        return "重なっている付箋が２枚以上あります。吸収は１枚ずつ行ってください.";
    }
}

// The text as the clipboard's only content; false when the clipboard
// cannot be had.
bool PutOnClipboard(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner))
        return false;
    bool done = false;
    if (EmptyClipboard()) {
        size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* p = GlobalLock(mem)) {
                memcpy(p, text.c_str(), bytes);
                GlobalUnlock(mem);
                done = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
            }
            if (!done)
                GlobalFree(mem);
        }
    }
    CloseClipboard();
    return done;
}

}  // namespace

bool CMemletWin::OnMenuCommand(int id) {
    switch (id) {
    case ID_MENUITEM_DELETE: OnMenuitemdelete(); return true;
    case ID_MENUITEM_READONLY: OnMenuitemreadonly(); return true;
    case ID_MENUITEM_WRITABLE: OnMenuitemwritable(); return true;
    case ID_MENUITEM_TRANS: OnMenuitemtrans(); return true;
    case ID_MENUITEM_COLOR: OnMenuitemcolor(); return true;
    case ID_MENUITEM_FRAMEON: OnMenuitemframeon(); return true;
    case ID_MENUITEM_FRAMEOFF: OnMenuitemframeoff(); return true;
    case ID_MENUITEM_FONT: OnMenuitemfont(); return true;
    case ID_MENUITEM_COPY: OnMenuitemcopy(); return true;
    case ID_MENUITEM_SPLIT: OnMenuitemsplit(); return true;
    case ID_MENUITEM_ABSORB: OnMenuitemabsorb(); return true;
    case ID_MENUITEM_DESKTOP: OnMenuitemdesktop(); return true;
    case ID_MENUITEM_MOVE: OnMenuitemmove(); return true;
    case ID_MENUITEM_MATCH: OnMenuitemmatch(); return true;
    case ID_MENUITEM_EXPORT: OnMenuitemexport(); return true;
    case ID_MENUITEM_PENDING: OnMenuitempending(); return true;
    }
    return false;
}

void CMemletWin::OnRButtonUp(UINT, POINT) {
    // The text field has its own right click; this is the pick bar and
    // whatever else the field leaves free.
    Trace("OnRButtonUp() \n");
    POINT pt{};
    GetCursorPos(&pt);
    HMENU menu = LoadMenuW(AppInstance(), MAKEINTRESOURCEW(IDR_MEMLET_POPUP));
    if (!menu)
        return;
    HMENU popup = GetSubMenu(menu, 0);
    if (m_hWndTarget == GetDesktopWindow())
        EnableMenuItem(popup, ID_MENUITEM_MATCH, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(popup, isReadOnly() ? ID_MENUITEM_READONLY : ID_MENUITEM_WRITABLE, MF_BYCOMMAND | MF_GRAYED);
    HWND self = m_hWnd;
    // The chosen command comes as WM_COMMAND once the menu has closed.
    TrackPopupMenu(popup, 0, pt.x, pt.y, 0, self, nullptr);
    if (IsMine(self))
        SetOpaque();
    DestroyMenu(menu);
}

void CMemletWin::OnMenuitemdelete() {
    Trace("CMemletWin::OnMenuitemdelete() hTargetWnd=0x%08x \n", (unsigned)(UINT_PTR)m_hWndTarget);
    HWND self = m_hWnd;
    if (!getText().empty()) {
        if (SystemMessageBox(nullptr, "付箋をはがしますか？", "確認", MB_YESNO) != IDYES)
            return;
        // Closed while the question was open: nothing left to peel off.
        if (!IsMine(self))
            return;
    }
    NotifyDeleteWindow(this);
}

void CMemletWin::OnMenuitemreadonly() {
    if (!isReadOnly())
        setReadOnly(1);
}

void CMemletWin::OnMenuitemwritable() {
    if (isReadOnly())
        setReadOnly(0);
}

void CMemletWin::OnMenuitemtrans() {
    CTransSettingDlg dlg;
    dlg.m_nTransparent = m_nTransparent;
    dlg.m_nMouseHideCtl = m_nMouseHideCtl;
    dlg.m_nBkTransparent = m_nBkTransparent;
    dlg.m_nTargetCheck = 1;
    dlg.m_hTargetWnd = m_hWnd;
    HWND self = m_hWnd;
    if (dlg.DoModal() != IDOK || !IsMine(self))
        return;
    // The colour key of the new alpha depends on the background flag.
    m_nBkTransparent = dlg.m_nBkTransparent;
    m_nMouseHideCtl = dlg.m_nMouseHideCtl;
    setTransparent(dlg.m_nTransparent);
    m_editMemlet.m_nGradation = GradationInEffect() ? 1 : 0;
    m_editMemlet.Invalidate(true);
    Redraw();
}

void CMemletWin::OnMenuitemcolor() {
    CColorSettingDlg dlg;
    dlg.m_nColor = m_nColor;
    dlg.m_nPickPos = m_nPickPos;
    dlg.m_nBkColor = m_nBkColor;
    dlg.m_nTxColor = m_nTxColor;
    dlg.m_nArwFlag = m_arrow.m_nArwFlag;
    dlg.m_nGraFlg = m_nGraFlg;
    dlg.m_nGraPtn = m_nGraPtn;
    dlg.m_nArLineWidth = m_nArLineWidth;
    dlg.m_nTargetCheck = 1;
    dlg.m_hTargetWnd = m_hWnd;
    HWND self = m_hWnd;
    if (dlg.DoModal() != IDOK || !IsMine(self))
        return;
    m_nColor = dlg.m_nColor;
    if (dlg.m_nPickPos != m_nPickPos) {
        // The bar goes to its new side; the note keeps its outer size.
        m_nPickPos = dlg.m_nPickPos;
        NudgeSize();
    }
    m_nBkColor = dlg.m_nBkColor;
    m_editMemlet.m_crBase = getBkColor();
    m_editMemlet.Invalidate(true);
    m_nTxColor = dlg.m_nTxColor;
    m_nGraFlg = dlg.m_nGraFlg;
    m_nGraPtn = dlg.m_nGraPtn;
    m_editMemlet.m_nPattern = m_nGraPtn;
    m_editMemlet.m_nGradation = GradationInEffect() ? 1 : 0;
    m_editMemlet.Invalidate(true);
    m_nArLineWidth = dlg.m_nArLineWidth;
    if (m_arrow.m_nArwFlag != 1 && dlg.m_nArwFlag == 1)
        ShowArrow();
    else if (m_arrow.m_nArwFlag == 1 && dlg.m_nArwFlag != 1)
        DestroyArrowWin();  // keeps the points the user dragged
    setArrowBkColor();
    setArrowColor();
    setArrowWidth();
    Redraw();
}

void CMemletWin::OnMenuitemframeon() {
    if (hasFrame())
        return;
    setFrame(1);
    NudgeSize();
}

void CMemletWin::OnMenuitemframeoff() {
    if (!hasFrame())
        return;
    setFrame(0);
    NudgeSize();
}

void CMemletWin::NudgeSize() {
    RECT w = GetWindowRect();
    int cx = w.right - w.left, cy = w.bottom - w.top;
    ::MoveWindow(m_hWnd, w.left, w.top, cx - 1, cy - 1, TRUE);
    ::MoveWindow(m_hWnd, w.left, w.top, cx, cy, TRUE);
}

void CMemletWin::OnMenuitemfont() {
    HFONT current = m_editMemlet.GetFont();
    LOGFONTA lf{};
    if (!current || !GetObjectA(current, sizeof lf, &lf))
        return;
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = m_hWnd;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    HWND self = m_hWnd;
    if (!ChooseFontA(&cf) || !IsMine(self))
        return;
    // Only the note's own earlier font goes, once the new one is in place:
    // without one the field drew with the window's font, which is not ours.
    setFont(lf);
}

void CMemletWin::OnMenuitemcopy() { NotifyCopyWindow(this); }

void CMemletWin::OnMenuitemsplit() {
    int start = 0, end = 0;
    m_editMemlet.GetSel(start, end);
    if (start != end) {
        AppMessageBox("選択状態です。キャレットを文字間に設定してください。");
        return;
    }
    // Positions count characters: the halves come from the wide text.
    int length = GetWindowTextLengthW(m_editMemlet.m_hWnd);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(m_editMemlet.m_hWnd, text.data(), length + 1));
    if (start <= 0) {
        AppMessageBox("キャレットが先頭にあります。キャレットを分割したい位置に設定してください。");
        return;
    }
    if ((size_t)start >= text.size()) {
        AppMessageBox("キャレットが最後尾にあります。キャレットを分割したい位置に設定してください。");
        return;
    }
    std::wstring second = text.substr(start);
    if (!PutOnClipboard(m_hWnd, second)) {
        AppMessageBox("クリップボードが使用できません.");
        return;
    }
    m_editMemlet.SetSel(start, end);
    m_editMemlet.Send(EM_SCROLLCARET);
    NotifySplit(this, FromWide(text.substr(0, start)), FromWide(second));
}

void CMemletWin::OnMenuitemabsorb() {
    // The panel's failed-save box may have let a tick close this note: the
    // message needs nothing of it.
    if (const char* message = AbsorbMessage(NotifyComposition(this)))
        AppMessageBox(message);
}

void CMemletWin::OnMenuitemdesktop() { NotifyMoveDesktop(this); }

void CMemletWin::OnMenuitemmove() { NotifyMove(this); }

void CMemletWin::OnMenuitemmatch() { NotifyMatchCondition(this); }

void CMemletWin::OnMenuitemexport() { NotifyCopyToExportStack(this); }

void CMemletWin::OnMenuitempending() { NotifyMovePendingList(this); }
