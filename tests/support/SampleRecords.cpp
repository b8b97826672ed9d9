#include "SampleRecords.h"

#include "record/WepKeySlots.h"

#include <cstring>

namespace {

template <size_t N>
void CopyInto(char (&field)[N], const char* text)
{
    std::memset(field, 0, N);
    std::strncpy(field, text, N - 1);
}

}  // namespace

AdapterSettings OpenRecord(const char* ssid)
{
    AdapterSettings settings;
    std::memset(&settings, 0, sizeof settings);
    settings.ApplyScope = ApplyScopeAll;
    CopyInto(settings.DesiredSSID, ssid);
    settings.NetworkMode = NetworkModeInfrastructure;
    settings.Channel = 1;
    settings.WepStatus = WepStatusOff;
    settings.WepKeySize = WepKeySize64;
    return settings;
}

AdapterSettings WepRecord(const char* ssid, uint32_t size, uint32_t format)
{
    AdapterSettings settings = OpenRecord(ssid);
    settings.AuthMode = AuthModeOpen;
    settings.WepStatus = WepStatusOn;
    settings.WepKeySize = size;
    settings.WepKeyFormat = format;
    for (int key = 0; key < WepKeyCount; ++key)
        for (uint32_t i = 0; i < size; ++i)
            WepKeySlot(settings, key)[i] =
                static_cast<unsigned char>(format == WepKeyFormatHex ? 0xA0 + 0x11 * key + i : 'a' + key + i);
    return settings;
}

AdapterSettings PskRecord(const char* ssid, const char* passphrase)
{
    AdapterSettings settings = OpenRecord(ssid);
    settings.AuthMode = AuthModeWpaPsk;
    CopyInto(settings.PskPassphrase, passphrase);
    return settings;
}

AdapterSettings TlsRecord(const char* ssid, const char* loginName, const char* certificate)
{
    AdapterSettings settings = OpenRecord(ssid);
    settings.AuthMode = AuthModeWpa;
    CopyInto(settings.WPALoginName, loginName);
    CopyInto(settings.WPACertificate, certificate);
    return settings;
}
