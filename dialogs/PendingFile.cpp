// The pending list's file, in the data file's layout.
#include "dialogs/PendingDlg.h"
#include "framework/MessageBox.h"
#include "panel/Hub.h"
#include "storage/MemletListFile.h"

int CPendingDlg::writeIniFile() {
    for (CMemletData& data : m_PendingList)
        data.m_bDirty = 1;
    int ok = __writeIniFile();
    if (ok)
        m_FileSerials = SerialsOf(m_PendingList);
    return ok;
}

int CPendingDlg::__writeIniFile() {
    // Notes that left for the panel's list since its file was written stay
    // here until that file holds them.
    if (WriteMemletListFile(m_WriteIniFile, m_strPath, m_PendingList, GetSaveFormat(), GetVolumeSerial(),
                            GainedRecords(DataListFile())))
        return 1;
    TellUnsaved();
    return 0;
}

void CPendingDlg::TellUnsaved() {
    // Parked notes live only in this file: a failed write must be known, and
    // told apart from the data file's, which may fail in the same save.
    AppMessageBox("保留リストのファイル(BriscoPendingList.ini)に書き込めません.保留リストの変更は保存されていません。", MB_OK);
}

CListFile CPendingDlg::ListFile() {
    return {&m_WriteIniFile, m_strPath, &m_PendingList, &m_FileSerials, GetSaveFormat(), GetVolumeSerial()};
}

int CPendingDlg::writeIniItem(int index) {
    if (index < 0 || index >= (int)m_PendingList.size())
        return 0;
    return WriteMemletItem(m_WriteIniFile, m_strPath, m_PendingList[index], index, GetSaveFormat(),
                           GetVolumeSerial())
               ? 1
               : 0;
}
