// The notes' requests that change the note list: a note window cannot
// change the list itself, so it asks the panel through the hub.
#include <ctime>

#include "note/MemletWin.h"
#include "panel/ControlDlg.h"
#include "panel/Hub.h"

void CControlDlg::notifyUpdateWindow() {
    if (m_bSavingAll)
        return;
    if (m_bInTick) {
        m_bListChanged = true;
        return;
    }
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
    WithClosedRecord(i, [this](int i, CMemletData& d) {
        CMemletData parked = d;
        RemoveAt(i);
        UpdateList();
        ShowItem(-1);
        // Into the pending list's file before out of this one.
        AddPendingList(std::move(parked));
        SaveOnChange();
    });
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
