#include "panel/Hub.h"

#include "dialogs/PendingDlg.h"

CListFile PendingListFile() { return g_pPendingDlg ? g_pPendingDlg->ListFile() : CListFile(); }
