#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void RepasteToWinInf(CWinInf winInf, CMemletData data) {
    if (g_pControlDlg)
        g_pControlDlg->RepasteToWinInf(winInf, data);
}
