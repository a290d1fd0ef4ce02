#include "panel/Hub.h"

#include "panel/ControlDlg.h"

void NotifyUpdateWindow() {
    if (g_pControlDlg)
        g_pControlDlg->notifyUpdateWindow();
}
