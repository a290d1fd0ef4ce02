// Folders of one test under the temp folder, removed with everything in them.
// Their names hold a katakana whose second byte in CP932 is a backslash, as
// the folders of Japanese users may.
#pragma once
#include <string>
#include <vector>

class CScratchFolder {
public:
    // Path() is the folder itself, or the innermost of the nested folders.
    explicit CScratchFolder(const std::wstring& kind, const std::vector<std::wstring>& nested = {});
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }
    // The names of the files in it, sorted.
    std::vector<std::wstring> Files() const;

private:
    std::wstring m_root;
    std::wstring m_path;
};

// A program folder: a scratch folder with a copy of the Corvana.exe the
// build made.
class CProgramFolder : public CScratchFolder {
public:
    explicit CProgramFolder(const std::wstring& kind = L"program", const std::vector<std::wstring>& nested = {});
    std::wstring Exe() const { return File(L"Corvana.exe"); }
    // The copy is there.
    bool Ready() const { return m_bReady; }

private:
    bool m_bReady = false;
};

// Corvana.exe as the build left it.
std::wstring BuiltCorvanaExe();
