#include "e2e/ProgramFolder.h"

#include <windows.h>

#include <algorithm>

namespace {

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE f = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring p = dir + L"\\" + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(p);
            else
                DeleteFileW(p.c_str());
        } while (FindNextFileW(f, &fd));
        FindClose(f);
    }
    RemoveDirectoryW(dir.c_str());
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, (DWORD)(sizeof path / sizeof path[0]));
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\'));
}

}  // namespace

std::wstring BuiltCorvanaExe() {
    // Where the build puts the program, relative to where it puts the tests.
    std::wstring rel = CORVANA_EXE_FROM_TESTS;
    std::replace(rel.begin(), rel.end(), L'/', L'\\');
    return OwnFolder() + L"\\" + rel;
}

CScratchFolder::CScratchFolder(const std::wstring& kind, const std::vector<std::wstring>& nested) {
    static int counter;
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    m_root = std::wstring(tmp) + L"corvana-e2e-ソフト-" + kind + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(++counter);
    RemoveTree(m_root);
    CreateDirectoryW(m_root.c_str(), nullptr);
    m_path = m_root;
    for (const std::wstring& name : nested) {
        m_path += L"\\" + name;
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
}

CScratchFolder::~CScratchFolder() { RemoveTree(m_root); }

std::vector<std::wstring> CScratchFolder::Files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE f = FindFirstFileW((m_path + L"\\*").c_str(), &fd);
    if (f == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(fd.cFileName);
    } while (FindNextFileW(f, &fd));
    FindClose(f);
    std::sort(names.begin(), names.end());
    return names;
}

CProgramFolder::CProgramFolder(const std::wstring& kind, const std::vector<std::wstring>& nested)
    : CScratchFolder(kind, nested) {
    m_bReady = CopyFileW(BuiltCorvanaExe().c_str(), Exe().c_str(), FALSE) != 0;
}
