#include "record/HexText.h"

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

size_t HexPairsToBytes(const char* text, size_t length, unsigned char* out, size_t capacity, bool* allDigits)
{
    bool digitsOnly = true;
    size_t count = 0;
    for (; count < length / 2 && count < capacity; ++count) {
        int high = HexDigitValue(text[count * 2]);
        int low = HexDigitValue(text[count * 2 + 1]);
        if (high < 0 || low < 0)
            digitsOnly = false;
        out[count] = static_cast<unsigned char>(((high < 0 ? 0 : high) << 4) | (low < 0 ? 0 : low));
    }
    if (allDigits)
        *allDigits = digitsOnly;
    return count;
}
