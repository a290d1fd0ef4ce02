#include "storage/WriteIniFile.h"

#include "framework/Text.h"
#include "framework/Trace.h"

// A save never touches the old file until the new one is whole on disk: the
// lines go to "<path>.tmp" beside it, which then replaces the old file in one
// step. A process killed at any moment leaves the old or the new file.

static const size_t kFlushSize = 64 * 1024;

static bool WriteAll(HANDLE h, const char* data, size_t size) {
    while (size > 0) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : (DWORD)size;
        DWORD written = 0;
        if (!WriteFile(h, data, chunk, &written, nullptr) || written != chunk)
            return false;
        data += chunk;
        size -= chunk;
    }
    return true;
}

// Keys and values are written unquoted, so a line break inside one would end
// the line early and turn the rest into lines of its own (keys, sections).
// Each CR and LF becomes a space; neither byte occurs inside a CP932 character.
static void AppendFlat(std::string& out, const std::string& s) {
    size_t start = out.size();
    out += s;
    for (size_t i = start; i < out.size(); i++)
        if (out[i] == '\r' || out[i] == '\n')
            out[i] = ' ';
}

CWriteIniFile::~CWriteIniFile() {
    if (m_hFile != INVALID_HANDLE_VALUE)
        closeFile();
    else if (m_bFinished)
        abandonFile();
}

void CWriteIniFile::reset() {
    m_strLastSection.clear();
    m_strPath.clear();
    m_strTempPath.clear();
    std::string().swap(m_content);
    m_nFlushed = 0;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bFinished = false;
    m_bFailed = false;
}

int CWriteIniFile::openFile(const std::wstring& path) {
    abandonFile();
    // A target that another program holds locked could be neither replaced nor
    // rewritten: say so now, before anything is written.
    HANDLE target = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target != INVALID_HANDLE_VALUE) {
        CloseHandle(target);
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        Trace("CWriteIniFile::openFile(%s) Error!\n", FromWide(path).c_str());
        return 0;
    }
    std::wstring temp = path + L".tmp";
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        Trace("CWriteIniFile::openFile(%s) Error!\n", FromWide(path).c_str());
        return 0;
    }
    m_strPath = path;
    m_strTempPath = temp;
    m_hFile = h;
    m_content.reserve(kFlushSize * 2);
    return 1;
}

int CWriteIniFile::flushPending() {
    if (m_bFailed)
        return 0;
    if (!WriteAll(m_hFile, m_content.data() + m_nFlushed, m_content.size() - m_nFlushed)) {
        Trace("CWriteIniFile: write to %s failed (%lu)\n", FromWide(m_strTempPath).c_str(), GetLastError());
        m_bFailed = true;
        return 0;
    }
    m_nFlushed = m_content.size();
    return 1;
}

int CWriteIniFile::writeString(const std::string& section, const std::string& key, const std::string& value) {
    if (m_hFile == INVALID_HANDLE_VALUE || m_bFailed)
        return 0;
    try {
        if (section != m_strLastSection) {
            m_content += '[';
            AppendFlat(m_content, section);
            m_content += "]\r\n";
            m_strLastSection = section;
        }
        AppendFlat(m_content, key);
        m_content += '=';
        AppendFlat(m_content, value);
        m_content += "\r\n";
    } catch (const std::bad_alloc&) {
        m_bFailed = true;
        return 0;
    }
    if (m_content.size() - m_nFlushed >= kFlushSize)
        return flushPending();
    return 1;
}

// Rewrites the target from the complete content, for when it may not be
// replaced (another program holds it open, sharing writes). Not atomic, so
// the old bytes are put back when the new ones cannot be written.
int CWriteIniFile::replaceInPlace() {
    HANDLE h = CreateFileW(m_strPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    std::string old;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart < 0x40000000;
    if (ok) {
        old.resize((size_t)size.QuadPart);
        DWORD read = 0;
        ok = old.empty() || (ReadFile(h, old.data(), (DWORD)old.size(), &read, nullptr) && read == old.size());
    }
    auto rewrite = [h](const std::string& bytes) {
        LARGE_INTEGER zero{};
        return SetFilePointerEx(h, zero, nullptr, FILE_BEGIN) && WriteAll(h, bytes.data(), bytes.size()) &&
               SetEndOfFile(h) && FlushFileBuffers(h);
    };
    if (ok && !rewrite(m_content)) {
        Trace("CWriteIniFile: rewrite of %s failed (%lu)\n", FromWide(m_strPath).c_str(), GetLastError());
        rewrite(old);
        ok = false;
    }
    CloseHandle(h);
    return ok ? 1 : 0;
}

int CWriteIniFile::closeFile() { return finishFile() && replaceFile() ? 1 : 0; }

int CWriteIniFile::finishFile() {
    if (m_hFile == INVALID_HANDLE_VALUE)
        return 0;
    if (!flushPending() || !FlushFileBuffers(m_hFile)) {
        abandonFile();
        return 0;
    }
    CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bFinished = true;
    return 1;
}

int CWriteIniFile::replaceFile() {
    if (!m_bFinished)
        return 0;
    int ok = 1;
    // A virus scanner or indexer may hold the old file for a moment; the
    // rewrite in place is the last resort, as it is not one step.
    bool moved = false;
    for (int attempt = 0; attempt < 3 && !moved; attempt++) {
        if (attempt > 0)
            Sleep(20);
        moved = MoveFileExW(m_strTempPath.c_str(), m_strPath.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!moved) {
        Trace("CWriteIniFile: replace of %s refused (%lu), rewriting it\n", FromWide(m_strPath).c_str(),
              GetLastError());
        ok = replaceInPlace();
        DeleteFileW(m_strTempPath.c_str());
    }
    reset();
    return ok;
}

void CWriteIniFile::abandonFile() {
    bool temp = m_hFile != INVALID_HANDLE_VALUE || m_bFinished;
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    if (temp)
        DeleteFileW(m_strTempPath.c_str());
    reset();
}
