#include "panel/Hub.h"

#include "dialogs/PendingDlg.h"

int SavePendingList() { return g_pPendingDlg ? g_pPendingDlg->writeIniFile() : 1; }
