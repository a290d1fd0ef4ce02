#include "panel/Hub.h"

#include "panel/ControlDlg.h"

std::vector<CMemletData>* GetDataList() {
    return g_pControlDlg ? g_pControlDlg->GetDataList() : nullptr;
}
