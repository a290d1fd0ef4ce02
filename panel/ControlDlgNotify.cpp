// The notes' requests that change the note list: a note window cannot
// change the list itself, so it asks the panel through the hub.
#include <algorithm>
#include <ctime>

#include "note/MemletWin.h"
#include "panel/ControlDlg.h"
#include "panel/Hub.h"

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

void CControlDlg::notifyUpdateWindow() {
    if (m_bSavingAll)
        return;
    UpdateList();
    SaveOnChange();
}

void CControlDlg::notifyDeleteWindow(CMemletWin* win) {
    int i = FindCaller(win);
    if (i < 0)
        return;
    // Peeled off: the window's state is not taken back. The record goes
    // first, so that nothing the closing window sets off finds it.
    CMemletWin* note = m_MemletList[i].m_pMemletWin;
    RemoveAt(i);
    note->DestroyWindow();  // the window deletes itself
    UpdateList();
    SaveOnChange();
}

void CControlDlg::notifyCopyWindow(CMemletWin* win) {
    int i = FindCaller(win);
    if (i < 0)
        return;
    CMemletData copy = m_MemletList[i];
    copy.CopyWindow();  // the next tick opens it, 5 px right and down
    InsertAtFront(std::move(copy));
}

void CControlDlg::notifyCopyToExportStack(CMemletWin* win) {
    int i = FindCaller(win);
    if (i < 0)
        return;
    CMemletData copy = m_MemletList[i];
    copy.CopyWindowForExport();
    AddExportStack(std::move(copy));
}

void CControlDlg::notifyMovePendingList(CMemletWin* win) {
    int i = FindCaller(win);
    if (i >= 0)
        MoveToPendingList(i);
}

void CControlDlg::MoveToPendingList(int i) {
    uint64_t serial = m_MemletList[i].m_nSerial;
    CHold hold(*this, serial);
    m_MemletList[i].EndMemlet();
    // A failed save in there asks the user while the list goes on changing.
    i = FindSerial(serial);
    if (i < 0)
        return;
    CMemletData parked = m_MemletList[i];
    RemoveAt(i);
    UpdateList();
    ShowItem(-1);
    SaveOnChange();
    AddPendingList(std::move(parked));
}

void CControlDlg::notifySplit(CMemletWin* win, std::string first, std::string second) {
    int i = FindCaller(win);
    if (i < 0)
        return;
    CMemletData copy = m_MemletList[i];
    copy.CopyWindow();
    m_MemletList[i].SetText(first);  // into the open window
    copy.SetText(second);
    InsertAtFront(std::move(copy));
}

void CControlDlg::InsertMemlet(CMemletData data) {
    int kind = data.m_reserve.m_nKind;
    if (kind >= 1 && kind <= 3)
        data.m_reserve.CheckTime(_time64(nullptr));
    InsertAtFront(std::move(data));
}
