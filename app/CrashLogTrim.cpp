#include "app/CrashLogTrim.h"

#include <windows.h>

#include "app/CrashTrace.h"

void TrimCrashLog(const std::wstring& folder) {
    const std::wstring path = (folder.empty() ? std::wstring(L".") : folder) + L"\\" + kCrashTraceName;
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size{};
    std::string tail;
    if (GetFileSizeEx(f, &size) && (unsigned long long)size.QuadPart > kCrashLogKeep) {
        // One byte more than is kept: whether the kept part begins a line.
        LARGE_INTEGER at;
        at.QuadPart = size.QuadPart - (LONGLONG)kCrashLogKeep - 1;
        tail.resize(kCrashLogKeep + 1);
        DWORD read = 0;
        if (!SetFilePointerEx(f, at, nullptr, FILE_BEGIN) ||
            !ReadFile(f, tail.data(), (DWORD)tail.size(), &read, nullptr) || read != tail.size())
            tail.clear();
    }
    CloseHandle(f);
    if (tail.empty())
        return;
    size_t lineEnd = tail.find('\n');
    tail.erase(0, lineEnd == std::string::npos ? tail.size() : lineEnd + 1);

    const std::wstring temp = path + L".tmp";
    HANDLE t = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (t == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    bool ok = WriteFile(t, tail.data(), (DWORD)tail.size(), &written, nullptr) && written == tail.size() &&
              FlushFileBuffers(t);
    CloseHandle(t);
    if (!ok || !MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileW(temp.c_str());
}
