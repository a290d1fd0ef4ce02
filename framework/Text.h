// Text at the boundary: the program keeps CP932 byte strings; Windows is
// called with UTF-16, converted here with code page 932 whatever the system
// locale is. The helpers below never split a double-byte character.
#pragma once
#include <string>
#include <string_view>

constexpr unsigned kTextCodePage = 932;

// Lead bytes of CP932 double-byte characters.
inline bool IsLeadByte932(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
// The halves of a UTF-16 surrogate pair.
inline bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// codePage is 932 but where a caller must convert as the system does (CP_ACP).
std::wstring ToWide(std::string_view s, unsigned codePage = kTextCodePage);
std::string FromWide(std::wstring_view w, unsigned codePage = kTextCodePage);
// The bytes FromWide would give.
size_t ByteLength(std::wstring_view w, unsigned codePage = kTextCodePage);

// Upper-cases ASCII and double-byte letters (ａ -> Ａ, Greek, Cyrillic); other
// bytes, half-width katakana and stray bytes included, stay as they are.
std::string MbUpper(std::string_view s);

// Byte offset of the first occurrence of needle in hay that starts on a
// character boundary, or npos. An empty needle is found at 0.
size_t MbFind(std::string_view hay, std::string_view needle);
inline bool MbContains(std::string_view hay, std::string_view needle) {
    return MbFind(hay, needle) != std::string_view::npos;
}

// The longest prefix of s of at most maxBytes bytes that ends on a character
// boundary.
size_t MbCutLength(std::string_view s, size_t maxBytes);
inline std::string MbCut(std::string_view s, size_t maxBytes) {
    return std::string(s.substr(0, MbCutLength(s, maxBytes)));
}

// Text for one line of a list row: every line break (CR LF, CR or LF) becomes
// one space. CR and LF are never the second byte of a CP932 character.
std::string OneLine(std::string_view s);
