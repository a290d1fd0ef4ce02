#include "storage/MemletListFile.h"

#include <cstdio>

#include "platform/VersionString.h"

namespace {

std::vector<int> MarksOf(const std::vector<CMemletData>& list) {
    std::vector<int> marks;
    marks.reserve(list.size());
    for (const CMemletData& data : list)
        marks.push_back(data.m_bDirty);
    return marks;
}

// A failed save leaves every note to be written again by the next one.
void PutMarks(std::vector<CMemletData>& list, const std::vector<int>& marks) {
    for (size_t i = 0; i < list.size() && i < marks.size(); i++)
        list[i].m_bDirty = marks[i];
}

}  // namespace

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

bool PrepareMemletListFile(CWriteIniFile& writer, const std::wstring& path, std::vector<CMemletData>& list,
                           const std::vector<CMemletData>& extras, int format, int key) {
    if (!writer.openFile(path))
        return false;
    const std::vector<int> marks = MarksOf(list);
    const char* formatText = format == 0 ? "0" : format == 1 ? "1" : "-1";
    bool ok = writer.writeString("SYSTEM", "APPNAME", "Corvana") &&
              writer.writeString("SYSTEM", "MESSAGE", "このファイルのデータは直接編集しないでください") &&
              writer.writeString("SYSTEM", "VERSION", HeaderVersion(GetVersionString())) &&
              writer.writeString("SYSTEM", "SAVEFORMAT", formatText) &&
              writer.writeString("SYSTEM", "MEMLTENUM", std::to_string(list.size() + extras.size()));
    for (size_t i = 0; ok && i < list.size(); i++)
        ok = WriteMemletItem(writer, path, list[i], (int)i, format, key);
    for (size_t i = 0; ok && i < extras.size(); i++) {
        CMemletData extra = extras[i];
        extra.m_bDirty = 1;
        ok = WriteMemletItem(writer, path, extra, (int)(list.size() + i), format, key);
    }
    if (ok)
        ok = writer.finishFile() != 0;
    else
        writer.abandonFile();
    if (!ok)
        PutMarks(list, marks);
    return ok;
}

bool WriteMemletListFile(CWriteIniFile& writer, const std::wstring& path, std::vector<CMemletData>& list,
                         int format, int key, const std::vector<CMemletData>& extras) {
    const std::vector<int> marks = MarksOf(list);
    if (!PrepareMemletListFile(writer, path, list, extras, format, key))
        return false;
    if (writer.replaceFile())
        return true;
    PutMarks(list, marks);
    return false;
}
