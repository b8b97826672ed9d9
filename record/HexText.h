// Key bytes as hexadecimal text and back: the form of HEX keys in the store and in the key
// editors.
#ifndef SKYLOOK_RECORD_HEX_TEXT_H
#define SKYLOOK_RECORD_HEX_TEXT_H

#include <cstddef>
#include <string>

// 0-15 for 0-9, A-F, a-f; -1 for any other character.
int HexDigitValue(char c);

// Two upper-case digits per byte ("%02X").
std::string BytesToHexText(const unsigned char* bytes, size_t count);

// Reads consecutive character pairs from the start of text (an odd last character is
// ignored) into at most capacity bytes and returns how many were written. Each pair is read
// as "%x" reads it, as far as it is hexadecimal ("1z" gives 0x01); a pair that "%x" cannot
// read at all ("zz") gives 0.
size_t HexPairsToBytes(const char* text, size_t length, unsigned char* out, size_t capacity);

#endif
