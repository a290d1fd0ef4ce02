#include "storage/IniSection.h"

#include <windows.h>

#include <cstring>

#include "framework/Text.h"

// The single-key functions of the system parse the file into key/value
// pairs (blanks trimmed, first occurrence wins) and then, for every look-up,
// strip one pair of enclosing quotes, cut the value to the buffer and, for
// integers, parse at most 29 characters. The section listing gives the same
// pairs in one call; the look-up steps are done here the way the system
// does them (UTF-16 inside, ANSI code page outside).

static bool IsIniBlank(wchar_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == L' '; }

static std::string TrimBlanks(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsIniBlank((unsigned char)s[b]))
        b++;
    while (e > b && IsIniBlank((unsigned char)s[e - 1]))
        e--;
    return std::string(s.substr(b, e - b));
}

// The system converts with the ANSI code page.
static std::wstring Widen(std::string_view s) { return ToWide(s, CP_ACP); }
static std::string Narrow(std::wstring_view w) { return FromWide(w, CP_ACP); }

// Keys and defaults reach UTF-16 through the system's string conversion,
// which ends the string at a lead byte with nothing after it.
static std::wstring WidenArgument(std::string_view s) {
    size_t i = 0;
    while (i < s.size())
        i += IsDBCSLeadByte((unsigned char)s[i]) ? 2 : 1;
    if (i > s.size())
        s.remove_suffix(1);
    return Widen(s);
}

// The key as the system looks it up: blanks trimmed.
static std::string LookupKey(const char* key) {
    std::wstring w = WidenArgument(key);
    size_t b = 0, e = w.size();
    while (b < e && IsIniBlank(w[b]))
        b++;
    while (e > b && IsIniBlank(w[e - 1]))
        e--;
    return Narrow(std::wstring_view(w).substr(b, e - b));
}

// Key names compare case-insensitively for ASCII letters only; a double-byte
// character must match exactly (its trail byte may look like a letter).
static bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); i++) {
        unsigned char x = (unsigned char)a[i], y = (unsigned char)b[i];
        if (IsDBCSLeadByte(x)) {
            if (x != y || i + 1 >= a.size() || a[i + 1] != b[i + 1])
                return false;
            i++;
            continue;
        }
        if (x >= 'a' && x <= 'z')
            x = (unsigned char)(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = (unsigned char)(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

static bool IsCommentKey(const std::string& key) { return !key.empty() && key[0] == ';'; }

// What the system copies into a buffer of len characters: one pair of
// matching enclosing quotes goes, but only when the closing one fits; when
// the value with its closing quote is exactly len long, its last character
// goes as well.
static std::wstring CopyEntry(std::wstring_view value, size_t len) {
    wchar_t quote = 0;
    if ((value.size() > 1) && (value[0] == L'\'' || value[0] == L'"') && value.back() == value[0]) {
        quote = value[0];
        value.remove_prefix(1);
    }
    std::wstring out(value.substr(0, len - 1));
    if (quote && len >= value.size() && !out.empty())
        out.pop_back();
    return out;
}

// Default values lose their trailing spaces, all but the first character.
static std::wstring DefaultValue(const char* def) {
    if (!def)
        return {};
    std::wstring w = WidenArgument(def);
    while (w.size() > 1 && w.back() == L' ')
        w.pop_back();
    return w;
}

// The narrow functions take a path in the ANSI code page. A path that the
// code page holds exactly goes to them, as it always has. Any other path
// would name another file there, or none: it goes to the wide functions,
// whose texts are turned into the ANSI code page the way the narrow ones
// turn them.
static bool NarrowPath(const std::wstring& path, std::string& narrow) {
    narrow.clear();
    if (path.empty())
        return true;
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), (int)path.size(), nullptr, 0, nullptr,
                                &usedDefault);
    if (n <= 0 || usedDefault)
        return false;
    narrow.resize(n);
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), (int)path.size(), narrow.data(), n, nullptr,
                        nullptr);
    return Widen(narrow) == path;
}

// A wide listing (strings each ended by a zero) of n characters into buffer
// as the narrow functions give it, or size - 2 when it does not fit.
static DWORD NarrowListing(const std::vector<wchar_t>& wide, DWORD n, std::vector<char>& buffer) {
    const DWORD overflow = (DWORD)buffer.size() - 2;
    if (n + 2 >= wide.size())
        return overflow;
    std::string bytes = Narrow(std::wstring_view(wide.data(), n));
    if (bytes.size() + 2 > buffer.size())
        return overflow;
    memcpy(buffer.data(), bytes.data(), bytes.size());
    buffer[bytes.size()] = buffer[bytes.size() + 1] = '\0';
    return (DWORD)bytes.size();
}

static DWORD SectionListing(const std::string& name, std::vector<char>& buffer, const std::wstring& path) {
    std::string narrow;
    if (NarrowPath(path, narrow))
        return GetPrivateProfileSectionA(name.c_str(), buffer.data(), (DWORD)buffer.size(), narrow.c_str());
    std::vector<wchar_t> wide(buffer.size());
    DWORD n = GetPrivateProfileSectionW(WidenArgument(name).c_str(), wide.data(), (DWORD)wide.size(), path.c_str());
    return NarrowListing(wide, n, buffer);
}

static DWORD SectionNamesListing(std::vector<char>& buffer, const std::wstring& path) {
    std::string narrow;
    if (NarrowPath(path, narrow))
        return GetPrivateProfileSectionNamesA(buffer.data(), (DWORD)buffer.size(), narrow.c_str());
    std::vector<wchar_t> wide(buffer.size());
    DWORD n = GetPrivateProfileSectionNamesW(wide.data(), (DWORD)wide.size(), path.c_str());
    return NarrowListing(wide, n, buffer);
}

// At most bufferSize - 1 bytes of s: a double-byte character that does not
// fit whole is left out.
static std::string CutToBuffer(std::string s, size_t bufferSize) {
    size_t cut = 0;
    while (cut < s.size()) {
        size_t step = (IsDBCSLeadByte((unsigned char)s[cut]) && cut + 1 < s.size()) ? 2 : 1;
        if (cut + step > bufferSize - 1)
            break;
        cut += step;
    }
    s.resize(cut);
    return s;
}

// GetPrivateProfileStringA itself, for the keys a listing leaves out.
static std::string SystemString(const std::string& section, const char* key, const char* def, size_t bufferSize,
                                const std::wstring& path) {
    std::string narrow;
    if (NarrowPath(path, narrow)) {
        std::vector<char> buffer(bufferSize, '\0');
        GetPrivateProfileStringA(section.c_str(), key, def, buffer.data(), (DWORD)bufferSize, narrow.c_str());
        return buffer.data();
    }
    std::vector<wchar_t> buffer(bufferSize, L'\0');
    std::wstring defW = WidenArgument(def ? def : "");
    GetPrivateProfileStringW(WidenArgument(section).c_str(), WidenArgument(key).c_str(), def ? defW.c_str() : nullptr,
                             buffer.data(), (DWORD)bufferSize, path.c_str());
    return CutToBuffer(Narrow(buffer.data()), bufferSize);
}

static int SystemInt(const std::string& section, const char* key, int def, const std::wstring& path) {
    std::string narrow;
    if (NarrowPath(path, narrow))
        return (int)GetPrivateProfileIntA(section.c_str(), key, def, narrow.c_str());
    return (int)GetPrivateProfileIntW(WidenArgument(section).c_str(), WidenArgument(key).c_str(), def, path.c_str());
}

CIniSection::CIniSection(const std::string& section, const std::wstring& path)
    : m_section(section), m_path(path) {
    // The single-key functions trim the section name; the listing does not.
    std::string name = TrimBlanks(section);
    std::vector<char> buffer(16 * 1024);
    DWORD n = 0;
    for (;;) {
        n = SectionListing(name, buffer, path);
        // A listing that does not fit comes back as size - 2.
        if (n + 2 < buffer.size() || buffer.size() >= (size_t)1 << 30)
            break;
        buffer.assign(buffer.size() * 2, '\0');
    }
    for (const char* p = buffer.data(); p < buffer.data() + n && *p; p += strlen(p) + 1) {
        std::string_view line(p);
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            m_lines.emplace_back(TrimBlanks(line), std::string());
            m_hasValue.push_back(0);
        } else {
            m_lines.emplace_back(TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)));
            m_hasValue.push_back(1);
        }
    }
}

int CIniSection::FindLine(const char* key) const {
    std::string k = LookupKey(key);
    for (size_t i = 0; i < m_lines.size(); i++)
        if (SameKey(m_lines[i].first, k))
            return (int)i;
    return -1;
}

// The UTF-16 buffer content the system produces for a buffer of len characters.
std::wstring CIniSection::Value(const char* key, const char* def, size_t len) const {
    int i = FindLine(key);
    if (i >= 0 && m_hasValue[i])
        return CopyEntry(Widen(m_lines[i].second), len);
    return CopyEntry(DefaultValue(def), len);
}

std::string CIniSection::GetString(const char* key, const char* def, size_t bufferSize) const {
    if (bufferSize == 0)
        return {};
    if (IsCommentKey(LookupKey(key)))
        return SystemString(m_section, key, def, bufferSize, m_path);
    // Back to the ANSI code page into bufferSize - 1 bytes.
    return CutToBuffer(Narrow(Value(key, def, bufferSize)), bufferSize);
}

int CIniSection::GetInt(const char* key, int def) const {
    if (IsCommentKey(LookupKey(key)))
        return SystemInt(m_section, key, def, m_path);
    // The system reads the value into 30 characters and parses it in base 0:
    // blanks, a sign, "0x" (hex), "0o" (octal) or "0b" (binary), then digits
    // up to the first other character, wrapping modulo 2^32.
    std::wstring w = Value(key, "", 30);
    if (w.empty())
        return def;
    size_t i = 0;
    while (i < w.size() && w[i] <= L' ')
        i++;
    bool minus = false;
    if (i < w.size() && (w[i] == L'+' || w[i] == L'-'))
        minus = w[i++] == L'-';
    unsigned base = 10;
    if (i + 1 < w.size() && w[i] == L'0') {
        wchar_t p = w[i + 1];
        base = p == L'x' ? 16 : p == L'o' ? 8 : p == L'b' ? 2 : 10;
        if (base != 10)
            i += 2;
    }
    uint32_t total = 0;
    for (; i < w.size(); i++) {
        wchar_t c = w[i];
        unsigned digit = c >= L'0' && c <= L'9'   ? unsigned(c - L'0')
                         : c >= L'A' && c <= L'Z' ? unsigned(c - L'A' + 10)
                         : c >= L'a' && c <= L'z' ? unsigned(c - L'a' + 10)
                                                  : 99u;
        if (digit >= base)
            break;
        total = total * base + digit;
    }
    return (int)(minus ? 0u - total : total);
}

bool CIniSection::Has(const char* key) const {
    if (IsCommentKey(LookupKey(key))) {
        // Present exactly when two different defaults give the same answer.
        return SystemString(m_section, key, "a", 2, m_path) == SystemString(m_section, key, "b", 2, m_path);
    }
    int i = FindLine(key);
    return i >= 0 && m_hasValue[i];
}

std::vector<std::string> GetIniSectionNames(const std::wstring& path) {
    std::vector<char> buffer(4 * 1024);
    DWORD n = 0;
    for (;;) {
        n = SectionNamesListing(buffer, path);
        if (n + 2 < buffer.size() || buffer.size() >= (size_t)1 << 30)
            break;
        buffer.assign(buffer.size() * 2, '\0');
    }
    std::vector<std::string> names;
    for (const char* p = buffer.data(); p < buffer.data() + n && *p; p += strlen(p) + 1)
        names.emplace_back(p);
    return names;
}

void ReleaseIniFile(const std::wstring& path) {
    std::string narrow;
    if (NarrowPath(path, narrow))
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, narrow.c_str());
    else
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}
