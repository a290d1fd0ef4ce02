#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifySplit(CMemletWin* win, std::string first, std::string second) {
    if (g_pControlDlg)
        g_pControlDlg->notifySplit(win, first, second);
}
