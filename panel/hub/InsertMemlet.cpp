#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void InsertMemlet(CMemletData data) {
    if (g_pControlDlg)
        g_pControlDlg->InsertMemlet(data);
}
