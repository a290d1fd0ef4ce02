#include "e2e/DataFile.h"

#include <windows.h>

#include <cstdlib>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string ReadFileBytes(const std::wstring& path) {
    std::string out;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return out;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0)
        out.append(buf, got);
    CloseHandle(h);
    return out;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr) && written == bytes.size();
    CloseHandle(h);
    return ok;
}

CIniText::CIniText(const std::string& bytes) {
    std::string section;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            m_sections[section][line.substr(0, eq)] = line.substr(eq + 1);
    }
}

bool CIniText::Has(const std::string& section, const std::string& key) const {
    auto s = m_sections.find(section);
    return s != m_sections.end() && s->second.count(key);
}

std::string CIniText::Get(const std::string& section, const std::string& key) const {
    auto s = m_sections.find(section);
    if (s == m_sections.end())
        return {};
    auto k = s->second.find(key);
    return k == s->second.end() ? std::string() : k->second;
}

std::map<std::string, std::string> CIniText::Section(const std::string& section) const {
    auto s = m_sections.find(section);
    return s == m_sections.end() ? std::map<std::string, std::string>() : s->second;
}

int CIniText::NoteCount() const { return Has("SYSTEM", "MEMLTENUM") ? atoi(Get("SYSTEM", "MEMLTENUM").c_str()) : -1; }

std::string CIniText::Note(int i, const std::string& key) const { return Get("MEMLETITEM" + std::to_string(i), key); }

std::string CIniText::NoteText(int i) const {
    std::string hex = Note(i, "TEXT"), text;
    for (size_t k = 0; k + 1 < hex.size(); k += 2) {
        int hi = HexDigit(hex[k]), lo = HexDigit(hex[k + 1]);
        if (hi < 0 || lo < 0)
            break;
        text += (char)(hi * 16 + lo);
    }
    return text;
}

std::string HexOf(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

std::string DesktopNotesFile(const std::vector<std::string>& texts) {
    std::string file = "[SYSTEM]\r\nAPPNAME=Corvana\r\nSAVEFORMAT=0\r\nMEMLTENUM=" + std::to_string(texts.size()) + "\r\n";
    for (size_t i = 0; i < texts.size(); i++) {
        int left = 300 + 250 * (int)i;
        file += "[MEMLETITEM" + std::to_string(i) + "]\r\n";
        file += "TITLEFLAG=1\r\nPRECESSEFLAG=1\r\nEXTENTFLAG=0\r\nFULL=1\r\n";
        file += "TITLE=DESKTOP\r\nEXENAME=DESKTOP\r\nEXEPATH=DESKTOP\r\n";
        file += "REC_TOP=200\r\nREC_BOTTOM=260\r\nREC_LEFT=" + std::to_string(left) + "\r\nREC_RIGHT=" +
                std::to_string(left + 200) + "\r\n";
        file += "TEXTFORMAT=0\r\nTEXT=" + HexOf(texts[i]) + "\r\n";
    }
    return file;
}
