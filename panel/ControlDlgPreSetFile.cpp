// The preset file: per-application condition presets.
#include <cstdio>

#include "framework/Trace.h"
#include "panel/ControlDlg.h"
#include "storage/IniSection.h"
#include "storage/MemletDataStore.h"

void CControlDlg::PreSetReadFile() {
    Trace("CControlDlg::PreSetReadFile()\n");
    int n = CIniSection("SYSTEM", m_strPreSetPath).GetInt("PRESETCOUNT", 0);
    std::vector<int> present = FindIndexedSections(m_strPreSetPath, "PRESETITEM", n);
    if (present.empty())
        return;
    // Missing sections below the last one present give default presets;
    // nothing is made past the last one, whatever the count says.
    size_t next = 0;
    char section[32];
    for (int i = 0; i <= present.back(); i++) {
        CPreSetCondData p;
        if (present[next] == i) {
            next++;
            snprintf(section, sizeof section, "PRESETITEM%d", i);
            CIniSection s(section, m_strPreSetPath);
            p.m_strCondName = s.GetString("CONDNAME", p.m_strCondName.c_str(), 2048);
            p.m_nProcessFlag = s.GetInt("PROCESSFLAG", p.m_nProcessFlag);
            p.m_nTitleFlag = s.GetInt("TITLEFLAG", p.m_nTitleFlag);
            p.m_nExtentFlag = s.GetInt("EXTENTFLAG", p.m_nExtentFlag);
            p.m_strExeName = s.GetString("EXENAME", p.m_strExeName.c_str(), 2048);
            p.m_strExClass = s.GetString("EXCLASS", p.m_strExClass.c_str(), 2048);
            p.m_nExCtlId = s.GetInt("EXCTLID", p.m_nExCtlId);
        }
        m_PreSetList.push_back(p);
    }
}

int CControlDlg::PreSetWriteFile() {
    Trace("CControlDlg::PreSetWriteFile()\n");
    CWriteIniFile w;
    if (!w.openFile(m_strPreSetPath))
        return 0;
    int ok = w.writeString("SYSTEM", "PRESETCOUNT", std::to_string(m_PreSetList.size()));
    char section[32];
    for (size_t i = 0; ok && i < m_PreSetList.size(); i++) {
        const CPreSetCondData& p = m_PreSetList[i];
        snprintf(section, sizeof section, "PRESETITEM%d", (int)i);
        ok = w.writeString(section, "CONDNAME", p.m_strCondName) &&
             w.writeString(section, "PROCESSFLAG", std::to_string(p.m_nProcessFlag)) &&
             w.writeString(section, "TITLEFLAG", std::to_string(p.m_nTitleFlag)) &&
             w.writeString(section, "EXTENTFLAG", std::to_string(p.m_nExtentFlag)) &&
             w.writeString(section, "EXENAME", p.m_strExeName) && w.writeString(section, "EXCLASS", p.m_strExClass) &&
             w.writeString(section, "EXCTLID", std::to_string(p.m_nExCtlId));
    }
    if (!ok) {
        w.abandonFile();
        return 0;
    }
    return w.closeFile();
}
