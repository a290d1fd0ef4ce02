// Writes an INI file whole, in one sequential pass.
#pragma once
#include <windows.h>

#include <string>

class CWriteIniFile {
public:
    CWriteIniFile() = default;
    virtual ~CWriteIniFile();
    // One writer owns one open file.
    CWriteIniFile(const CWriteIniFile&) = delete;
    CWriteIniFile& operator=(const CWriteIniFile&) = delete;
    int openFile(const std::string& path);
    int writeString(const std::string& section, const std::string& key, const std::string& value);
    int closeFile();
    // Drops what was written since openFile; the target stays as it was.
    void abandonFile();

private:
    int flushPending();
    int replaceInPlace();
    void reset();

    std::string m_strLastSection;
    std::string m_strPath;      // the file being replaced
    std::string m_strTempPath;  // the new content goes here first
    std::string m_content;      // everything written since openFile
    size_t m_nFlushed = 0;      // bytes of m_content already in the temporary file
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    bool m_bFailed = false;
};
