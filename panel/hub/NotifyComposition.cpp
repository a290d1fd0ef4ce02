#include "panel/Hub.h"

#include "panel/ControlDlg.h"

int NotifyComposition(CMemletWin* win) {
    return g_pControlDlg ? g_pControlDlg->notifyComposition(win) : 0;
}
