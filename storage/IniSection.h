// One section of an INI file read in a single system call, answering key
// look-ups exactly as GetPrivateProfileIntA / GetPrivateProfileStringA would.
// Paths are the system's own (UTF-16); keys and values are in the ANSI code
// page, as the narrow functions give them.
#pragma once
#include <string>
#include <utility>
#include <vector>

class CIniSection {
public:
    CIniSection(const std::string& section, const std::wstring& path);
    // As GetPrivateProfileIntA(section, key, def, path).
    int GetInt(const char* key, int def) const;
    // As GetPrivateProfileStringA(section, key, def, buffer, bufferSize, path).
    std::string GetString(const char* key, const char* def, size_t bufferSize) const;
    bool Has(const char* key) const;

private:
    std::vector<std::pair<std::string, std::string>> m_lines;  // key, raw value
    // Parallel to m_lines: 0 for a line without "=", which the system
    // treats as a key without a value (the default is returned).
    std::vector<char> m_hasValue;
    // Keys starting with ";" are left out of a section listing but are found
    // by the single-key functions: those few are asked from the system.
    std::string m_section;
    std::wstring m_path;

    int FindLine(const char* key) const;
    std::wstring Value(const char* key, const char* def, size_t bufferSize) const;
};

// Names of the sections present in the file, in file order.
std::vector<std::string> GetIniSectionNames(const std::wstring& path);

// Lets the system drop what it keeps of a file it has read (Wine holds the
// whole file parsed, several times its size, until the process ends): the
// documented flush, which writes nothing for a file only read.
void ReleaseIniFile(const std::wstring& path);
