#include "ScanList.h"

#include "AdapterHandle.h"
#include "BssidText.h"
#include "SignalMapping.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr size_t ListHeaderSize = offsetof(NDIS_802_11_BSSID_LIST, Bssid);
constexpr size_t SsidBytes = sizeof(NDIS_802_11_SSID::Ssid);

void ConvertRecord(const NDIS_WLAN_BSSID& record, ScanEntry& entry)
{
    // The SSID length field is not trusted; the name ends at the first NUL or after 32 bytes.
    std::memset(entry.Ssid, 0, sizeof(entry.Ssid));
    for (size_t i = 0; i < SsidBytes && record.Ssid.Ssid[i] != 0; ++i)
        entry.Ssid[i] = static_cast<char>(record.Ssid.Ssid[i]);

    FormatBssidText(record.MacAddress, entry.Bssid);
    entry.NetworkMode = static_cast<uint32_t>(record.InfrastructureMode);
    entry.Privacy = record.Privacy == 1 ? 1 : 0;
    entry.Channel = ChannelFromFrequency(record.Configuration.DSConfig);
    entry.SignalStrength = SignalPercentFromRssi(record.Rssi, std::rand() % 10);
}

}  // namespace

void ConvertScanAnswer(const unsigned char* answer, size_t size, ScanList& list, NetworkSecurity* security)
{
    if (size < ListHeaderSize) {
        list.Count = 0;
        return;
    }

    ULONG items = 0;
    std::memcpy(&items, answer, sizeof(items));
    const int wanted = items > static_cast<ULONG>(ScanListCapacity) ? ScanListCapacity : static_cast<int>(items);

    int converted = 0;
    size_t offset = ListHeaderSize;
    while (converted < wanted) {
        if (size - offset < sizeof(NDIS_WLAN_BSSID))
            break;
        // Records follow each other by their own length and need not be aligned.
        NDIS_WLAN_BSSID record;
        std::memcpy(&record, answer + offset, sizeof(record));
        if (record.Length < sizeof(NDIS_WLAN_BSSID) || record.Length > size - offset)
            break;
        ConvertRecord(record, list.Entries[converted]);
        if (security)
            security[converted] = SecurityFromBeacon(list.Entries[converted].Privacy, answer + offset + sizeof record,
                                                     record.Length - sizeof record);
        ++converted;
        offset += record.Length;
    }
    list.Count = converted;
}

bool ReadScanList(ScanList& list, NetworkSecurity* security)
{
    auto answer = std::make_unique<unsigned char[]>(ScanAnswerSize);  // zero-filled
    if (Vexa5200QueryScanList(AdapterHandle, answer.get(), ScanAnswerSize) != 0)
        return false;
    ConvertScanAnswer(answer.get(), ScanAnswerSize, list, security);
    return true;
}
