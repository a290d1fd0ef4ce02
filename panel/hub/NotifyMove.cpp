#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyMove(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMove(win);
}
