#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyCopyToExportStack(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyCopyToExportStack(win);
}
