#include "storage/MemletListFile.h"

#include <cstdio>

#include "platform/VersionString.h"

bool WriteMemletItem(CWriteIniFile& writer, const std::wstring& path, CMemletData& data, int index, int format,
                     int key) {
    if (data.m_bDirty != 1)
        return true;
    data.m_bDirty = 0;
    char section[32];
    snprintf(section, sizeof section, "MEMLETITEM%d", index);
    CMemletData copy = data;
    return copy.WriteIniSection(writer, format, key, section, path) != 0;
}

bool WriteMemletListFile(CWriteIniFile& writer, const std::wstring& path, std::vector<CMemletData>& list,
                         int format, int key) {
    if (!writer.openFile(path))
        return false;
    // A failed save leaves every note to be written again by the next one.
    std::vector<int> dirty;
    dirty.reserve(list.size());
    for (const CMemletData& data : list)
        dirty.push_back(data.m_bDirty);

    const char* formatText = format == 0 ? "0" : format == 1 ? "1" : "-1";
    bool ok = writer.writeString("SYSTEM", "APPNAME", "Corvana") &&
              writer.writeString("SYSTEM", "MESSAGE", "このファイルのデータは直接編集しないでください") &&
              writer.writeString("SYSTEM", "VERSION", HeaderVersion(GetVersionString())) &&
              writer.writeString("SYSTEM", "SAVEFORMAT", formatText) &&
              writer.writeString("SYSTEM", "MEMLTENUM", std::to_string(list.size()));
    for (size_t i = 0; ok && i < list.size(); i++)
        ok = WriteMemletItem(writer, path, list[i], (int)i, format, key);
    if (ok)
        ok = writer.closeFile() != 0;
    else
        writer.abandonFile();
    if (!ok) {
        for (size_t i = 0; i < list.size() && i < dirty.size(); i++)
            list[i].m_bDirty = dirty[i];
    }
    return ok;
}
