#include "panel/Hub.h"

std::vector<CWinInf> GetWindowList() {
    if (!g_pControlDlg)
        return {};
    return CopyWindowList();
}
