#include "note/OpenNote.h"

#include "model/MemletData.h"
#include "note/MemletWin.h"

CMemletWin* OpenNote(HWND target, const NoteLook& look, CMemletWin* win) {
    if (!win)
        win = new CMemletWin;
    if (!win->Create(target)) {
        delete win;
        return nullptr;
    }
    win->m_bDesktop = look.desktop;
    win->setTargetWnd(target);
    win->setText(look.text);
    win->setReadOnly(look.readOnly);
    win->m_nBkTransparent = look.bkTransparent;
    win->setTransparent(look.percent);
    win->m_nMouseHideCtl = look.mouseHide;
    win->m_nColor = look.color;
    win->setFrame(look.frame);
    win->m_nPickPos = look.pickPos;
    win->m_nBkColor = look.bkColor;
    win->m_nTxColor = look.txColor;
    win->m_nGraFlg = look.graFlg;
    win->m_nGraPtn = look.graPtn;
    win->UpdateEditLook();
    if (look.ownFont)
        win->setFont(DefaultMemletFont());
    win->MoveWindow(look.rect, true);
    win->m_rectTarget = look.target;
    win->m_arrow = look.arrow;
    win->m_nArLineWidth = look.lineWidth;
    win->StartTracking();
    win->ShowWindow(SW_SHOW);
    return win;
}
