// A file of notes that the loader could not read whole: its header counts
// fewer notes than it holds. The next save rewrites it with what was read,
// so it is copied first, byte for byte, under a name of its own.
#pragma once
#include <windows.h>

#include <string>

struct CUnreadFile {
    std::wstring m_strPath;
    std::wstring m_strCopyPath;  // empty when no copy could be made
};

// "<name>_読込不完全_YYYYMMDD_HHMMSS<ext>" beside path, with "_<attempt>"
// after the time from the second attempt on.
std::wstring UnreadCopyPath(const std::wstring& path, const SYSTEMTIME& when, int attempt);

// Copies path beside itself under the first of those names that is free;
// an existing file is never replaced. The copy's path, or empty.
std::wstring KeepUnreadCopy(const std::wstring& path, const SYSTEMTIME& when);
