// The program's INI files as a test reads and prepares them: raw CP932
// bytes, parsed here, so that nothing depends on the system's code page or
// on the profile functions' cache.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

std::string ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

class CIniText {
public:
    explicit CIniText(const std::string& bytes);
    static CIniText Load(const std::wstring& path) { return CIniText(ReadFileBytes(path)); }
    bool Has(const std::string& section, const std::string& key) const;
    std::string Get(const std::string& section, const std::string& key) const;
    // MEMLTENUM of the data file, -1 without one.
    int NoteCount() const;
    // The section of note i.
    std::string Note(int i, const std::string& key) const;
    // The text of note i, decoded from its hexadecimal digits.
    std::string NoteText(int i) const;
    // Every key of a section with its value; empty without the section.
    std::map<std::string, std::string> Section(const std::string& section) const;

private:
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};

// A note's text as the files keep it: two lower-case hexadecimal digits a byte.
std::string HexOf(const std::string& bytes);

// A data file of desktop notes with these texts, as the program writes one.
std::string DesktopNotesFile(const std::vector<std::string>& texts);

// A file held open by this program, sharing nothing, as an editor may hold
// the data file.
class CLockedFile {
public:
    explicit CLockedFile(const std::wstring& path)
        : m_h(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~CLockedFile() { Unlock(); }
    CLockedFile(const CLockedFile&) = delete;
    CLockedFile& operator=(const CLockedFile&) = delete;
    bool Locked() const { return m_h != INVALID_HANDLE_VALUE; }
    void Unlock() {
        if (Locked())
            CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_h;
};
