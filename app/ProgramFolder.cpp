#include "app/ProgramFolder.h"

#include <windows.h>

#include <vector>

#include "framework/Text.h"

// The longest name of the program's own files in its folder: where the
// system can name it, it can name them all.
static const wchar_t kLongestFileName[] = L"BriscoPendingList.ini.tmp";

std::wstring ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), (DWORD)path.size());
        if (n == 0)
            return {};
        if (n < path.size()) {
            std::wstring p(path.data(), n);
            size_t slash = p.find_last_of(L'\\');
            return slash == std::wstring::npos ? std::wstring() : p.substr(0, slash);
        }
        path.resize(path.size() * 2);
    }
}

bool EnterProgramFolder(const std::wstring& folder) {
    if (folder.empty())
        return false;
    // "E:" alone would be the drive's current folder, not its root.
    std::wstring dir = folder.back() == L':' ? folder + L'\\' : folder;
    std::wstring longest = dir + (dir.back() == L'\\' ? L"" : L"\\") + kLongestFileName;
    // The INI functions name no file by MAX_PATH characters or more (they
    // read it as empty, with no error): it would be written and never read.
    if (longest.size() >= MAX_PATH)
        return false;
    if (!SetCurrentDirectoryW(dir.c_str()))
        return false;
    if (GetFileAttributesW(longest.c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    return GetLastError() == ERROR_FILE_NOT_FOUND;
}

std::wstring UnservedFolderMessage(const std::wstring& folder) {
    return ToWide("次のフォルダーでは付箋のファイルを読み書きできないため、Corvanaを終了します。\r\n\r\n") + folder +
           ToWide("\r\n\r\nフォルダーのパスが長すぎる可能性があります。パスの短いフォルダーにCorvanaを移してから"
                  "起動してください。");
}
