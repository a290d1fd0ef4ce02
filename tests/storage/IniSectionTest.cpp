// Every look-up of CIniSection against the system's single-key functions on
// the same file: a fixture of lines the reader could get wrong. The file is
// read from a folder whose name the ANSI code page holds and from one whose
// name it cannot hold; both answer as the narrow functions on the first.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "SectionFixture.h"
#include "framework/Text.h"
#include "storage/IniSection.h"

static std::string TrickyFile() {
    std::string longJapanese;
    for (int i = 0; i < 3000; i++)
        longJapanese += "あ";
    std::string longHex(8195, 'a');
    return std::string(
               "A=1\r\n"  // a key before any section header
               "[S]\r\n"
               "A=1\r\n"
               "  B  =  2  \r\n"
               "\tTAB\t=\t3\t\r\n"
               "C=\"q\"\r\n"
               "D='q'\r\n"
               "E=\"q\r\n"
               "F=\"\"\r\n"
               "F2=''\r\n"
               "F3=\"\r\n"
               "F4=\"'\r\n"
               "G=\"a\"b\"\r\n"
               "QS=  \" x \"  \r\n"
               "Q7=\"7\"\r\n"
               "Q28=\"0000000000000000000000000009\"\r\n"
               "Q29=\"00000000000000000000000000009\"\r\n"
               "Y29=00000000000000000000000000009\r\n"
               "Y30=000000000000000000000000000012\r\n"
               "H=0x10\r\n"
               "HX=0X10\r\n"
               "HB=0b101\r\n"
               "HO=0o17\r\n"
               "HN=-0x10\r\n"
               "I=12abc\r\n"
               "J=\r\n"
               "JS=   \r\n"
               "K\r\n"
               "K=5\r\n"
               "a=dup\r\n"
               "L=-7\r\n"
               "M=+8\r\n"
               "MM=+-8\r\n"
               "W= - 5\r\n"
               "X=\" 5\"\r\n"
               "N=99999999999\r\n"
               "BIG=4294967295\r\n"
               "BIG2=4294967296\r\n"
               "NEG=-2147483649\r\n"
               "MIN=-2147483648\r\n"
               "CTRL=\x01" "5\x01\r\n"
               "VT=\x0b" "6\x0c\r\n"
               "Z=\x1a" "z\x1a\r\n"
               "FW=\x81\x40" "abc\x81\x40\r\n"
               "TR=abc\x82\r\n"
               "KANA=\xb1\xb2\r\n"
               "EQ=cd=ef\r\n"
               "=noname\r\n"
               "\xc7\xcd=kana key\r\n"
               "\x82\x60=full-width A\r\n"
               "\x83\x41=katakana a\r\n"
               "\x83\x61=small ya\r\n"
               ";V=3\r\n"
               "; a comment\r\n"
               "LK\x83=1\r\n"  // the lead byte takes the "=" with it
               "\r\n"
               "   \r\n"
               "CR=x\ry=2\r\n"
               "LF=x\nLF2=3\r\n"
               "JP=") +
           longJapanese +
           "\r\n"
           "TEXT=" +
           longHex +
           "\r\n"
           "[s]\r\n"
           "A=second\r\n"
           "NEW=only in the second S\r\n"
           "[ Spaced ]\r\n"
           "A=spaced\r\n"
           "[Empty]\r\n"
           "[T]\r\n"
           "LAST=\x83";
}

static std::string SysString(const std::string& path, const char* sec, const char* key, const char* def,
                             size_t size) {
    std::vector<char> b(size + 1, '\0');
    GetPrivateProfileStringA(sec, key, def, b.data(), (DWORD)size, path.c_str());
    return b.data();
}

static bool SysHas(const std::string& path, const char* sec, const char* key) {
    return SysString(path, sec, key, "a", 2) == SysString(path, sec, key, "b", 2);
}

static void AnswersEveryKeyAs(const std::wstring& path, const std::string& reference) {
    const char* sections[] = {"S", " s ", "Spaced", "Empty", "T", "missing"};
    const char* keys[] = {"A", "a", " A ", "B", "b", "TAB", "C", "D", "E", "F", "F2", "F3", "F4", "G", "QS", "Q7",
                          "Q28", "Q29", "Y29", "Y30", "H", "HX", "HB", "HO", "HN", "I", "J", "JS", "K", "L", "M",
                          "MM", "W", "X", "N", "BIG", "BIG2", "NEG", "MIN", "CTRL", "VT", "Z", "FW", "TR", "KANA",
                          "EQ", "", "\xc7\xcd", "\x82\x60", "\x82\x81", "\x83\x41", "\x83\x61", "\x83", ";V", " ;V",
                          "V", "; a comment", "LK", "LK\x83", "LK\x81\x45" "1", "CR", "y", "LF", "LF2", "JP", "TEXT", "NEW", "LAST", "missing"};
    const char* defaults[] = {"", "DEF", "d  ", "d \x83", "\"q\"", "'", nullptr};
    const size_t sizes[] = {2, 3, 4, 5, 8, 30, 8192};
    for (const char* sec : sections) {
        CIniSection section(sec, path);
        // Every default and size on the section that holds the lines, a few elsewhere.
        bool full = sec == sections[0];
        for (const char* key : keys) {
            SCOPED_TRACE(std::string("[") + sec + "] " + Escaped(key));
            EXPECT_EQ(section.GetInt(key, -99), (int)GetPrivateProfileIntA(sec, key, -99, reference.c_str()));
            EXPECT_EQ(section.GetInt(key, 0), (int)GetPrivateProfileIntA(sec, key, 0, reference.c_str()));
            EXPECT_EQ(section.Has(key), SysHas(reference, sec, key));
            for (const char* def : defaults) {
                for (size_t size : sizes) {
                    if (full || (def && !def[0] && size > 5)) {
                        EXPECT_EQ(Escaped(section.GetString(key, def, size)),
                                  Escaped(SysString(reference, sec, key, def, size)))
                            << "default " << Escaped(def ? def : "null") << " size " << size;
                    }
                }
            }
        }
    }
}

// The same name in both folders.
static std::vector<std::wstring> BothFolders(const wchar_t* name) {
    return {SectionTestPath(name), BeyondCodePageTestPath(name)};
}

TEST(IniSection, AnswersEveryKeyAsTheSingleKeyFunctions) {
    const std::string narrow = FromWide(SectionTestPath(L"tricky.ini"));
    for (const std::wstring& path : BothFolders(L"tricky.ini")) {
        SCOPED_TRACE(path);
        WriteBytes(path, TrickyFile());
        AnswersEveryKeyAs(path, narrow);
    }
}


// What the system does with these lines, so that a change of the reader
// that breaks it shows here in words, not only as a difference.
TEST(IniSection, SemanticsFound) {
    std::wstring path = SectionTestPath(L"semantics.ini");
    WriteBytes(path, TrickyFile());
    CIniSection s("S", path);
    struct IntCase {
        const char* key;
        int value;
    } ints[] = {
        {"A", 1},     {"a", 1},        {"B", 2},          {"TAB", 3},         {"H", 16},        {"HX", 0},
        {"HB", 5},    {"HO", 15},      {"HN", -16},       {"I", 12},          {"J", -99},       {"JS", -99},
        {"K", -99},   {"L", -7},       {"M", 8},          {"MM", 0},          {"W", 0},         {"X", 5},
        {"Q7", 7},    {"Q28", 9},      {"Q29", 0},        {"Y29", 9},         {"Y30", 1},       {"N", 1215752191},
        {"BIG", -1},  {"BIG2", 0},     {"NEG", 2147483647}, {"MIN", INT_MIN}, {"CTRL", 5},      {"VT", 6},
        {";V", 3},    {"V", -99},      {"y", 2},          {"missing", -99},
    };
    for (const IntCase& c : ints)
        EXPECT_EQ(s.GetInt(c.key, -99), c.value) << c.key;
    struct StringCase {
        const char* key;
        size_t size;
        const char* value;
    } strings[] = {
        {"B", 100, "2"},           {"C", 100, "q"},     {"D", 100, "q"},         {"E", 100, "\"q"},
        {"F", 100, ""},            {"F3", 100, "\""},   {"G", 100, "a\"b"},      {"QS", 100, " x "},
        {"C", 3, "q"},             {"C", 2, ""},        {"Q7", 2, ""},          {"EQ", 100, "cd=ef"},
        {"", 100, "noname"},       {"Z", 100, "z"},     {"FW", 100, "\x81\x40" "abc\x81\x40"},
        {"CTRL", 100, "\x01" "5\x01"}, {"TR", 100, "abc\x81\x45"},  // a stray lead byte reads as "・"
        {"FW", 2, ""},             {"FW", 3, "\x81\x40"}, {"\x83\x61", 100, "small ya"},
        {"CR", 100, "x"},          {"K", 100, "DEF"},   {"J", 100, ""},          {"missing", 100, "DEF"},
    };
    for (const StringCase& c : strings)
        EXPECT_EQ(Escaped(s.GetString(c.key, "DEF", c.size)), Escaped(c.value)) << c.key << " " << c.size;
    // Quotes: "abc" in a buffer of exactly its quoted length loses its c.
    WriteBytes(path, "[Q]\r\nQ=\"abc\"\r\n");
    CIniSection q("Q", path);
    EXPECT_EQ(q.GetString("Q", "", 4), "ab");
    EXPECT_EQ(q.GetString("Q", "", 5), "abc");
    EXPECT_EQ(q.GetString("Q", "", 3), "ab");
    EXPECT_EQ(q.GetString("nokey", "x  ", 100), "x");
    EXPECT_EQ(q.GetString("nokey", "'y'", 100), "y");
    // Long values are cut to the buffer less one, on a character boundary.
    EXPECT_EQ(s.GetString("TEXT", "", 8192).size(), 8191u);
    EXPECT_EQ(s.GetString("JP", "", 8192).size(), 6000u);
    EXPECT_EQ(s.GetString("JP", "", 4096).size(), 4094u);
    EXPECT_TRUE(s.Has("J"));
    EXPECT_FALSE(s.Has("K"));
    EXPECT_FALSE(s.Has("NEW"));
    EXPECT_TRUE(CIniSection("s", path).GetString("NEW", "", 10).empty());
}

TEST(IniSection, MissingFileAndLargeSection) {
    for (const std::wstring& missing : BothFolders(L"does-not-exist.ini")) {
        CIniSection none("S", missing);
        EXPECT_EQ(none.GetInt("A", 42), 42);
        EXPECT_EQ(none.GetString("A", "d", 100), "d");
        EXPECT_FALSE(none.Has("A"));
    }

    // Far larger than the first buffer: the listing grows until it fits, in
    // bytes and, double-byte characters taking two, in characters.
    std::string file = "[BIG]\r\n";
    for (int i = 0; i < 3000; i++)
        file += "KEY" + std::to_string(i) + "=" + std::string(40, (char)('a' + i % 26)) + std::to_string(i) + "\r\n";
    for (int i = 0; i < 3000; i++)
        file += "JP" + std::to_string(i) + "=あいうえおかきくけこ\r\n";
    file += "[NEXT]\r\nX=1\r\n";
    for (const std::wstring& path : BothFolders(L"large.ini")) {
        SCOPED_TRACE(path);
        WriteBytes(path, file);
        CIniSection big("BIG", path);
        EXPECT_EQ(big.GetString("KEY0", "", 100), std::string(40, 'a') + "0");
        EXPECT_EQ(big.GetString("KEY2999", "", 100), std::string(40, (char)('a' + 2999 % 26)) + "2999");
        EXPECT_EQ(big.GetString("JP2999", "", 100), "あいうえおかきくけこ");
        EXPECT_EQ(big.GetInt("X", 7), 7);
    }
}

TEST(IniSection, SectionNamesInFileOrder) {
    for (const std::wstring& path : BothFolders(L"names.ini")) {
        SCOPED_TRACE(path);
        WriteBytes(path, TrickyFile());
        std::vector<std::string> want = {"S", "s", "Spaced", "Empty", "T"};
        EXPECT_EQ(GetIniSectionNames(path), want);

        std::string file;
        std::vector<std::string> many;
        for (int i = 0; i < 2000; i++) {
            many.push_back(i % 2 ? "MEMLETITEM" + std::to_string(i) : "付箋" + std::to_string(i));
            file += "[" + many.back() + "]\r\nA=1\r\n";
        }
        WriteBytes(path, file);
        EXPECT_EQ(GetIniSectionNames(path), many);
    }
    for (const std::wstring& missing : BothFolders(L"does-not-exist.ini"))
        EXPECT_TRUE(GetIniSectionNames(missing).empty());
}
