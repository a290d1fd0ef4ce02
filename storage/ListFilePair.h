// The data file and the pending list written in one save. A note moving
// between the two lists must be in one of the two files whatever moment the
// save is cut off at: both new files are written whole first, then the file
// of the list that gained notes since its last save is put in place, and the
// other list's file lets go of them only once that one holds them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/MemletData.h"
#include "storage/WriteIniFile.h"

// A list of notes with its file, as a save sees them.
struct CListFile {
    CWriteIniFile* writer = nullptr;
    std::wstring path;
    std::vector<CMemletData>* list = nullptr;  // null: there is no such list
    // The serials of the list's records that its file holds, as of the
    // last save that put the whole list in it (or the load it came from).
    // Every record that enters a list gets a new serial, so a record whose
    // serial is not here is one the list gained since.
    std::vector<uint64_t>* held = nullptr;
    int format = 0;
    int key = 0;
};

// The serials of list's records, for CListFile::held.
std::vector<uint64_t> SerialsOf(const std::vector<CMemletData>& list);

// The records of the list that its file does not hold yet.
std::vector<CMemletData> GainedRecords(const CListFile& file);

// Which of the two files now hold their whole list.
struct CListFilesSaved {
    bool data = false;
    bool pending = false;
};

// Writes both files with every record. When one file cannot be written,
// the other keeps the records the failed one gained, after its own: no note
// is left in neither, and it comes back where it was before it moved. A
// pending list that is not there counts as written.
CListFilesSaved SaveListFiles(const CListFile& data, const CListFile& pending);
