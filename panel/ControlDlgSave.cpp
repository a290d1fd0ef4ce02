// Saving the data file: on every change when the settings ask for it, and
// everything at once when the program ends.
#include "framework/MessageBox.h"
#include "framework/Trace.h"
#include "panel/ControlDlg.h"
#include "panel/Hub.h"
#include "storage/MemletListFile.h"

int CControlDlg::SaveAll() {
    if (m_bInit != 1)
        return 1;  // nothing taken over, nothing to write
    // Each note's state into its record; the next tick opens them again.
    // The list is refilled once for all of them, and the save below writes
    // what a save on each change would have written.
    m_bSavingAll = true;
    for (size_t i = 0; i < m_MemletList.size(); i++)
        m_MemletList[i].OnLost();
    m_bSavingAll = false;
    UpdateList();
    int ok = writeIniFile();
    // Parked notes count as much as the others.
    int pendingOk = SavePendingList();
    return ok && pendingOk ? 1 : 0;
}

void CControlDlg::SaveOnChange() {
    if (m_nSaveTiming == 1)
        writeIniFile();
}

int CControlDlg::writeIniFile() {
    for (CMemletData& data : m_MemletList)
        data.m_bDirty = 1;
    return __writeIniFile();
}

int CControlDlg::__writeIniFile() {
    Trace("CControlDlg::__writeIniFile()\n");
    if (!WriteMemletListFile(m_WriteIniFile, m_strDataPath, m_MemletList, m_nSaveFormat, m_nVolumeSerial)) {
        AppMessageBox("設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。", MB_OK);
        return 0;
    }
    return 1;
}

int CControlDlg::writeIniItem(int index) {
    if (index < 0 || index >= (int)m_MemletList.size())
        return 0;
    return WriteMemletItem(m_WriteIniFile, m_strDataPath, m_MemletList[index], index, m_nSaveFormat, m_nVolumeSerial)
               ? 1
               : 0;
}
