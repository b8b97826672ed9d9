#include "WlanAnswers.h"

#include <cstddef>
#include <cstring>

Bytes RsnElement()
{
    return RsnElementOffering({2});
}

Bytes RsnElementOffering(const std::vector<unsigned char>& akmTypes)
{
    // Version 1, CCMP group and pairwise, then the key managements, then the capabilities.
    Bytes body = {1, 0, 0x00, 0x0F, 0xAC, 4, 1, 0, 0x00, 0x0F, 0xAC, 4};
    body.push_back(static_cast<unsigned char>(akmTypes.size()));
    body.push_back(0);
    for (unsigned char type : akmTypes)
        body.insert(body.end(), {0x00, 0x0F, 0xAC, type});
    body.insert(body.end(), {0, 0});
    Bytes element = {48, static_cast<unsigned char>(body.size())};
    element.insert(element.end(), body.begin(), body.end());
    return element;
}

Bytes WpaElement()
{
    return {221, 22, 0x00, 0x50, 0xF2, 1, 1, 0, 0x00, 0x50, 0xF2, 2, 1, 0, 0x00, 0x50, 0xF2, 2, 1, 0, 0x00, 0x50,
            0xF2, 2};
}

Bytes ElementOf(unsigned char id, size_t bodySize)
{
    Bytes element(2 + bodySize, 0xEE);
    element[0] = id;
    element[1] = static_cast<unsigned char>(bodySize);
    return element;
}

Bytes BssListOf(const std::vector<BssEntry>& entries)
{
    const size_t first = offsetof(WLAN_BSS_LIST, wlanBssEntries);
    size_t elementsAt = first + entries.size() * sizeof(WLAN_BSS_ENTRY);
    size_t total = elementsAt;
    for (const BssEntry& entry : entries)
        total += entry.Elements.size();
    Bytes list(total, 0);
    const DWORD size = static_cast<DWORD>(total);
    const DWORD count = static_cast<DWORD>(entries.size());
    std::memcpy(list.data(), &size, sizeof size);
    std::memcpy(list.data() + sizeof size, &count, sizeof count);
    for (size_t i = 0; i < entries.size(); ++i) {
        const BssEntry& entry = entries[i];
        const size_t at = first + i * sizeof(WLAN_BSS_ENTRY);
        WLAN_BSS_ENTRY e{};
        e.dot11Ssid.uSSIDLength = static_cast<ULONG>(entry.Ssid.size());
        std::memcpy(e.dot11Ssid.ucSSID, entry.Ssid.data(), entry.Ssid.size() < 32 ? entry.Ssid.size() : 32);
        std::memcpy(e.dot11Bssid, entry.Bssid, 6);
        e.dot11BssType = entry.Independent ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
        e.dot11BssPhyType = dot11_phy_type_erp;
        e.lRssi = entry.Rssi;
        e.usBeaconPeriod = 100;
        e.usCapabilityInformation = static_cast<USHORT>((entry.Independent ? 0x02 : 0x01) | (entry.Private ? 0x10 : 0));
        e.ulChCenterFrequency = entry.FrequencyKHz;
        e.wlanRateSet.uRateSetLength = 4 * sizeof(USHORT);
        const USHORT rates[4] = {0x8002, 0x8004, 0x800B, 0x0016};  // 1, 2, 5.5 basic; 11
        std::memcpy(e.wlanRateSet.usRateSet, rates, sizeof rates);
        e.ulIeOffset = static_cast<ULONG>(elementsAt - at);
        e.ulIeSize = static_cast<ULONG>(entry.Elements.size());
        std::memcpy(list.data() + at, &e, sizeof e);
        if (!entry.Elements.empty())
            std::memcpy(list.data() + elementsAt, entry.Elements.data(), entry.Elements.size());
        elementsAt += entry.Elements.size();
    }
    return list;
}

Bytes ConnectionOf(WLAN_INTERFACE_STATE state, const std::string& ssid, const unsigned char (&bssid)[6],
                   ULONG quality, ULONG txRateKbps, DOT11_BSS_TYPE type)
{
    WLAN_CONNECTION_ATTRIBUTES a{};
    a.isState = state;
    WLAN_ASSOCIATION_ATTRIBUTES& assoc = a.wlanAssociationAttributes;
    assoc.dot11Ssid.uSSIDLength = static_cast<ULONG>(ssid.size());
    std::memcpy(assoc.dot11Ssid.ucSSID, ssid.data(), ssid.size() < 32 ? ssid.size() : 32);
    assoc.dot11BssType = type;
    std::memcpy(assoc.dot11Bssid, bssid, 6);
    assoc.wlanSignalQuality = quality;
    assoc.ulTxRate = txRateKbps;
    assoc.ulRxRate = txRateKbps;
    return BytesOf(a);
}

Bytes RadioOf(const std::vector<PhyRadio>& phys)
{
    WLAN_RADIO_STATE radio{};
    radio.dwNumberOfPhys = static_cast<DWORD>(phys.size());
    for (size_t i = 0; i < phys.size(); ++i)
        radio.PhyRadioState[i] = {static_cast<DWORD>(i + 1), phys[i].Software, phys[i].Hardware};
    return BytesOf(radio);
}

Bytes ConnectionNotice(const std::string& ssid, DWORD reason)
{
    WLAN_CONNECTION_NOTIFICATION_DATA data{};
    data.wlanConnectionMode = wlan_connection_mode_temporary_profile;
    data.dot11Ssid.uSSIDLength = static_cast<ULONG>(ssid.size());
    std::memcpy(data.dot11Ssid.ucSSID, ssid.data(), ssid.size() < 32 ? ssid.size() : 32);
    data.dot11BssType = dot11_BSS_type_infrastructure;
    data.wlanReasonCode = reason;
    return BytesOf(data);
}
