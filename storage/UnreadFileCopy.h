// A file of notes that the loader could not read as it was written. The
// next save rewrites it with what was read, so it is copied first, byte for
// byte, under a name of its own.
#pragma once
#include <windows.h>

#include <string>

// What kept a file from being read whole; any number of them at once.
enum : unsigned {
    kDamageCount = 1u << 0,      // note sections beyond its count (missing, not a number, too low)
    kDamageGap = 1u << 1,        // sections missing below the last one present
    kDamageCutText = 1u << 2,    // a text of an odd number of digits: cut short
    kDamageTwice = 1u << 3,      // a section name that occurs twice: the system reads the first only
    kDamageBeyondCap = 1u << 4,  // sections from kMaxIndexedSections on, never read
};
// The damage whose unread part a save cannot write back.
constexpr unsigned kDamageLosesData = kDamageCutText | kDamageTwice | kDamageBeyondCap;

struct CUnreadFile {
    std::wstring m_strPath;
    std::wstring m_strCopyPath;  // empty when no copy could be made
    unsigned m_nDamage = 0;
    int m_nNotesRead = 0;
    // The copy is one an earlier start made of the same bytes.
    bool m_bEarlierCopy = false;
};

// "<name>_読込不完全_YYYYMMDD_HHMMSS<ext>" beside path, with "_<attempt>"
// after the time from the second attempt on.
std::wstring UnreadCopyPath(const std::wstring& path, const SYSTEMTIME& when, int attempt);

// The newest copy of path under those names (by the time and attempt in its
// name), or empty.
std::wstring NewestUnreadCopy(const std::wstring& path);

// Copies path beside itself under the first of those names that is free;
// an existing file is never replaced, and a copy that could not be made
// whole is removed. When the newest copy already holds the same bytes, no
// copy is made and that one is given, with *earlier set. The copy's path,
// or empty.
std::wstring KeepUnreadCopy(const std::wstring& path, const SYSTEMTIME& when, bool* earlier = nullptr);
