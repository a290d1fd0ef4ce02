// Saving the data file: on every change when the settings ask for it, and
// everything at once, with the pending list, when the program ends.
#include "framework/MessageBox.h"
#include "framework/Trace.h"
#include "panel/ControlDlg.h"
#include "panel/Hub.h"
#include "storage/ListFilePair.h"
#include "storage/MemletListFile.h"

static const char kDataFileUnwritable[] =
    "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";

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
    // Parked notes count as much as the others, and a note on its way
    // between the two lists is in one file or the other at every moment.
    CListFilesSaved saved = SaveListFiles(DataListFile(), PendingListFile());
    // Each file's own box, the data file's first; after both are written,
    // since a box lets the user change the lists meanwhile.
    if (!saved.data)
        AppMessageBox(kDataFileUnwritable, MB_OK);
    if (!saved.pending)
        TellPendingListUnsaved();
    return saved.data && saved.pending ? 1 : 0;
}

void CControlDlg::SaveOnChange() {
    if (m_nSaveTiming == 1)
        writeIniFile();
}

int CControlDlg::writeIniFile() {
    for (CMemletData& data : m_MemletList)
        data.m_bDirty = 1;
    int ok = __writeIniFile();
    if (ok)
        m_DataFileSerials = SerialsOf(m_MemletList);
    return ok;
}

int CControlDlg::__writeIniFile() {
    Trace("CControlDlg::__writeIniFile()\n");
    // Notes parked since the pending list's file was written came from here:
    // this file keeps them until that one holds them.
    if (!WriteMemletListFile(m_WriteIniFile, m_strDataPath, m_MemletList, m_nSaveFormat, m_nVolumeSerial,
                             GainedRecords(PendingListFile()))) {
        AppMessageBox(kDataFileUnwritable, MB_OK);
        return 0;
    }
    return 1;
}

CListFile CControlDlg::DataListFile() {
    return {&m_WriteIniFile, m_strDataPath, &m_MemletList, &m_DataFileSerials, m_nSaveFormat, m_nVolumeSerial};
}

int CControlDlg::writeIniItem(int index) {
    if (index < 0 || index >= (int)m_MemletList.size())
        return 0;
    return WriteMemletItem(m_WriteIniFile, m_strDataPath, m_MemletList[index], index, m_nSaveFormat, m_nVolumeSerial)
               ? 1
               : 0;
}
