#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyDeleteWindow(CMemletWin* win) {
    if (g_pControlDlg)
        g_pControlDlg->notifyDeleteWindow(win);
}
