#include "panel/Hub.h"

#include "dialogs/PendingDlg.h"

void SavePendingList() {
    if (g_pPendingDlg)
        g_pPendingDlg->writeIniFile();
}
