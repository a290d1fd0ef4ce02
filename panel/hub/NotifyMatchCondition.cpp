#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyMatchCondition(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMatchCondition(win);
}

// Until the panel has its match-condition dialog, the request does nothing;
// the panel's own definition replaces this one.
__attribute__((weak)) void CControlDlg::notifyMatchCondition(CMemletWin*) {}
