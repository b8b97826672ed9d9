#include "ScanList.h"

#include "AdapterHandle.h"
#include "BssidText.h"
#include "SignalMapping.h"

#include <algorithm>
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
    const BandChannel channel = ChannelOfFrequency(record.Configuration.DSConfig);
    entry.Channel = channel.Channel;
    entry.Band = channel.Band;
    entry.SignalStrength = SignalPercentFromRssi(record.Rssi, std::rand() % 10);
}

}  // namespace

std::vector<HeardNetwork> ConvertScanAnswer(const unsigned char* answer, size_t size)
{
    std::vector<HeardNetwork> networks;
    if (size < ListHeaderSize)
        return networks;

    // The count is the driver's word only; the records themselves bound the walk.
    ULONG items = 0;
    std::memcpy(&items, answer, sizeof(items));

    size_t offset = ListHeaderSize;
    while (networks.size() < items) {
        if (size - offset < sizeof(NDIS_WLAN_BSSID))
            break;
        // Records follow each other by their own length and need not be aligned.
        NDIS_WLAN_BSSID record;
        std::memcpy(&record, answer + offset, sizeof(record));
        if (record.Length < sizeof(NDIS_WLAN_BSSID) || record.Length > size - offset)
            break;
        HeardNetwork network = {};
        ConvertRecord(record, network.Entry);
        network.Security = SecurityFromBeacon(network.Entry.Privacy, answer + offset + sizeof record,
                                              record.Length - sizeof record);
        network.Entry.Wpa3Only = network.Security == NetworkSecurity::Wpa3;
        networks.push_back(network);
        offset += record.Length;
    }
    return networks;
}

bool ReadHeardNetworks(std::vector<HeardNetwork>& networks)
{
    auto answer = std::make_unique<unsigned char[]>(ScanAnswerSize);  // zero-filled
    if (Vexa5200QueryScanList(AdapterHandle, answer.get(), ScanAnswerSize) != 0)
        return false;
    networks = ConvertScanAnswer(answer.get(), ScanAnswerSize);
    return true;
}

std::vector<int> StrongestFirst(const std::vector<HeardNetwork>& networks)
{
    std::vector<int> order(networks.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return networks[static_cast<size_t>(a)].Entry.SignalStrength >
               networks[static_cast<size_t>(b)].Entry.SignalStrength;
    });
    return order;
}

void ListStrongest(const std::vector<HeardNetwork>& networks, ScanList& list)
{
    std::vector<int> kept = StrongestFirst(networks);
    if (kept.size() > static_cast<size_t>(ScanListCapacity))
        kept.resize(ScanListCapacity);
    // The adapter's order is the one the user knows from before the list was full.
    std::sort(kept.begin(), kept.end());
    for (size_t i = 0; i < kept.size(); ++i)
        list.Entries[i] = networks[static_cast<size_t>(kept[i])].Entry;
    list.Count = static_cast<int32_t>(kept.size());
    list.Heard = static_cast<int32_t>(networks.size());
}

bool ReadScanList(ScanList& list)
{
    std::vector<HeardNetwork> networks;
    if (!ReadHeardNetworks(networks))
        return false;
    ListStrongest(networks, list);
    return true;
}
