#include "storage/UnreadFileCopy.h"

#include <cstdio>

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

}  // namespace

std::wstring UnreadCopyPath(const std::wstring& path, const SYSTEMTIME& when, int attempt) {
    size_t name = NameStart(path);
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || dot < name)
        dot = path.size();
    char stamp[48];
    snprintf(stamp, sizeof stamp, "_読込不完全_%04u%02u%02u_%02u%02u%02u", when.wYear, when.wMonth, when.wDay,
             when.wHour, when.wMinute, when.wSecond);
    std::wstring copy = path.substr(0, dot) + ToWide(stamp);
    if (attempt > 1)
        copy.append(L"_").append(std::to_wstring(attempt));
    return copy + path.substr(dot);
}

std::wstring KeepUnreadCopy(const std::wstring& path, const SYSTEMTIME& when) {
    for (int attempt = 1; attempt <= kMaxAttempts; attempt++) {
        std::wstring copy = UnreadCopyPath(path, when, attempt);
        if (CopyFileW(path.c_str(), copy.c_str(), TRUE))
            return copy;
        DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            Trace("CopyFile(%s) Error=%lu\n", FromWide(copy).c_str(), error);
            return {};
        }
    }
    Trace("KeepUnreadCopy(%s): every name taken\n", FromWide(path).c_str());
    return {};
}
