// The notes and the pending notes read at start-up, until the panel and the
// pending list take them.
#pragma once
#include <string>
#include <vector>

#include "model/MemletData.h"
#include "storage/UnreadFileCopy.h"

class CMemletDataStore {
public:
    // Both paths from the current directory; loads both files.
    CMemletDataStore();
    void LoadDataFile();
    void LoadPendingFile();

    std::vector<CMemletData> m_MemletList;
    std::vector<CMemletData> m_PendingList;
    std::wstring m_strDataPath;
    std::wstring m_strPendingPath;
    // The files that were not read whole, each copied as found before
    // anything could write over it; told to the user once.
    std::vector<CUnreadFile> m_UnreadFiles;

private:
    void KeepCopyOfUnread(const std::wstring& path);
};

// The current directory followed by "\<name>", without doubling the
// separator of a root folder ("C:\"): the program's files, once start-up
// has made its folder the current directory.
std::wstring PathInCurrentDirectory(const wchar_t* name);

// The one store; null when there is none.
extern CMemletDataStore* g_pMemletDataStore;

// Reads the notes of a file in the data file's layout into list (emptied
// first). False when it holds note sections that were not read (IsReadWhole).
bool LoadMemletFile(const std::wstring& path, std::vector<CMemletData>& list);
// The sections "MEMLETITEM0" up to count - 1 of that file, read with the
// text key given, into list (emptied first); see FindIndexedSections.
void ReadMemletSections(const std::wstring& path, int count, int key, std::vector<CMemletData>& list);

// Indexes i below count, in increasing order, for which the section
// "<prefix>i" is in the file at path. A count read from a file may be far
// larger than what the file holds; callers stop after the last index found.
// Indexes from kMaxIndexedSections on are never taken: a section name alone
// must not make a file of a few bytes fill memory with default records.
constexpr int kMaxIndexedSections = 100000;
std::vector<int> FindIndexedSections(const std::wstring& path, const char* prefix, int count);
std::vector<int> FindIndexedSections(const std::vector<std::string>& sectionNames, const char* prefix, int count);

// True when every note section ("MEMLETITEM%d") among a file's section names
// is one that the count read from its header lets the loader take. A count
// that is missing, not a number, zero or below leaves every note section
// unread; a count above the sections present reads them all.
bool IsReadWhole(const std::vector<std::string>& sectionNames, int count);
