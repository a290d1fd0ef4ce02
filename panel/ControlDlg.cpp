#include "panel/ControlDlg.h"

#include <cstdio>

#include "app/VersionString.h"
#include "framework/MessageBox.h"
#include "framework/Trace.h"
#include "panel/Hub.h"
#include "storage/MemletDataStore.h"

CControlDlg::CControlDlg() {
    m_nMinWidth = 50;
    m_nMinHeight = 20;
    m_nMaxWidth = 600;
    m_nMaxHeight = 400;
    g_pPropatyData = this;
    SetControlDlg(this);
}

CControlDlg::~CControlDlg() {
    if (g_pPropatyData == this)
        g_pPropatyData = nullptr;
    if (g_pControlDlg == this)
        SetControlDlg(nullptr);
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
    static const char* const kOpenError =
        "設定ファイルをOPENできません.エディタ等で設定ファイルを開いていいる可能性性があります。";
    if (!m_WriteIniFile.openFile(m_strDataPath)) {
        AppMessageBox(kOpenError, MB_OK);
        return 0;
    }
    // A failed save leaves every note to be written again by the next one.
    std::vector<int> dirty;
    dirty.reserve(m_MemletList.size());
    for (const CMemletData& data : m_MemletList)
        dirty.push_back(data.m_bDirty);

    const char* format = m_nSaveFormat == 0 ? "0" : m_nSaveFormat == 1 ? "1" : "-1";
    int ok = m_WriteIniFile.writeString("SYSTEM", "APPNAME", "Corvana") &&
             m_WriteIniFile.writeString("SYSTEM", "MESSAGE", "このファイルのデータは直接編集しないでください") &&
             m_WriteIniFile.writeString("SYSTEM", "VERSION", HeaderVersion(GetVersionString())) &&
             m_WriteIniFile.writeString("SYSTEM", "SAVEFORMAT", format) &&
             m_WriteIniFile.writeString("SYSTEM", "MEMLTENUM", std::to_string(m_MemletList.size()));
    for (size_t i = 0; ok && i < m_MemletList.size(); i++)
        ok = writeIniItem((int)i);
    if (ok)
        ok = m_WriteIniFile.closeFile();
    else
        m_WriteIniFile.abandonFile();
    if (!ok) {
        for (size_t i = 0; i < m_MemletList.size() && i < dirty.size(); i++)
            m_MemletList[i].m_bDirty = dirty[i];
        AppMessageBox(kOpenError, MB_OK);
        return 0;
    }
    return 1;
}

int CControlDlg::writeIniItem(int index) {
    if (index < 0 || index >= (int)m_MemletList.size())
        return 0;
    CMemletData& data = m_MemletList[index];
    if (data.m_bDirty != 1)
        return 1;
    data.m_bDirty = 0;
    char section[32];
    snprintf(section, sizeof section, "MEMLETITEM%d", index);
    CMemletData copy = data;
    return copy.WriteIniSection(m_WriteIniFile, m_nSaveFormat, m_nVolumeSerial, section, m_strDataPath) ? 1 : 0;
}

void CControlDlg::TakeLoadedData() {
    if (!g_pMemletDataStore)
        return;
    m_MemletList = std::move(g_pMemletDataStore->m_MemletList);
    g_pMemletDataStore->m_MemletList.clear();
}

std::vector<CWinInf> CControlDlg::CopyWindowList() { return m_WinInfList; }
