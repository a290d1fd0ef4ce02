#include "panel/Hub.h"

#include "panel/ControlDlg.h"

int RepasteMemlet(CMemletData data) {
    return g_pControlDlg ? g_pControlDlg->RepasteMemlet(data) : 0;
}
