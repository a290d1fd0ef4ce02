#include "framework/Text.h"

#include <windows.h>

std::wstring ToWide(std::string_view s, unsigned codePage) {
    if (s.empty())
        return {};
    int n = MultiByteToWideChar(codePage, 0, s.data(), (int)s.size(), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(codePage, 0, s.data(), (int)s.size(), w.data(), n);
    return w;
}

std::string FromWide(std::wstring_view w, unsigned codePage) {
    if (w.empty())
        return {};
    int n = WideCharToMultiByte(codePage, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(codePage, 0, w.data(), (int)w.size(), s.data(), n, nullptr, nullptr);
    return s;
}

size_t ByteLength(std::wstring_view w, unsigned codePage) {
    if (w.empty())
        return 0;
    return (size_t)WideCharToMultiByte(codePage, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
}

std::string MbUpper(std::string_view s) {
    std::string out(s);
    for (size_t i = 0; i < out.size(); i++) {
        unsigned char c = (unsigned char)out[i];
        if (IsLeadByte932(c) && i + 1 < out.size()) {
            wchar_t w = 0;
            if (MultiByteToWideChar(kTextCodePage, MB_ERR_INVALID_CHARS, &out[i], 2, &w, 1) == 1) {
                wchar_t up = w;
                CharUpperBuffW(&up, 1);
                char mb[4];
                BOOL lossy = FALSE;
                if (up != w &&
                    WideCharToMultiByte(kTextCodePage, 0, &up, 1, mb, sizeof mb, nullptr, &lossy) == 2 &&
                    !lossy) {
                    out[i] = mb[0];
                    out[i + 1] = mb[1];
                }
            }
            i++;
        } else if (c >= 'a' && c <= 'z') {
            out[i] = (char)(c - 'a' + 'A');
        }
    }
    return out;
}

size_t MbFind(std::string_view hay, std::string_view needle) {
    if (needle.empty())
        return 0;
    for (size_t i = 0; i + needle.size() <= hay.size();) {
        if (hay.compare(i, needle.size(), needle) == 0)
            return i;
        i += (IsLeadByte932((unsigned char)hay[i]) && i + 1 < hay.size()) ? 2 : 1;
    }
    return std::string_view::npos;
}

size_t MbCutLength(std::string_view s, size_t maxBytes) {
    if (s.size() <= maxBytes)
        return s.size();
    size_t i = 0;
    while (i < maxBytes) {
        size_t step = (IsLeadByte932((unsigned char)s[i]) && i + 1 < s.size()) ? 2 : 1;
        if (i + step > maxBytes)
            break;
        i += step;
    }
    return i;
}

std::string OneLine(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); i++) {
        char c = s[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                i++;
            out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}
