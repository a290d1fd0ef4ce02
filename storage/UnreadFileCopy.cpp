#include "storage/UnreadFileCopy.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/Text.h"
#include "framework/Trace.h"

namespace {

// Copies made within one second share the time: enough names for many
// starts in a row, and a bound on the tries when the folder is odd.
constexpr int kMaxAttempts = 100;

// Offset of the file name in path: after its last separator.
size_t NameStart(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? 0 : slash + 1;
}

// Offset of the extension in path, or its end.
size_t ExtensionStart(const std::wstring& path) {
    size_t dot = path.rfind(L'.');
    return dot == std::wstring::npos || dot < NameStart(path) ? path.size() : dot;
}

const std::wstring& Marker() {
    static const std::wstring marker = ToWide("_読込不完全_");
    return marker;
}

bool AllDigits(const std::wstring& s) {
    if (s.empty())
        return false;
    for (wchar_t c : s)
        if (c < L'0' || c > L'9')
            return false;
    return true;
}

// The time ("YYYYMMDD_HHMMSS") and attempt of a copy's name made by
// UnreadCopyPath for a file of this stem and extension; false for any
// other name.
bool CopyOrder(const std::wstring& name, const std::wstring& stem, const std::wstring& ext, std::wstring* stamp,
               int* attempt) {
    const std::wstring head = stem + Marker();
    if (name.size() < head.size() + 15 + ext.size() || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0)
        return false;
    std::wstring rest = name.substr(head.size(), name.size() - head.size() - ext.size());
    if (!AllDigits(rest.substr(0, 8)) || rest[8] != L'_' || !AllDigits(rest.substr(9, 6)))
        return false;
    *stamp = rest.substr(0, 15);
    *attempt = 1;
    if (rest.size() == 15)
        return true;
    std::wstring n = rest.substr(15);
    if (n.size() < 2 || n.size() > 4 || n[0] != L'_' || !AllDigits(n.substr(1)))
        return false;
    *attempt = _wtoi(n.c_str() + 1);
    return true;
}

HANDLE OpenToRead(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

// Both files can be read to their ends and hold the same bytes.
bool SameBytes(const std::wstring& a, const std::wstring& b) {
    HANDLE ha = OpenToRead(a);
    HANDLE hb = ha == INVALID_HANDLE_VALUE ? INVALID_HANDLE_VALUE : OpenToRead(b);
    bool same = false;
    LARGE_INTEGER sa{}, sb{};
    if (hb != INVALID_HANDLE_VALUE && GetFileSizeEx(ha, &sa) && GetFileSizeEx(hb, &sb) &&
        sa.QuadPart == sb.QuadPart) {
        std::vector<char> ba(1 << 16), bb(1 << 16);
        LONGLONG left = sa.QuadPart;
        same = true;
        while (same && left > 0) {
            DWORD want = (DWORD)(left < (LONGLONG)ba.size() ? left : (LONGLONG)ba.size());
            DWORD ga = 0, gb = 0;
            same = ReadFile(ha, ba.data(), want, &ga, nullptr) && ReadFile(hb, bb.data(), want, &gb, nullptr) &&
                   ga == want && gb == want && memcmp(ba.data(), bb.data(), want) == 0;
            left -= want;
        }
    }
    if (hb != INVALID_HANDLE_VALUE)
        CloseHandle(hb);
    if (ha != INVALID_HANDLE_VALUE)
        CloseHandle(ha);
    return same;
}

}  // namespace

std::wstring UnreadCopyPath(const std::wstring& path, const SYSTEMTIME& when, int attempt) {
    size_t dot = ExtensionStart(path);
    char stamp[32];
    snprintf(stamp, sizeof stamp, "%04u%02u%02u_%02u%02u%02u", when.wYear, when.wMonth, when.wDay, when.wHour,
             when.wMinute, when.wSecond);
    std::wstring copy = path.substr(0, dot) + Marker() + ToWide(stamp);
    if (attempt > 1)
        copy.append(L"_").append(std::to_wstring(attempt));
    return copy + path.substr(dot);
}

std::wstring NewestUnreadCopy(const std::wstring& path) {
    const size_t name = NameStart(path), dot = ExtensionStart(path);
    const std::wstring dir = path.substr(0, name), stem = path.substr(name, dot - name), ext = path.substr(dot);
    std::wstring newest, newestStamp;
    int newestAttempt = 0;
    WIN32_FIND_DATAW fd;
    HANDLE f = FindFirstFileW((dir + stem + Marker() + L"*").c_str(), &fd);
    if (f == INVALID_HANDLE_VALUE)
        return newest;
    do {
        std::wstring stamp;
        int attempt = 0;
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !CopyOrder(fd.cFileName, stem, ext, &stamp, &attempt))
            continue;
        if (newest.empty() || stamp > newestStamp || (stamp == newestStamp && attempt > newestAttempt)) {
            newest = dir + fd.cFileName;
            newestStamp = stamp;
            newestAttempt = attempt;
        }
    } while (FindNextFileW(f, &fd));
    FindClose(f);
    return newest;
}

std::wstring KeepUnreadCopy(const std::wstring& path, const SYSTEMTIME& when, bool* earlier) {
    if (earlier)
        *earlier = false;
    // A file found as an earlier start found it: its copy is there already.
    std::wstring newest = NewestUnreadCopy(path);
    if (!newest.empty() && SameBytes(path, newest)) {
        if (earlier)
            *earlier = true;
        return newest;
    }
    for (int attempt = 1; attempt <= kMaxAttempts; attempt++) {
        std::wstring copy = UnreadCopyPath(path, when, attempt);
        if (GetFileAttributesW(copy.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        if (CopyFileW(path.c_str(), copy.c_str(), TRUE))
            return copy;
        DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
            continue;
        // A copy that failed part way (a full disk) stays where the system
        // wrote it, under Wine with the original's time: it would pass for a
        // good one.
        if (GetFileAttributesW(copy.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteFileW(copy.c_str()))
            Trace("DeleteFile(%s) Error=%lu\n", FromWide(copy).c_str(), GetLastError());
        Trace("CopyFile(%s) Error=%lu\n", FromWide(copy).c_str(), error);
        return {};
    }
    Trace("KeepUnreadCopy(%s): every name taken\n", FromWide(path).c_str());
    return {};
}
