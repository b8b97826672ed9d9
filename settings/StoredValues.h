// The values that make up a stored settings record, one table for the store, the export
// and the import: each value's name, the byte count the save writes and the form the load
// takes from it.
#ifndef SKYLOOK_STORED_VALUES_H
#define SKYLOOK_STORED_VALUES_H

#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint32_t HighestChannel = 14;

// Two characters as the first two of 4 little-endian bytes, the rest zero: "13" as stored.
constexpr uint32_t CharacterPair(char first, char second)
{
    return static_cast<unsigned char>(first) | (uint32_t{static_cast<unsigned char>(second)} << 8);
}

enum class StoredForm {
    Text,        // zero-terminated text filling the whole value
    Digit,       // one character in 4 bytes: Base .. Base + Highest
    Channel,     // decimal text in 4 bytes, 1 .. HighestChannel
    DataRate,    // one of the rate table's stored texts
    WepKeySize,  // "5", "13" or a raw size the key slots hold
    WepKey,      // zero-terminated key, hex digits in HEX format
};

struct StoredValue {
    const char* Name;
    size_t Size;
    StoredForm Form;
    char Base;
    uint32_t Highest;
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

// The loader's reading of the 4-byte forms: true, with the field's value, when the load
// takes the stored number; false when it would keep the field's default.
bool DigitFromStored(uint32_t stored, char base, uint32_t highest, uint32_t& value);
bool ChannelFromStored(uint32_t stored, uint32_t& channel);
bool WepKeySizeFromStored(uint32_t stored, uint32_t& size);
// 1-12 for the stored texts of the rate table (case matters); 0 for "FF" and anything else.
unsigned char RateIndexForStoredText(const char* text);

// Empty when the load takes these bytes as they stand for the value; otherwise a sentence
// that says what is wrong. Whatever the registry type: the 4-byte forms read the first four
// bytes (zero-filled when fewer), the texts read up to their first zero byte, which must come
// within the field. wepKeyFormat is the record's key format, which decides how the keys are
// read.
std::string CheckStoredBytes(const StoredValue& value, const unsigned char* bytes, size_t count,
                             uint32_t wepKeyFormat);

// Writes raw bytes as a value below HKEY_LOCAL_MACHINE through the adapter library, as the
// store keeps every value; true when the library stored them.
bool WriteStoredBytes(const char* path, const char* name, const void* bytes, unsigned long count);

#endif
