// The values that make up a stored settings record, one table for the store, the export
// and the import: each value's name, the byte count the save writes and the form the load
// takes from it.
#ifndef SKYLOOK_STORED_VALUES_H
#define SKYLOOK_STORED_VALUES_H

#include <cstddef>
#include <cstdint>
#include <string>

// Two characters as the first two of 4 little-endian bytes, the rest zero: "13" as stored.
constexpr uint32_t CharacterPair(char first, char second)
{
    return static_cast<unsigned char>(first) | (uint32_t{static_cast<unsigned char>(second)} << 8);
}

enum class StoredForm {
    Text,        // zero-terminated text filling the whole value
    Digit,       // one character in 4 bytes: Base plus the field's value
    Channel,     // decimal text in 4 bytes
    DataRate,    // one of the rate table's stored texts
    WepKeySize,  // "5", "13" or the raw size
    WepKey,      // zero-terminated key, hex pairs in HEX format
};

struct StoredValue {
    const char* Name;
    size_t Size;
    StoredForm Form;
    char Base;
};

constexpr int StoredValueCount = 18;
extern const StoredValue StoredValues[StoredValueCount];

// The entry of that name, compared without regard to case as the registry does, or nullptr.
const StoredValue* FindStoredValue(const char* name);

// The first 4 bytes as a little-endian number, as the 4-byte registry read gives them.
uint32_t LittleEndianNumber(const unsigned char* bytes);
// The same for a stored value of any length: fewer than 4 bytes are zero-filled, bytes
// after the fourth are not read.
uint32_t StoredNumber(const unsigned char* bytes, size_t count);

// The longest text value, terminator included.
constexpr size_t LongestStoredText = 160;

// The loader's reading of the 4-byte forms. A digit is the stored number minus its base,
// whatever it is: the record keeps what another tool stored, and the apply procedures decide
// what a value outside the named ones does (an AuthMode of 4 or more sends nothing), so a
// save writes the same bytes back. Every reader that indexes a table by such a field checks
// it first.
uint32_t DigitFromStored(uint32_t stored, char base);
// True, with the number, for decimal digits up to the first zero byte ("0" too: the
// Configuration page stores it for a channel outside the region's list); false for anything
// else, which keeps the field's default.
bool ChannelFromStored(uint32_t stored, uint32_t& channel);
// "5" and "13" are the editors' two sizes; any other 4 bytes are the size itself, as the
// save writes every other size.
uint32_t WepKeySizeFromStored(uint32_t stored);
// 1-12 for the stored texts of the rate table (case matters); 0 for "FF" and anything else.
unsigned char RateIndexForStoredText(const char* text);

// Empty when the load takes these bytes as they stand for the value; otherwise a sentence
// that says what is wrong. Whatever the registry type: the 4-byte forms read the first four
// bytes (zero-filled when fewer), the texts read up to their first zero byte, which must come
// within the field.
std::string CheckStoredBytes(const StoredValue& value, const unsigned char* bytes, size_t count);

// Writes raw bytes as a value below HKEY_LOCAL_MACHINE through the adapter library, as the
// store keeps every value; true when the library stored them.
bool WriteStoredBytes(const char* path, const char* name, const void* bytes, unsigned long count);

#endif
