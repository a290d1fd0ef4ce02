#include "storage/UnreadFileCopy.h"

#include <cstdio>

#include "framework/Text.h"
#include "framework/Trace.h"

namespace {

// Copies made within one second share the time: enough names for many
// starts in a row, and a bound on the tries when the folder is odd.
constexpr int kMaxAttempts = 100;

// Offset of the file name in path: after the last separator that is not
// the trail byte of a double-byte character.
size_t NameStart(const std::string& path) {
    size_t start = 0;
    for (size_t i = 0; i < path.size(); i++) {
        unsigned char c = (unsigned char)path[i];
        if (IsLeadByte932(c) && i + 1 < path.size())
            i++;
        else if (c == '\\' || c == '/' || c == ':')
            start = i + 1;
    }
    return start;
}

}  // namespace

std::string UnreadCopyPath(const std::string& path, const SYSTEMTIME& when, int attempt) {
    // No trail byte is a '.', so the last one in the name starts its extension.
    size_t name = NameStart(path);
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < name)
        dot = path.size();
    char stamp[48];
    snprintf(stamp, sizeof stamp, "_読込不完全_%04u%02u%02u_%02u%02u%02u", when.wYear, when.wMonth, when.wDay,
             when.wHour, when.wMinute, when.wSecond);
    std::string copy = path.substr(0, dot) + stamp;
    if (attempt > 1)
        copy.append("_").append(std::to_string(attempt));
    return copy + path.substr(dot);
}

std::string KeepUnreadCopy(const std::string& path, const SYSTEMTIME& when) {
    std::wstring from = ToWide(path);
    for (int attempt = 1; attempt <= kMaxAttempts; attempt++) {
        std::string copy = UnreadCopyPath(path, when, attempt);
        if (CopyFileW(from.c_str(), ToWide(copy).c_str(), TRUE))
            return copy;
        DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            Trace("CopyFile(%s) Error=%lu\n", copy.c_str(), error);
            return {};
        }
    }
    Trace("KeepUnreadCopy(%s): every name taken\n", path.c_str());
    return {};
}
