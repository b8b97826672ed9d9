#include "Answers.h"

#include "Beacon.h"
#include "Link.h"
#include "Memory.h"
#include "Security.h"
#include "World.h"

#include <cstring>
#include <vector>

namespace wdouble {

namespace {

constexpr DWORD PhyVht = 8;  // dot11_phy_type_vht (802.11ac)
constexpr DWORD PhyHe = 10;  // dot11_phy_type_he (802.11ax)

DWORD PhyType(const VexaSimNetwork& n)
{
    if (n.Band == VEXASIM_BAND_5)
        return PhyVht;
    if (n.Band == VEXASIM_BAND_6)
        return PhyHe;
    return n.MaxRateCode > 22 ? dot11_phy_type_erp : dot11_phy_type_hrdsss;
}

template <class T>
void* Copy(const T& value, DWORD& size)
{
    void* data = Allocate(sizeof value);
    if (data) {
        std::memcpy(data, &value, sizeof value);
        size = sizeof value;
    }
    return data;
}

bool Wanted(const VexaSimNetwork& n, const DOT11_SSID* ssid, DOT11_BSS_TYPE type, BOOL securityOnly)
{
    if (ssid) {
        const size_t length = n.Hidden ? 0 : strnlen(n.Ssid, 32);
        if (ssid->uSSIDLength != length || std::memcmp(ssid->ucSSID, n.Ssid, length) != 0)
            return false;
    }
    if (type == dot11_BSS_type_infrastructure && !n.Infrastructure)
        return false;
    if (type == dot11_BSS_type_independent && n.Infrastructure)
        return false;
    return !securityOnly || n.Security != VEXASIM_OPEN;
}

WLAN_BSS_ENTRY Entry(const VexaSimNetwork& n, uint64_t now)
{
    WLAN_BSS_ENTRY e{};
    e.dot11Ssid.uSSIDLength = n.Hidden ? 0 : static_cast<ULONG>(strnlen(n.Ssid, 32));
    std::memcpy(e.dot11Ssid.ucSSID, n.Ssid, e.dot11Ssid.uSSIDLength);
    std::memcpy(e.dot11Bssid, n.Bssid, 6);
    e.dot11BssType = n.Infrastructure ? dot11_BSS_type_infrastructure : dot11_BSS_type_independent;
    e.dot11BssPhyType = static_cast<DOT11_PHY_TYPE>(PhyType(n));
    e.lRssi = vexa::MeasuredRssi(n.RssiDbm, n.Bssid, now);
    e.uLinkQuality = SignalQuality(e.lRssi);
    e.bInRegDomain = TRUE;
    e.usBeaconPeriod = 100;
    e.ullTimestamp = now * 1000;
    e.ullHostTimestamp = now * 10000;
    e.usCapabilityInformation = static_cast<USHORT>((n.Infrastructure ? 0x0001 : 0x0002) |
                                                    (n.Security != VEXASIM_OPEN ? 0x0010 : 0));
    e.ulChCenterFrequency = vexa::NetworkFrequencyKHz(n);
    // Rates in 500 kbit/s, the top bit marking a basic rate.
    const std::vector<unsigned char> rates = vexa::NetworkRates(n);
    for (unsigned char rate : rates)
        if (e.wlanRateSet.uRateSetLength < DOT11_RATE_SET_MAX_LENGTH)
            e.wlanRateSet.usRateSet[e.wlanRateSet.uRateSetLength++] =
                static_cast<USHORT>((rate & 0x7F) | ((rate & 0x80) ? 0x8000 : 0));
    return e;
}

}  // namespace

PWLAN_INTERFACE_INFO_LIST InterfaceList(const DoubleState& s)
{
    static const wchar_t* const descriptions[MaxInterfaces] = {L"Vexa 5200 Wireless Network Adapter (Native Wifi double)",
                                                               L"Second Wireless Network Adapter (Native Wifi double)"};
    DWORD count = 0;
    for (const InterfaceState& st : s.Interfaces)
        count += st.Present ? 1 : 0;
    auto* list = static_cast<PWLAN_INTERFACE_INFO_LIST>(
        Allocate(sizeof(WLAN_INTERFACE_INFO_LIST) + count * sizeof(WLAN_INTERFACE_INFO)));
    if (!list)
        return nullptr;
    for (int i = 0; i < MaxInterfaces; ++i) {
        const InterfaceState& st = s.Interfaces[i];
        if (!st.Present)
            continue;
        WLAN_INTERFACE_INFO& info = list->InterfaceInfo[list->dwNumberOfItems++];
        info.InterfaceGuid = InterfaceGuid(i);
        wcsncpy(info.strInterfaceDescription, descriptions[i], 255);
        info.isState = st.LinkPhase == Phase::Connected    ? wlan_interface_state_connected
                       : st.LinkPhase == Phase::Connecting ? wlan_interface_state_associating
                                                           : wlan_interface_state_disconnected;
    }
    return list;
}

PWLAN_PROFILE_INFO_LIST ProfileList(const DoubleState& s, int iface)
{
    const int count = s.ProfileCount[iface];
    auto* list = static_cast<PWLAN_PROFILE_INFO_LIST>(
        Allocate(sizeof(WLAN_PROFILE_INFO_LIST) + static_cast<size_t>(count) * sizeof(WLAN_PROFILE_INFO)));
    if (!list)
        return nullptr;
    list->dwNumberOfItems = static_cast<DWORD>(count);
    for (int i = 0; i < count; ++i) {
        std::memcpy(list->ProfileInfo[i].strProfileName, s.Profiles[iface][i].Name, sizeof(WCHAR) * MaxNameChars);
        list->ProfileInfo[i].dwFlags = s.Profiles[iface][i].Flags;
    }
    return list;
}

PWLAN_BSS_LIST BssList(const DoubleState& s, const Scene& scene, int iface, const DOT11_SSID* ssid,
                       DOT11_BSS_TYPE bssType, BOOL securityOnly, uint64_t now)
{
    std::vector<const VexaSimNetwork*> heard;
    const InterfaceState& st = s.Interfaces[iface];
    if (!st.ListFlushed && RadioUsable(s, scene, iface))
        for (int i = 0; i < scene.NetworkCount; ++i)
            if (scene.Networks[i].RssiDbm >= HeardDbm && Wanted(scene.Networks[i], ssid, bssType, securityOnly))
                heard.push_back(&scene.Networks[i]);
    std::vector<std::vector<unsigned char>> elements;
    const size_t header = offsetof(WLAN_BSS_LIST, wlanBssEntries);
    size_t total = header + heard.size() * sizeof(WLAN_BSS_ENTRY);
    for (const VexaSimNetwork* n : heard) {
        elements.push_back(vexa::BeaconElements(*n));
        total += elements.back().size();
    }
    if (total < sizeof(WLAN_BSS_LIST))
        total = sizeof(WLAN_BSS_LIST);
    auto* list = static_cast<PWLAN_BSS_LIST>(Allocate(total));
    if (!list)
        return nullptr;
    list->dwTotalSize = static_cast<DWORD>(total);
    list->dwNumberOfItems = static_cast<DWORD>(heard.size());
    auto* base = reinterpret_cast<unsigned char*>(list);
    size_t at = header + heard.size() * sizeof(WLAN_BSS_ENTRY);
    for (size_t i = 0; i < heard.size(); ++i) {
        WLAN_BSS_ENTRY e = Entry(*heard[i], now);
        const size_t entryAt = header + i * sizeof(WLAN_BSS_ENTRY);
        // The offset counts from the entry to its elements.
        e.ulIeOffset = static_cast<ULONG>(at - entryAt);
        e.ulIeSize = static_cast<ULONG>(elements[i].size());
        std::memcpy(base + entryAt, &e, sizeof e);
        std::memcpy(base + at, elements[i].data(), elements[i].size());
        at += elements[i].size();
    }
    return list;
}

DWORD QueryAnswer(const DoubleState& s, const Scene& scene, int iface, WLAN_INTF_OPCODE opcode, uint64_t now,
                  DWORD& size, void*& data, WLAN_OPCODE_VALUE_TYPE& valueType)
{
    const InterfaceState& st = s.Interfaces[iface];
    const int network = LinkedNetwork(s, scene, iface);
    const VexaSimNetwork* n = network >= 0 ? &scene.Networks[network] : nullptr;
    valueType = wlan_opcode_value_type_query_only;
    data = nullptr;
    switch (opcode) {
    case wlan_intf_opcode_autoconf_enabled:
    case wlan_intf_opcode_background_scan_enabled: {
        const BOOL on = TRUE;
        valueType = wlan_opcode_value_type_set_by_user;
        data = Copy(on, size);
        break;
    }
    case wlan_intf_opcode_radio_state: {
        WLAN_RADIO_STATE radio{};
        radio.dwNumberOfPhys = 1;
        radio.PhyRadioState[0].dot11SoftwareRadioState = st.SoftwareRadio ? dot11_radio_state_on : dot11_radio_state_off;
        radio.PhyRadioState[0].dot11HardwareRadioState = scene.HardwareRadio ? dot11_radio_state_on : dot11_radio_state_off;
        valueType = wlan_opcode_value_type_set_by_user;
        data = Copy(radio, size);
        break;
    }
    case wlan_intf_opcode_bss_type: {
        const DOT11_BSS_TYPE type = n && !n->Infrastructure ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure;
        data = Copy(type, size);
        break;
    }
    case wlan_intf_opcode_interface_state: {
        const WLAN_INTERFACE_STATE state = st.LinkPhase == Phase::Connected    ? wlan_interface_state_connected
                                           : st.LinkPhase == Phase::Connecting ? wlan_interface_state_associating
                                                                               : wlan_interface_state_disconnected;
        data = Copy(state, size);
        break;
    }
    case wlan_intf_opcode_current_connection: {
        // [WLAN_CONNECTION_ATTRIBUTES] Nothing connected: the query fails.
        if (!n)
            return ERROR_INVALID_STATE;
        WLAN_CONNECTION_ATTRIBUTES a{};
        a.isState = wlan_interface_state_connected;
        a.wlanConnectionMode = static_cast<WLAN_CONNECTION_MODE>(st.Mode);
        std::memcpy(a.strProfileName, st.Profile.Name, sizeof a.strProfileName);
        WLAN_ASSOCIATION_ATTRIBUTES& assoc = a.wlanAssociationAttributes;
        assoc.dot11Ssid.uSSIDLength = static_cast<ULONG>(strnlen(n->Ssid, 32));
        std::memcpy(assoc.dot11Ssid.ucSSID, n->Ssid, assoc.dot11Ssid.uSSIDLength);
        assoc.dot11BssType = n->Infrastructure ? dot11_BSS_type_infrastructure : dot11_BSS_type_independent;
        std::memcpy(assoc.dot11Bssid, n->Bssid, 6);
        assoc.dot11PhyType = static_cast<DOT11_PHY_TYPE>(PhyType(*n));
        assoc.wlanSignalQuality = SignalQuality(vexa::MeasuredRssi(n->RssiDbm, n->Bssid, now));
        // Rates in kbit/s.
        assoc.ulRxRate = assoc.ulTxRate = vexa::BestRateKbps(*n);
        WLAN_SECURITY_ATTRIBUTES& security = a.wlanSecurityAttributes;
        security.bSecurityEnabled = n->Security != VEXASIM_OPEN;
        security.bOneXEnabled = st.Profile.OneX;
        security.dot11AuthAlgorithm = static_cast<DOT11_AUTH_ALGORITHM>(AuthAlgorithm(st.Profile.Authentication));
        security.dot11CipherAlgorithm =
            static_cast<DOT11_CIPHER_ALGORITHM>(CipherAlgorithm(st.Profile.Encryption, n->WepKeyLength));
        data = Copy(a, size);
        break;
    }
    case wlan_intf_opcode_channel_number: {
        if (!n)
            return ERROR_INVALID_STATE;
        const ULONG channel = static_cast<ULONG>(n->Channel);
        data = Copy(channel, size);
        break;
    }
    case wlan_intf_opcode_rssi: {
        if (!n)
            return ERROR_INVALID_STATE;
        const LONG rssi = vexa::MeasuredRssi(n->RssiDbm, n->Bssid, now);
        data = Copy(rssi, size);
        break;
    }
    case wlan_intf_opcode_statistics: {
        WLAN_STATISTICS stats{};
        stats.dwNumberOfPhys = 1;
        if (n && now > st.ConnectedAt) {
            const ULONGLONG received = static_cast<ULONGLONG>(scene.TrafficRate) * (now - st.ConnectedAt) / 1000;
            stats.PhyCounters[0].ullReceivedFragmentCount = received;
            stats.PhyCounters[0].ullReceivedFrameCount = received;
            stats.PhyCounters[0].ullTransmittedFragmentCount = received / 2;
            stats.PhyCounters[0].ullTransmittedFrameCount = received / 2;
        }
        data = Copy(stats, size);
        break;
    }
    default:
        return ERROR_INVALID_PARAMETER;
    }
    return data ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY;
}

const char* OpcodeName(WLAN_INTF_OPCODE opcode)
{
    switch (opcode) {
    case wlan_intf_opcode_autoconf_enabled: return "autoconf_enabled";
    case wlan_intf_opcode_background_scan_enabled: return "background_scan_enabled";
    case wlan_intf_opcode_radio_state: return "radio_state";
    case wlan_intf_opcode_bss_type: return "bss_type";
    case wlan_intf_opcode_interface_state: return "interface_state";
    case wlan_intf_opcode_current_connection: return "current_connection";
    case wlan_intf_opcode_channel_number: return "channel_number";
    case wlan_intf_opcode_statistics: return "statistics";
    case wlan_intf_opcode_rssi: return "rssi";
    default: return "other";
    }
}

}  // namespace wdouble
