#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "storage/TextEncoding.h"
#include "storage/VolumeSerial.h"

static std::string Hex(const std::string& bytes) {
    std::string out(bytes.size() * 2 + 1, '?');
    EncodeHex((int)bytes.size(), (const unsigned char*)bytes.data(), out.data());
    EXPECT_EQ(out.back(), '\0');
    out.pop_back();
    return out;
}

static std::string Encrypted(std::string bytes, int key) {
    EncryptText((int)bytes.size(), (unsigned char*)bytes.data(), key);
    return bytes;
}

TEST(Encoding, EncodeHexWritesLowerCaseDigitsOfUnsignedBytes) {
    EXPECT_EQ(Hex("abc"), "616263");
    EXPECT_EQ(Hex(""), "");
    EXPECT_EQ(Hex("メモ"), "83818382");
    EXPECT_EQ(Hex(std::string("\x00\xff\x7f\x80", 4)), "00ff7f80");
}

TEST(Encoding, DecodeHex) {
    struct Case {
        const char* hex;
        int n;
        std::string bytes;
    } cases[] = {
        {"616263", 3, "abc"},
        {"", 0, ""},
        {"4A4b", 2, "\x4a\x4b"},
        {"zz41", 2, std::string("\x00\x41", 2)},  // other characters count as 0 digits
        {"83818382", 4, "メモ"},
        {"ffFF00", 3, std::string("\xff\xff\x00", 3)},
    };
    for (const Case& c : cases) {
        unsigned char out[16];
        memset(out, 0xEE, sizeof out);
        EXPECT_EQ(DecodeHex(c.hex, out), c.n) << c.hex;
        EXPECT_EQ(std::string((char*)out, c.n), c.bytes) << c.hex;
        EXPECT_EQ(out[c.n], 0xEE) << c.hex;
    }
}

TEST(Encoding, OddHexDecodesItsWholePairs) {
    struct Case {
        const char* hex;
        std::string bytes;
    } cases[] = {
        {"616", "a"},
        {"6", ""},
        {"61626", "ab"},
        {"838183", std::string("\x83\x81\x83", 3)},
    };
    for (const Case& c : cases) {
        unsigned char out[8];
        memset(out, 0xEE, sizeof out);
        EXPECT_EQ(DecodeHex(c.hex, out), (int)c.bytes.size()) << c.hex;
        EXPECT_EQ(std::string((char*)out, c.bytes.size()), c.bytes) << c.hex;
        EXPECT_EQ(out[c.bytes.size()], 0xEE) << c.hex;
    }
}

TEST(Encoding, HexCharToInt) {
    const char* digits = "0123456789abcdef";
    for (int i = 0; i < 16; i++) {
        EXPECT_EQ(HexCharToInt(digits[i]), i);
        EXPECT_EQ(HexCharToInt((char)toupper(digits[i])), i);
    }
    for (char c : {'g', 'G', 'z', ' ', '-', '\0', '\x83', '@', '`', '/', ':'})
        EXPECT_EQ(HexCharToInt(c), 0) << (int)c;
}

TEST(Encoding, EncryptAddsKeyBytesLeastSignificantFirstAndTheIndex) {
    struct Case {
        int key;
        const char* hex;
    } cases[] = {
        {0, "61636567"},
        {0x43000000, "616365aa"},  // what Wine gives drive C:
        {0x1a2b3c4d, "ae9f9081"},
        {(int)0xffffffff, "60626466"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hex(Encrypted("abcd", c.key)), c.hex) << std::hex << c.key;
    EXPECT_EQ(Hex(Encrypted("あ", 0)), "82a1");
    EXPECT_EQ(Hex(Encrypted("\x41\xff", 0)), "4100");  // an encoded 0 byte is legal
}

TEST(Encoding, DecryptUndoesEncryptPastTheIndexWrap) {
    std::string text;
    for (int i = 0; i < 600; i++)
        text += (char)(i * 7 + 3);
    for (int key : {0, 0x43000000, 0x1a2b3c4d, -1}) {
        std::string b = Encrypted(text, key);
        EXPECT_NE(b, text);
        DecryptText((int)b.size(), (unsigned char*)b.data(), key);
        EXPECT_EQ(b, text) << key;
    }
    // Byte 256 gets index 0 again: only the key byte.
    std::string zeros(260, '\0');
    std::string e = Encrypted(zeros, 0x04030201);
    EXPECT_EQ((unsigned char)e[255], (unsigned char)(255 + 4));
    EXPECT_EQ((unsigned char)e[256], 1);
    EXPECT_EQ((unsigned char)e[257], 2 + 1);
}

TEST(VolumeSerial, DriveCHasOneAndAMissingDriveHasNone) {
    EXPECT_NE(GetVolumeSerialNumber('C'), 0u);
    DWORD drives = GetLogicalDrives();
    char missing = 0;
    for (int i = 25; i >= 3 && !missing; i--)
        if (!(drives & (1u << i)))
            missing = (char)('A' + i);
    ASSERT_NE(missing, 0);
    EXPECT_EQ(GetVolumeSerialNumber(missing), 0u);
    EXPECT_EQ(GetVolumeSerialNumber('\\'), 0u);
    // The error mode is put back.
    UINT before = SetErrorMode(0);
    SetErrorMode(before);
    GetVolumeSerialNumber(missing);
    EXPECT_EQ(SetErrorMode(before), before);
}
