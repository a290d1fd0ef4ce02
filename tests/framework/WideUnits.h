// UTF-16 text shown unit by unit in hex, for readable failures.
#pragma once
#include <cstdio>
#include <string>

inline std::string Units(const std::wstring& w) {
    std::string s;
    char hex[8];
    for (wchar_t c : w) {
        snprintf(hex, sizeof hex, "%04x ", (unsigned)c);
        s += hex;
    }
    return s;
}
