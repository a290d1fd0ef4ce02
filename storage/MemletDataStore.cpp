#include "storage/MemletDataStore.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "framework/Trace.h"
#include "storage/IniSection.h"
#include "storage/VolumeSerial.h"

CMemletDataStore* g_pMemletDataStore = nullptr;

std::wstring PathInCurrentDirectory(const wchar_t* name) {
    std::wstring dir;
    DWORD need = GetCurrentDirectoryW(0, nullptr);
    if (need > 0) {
        dir.resize(need);
        DWORD got = GetCurrentDirectoryW(need, dir.data());
        dir.resize(got < need ? got : 0);
    }
    if (dir.empty()) {
        Trace("GetCurrentDirectoryW() Error=%lu\n", GetLastError());
        dir.assign(1, L'.');
    }
    if (dir.back() != L'\\')
        dir += L'\\';
    return dir + name;
}

CMemletDataStore::CMemletDataStore()
    : m_strDataPath(PathInCurrentDirectory(L"CorvanaData.ini")),
      m_strPendingPath(PathInCurrentDirectory(L"BriscoPendingList.ini")) {
    LoadDataFile();
    LoadPendingFile();
}

void CMemletDataStore::LoadDataFile() {
    if (unsigned damage = LoadMemletFile(m_strDataPath, m_MemletList))
        KeepCopyOfUnread(m_strDataPath, damage, (int)m_MemletList.size());
}

void CMemletDataStore::LoadPendingFile() {
    if (unsigned damage = LoadMemletFile(m_strPendingPath, m_PendingList))
        KeepCopyOfUnread(m_strPendingPath, damage, (int)m_PendingList.size());
}

void CMemletDataStore::KeepCopyOfUnread(const std::wstring& path, unsigned damage, int notesRead) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    CUnreadFile file;
    file.m_strPath = path;
    file.m_strCopyPath = KeepUnreadCopy(path, now, &file.m_bEarlierCopy);
    file.m_nDamage = damage;
    file.m_nNotesRead = notesRead;
    m_UnreadFiles.push_back(std::move(file));
}

// Index of a section named "<prefix><decimal>", as "%d" prints it, or -1.
static int SectionIndex(const std::string& name, const char* prefix) {
    size_t n = strlen(prefix);
    // Section names are looked up without regard to case.
    if (name.size() <= n || name.size() > n + 10 || _strnicmp(name.c_str(), prefix, n) != 0)
        return -1;
    if (name[n] == '0' && name.size() > n + 1)
        return -1;
    long long v = 0;
    for (size_t i = n; i < name.size(); i++) {
        if (name[i] < '0' || name[i] > '9')
            return -1;
        v = v * 10 + (name[i] - '0');
    }
    return v <= INT_MAX ? (int)v : -1;
}

std::vector<int> FindIndexedSections(const std::wstring& path, const char* prefix, int count) {
    if (count <= 0)
        return {};
    return FindIndexedSections(GetIniSectionNames(path), prefix, count);
}

std::vector<int> FindIndexedSections(const std::vector<std::string>& sectionNames, const char* prefix, int count) {
    std::vector<int> found;
    count = std::min(count, kMaxIndexedSections);
    if (count <= 0)
        return found;
    for (const std::string& name : sectionNames) {
        int i = SectionIndex(name, prefix);
        if (i >= 0 && i < count)
            found.push_back(i);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

CNoteSections SurveyNoteSections(const std::vector<std::string>& sectionNames, int count) {
    CNoteSections found;
    std::vector<int>& present = found.m_Indexes;
    for (const std::string& name : sectionNames) {
        int i = SectionIndex(name, "MEMLETITEM");
        if (i < 0)
            continue;
        if (i >= kMaxIndexedSections)
            found.m_nDamage |= kDamageBeyondCap;
        else
            present.push_back(i);
    }
    std::sort(present.begin(), present.end());
    // The listing names a section as often as the file does; the system
    // reads the first of them only.
    auto twice = std::unique(present.begin(), present.end());
    if (twice != present.end())
        found.m_nDamage |= kDamageTwice;
    present.erase(twice, present.end());
    if (present.empty())
        return found;
    // A count that is missing, not a number, zero or below counts none.
    if (present.back() >= count)
        found.m_nDamage |= kDamageCount;
    if ((size_t)present.back() + 1 > present.size())
        found.m_nDamage |= kDamageGap;
    return found;
}

unsigned ReadNoteSections(const std::wstring& path, const std::vector<int>& indexes, int key,
                          std::vector<CMemletData>& list) {
    list.clear();
    list.reserve(indexes.size());
    unsigned damage = 0;
    // One record of defaults, copied: making each afresh asks the screen.
    const CMemletData blank;
    char section[32];
    for (int i : indexes) {
        snprintf(section, sizeof section, "MEMLETITEM%d", i);
        list.push_back(blank);
        if (!list.back().ReadIniSection(key, section, path))
            damage |= kDamageCutText;
    }
    return damage;
}

unsigned LoadMemletFile(const std::wstring& path, std::vector<CMemletData>& list) {
    int key = (int)GetVolumeSerialNumberOf(path);
    int n = CIniSection("SYSTEM", path).GetInt("MEMLTENUM", 0);
    CNoteSections sections = SurveyNoteSections(GetIniSectionNames(path), n);
    unsigned damage = sections.m_nDamage | ReadNoteSections(path, sections.m_Indexes, key, list);
    // Read once at start-up: what the system keeps of it is of no more use.
    ReleaseIniFile(path);
    return damage;
}
