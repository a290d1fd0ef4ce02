#include "panel/Hub.h"

#include "dialogs/PendingDlg.h"

void AddPendingList(CMemletData data) {
    if (g_pPendingDlg)
        g_pPendingDlg->AddData(data);
}
