#include "panel/Hub.h"

#include "dialogs/PendingDlg.h"

void TellPendingListUnsaved() {
    if (g_pPendingDlg)
        g_pPendingDlg->TellUnsaved();
}
