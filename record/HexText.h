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
// ignored) into at most capacity bytes and returns how many were written. A character that
// is not a hexadecimal digit counts as 0; allDigits, when given, tells whether every
// character read was a digit.
size_t HexPairsToBytes(const char* text, size_t length, unsigned char* out, size_t capacity,
                       bool* allDigits = nullptr);

#endif
