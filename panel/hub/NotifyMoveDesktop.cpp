#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyMoveDesktop(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMoveDesktop(win);
}
