// Note text in the INI files: lower-case hexadecimal, two digits a byte, of
// the text itself (format 0) or of the text after a keyed byte transform
// (format 1, keyed by the serial number of the volume that holds the file).
#pragma once
#include <string_view>

// Writes 2 * length lower-case digits and a terminating zero to out.
void EncodeHex(int length, const unsigned char* data, char* out);
// Decodes pairs of digits into out (room for hex.size() / 2 bytes) and
// returns the number of bytes written. Of an odd number of digits (a text
// cut short) the whole pairs are decoded and the last digit is left over.
int DecodeHex(std::string_view hex, unsigned char* out);
// Value of one hexadecimal digit; anything else counts as 0.
int HexCharToInt(char c);
// Byte i gains (or loses) key byte i mod 4, least significant first, plus
// the low byte of i, modulo 256.
void EncryptText(int count, unsigned char* buffer, int key);
void DecryptText(int count, unsigned char* buffer, int key);
