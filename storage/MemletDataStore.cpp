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
    if (!LoadMemletFile(m_strDataPath, m_MemletList))
        KeepCopyOfUnread(m_strDataPath);
}

void CMemletDataStore::LoadPendingFile() {
    if (!LoadMemletFile(m_strPendingPath, m_PendingList))
        KeepCopyOfUnread(m_strPendingPath);
}

void CMemletDataStore::KeepCopyOfUnread(const std::wstring& path) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    m_UnreadFiles.push_back({path, KeepUnreadCopy(path, now)});
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

bool IsReadWhole(const std::vector<std::string>& sectionNames, int count) {
    int taken = std::min(count, kMaxIndexedSections);
    for (const std::string& name : sectionNames) {
        int i = SectionIndex(name, "MEMLETITEM");
        if (i >= 0 && i >= taken)
            return false;
    }
    return true;
}

// The sections present, as FindIndexedSections gave them, into list.
static void ReadPresentSections(const std::wstring& path, const std::vector<int>& present, int key,
                                std::vector<CMemletData>& list) {
    list.clear();
    if (present.empty())
        return;
    // Sections missing below the last one present give default notes, as a
    // missing section reads; nothing is made past the last one.
    list.reserve(present.back() + 1);
    const CMemletData blank;
    size_t next = 0;
    char section[32];
    for (int i = 0; i <= present.back(); i++) {
        list.push_back(blank);
        if (present[next] == i) {
            snprintf(section, sizeof section, "MEMLETITEM%d", i);
            list.back().ReadIniSection(key, section, path);
            next++;
        }
    }
}

bool LoadMemletFile(const std::wstring& path, std::vector<CMemletData>& list) {
    int key = (int)GetVolumeSerialNumberOf(path);
    int n = CIniSection("SYSTEM", path).GetInt("MEMLTENUM", 0);
    std::vector<std::string> names = GetIniSectionNames(path);
    ReadPresentSections(path, FindIndexedSections(names, "MEMLETITEM", n), key, list);
    // Read once at start-up: what the system keeps of it is of no more use.
    ReleaseIniFile(path);
    return IsReadWhole(names, n);
}

void ReadMemletSections(const std::wstring& path, int count, int key, std::vector<CMemletData>& list) {
    ReadPresentSections(path, FindIndexedSections(path, "MEMLETITEM", count), key, list);
}
