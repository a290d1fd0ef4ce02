// Fixture files of the section tests: written and read byte for byte in a
// folder of this test process.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

inline std::wstring SectionTestDir();

// A folder inside it whose name the ANSI code page cannot hold.
constexpr const wchar_t* kBeyondCodePageFolder = L"caf\u00e9 \u2615 \uba54\ubaa8\\";

inline void RemoveFilesAndFolder(const std::wstring& dir) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((dir + fd.cFileName).c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
}

inline void RemoveSectionTestDir() {
    RemoveFilesAndFolder(SectionTestDir() + kBeyondCodePageFolder);
    RemoveFilesAndFolder(SectionTestDir());
}

inline std::wstring SectionTestDir() {
    static std::wstring dir = [] {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        std::wstring d = std::wstring(temp) + L"corvana_sections_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(d.c_str(), nullptr);
        atexit(RemoveSectionTestDir);
        return d;
    }();
    return dir;
}

inline std::wstring SectionTestPath(const wchar_t* name) { return SectionTestDir() + name; }

inline std::wstring BeyondCodePageTestPath(const wchar_t* name) {
    std::wstring dir = SectionTestDir() + kBeyondCodePageFolder;
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir + name;
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

inline std::string ReadBytes(const std::wstring& path) {
    std::string s;
    if (FILE* f = _wfopen(path.c_str(), L"rb")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0)
            s.append(buf, n);
        fclose(f);
    }
    return s;
}

// Bytes shown as text with everything else escaped, for readable failures.
inline std::string Escaped(const std::string& s) {
    std::string out;
    char hex[8];
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += (char)c;
        } else {
            snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

// A moment of the local calendar, as the files store dates.
inline int64_t LocalTime(int y, int mo, int d, int h, int mi, int s = 0) {
    struct tm tm {};
    tm.tm_year = y - 1900;
    tm.tm_mon = mo - 1;
    tm.tm_mday = d;
    tm.tm_hour = h;
    tm.tm_min = mi;
    tm.tm_sec = s;
    tm.tm_isdst = -1;
    return _mktime64(&tm);
}
