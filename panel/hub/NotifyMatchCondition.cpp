#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyMatchCondition(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyMatchCondition(win);
}
