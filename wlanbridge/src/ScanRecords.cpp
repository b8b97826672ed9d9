#include "ScanRecords.h"

#include "BssList.h"

#include <windows.h>
#include <ntddndis.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

constexpr size_t ListHeaderSize = offsetof(NDIS_802_11_BSSID_LIST, Bssid);
constexpr USHORT PrivacyCapability = 0x0010;
constexpr USHORT BasicRateFlag = 0x8000;
constexpr unsigned long FiveGigahertzKHz = 4900000;

NDIS_802_11_NETWORK_TYPE NetworkType(const WLAN_BSS_ENTRY& e)
{
    if (e.ulChCenterFrequency >= FiveGigahertzKHz)
        return Ndis802_11OFDM5;
    return e.dot11BssPhyType == dot11_phy_type_dsss || e.dot11BssPhyType == dot11_phy_type_hrdsss
               ? Ndis802_11DS
               : Ndis802_11OFDM24;
}

NDIS_WLAN_BSSID RecordHeader(const WLAN_BSS_ENTRY& e)
{
    NDIS_WLAN_BSSID b{};
    std::memcpy(b.MacAddress, e.dot11Bssid, 6);
    b.Ssid.SsidLength = std::min<ULONG>(e.dot11Ssid.uSSIDLength, sizeof b.Ssid.Ssid);
    std::memcpy(b.Ssid.Ssid, e.dot11Ssid.ucSSID, b.Ssid.SsidLength);
    b.Privacy = (e.usCapabilityInformation & PrivacyCapability) ? 1 : 0;
    b.Rssi = e.lRssi;
    b.NetworkTypeInUse = NetworkType(e);
    b.Configuration.Length = sizeof b.Configuration;
    b.Configuration.BeaconPeriod = e.usBeaconPeriod;
    b.Configuration.DSConfig = e.ulChCenterFrequency;
    b.InfrastructureMode = e.dot11BssType == dot11_BSS_type_independent ? Ndis802_11IBSS : Ndis802_11Infrastructure;
    // The rate set is in 500 kbit/s units with the basic flag in the top bit, as NDIS's bytes.
    const size_t rates = std::min<size_t>(e.wlanRateSet.uRateSetLength / sizeof(USHORT), DOT11_RATE_SET_MAX_LENGTH);
    for (size_t i = 0, out = 0; i < rates && out < sizeof b.SupportedRates; ++i) {
        const USHORT rate = e.wlanRateSet.usRateSet[i];
        b.SupportedRates[out++] = static_cast<UCHAR>((rate & 0x7F) | ((rate & BasicRateFlag) ? 0x80 : 0));
    }
    return b;
}

// The length of the leading whole elements that fit in room bytes.
size_t WholeElementsWithin(const unsigned char* elements, size_t size, size_t room)
{
    size_t offset = 0;
    while (offset + 2 <= size) {
        const size_t next = offset + 2 + elements[offset + 1];
        if (next > size || next > room)
            break;
        offset = next;
    }
    return offset;
}

// A record with all its elements, padded as it is written.
size_t WholeRecordSize(const BssEntryView& view)
{
    return sizeof(NDIS_WLAN_BSSID) + ((view.ElementsSize + 3) & ~size_t{3});
}

// The entries to write: all of them when they fit whole; else the strongest that fit whole,
// still in Windows' order, then the strongest of the others, which the writer cuts to the
// room left. A crowded building hears more than the buffer holds, and a cut in Windows' own
// order would drop strong networks for weak ones.
std::vector<BssEntryView> EntriesThatFit(std::vector<BssEntryView> views, size_t room)
{
    size_t total = 0;
    for (const BssEntryView& view : views)
        total += WholeRecordSize(view);
    if (total <= room)
        return views;
    std::vector<size_t> order(views.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return views[a].Entry.lRssi > views[b].Entry.lRssi; });
    std::vector<bool> kept(views.size(), false);
    size_t used = 0;
    for (size_t index : order) {
        const size_t size = WholeRecordSize(views[index]);
        if (used + size <= room) {
            kept[index] = true;
            used += size;
        }
    }
    std::vector<BssEntryView> chosen;
    for (size_t i = 0; i < views.size(); ++i)
        if (kept[i])
            chosen.push_back(views[i]);
    for (size_t index : order)
        if (!kept[index]) {
            chosen.push_back(views[index]);
            break;
        }
    return chosen;
}

}  // namespace

bool WriteScanRecords(const std::vector<unsigned char>& bssList, void* buffer, unsigned long size)
{
    if (!buffer || size < ListHeaderSize)
        return false;
    auto* out = static_cast<unsigned char*>(buffer);
    size_t used = ListHeaderSize;
    ULONG written = 0;
    for (const BssEntryView& view : EntriesThatFit(ReadBssList(bssList), size - ListHeaderSize)) {
        if (size - used < sizeof(NDIS_WLAN_BSSID))
            break;
        const size_t room = size - used - sizeof(NDIS_WLAN_BSSID);
        size_t elements = view.ElementsSize;
        bool cut = false;
        if (elements > room) {
            elements = WholeElementsWithin(view.Elements, view.ElementsSize, room);
            cut = true;
        }
        // Records keep 4-byte lengths, as a driver's do, where the buffer has room for it.
        size_t padded = (elements + 3) & ~size_t{3};
        if (padded > room)
            padded = elements;
        NDIS_WLAN_BSSID record = RecordHeader(view.Entry);
        record.Length = static_cast<ULONG>(sizeof record + padded);
        std::memcpy(out + used, &record, sizeof record);
        if (elements)
            std::memcpy(out + used + sizeof record, view.Elements, elements);
        std::memset(out + used + sizeof record + elements, 0, padded - elements);
        used += record.Length;
        ++written;
        if (cut)
            break;
    }
    std::memcpy(out, &written, sizeof written);
    return true;
}
