#include "panel/Hub.h"

#include "dialogs/ExportStackDlg.h"

void AddExportStack(CMemletData data) {
    if (g_pExportStackDlg)
        g_pExportStackDlg->AddData(data);
}
