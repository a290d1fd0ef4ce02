#include "panel/Hub.h"

#include "panel/ControlDlg.h"

// Checks the pointer too, so that a direct call without a panel is harmless.
std::vector<CWinInf> CopyWindowList() {
    return g_pControlDlg ? g_pControlDlg->CopyWindowList() : std::vector<CWinInf>();
}
