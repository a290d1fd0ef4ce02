// The note list's records: found again by their note window, by their
// serial after a nested loop or by the row the list shows them in; a new
// one put in front, one taken out.
#include <algorithm>

#include "note/MemletWin.h"
#include "panel/ControlDlg.h"

int CControlDlg::FindCaller(CMemletWin* win) const {
    if (!win)
        return -1;
    HWND hwnd = win->m_hWnd;
    for (size_t i = 0; i < m_MemletList.size(); i++) {
        const CMemletData& d = m_MemletList[i];
        if (d.m_bAttached == 1 && d.m_pMemletWin && d.m_pMemletWin->m_hWnd == hwnd)
            return (int)i;
    }
    return -1;
}

int CControlDlg::FindSerial(uint64_t serial) const {
    if (serial == 0)
        return -1;
    for (size_t i = 0; i < m_MemletList.size(); i++)
        if (m_MemletList[i].m_nSerial == serial)
            return (int)i;
    return -1;
}

void CControlDlg::RemoveAt(int i) {
    m_MemletList.erase(m_MemletList.begin() + i);
    for (size_t j = (size_t)i; j < m_MemletList.size(); j++)
        m_MemletList[j].m_bDirty = 1;
}

CControlDlg::CHold::CHold(CControlDlg& panel, uint64_t serial) : m_panel(panel) {
    m_panel.m_HeldSerials.push_back(serial);
}

CControlDlg::CHold::~CHold() { m_panel.m_HeldSerials.pop_back(); }

bool CControlDlg::IsHeld(uint64_t serial) const {
    return serial != 0 && std::find(m_HeldSerials.begin(), m_HeldSerials.end(), serial) != m_HeldSerials.end();
}

CMemletData* CControlDlg::RowRecord(int row) {
    if (row < 0 || row >= (int)m_MemletList.size())
        return nullptr;
    return &m_MemletList[row];
}

void CControlDlg::InsertAtFront(CMemletData data) {
    data.m_nSerial = CMemletData::NewSerial();
    m_MemletList.insert(m_MemletList.begin(), std::move(data));
    for (size_t i = 1; i < m_MemletList.size(); i++)
        m_MemletList[i].m_bDirty = 1;
    UpdateList();
    SaveOnChange();
}
