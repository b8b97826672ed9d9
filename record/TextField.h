// Text into the record's fixed-size fields: cut to fit and always terminated, the rest of
// the field cleared, so a long name can neither overrun a field nor leave stale bytes behind.
#ifndef SKYLOOK_RECORD_TEXT_FIELD_H
#define SKYLOOK_RECORD_TEXT_FIELD_H

#include <cstddef>
#include <cstring>
#include <string>

inline void CopyFieldText(char* field, size_t fieldSize, const char* text)
{
    if (fieldSize == 0)
        return;
    size_t length = 0;
    if (text)
        while (length + 1 < fieldSize && text[length] != '\0')
            ++length;
    if (length > 0)
        std::memcpy(field, text, length);
    std::memset(field + length, 0, fieldSize - length);
}

template <size_t Size>
void CopyFieldText(char (&field)[Size], const char* text)
{
    CopyFieldText(field, Size, text);
}

// The text of a field that may have arrived without a terminator (from the registry or a
// caller's record): never read past the field.
template <size_t Size>
std::string FieldString(const char (&field)[Size])
{
    size_t length = 0;
    while (length < Size && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

#endif
