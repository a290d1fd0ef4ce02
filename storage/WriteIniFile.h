// Writes an INI file whole, in one sequential pass. Its path is the
// system's own (UTF-16); keys and values are bytes, written as they are.
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
    int openFile(const std::wstring& path);
    int writeString(const std::string& section, const std::string& key, const std::string& value);
    // finishFile, then replaceFile.
    int closeFile();
    // The temporary file beside the target whole on disk and closed; the
    // target stays as it was until replaceFile. 0 when it could not be
    // written (the writer is then abandoned).
    int finishFile();
    // Puts the finished temporary file in place of the target.
    int replaceFile();
    // Drops what was written since openFile; the target stays as it was.
    void abandonFile();

private:
    int flushPending();
    int replaceInPlace();
    void reset();

    std::string m_strLastSection;
    std::wstring m_strPath;      // the file being replaced
    std::wstring m_strTempPath;  // the new content goes here first
    std::string m_content;      // everything written since openFile
    size_t m_nFlushed = 0;      // bytes of m_content already in the temporary file
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    bool m_bFinished = false;  // the temporary file is whole, waiting for replaceFile
    bool m_bFailed = false;
};
