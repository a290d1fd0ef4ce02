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
    void KeepCopyOfUnread(const std::wstring& path, unsigned damage, int notesRead);
};

// The current directory followed by "\<name>", without doubling the
// separator of a root folder ("C:\"): the program's files, once start-up
// has made its folder the current directory.
std::wstring PathInCurrentDirectory(const wchar_t* name);

// The one store; null when there is none.
extern CMemletDataStore* g_pMemletDataStore;

// Indexes from kMaxIndexedSections on are never taken: a section name alone
// must not make a file of a few bytes fill memory with default records.
constexpr int kMaxIndexedSections = 100000;

// The note sections ("MEMLETITEM%d") of a file, told by its section names
// and the count in its header: the indexes present below the cap, each once
// and in increasing order, and what keeps the file from being read whole
// (the kDamage flags these show). Of a file read whole the indexes are
// those its count reads.
struct CNoteSections {
    std::vector<int> m_Indexes;
    unsigned m_nDamage = 0;
};
CNoteSections SurveyNoteSections(const std::vector<std::string>& sectionNames, int count);

// Reads those sections, with the text key given, into list (emptied
// first): one note for each. kDamageCutText when a text was cut short,
// else 0.
unsigned ReadNoteSections(const std::wstring& path, const std::vector<int>& indexes, int key,
                          std::vector<CMemletData>& list);

// Reads the notes of a file in the data file's layout into list (emptied
// first), with its drive's key: every note section it holds, as above.
// What kept it from being read whole, 0 when nothing did.
unsigned LoadMemletFile(const std::wstring& path, std::vector<CMemletData>& list);

// Indexes i below count, in increasing order, for which the section
// "<prefix>i" is in the file at path. A count read from a file may be far
// larger than what the file holds; callers stop after the last index found.
std::vector<int> FindIndexedSections(const std::wstring& path, const char* prefix, int count);
std::vector<int> FindIndexedSections(const std::vector<std::string>& sectionNames, const char* prefix, int count);
