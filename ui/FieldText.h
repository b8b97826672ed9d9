// Text into a fixed-size character field of the settings record: cut to the field and
// always terminated, whatever a control handed over.
#ifndef SKYLOOK_UI_FIELD_TEXT_H
#define SKYLOOK_UI_FIELD_TEXT_H

#include <cstddef>
#include <cstring>
#include <string>

template <size_t Size>
void CopyToField(char (&field)[Size], const std::string& text)
{
    static_assert(Size > 0);
    const size_t count = text.size() < Size - 1 ? text.size() : Size - 1;
    std::memset(field, 0, Size);
    std::memcpy(field, text.data(), count);
}

// The field's text up to its terminator, or the whole field when it has none.
template <size_t Size>
std::string FieldText(const char (&field)[Size])
{
    const void* end = std::memchr(field, 0, Size);
    return std::string(field, end ? static_cast<const char*>(end) : field + Size);
}

#endif
