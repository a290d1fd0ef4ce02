#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyCopyWindow(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyCopyWindow(win);
}
