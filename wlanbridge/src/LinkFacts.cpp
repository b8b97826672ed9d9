#include "LinkFacts.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr long WeakestDbm = -100;
constexpr long StrongestDbm = -50;

template <class T>
bool ReadWhole(const std::vector<unsigned char>& bytes, size_t offset, T& out)
{
    if (bytes.size() < offset || bytes.size() - offset < sizeof(T))
        return false;
    std::memcpy(&out, bytes.data() + offset, sizeof(T));
    return true;
}

}  // namespace

ConnectionFacts ReadConnection(const std::vector<unsigned char>& attributes)
{
    ConnectionFacts facts;
    WLAN_CONNECTION_ATTRIBUTES a;
    if (!ReadWhole(attributes, 0, a))
        return facts;
    facts.Connected = a.isState == wlan_interface_state_connected ||
                      a.isState == wlan_interface_state_ad_hoc_network_formed;
    if (!facts.Connected)
        return facts;
    const WLAN_ASSOCIATION_ATTRIBUTES& assoc = a.wlanAssociationAttributes;
    const size_t ssidLength = assoc.dot11Ssid.uSSIDLength < 32 ? assoc.dot11Ssid.uSSIDLength : 32;
    facts.Ssid.assign(reinterpret_cast<const char*>(assoc.dot11Ssid.ucSSID), ssidLength);
    std::memcpy(facts.Bssid, assoc.dot11Bssid, 6);
    facts.AdHoc = assoc.dot11BssType == dot11_BSS_type_independent;
    facts.SignalQuality = assoc.wlanSignalQuality > 100 ? 100 : assoc.wlanSignalQuality;
    // The rate is in kbit/s; the library counts in 100 bit/s.
    facts.TxRate100bps = assoc.ulTxRate * 10;
    return facts;
}

namespace {

const BssEntryView* ConnectedEntry(const ConnectionFacts& link, const std::vector<BssEntryView>& bss)
{
    for (const BssEntryView& view : bss)
        if (std::memcmp(view.Entry.dot11Bssid, link.Bssid, 6) == 0)
            return &view;
    return nullptr;
}

}  // namespace

long LinkRssi(const std::optional<std::vector<unsigned char>>& rssiAnswer, const ConnectionFacts& link,
              const std::vector<BssEntryView>& bss)
{
    LONG rssi = 0;
    if (rssiAnswer && ReadWhole(*rssiAnswer, 0, rssi))
        return rssi;
    if (const BssEntryView* entry = ConnectedEntry(link, bss))
        return entry->Entry.lRssi;
    return WeakestDbm + static_cast<long>(link.SignalQuality) * (StrongestDbm - WeakestDbm) / 100;
}

unsigned long LinkFrequency(const ConnectionFacts& link, const std::vector<BssEntryView>& bss)
{
    const BssEntryView* entry = ConnectedEntry(link, bss);
    return entry ? entry->Entry.ulChCenterFrequency : 0;
}

RadioFacts ReadRadio(const std::vector<unsigned char>& answer)
{
    RadioFacts facts;
    DWORD phys = 0;
    if (!ReadWhole(answer, 0, phys))
        return facts;
    const size_t first = offsetof(WLAN_RADIO_STATE, PhyRadioState);
    bool anyOn = false;
    bool anyHardwareOn = false;
    for (DWORD i = 0; i < phys && i < WLAN_MAX_PHY_INDEX; ++i) {
        WLAN_PHY_RADIO_STATE phy;
        if (!ReadWhole(answer, first + i * sizeof phy, phy))
            break;
        facts.PhyIndexes.push_back(phy.dwPhyIndex);
        const bool hardwareOn = phy.dot11HardwareRadioState != dot11_radio_state_off;
        anyHardwareOn = anyHardwareOn || hardwareOn;
        anyOn = anyOn || (hardwareOn && phy.dot11SoftwareRadioState != dot11_radio_state_off);
    }
    if (!facts.PhyIndexes.empty()) {
        facts.On = anyOn;
        facts.HardwareOn = anyHardwareOn;
    }
    return facts;
}

bool ReadFragmentCounts(const std::vector<unsigned char>& answer, unsigned long long& tx, unsigned long long& rx)
{
    DWORD phys = 0;
    if (!ReadWhole(answer, offsetof(WLAN_STATISTICS, dwNumberOfPhys), phys))
        return false;
    tx = rx = 0;
    bool any = false;
    for (DWORD i = 0; i < phys; ++i) {
        WLAN_PHY_FRAME_STATISTICS counters;
        if (!ReadWhole(answer, offsetof(WLAN_STATISTICS, PhyCounters) + i * sizeof counters, counters))
            break;
        tx += counters.ullTransmittedFragmentCount;
        rx += counters.ullReceivedFragmentCount;
        any = true;
    }
    return any;
}
