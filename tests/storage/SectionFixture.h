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

inline std::string SectionTestDir();

inline void RemoveSectionTestDir() {
    std::string dir = SectionTestDir();
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA((dir + fd.cFileName).c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

inline std::string SectionTestDir() {
    static std::string dir = [] {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        std::string d = std::string(temp) + "corvana_sections_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(d.c_str(), nullptr);
        atexit(RemoveSectionTestDir);
        return d;
    }();
    return dir;
}

inline std::string SectionTestPath(const char* name) { return SectionTestDir() + name; }

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

inline std::string ReadBytes(const std::string& path) {
    std::string s;
    if (FILE* f = fopen(path.c_str(), "rb")) {
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
