#include "settings/SettingsStore.h"

#include "framework/Handles.h"
#include "record/HexText.h"
#include "record/RateTable.h"
#include "record/WepKeySlots.h"
#include "settings/StoredValues.h"

#include <Vexa5200.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

bool StoredValuePresent(const char* path, const char* name)
{
    std::string keyPath = path;
    while (!keyPath.empty() && keyPath.back() == '\\')
        keyPath.pop_back();
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return false;
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

namespace {

constexpr size_t DataRateValueSize = 10;

const char* const WepKeyValueNames[WepKeyCount] = {"WepKey1", "WepKey2", "WepKey3", "WepKey4"};

bool CreateKey(const char* path)
{
    CRegistryKey key;
    return RegCreateKeyA(HKEY_LOCAL_MACHINE, path, key.Receive()) == ERROR_SUCCESS;
}

// Writes the values of one key and remembers whether every write was stored. A failed write
// does not stop the others: what can be stored is, and the caller tells the user the rest.
class CValueWriter {
public:
    explicit CValueWriter(const char* path) : m_path(path) {}

    bool AllWritten() const { return m_allWritten; }

    void Bytes(const char* name, const void* bytes, unsigned long count)
    {
        if (!WriteStoredBytes(m_path, name, bytes, count))
            m_allWritten = false;
    }

    // A 32-bit number as its 4 little-endian bytes; for the single-character values this is
    // the character followed by three zero bytes.
    void Number(const char* name, uint32_t number)
    {
        const unsigned char bytes[4] = {
            static_cast<unsigned char>(number), static_cast<unsigned char>(number >> 8),
            static_cast<unsigned char>(number >> 16), static_cast<unsigned char>(number >> 24)};
        Bytes(name, bytes, sizeof bytes);
    }

    // A text field written with its full size; the last byte is always a terminator.
    template <size_t Size>
    void TextField(const char* name, const char (&field)[Size])
    {
        char bytes[Size];
        std::memcpy(bytes, field, Size);
        bytes[Size - 1] = 0;
        Bytes(name, bytes, Size);
    }

private:
    const char* m_path;
    bool m_allWritten = true;
};

// What a checked read keeps: the first stored value that the library failed to read. The
// library answers "absent" for both, so a failed read is told apart from a missing value by
// asking the registry whether the value is there.
struct ReadLog {
    std::string* Unread = nullptr;  // null: failures are taken as missing values
};


void NoteFailedRead(ReadLog& log, const char* path, const char* name)
{
    if (log.Unread && log.Unread->empty() && StoredValuePresent(path, name))
        *log.Unread = name;
}

bool ReadNumber(ReadLog& log, const char* path, const char* name, uint32_t& number)
{
    unsigned long value = 0;
    if (Vexa5200QueryRegistry(path, name, &value) != 0) {
        NoteFailedRead(log, path, name);
        return false;
    }
    number = static_cast<uint32_t>(value);
    return true;
}

// A single character stored as 4 bytes: the field takes the stored number minus the value's
// base whatever it is (StoredValues.h says why); a missing value leaves the field alone.
bool ReadDigit(ReadLog& log, const char* path, const char* name, uint32_t& field)
{
    uint32_t stored = 0;
    if (!ReadNumber(log, path, name, stored))
        return false;
    field = DigitFromStored(stored, FindStoredValue(name)->Base);
    return true;
}

// Text of at most size bytes (terminator included), into a buffer the caller provides.
bool ReadText(ReadLog& log, const char* path, const char* name, char* text, size_t size)
{
    std::memset(text, 0, size);
    if (Vexa5200QueryRegistry(path, name, text, static_cast<unsigned long>(size)) != 0) {
        text[0] = 0;
        NoteFailedRead(log, path, name);
        return false;
    }
    text[size - 1] = 0;
    return true;
}

template <size_t Size>
void ReadTextField(ReadLog& log, const char* path, const char* name, char (&field)[Size])
{
    static_assert(Size <= LongestStoredText);
    char text[LongestStoredText];
    if (ReadText(log, path, name, text, Size))
        std::memcpy(field, text, Size);
}

// Up to four characters of decimal digits, ending at the first zero byte.
bool ReadChannel(ReadLog& log, const char* path, uint32_t& channel)
{
    uint32_t stored = 0;
    return ReadNumber(log, path, "Channel", stored) && ChannelFromStored(stored, channel);
}

// The two sizes the key editors offer are stored as the texts "5" and "13"; any other size
// as its raw bytes, so that it comes back unchanged.
void WriteWepKeySize(CValueWriter& writer, uint32_t size)
{
    if (size == WepKeySize64)
        writer.Number("WepKeySize", CharacterPair('5', 0));
    else if (size == WepKeySize128)
        writer.Number("WepKeySize", CharacterPair('1', '3'));
    else
        writer.Number("WepKeySize", size);
}

void ReadWepKeySize(ReadLog& log, const char* path, uint32_t& size)
{
    uint32_t stored = 0;
    if (ReadNumber(log, path, "WepKeySize", stored))
        size = WepKeySizeFromStored(stored);
}

// An ASCII key ends at its first zero byte, so one without a first byte is empty. A HEX key
// may well begin with a zero byte (00AABBCCDD); it is empty only when all its bytes are.
bool IsEmptyWepKey(const unsigned char* key, size_t size, uint32_t format)
{
    if (format != WepKeyFormatHex)
        return key[0] == 0;
    const size_t count = size < WepKeySlotSize ? size : WepKeySlotSize;
    for (size_t i = 0; i < count; ++i)
        if (key[i] != 0)
            return false;
    return true;
}

// Empty keys become WepKeySize characters '0', the form stored files have for them; in HEX
// format each key is then replaced by the hex text of its first WepKeySize bytes.
void PrepareWepKeys(const AdapterSettings& settings, unsigned char (&prepared)[WepKeyCount][WepKeySlotSize])
{
    const size_t size = settings.WepKeySize;
    for (int i = 0; i < WepKeyCount; ++i) {
        unsigned char* key = prepared[i];
        std::memcpy(key, WepKeySlot(settings, i), WepKeySlotSize);
        if (IsEmptyWepKey(key, size, settings.WepKeyFormat)) {
            const size_t zeros = size < WepKeySlotSize ? size : WepKeySlotSize - 1;
            std::memset(key, 0, WepKeySlotSize);
            std::memset(key, '0', zeros);
        }
        if (settings.WepKeyFormat == WepKeyFormatHex) {
            const size_t count = size < MaxWepKeySize ? size : MaxWepKeySize;
            const std::string text = BytesToHexText(key, count);
            std::memset(key, 0, WepKeySlotSize);
            std::memcpy(key, text.data(), text.size());
        }
    }
}

// In HEX format a key's text is decoded pair by pair, each pair as far as it is hexadecimal.
// The decoded bytes replace the start of the slot and the rest is cleared: left in place,
// the text's own characters after them would count as key bytes wherever the key size
// reaches past the decoded ones, reach the adapter and be saved back as such.
void ReadWepKey(ReadLog& log, const char* path, int index, uint32_t format, unsigned char* slot)
{
    char text[WepKeySlotSize];
    if (!ReadText(log, path, WepKeyValueNames[index], text, sizeof text))
        return;
    if (format != WepKeyFormatHex) {
        std::memcpy(slot, text, WepKeySlotSize);
        return;
    }
    unsigned char bytes[WepKeySlotSize / 2];
    const size_t count = HexPairsToBytes(text, std::strlen(text), bytes, sizeof bytes);
    std::memset(slot, 0, WepKeySlotSize);
    std::memcpy(slot, bytes, count);
}

// Every stored value into the record, in the loader's order.
void ReadAll(ReadLog& log, const char* path, AdapterSettings& settings)
{
    char ssid[sizeof settings.DesiredSSID];
    if (ReadText(log, path, "DesiredSSID", ssid, sizeof ssid))
        std::memcpy(settings.DesiredSSID, ssid, sizeof ssid);
    else
        std::strcpy(settings.DesiredSSID, "Wireless");

    if (!ReadDigit(log, path, "NetworkMode", settings.NetworkMode))
        settings.NetworkMode = NetworkModeInfrastructure;
    if (!ReadChannel(log, path, settings.Channel))
        settings.Channel = 1;

    char rate[DataRateValueSize];
    ReadText(log, path, "DataRate", rate, sizeof rate);
    settings.DataRate[0] = RateIndexForStoredText(rate);
    settings.DataRate[1] = 0;

    ReadDigit(log, path, "PowerMode", settings.PowerMode);
    ReadDigit(log, path, "Preamble", settings.Preamble);
    if (!ReadDigit(log, path, "WepStatus", settings.WepStatus))
        settings.WepStatus = WepStatusOff;
    ReadDigit(log, path, "AuthMode", settings.AuthMode);
    ReadDigit(log, path, "TxWepKey", settings.TxWepKey);
    ReadWepKeySize(log, path, settings.WepKeySize);
    ReadDigit(log, path, "WepKeyFormat", settings.WepKeyFormat);

    for (int i = 0; i < WepKeyCount; ++i)
        ReadWepKey(log, path, i, settings.WepKeyFormat, WepKeySlot(settings, i));

    ReadTextField(log, path, "PskPassphrase", settings.PskPassphrase);
    ReadTextField(log, path, "WPALoginName", settings.WPALoginName);
    ReadTextField(log, path, "WPACertificate", settings.WPACertificate);
}
}  // namespace

bool SaveSettingsAt(const char* path, const AdapterSettings& settings)
{
    const bool created = CreateKey(path);
    CValueWriter writer(path);

    writer.TextField("DesiredSSID", settings.DesiredSSID);
    writer.Number("NetworkMode", '0' + settings.NetworkMode);

    // Four digits fill the value without a terminator, as the loader reads them: a stored
    // channel the user did not change is saved back as it was.
    char digits[12] = {};
    std::snprintf(digits, sizeof digits, "%u", static_cast<unsigned>(settings.Channel));
    char channel[4] = {0, 0, 0, 0};
    std::memcpy(channel, digits, std::min(std::strlen(digits), sizeof channel));
    writer.Bytes("Channel", channel, sizeof channel);

    char rate[DataRateValueSize] = {};
    std::snprintf(rate, sizeof rate, "%X", static_cast<unsigned>(RateCodeForIndex(settings.DataRate[0])));
    writer.Bytes("DataRate", rate, sizeof rate);

    writer.Number("PowerMode", '0' + settings.PowerMode);
    writer.Number("Preamble", '0' + PreambleExternalBase + settings.Preamble);
    writer.Number("AuthMode", '0' + settings.AuthMode);
    writer.Number("TxWepKey", '0' + settings.TxWepKey);
    writer.Number("WepKeyFormat", '0' + settings.WepKeyFormat);

    if (settings.WepStatus == WepStatusOn) {
        unsigned char keys[WepKeyCount][WepKeySlotSize];
        PrepareWepKeys(settings, keys);
        for (int i = 0; i < WepKeyCount; ++i)
            writer.Bytes(WepKeyValueNames[i], keys[i], WepKeySlotSize);
    }

    writer.Number("WepStatus", '0' + settings.WepStatus);
    WriteWepKeySize(writer, settings.WepKeySize);
    writer.TextField("PskPassphrase", settings.PskPassphrase);
    writer.TextField("WPALoginName", settings.WPALoginName);
    writer.TextField("WPACertificate", settings.WPACertificate);
    return created && writer.AllWritten();
}

void LoadSettingsAt(const char* path, AdapterSettings& settings)
{
    CreateKey(path);
    ReadSettingsAt(path, settings);
}

void ReadSettingsAt(const char* path, AdapterSettings& settings)
{
    ReadLog log;
    ReadAll(log, path, settings);
}

bool ReadSettingsChecked(const char* path, AdapterSettings& settings, std::string& unreadValue)
{
    unreadValue.clear();
    ReadLog log;
    log.Unread = &unreadValue;
    ReadAll(log, path, settings);
    return unreadValue.empty();
}


