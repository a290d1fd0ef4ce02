// Writing a list of notes in the data file's layout: the [SYSTEM] header,
// then "MEMLETITEM%d" for each record in list order. The data file, the
// pending list and export files share it.
#pragma once
#include <string>
#include <vector>

#include "model/MemletData.h"
#include "storage/WriteIniFile.h"

// Writes record index as its section when it is marked changed, and clears
// the mark. False when the writer failed.
bool WriteMemletItem(CWriteIniFile& writer, const std::wstring& path, CMemletData& data, int index, int format,
                     int key);

// Opens path, writes the header and every record marked changed, then the
// extra records (counted and numbered after the list's own), and replaces
// the file. False when the file could not be opened or written; then the
// file and every record's mark stay as they were.
bool WriteMemletListFile(CWriteIniFile& writer, const std::wstring& path, std::vector<CMemletData>& list,
                         int format, int key, const std::vector<CMemletData>& extras = {});

// The first half of WriteMemletListFile: the new file whole beside path,
// waiting for writer.replaceFile(). False when it could not be written;
// then every record's mark stays as it was.
bool PrepareMemletListFile(CWriteIniFile& writer, const std::wstring& path, std::vector<CMemletData>& list,
                           const std::vector<CMemletData>& extras, int format, int key);
