#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyMovePendingList(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMovePendingList(win);
}
