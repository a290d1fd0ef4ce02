// The note list for those who read it whole, each open note's window state
// first copied into its record.
#include "panel/ControlDlg.h"

std::vector<CMemletData>* CControlDlg::GetDataList() {
    for (CMemletData& data : m_MemletList)
        data.SyncWindowData();
    return &m_MemletList;
}
