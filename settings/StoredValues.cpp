#include "settings/StoredValues.h"

#include "record/AdapterSettings.h"
#include "record/RateTable.h"
#include "record/WepKeySlots.h"
#include "settings/RegistryNames.h"

#include <Vexa5200.h>

#include <cstring>

const StoredValue StoredValues[StoredValueCount] = {
    {"DesiredSSID", sizeof AdapterSettings::DesiredSSID, StoredForm::Text, 0},
    {"NetworkMode", 4, StoredForm::Digit, '0'},
    {"Channel", 4, StoredForm::Channel, 0},
    {"DataRate", 10, StoredForm::DataRate, 0},
    {"PowerMode", 4, StoredForm::Digit, '0'},
    {"Preamble", 4, StoredForm::Digit, '0' + PreambleExternalBase},
    {"AuthMode", 4, StoredForm::Digit, '0'},
    {"TxWepKey", 4, StoredForm::Digit, '0'},
    {"WepKeyFormat", 4, StoredForm::Digit, '0'},
    {"WepKey1", WepKeySlotSize, StoredForm::WepKey, 0},
    {"WepKey2", WepKeySlotSize, StoredForm::WepKey, 0},
    {"WepKey3", WepKeySlotSize, StoredForm::WepKey, 0},
    {"WepKey4", WepKeySlotSize, StoredForm::WepKey, 0},
    {"WepStatus", 4, StoredForm::Digit, '0'},
    {"WepKeySize", 4, StoredForm::WepKeySize, 0},
    {"PskPassphrase", sizeof AdapterSettings::PskPassphrase, StoredForm::Text, 0},
    {"WPALoginName", sizeof AdapterSettings::WPALoginName, StoredForm::Text, 0},
    {"WPACertificate", sizeof AdapterSettings::WPACertificate, StoredForm::Text, 0},
};

namespace {

std::string Quoted(const char* name)
{
    return std::string("\"") + name + "\"";
}

std::string CheckForm(const StoredValue& value, const unsigned char* bytes)
{
    const char* text = reinterpret_cast<const char*>(bytes);
    uint32_t channel = 0;
    switch (value.Form) {
    case StoredForm::Channel:
        if (ChannelFromStored(LittleEndianNumber(bytes), channel))
            return "";
        return Quoted(value.Name) + " must be a channel number written as decimal text";
    case StoredForm::DataRate:
        if (RateIndexForStoredText(text) != 0 || std::strcmp(text, RateTable[0].StoredText) == 0)
            return "";
        return Quoted(value.Name) + " must be a rate code of the rate table, such as \"FF\" (Auto) or \"6C\" (54 Mbit/s)";
    // The loader takes any 4 bytes for these and any text that fits for the rest; a HEX key
    // is read pair by pair as far as it is hexadecimal.
    case StoredForm::Digit:
    case StoredForm::WepKeySize:
    case StoredForm::Text:
    case StoredForm::WepKey:
        return "";
    }
    return "";
}

bool IsTextForm(StoredForm form)
{
    return form != StoredForm::Digit && form != StoredForm::Channel && form != StoredForm::WepKeySize;
}

}  // namespace

uint32_t LittleEndianNumber(const unsigned char* bytes)
{
    return bytes[0] | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

const StoredValue* FindStoredValue(const char* name)
{
    // The registry does not tell value names apart by case, so neither does the table.
    for (const StoredValue& value : StoredValues) {
        if (CompareRegistryNames(value.Name, name) == 0)
            return &value;
    }
    return nullptr;
}

uint32_t DigitFromStored(uint32_t stored, char base)
{
    return stored - static_cast<unsigned char>(base);
}

bool ChannelFromStored(uint32_t stored, uint32_t& channel)
{
    uint32_t value = 0;
    int digits = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>(stored >> (8 * i));
        if (c == 0)
            break;
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<uint32_t>(c - '0');
        ++digits;
    }
    if (digits == 0)
        return false;
    channel = value;
    return true;
}

uint32_t WepKeySizeFromStored(uint32_t stored)
{
    if (stored == CharacterPair('5', 0))
        return WepKeySize64;
    if (stored == CharacterPair('1', '3'))
        return WepKeySize128;
    return stored;
}

unsigned char RateIndexForStoredText(const char* text)
{
    for (unsigned index = 1; index < RateIndexCount; ++index) {
        if (std::strcmp(text, RateTable[index].StoredText) == 0)
            return static_cast<unsigned char>(index);
    }
    return 0;
}

uint32_t StoredNumber(const unsigned char* bytes, size_t count)
{
    unsigned char first[4] = {};
    if (count != 0)
        std::memcpy(first, bytes, count < sizeof first ? count : sizeof first);
    return LittleEndianNumber(first);
}

std::string CheckStoredBytes(const StoredValue& value, const unsigned char* bytes, size_t count)
{
    // The 4-byte read gives the first four stored bytes, zero-filled when fewer were stored,
    // so a REG_DWORD or a short text such as "1" reads the same as the store's own 4 bytes.
    if (!IsTextForm(value.Form)) {
        unsigned char first[4] = {};
        if (count != 0)
            std::memcpy(first, bytes, count < sizeof first ? count : sizeof first);
        return CheckForm(value, first);
    }
    // The text read takes at most Size - 1 bytes and ends the text at its first zero byte:
    // any value whose text fits reads as it stands, whatever its length after the text.
    size_t length = 0;
    while (length < count && bytes[length] != 0)
        ++length;
    if (length > value.Size - 1 || length >= LongestStoredText)
        return Quoted(value.Name) + " holds a text of " + std::to_string(length) +
               " characters; it can hold at most " + std::to_string(value.Size - 1);
    char text[LongestStoredText] = {};
    if (length != 0)
        std::memcpy(text, bytes, length);
    return CheckForm(value, reinterpret_cast<const unsigned char*>(text));
}

bool WriteStoredBytes(const char* path, const char* name, const void* bytes, unsigned long count)
{
    return Vexa5200SetRegistry(path, name, bytes, count, 0) == 0;
}
