// A file of notes that the loader could not read whole: its header counts
// fewer notes than it holds. The next save rewrites it with what was read,
// so it is copied first, byte for byte, under a name of its own.
#pragma once
#include <windows.h>

#include <string>

struct CUnreadFile {
    std::string m_strPath;
    std::string m_strCopyPath;  // empty when no copy could be made
};

// "<name>_読込不完全_YYYYMMDD_HHMMSS<ext>" beside path, with "_<attempt>"
// after the time from the second attempt on.
std::string UnreadCopyPath(const std::string& path, const SYSTEMTIME& when, int attempt);

// Copies path beside itself under the first of those names that is free;
// an existing file is never replaced. The copy's path, or empty.
std::string KeepUnreadCopy(const std::string& path, const SYSTEMTIME& when);
