#include "storage/TextEncoding.h"

#include "framework/Trace.h"

void EncodeHex(int length, const unsigned char* data, char* out) {
    static const char digits[] = "0123456789abcdef";
    for (int i = 0; i < length; i++) {
        *out++ = digits[data[i] >> 4];
        *out++ = digits[data[i] & 0x0F];
    }
    *out = '\0';
}

int DecodeHex(std::string_view hex, unsigned char* out) {
    if (hex.size() % 2 != 0)
        Trace("受信データの文字数が奇数です\n");
    int n = (int)(hex.size() / 2);
    for (int i = 0; i < n; i++)
        out[i] = (unsigned char)(HexCharToInt(hex[2 * i]) * 16 + HexCharToInt(hex[2 * i + 1]));
    return n;
}

int HexCharToInt(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

static unsigned char KeyShift(int i, int key) {
    unsigned k = (unsigned)key;
    return (unsigned char)((k >> (8 * (i % 4))) + (unsigned)i);
}

void EncryptText(int count, unsigned char* buffer, int key) {
    for (int i = 0; i < count; i++)
        buffer[i] = (unsigned char)(buffer[i] + KeyShift(i, key));
}

void DecryptText(int count, unsigned char* buffer, int key) {
    for (int i = 0; i < count; i++)
        buffer[i] = (unsigned char)(buffer[i] - KeyShift(i, key));
}
