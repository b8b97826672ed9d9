#include "record/HexText.h"

#include <cstdio>

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string BytesToHexText(const unsigned char* bytes, size_t count)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

size_t HexPairsToBytes(const char* text, size_t length, unsigned char* out, size_t capacity)
{
    size_t count = 0;
    for (; count < length / 2 && count < capacity; ++count) {
        const char pair[3] = {text[count * 2], text[count * 2 + 1], 0};
        unsigned int value = 0;
        if (std::sscanf(pair, "%x", &value) != 1)
            value = 0;
        out[count] = static_cast<unsigned char>(value);
    }
    return count;
}
