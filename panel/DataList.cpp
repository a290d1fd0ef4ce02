// The note list as the export cache takes it: every open note's state in
// its record first.
#include "panel/ControlDlg.h"

std::vector<CMemletData>* CControlDlg::GetDataList() {
    for (CMemletData& data : m_MemletList)
        data.SyncWindowData();
    return &m_MemletList;
}
