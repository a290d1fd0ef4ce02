#include "platform/VersionString.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Text.h"

static char g_szVersion[256];
static int g_bVersionBuilt;

// The whole path: in CP932 a path within the system's limit of characters
// may take more than MAX_PATH bytes.
static std::wstring ModulePath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), (DWORD)path.size());
        if (n == 0)
            return {};
        if (n < path.size())
            return std::wstring(path.data(), n);
        path.resize(path.size() * 2);
    }
}

// The product version under the resource's first translation.
static bool ReadProductVersion(std::string& out) {
    std::wstring path = ModulePath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return false;
    std::vector<char> block(size + 1);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return false;

    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < 2 * sizeof(WORD))
        return false;
    char query[64];
    snprintf(query, sizeof(query), "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1],
             "ProductVersion");
    char* value = nullptr;
    if (!VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&value), &length) || !value)
        return false;
    // length counts characters, the terminator included, when there is one.
    out.assign(value, strnlen(value, length));
    return true;
}

const char* GetVersionString() {
    if (g_bVersionBuilt)
        return g_szVersion;
    g_szVersion[0] = '\0';
    std::string value;
    if (!ReadProductVersion(value))
        return g_szVersion;
    std::string text = MbCut("Ver.:" + value, sizeof(g_szVersion) - 1);
    memcpy(g_szVersion, text.c_str(), text.size() + 1);
    g_bVersionBuilt = 1;
    return g_szVersion;
}

int VersionStringBuilt() { return g_bVersionBuilt; }

std::string HeaderVersion(std::string version) {
    for (char& c : version)
        if (c == ',')
            c = '-';
    for (char& c : version)
        if (c == ';')
            c = '.';
    return version;
}
