#include "settings/StoredValues.h"

#include "record/AdapterSettings.h"
#include "record/HexText.h"
#include "record/RateTable.h"
#include "record/WepKeySlots.h"
#include "settings/RegistryNames.h"

#include <Vexa5200.h>

#include <cstring>

const StoredValue StoredValues[StoredValueCount] = {
    {"DesiredSSID", sizeof AdapterSettings::DesiredSSID, StoredForm::Text, 0, 0},
    {"NetworkMode", 4, StoredForm::Digit, '0', NetworkModeInfrastructure},
    {"Channel", 4, StoredForm::Channel, 0, 0},
    {"DataRate", 10, StoredForm::DataRate, 0, 0},
    {"PowerMode", 4, StoredForm::Digit, '0', PowerModePowerSave},
    {"Preamble", 4, StoredForm::Digit, '0' + PreambleExternalBase, PreambleLong},
    {"AuthMode", 4, StoredForm::Digit, '0', AuthModeWpa},
    {"TxWepKey", 4, StoredForm::Digit, '0', WepKeyCount - 1},
    {"WepKeyFormat", 4, StoredForm::Digit, '0', WepKeyFormatHex},
    {"WepKey1", WepKeySlotSize, StoredForm::WepKey, 0, 0},
    {"WepKey2", WepKeySlotSize, StoredForm::WepKey, 0, 0},
    {"WepKey3", WepKeySlotSize, StoredForm::WepKey, 0, 0},
    {"WepKey4", WepKeySlotSize, StoredForm::WepKey, 0, 0},
    {"WepStatus", 4, StoredForm::Digit, '0', WepStatusOff},
    {"WepKeySize", 4, StoredForm::WepKeySize, 0, 0},
    {"PskPassphrase", sizeof AdapterSettings::PskPassphrase, StoredForm::Text, 0, 0},
    {"WPALoginName", sizeof AdapterSettings::WPALoginName, StoredForm::Text, 0, 0},
    {"WPACertificate", sizeof AdapterSettings::WPACertificate, StoredForm::Text, 0, 0},
};

namespace {

std::string Quoted(const char* name)
{
    return std::string("\"") + name + "\"";
}

std::string CheckForm(const StoredValue& value, const unsigned char* bytes, uint32_t wepKeyFormat)
{
    const char* text = reinterpret_cast<const char*>(bytes);
    uint32_t decoded = 0;
    switch (value.Form) {
    case StoredForm::Text:
        return "";
    case StoredForm::Digit:
        if (DigitFromStored(LittleEndianNumber(bytes), value.Base, value.Highest, decoded))
            return "";
        return Quoted(value.Name) + " must be a character from '" + value.Base + "' to '" +
               static_cast<char>(value.Base + value.Highest) + "' followed by three zero bytes";
    case StoredForm::Channel:
        if (ChannelFromStored(LittleEndianNumber(bytes), decoded))
            return "";
        return Quoted(value.Name) + " must be a channel from 1 to " + std::to_string(HighestChannel) +
               " written as decimal text";
    case StoredForm::DataRate:
        if (RateIndexForStoredText(text) != 0 || std::strcmp(text, RateTable[0].StoredText) == 0)
            return "";
        return Quoted(value.Name) + " must be a rate code of the rate table, such as \"FF\" (Auto) or \"6C\" (54 Mbit/s)";
    case StoredForm::WepKeySize:
        if (WepKeySizeFromStored(LittleEndianNumber(bytes), decoded))
            return "";
        return Quoted(value.Name) + " must be the text \"5\" or \"13\", or a key size of at most " +
               std::to_string(MaxWepKeySize) + " bytes";
    case StoredForm::WepKey: {
        if (wepKeyFormat != WepKeyFormatHex)
            return "";
        bool allDigits = false;
        unsigned char key[WepKeySlotSize / 2];
        HexPairsToBytes(text, std::strlen(text), key, sizeof key, &allDigits);
        if (allDigits)
            return "";
        return Quoted(value.Name) + " must be hexadecimal text, as the key format is HEX";
    }
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

bool DigitFromStored(uint32_t stored, char base, uint32_t highest, uint32_t& value)
{
    const uint32_t first = static_cast<unsigned char>(base);
    if (stored < first || stored - first > highest)
        return false;
    value = stored - first;
    return true;
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
    if (digits == 0 || value < 1 || value > HighestChannel)
        return false;
    channel = value;
    return true;
}

bool WepKeySizeFromStored(uint32_t stored, uint32_t& size)
{
    if (stored == CharacterPair('5', 0))
        size = WepKeySize64;
    else if (stored == CharacterPair('1', '3'))
        size = WepKeySize128;
    else if (stored <= MaxWepKeySize)
        size = stored;
    else
        return false;
    return true;
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

std::string CheckStoredBytes(const StoredValue& value, const unsigned char* bytes, size_t count,
                             uint32_t wepKeyFormat)
{
    // The 4-byte read gives the first four stored bytes, zero-filled when fewer were stored,
    // so a REG_DWORD or a short text such as "1" reads the same as the store's own 4 bytes.
    if (!IsTextForm(value.Form)) {
        unsigned char first[4] = {};
        if (count != 0)
            std::memcpy(first, bytes, count < sizeof first ? count : sizeof first);
        return CheckForm(value, first, wepKeyFormat);
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
    return CheckForm(value, reinterpret_cast<const unsigned char*>(text), wepKeyFormat);
}

bool WriteStoredBytes(const char* path, const char* name, const void* bytes, unsigned long count)
{
    return Vexa5200SetRegistry(path, name, bytes, count, 0) == 0;
}
