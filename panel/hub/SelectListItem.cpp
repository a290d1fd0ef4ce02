#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void SelectListItem(int row) {
    if (g_pControlDlg)
        g_pControlDlg->SelectItem(row);
}
