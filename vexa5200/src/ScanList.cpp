#include "ScanList.h"

#include "Beacon.h"
#include "Link.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vexa {

namespace {

std::vector<unsigned char> Record(const ScanRecord& r)
{
    const VexaSimNetwork& n = r.Network;
    std::vector<unsigned char> rates = SupportedRates(n.MaxRateCode);
    std::vector<unsigned char> ies = BeaconElements(n);

    NDIS_WLAN_BSSID b{};
    b.Length = static_cast<ULONG>(sizeof b + ies.size());
    std::memcpy(b.MacAddress, n.Bssid, 6);
    b.Ssid.SsidLength = n.Hidden ? 0 : static_cast<ULONG>(strnlen(n.Ssid, 32));
    std::memcpy(b.Ssid.Ssid, n.Ssid, b.Ssid.SsidLength);
    b.Privacy = n.Security == VEXASIM_OPEN ? 0 : 1;
    b.Rssi = r.MeasuredRssi;
    b.NetworkTypeInUse = n.MaxRateCode > 22 ? Ndis802_11OFDM24 : Ndis802_11DS;
    b.Configuration.Length = sizeof b.Configuration;
    b.Configuration.BeaconPeriod = 100;
    b.Configuration.ATIMWindow = n.Infrastructure ? 0 : 10;
    b.Configuration.DSConfig = ChannelFrequencyKHz(n.Channel);
    b.InfrastructureMode = n.Infrastructure ? Ndis802_11Infrastructure : Ndis802_11IBSS;
    std::memcpy(b.SupportedRates, rates.data(), std::min(rates.size(), sizeof b.SupportedRates));

    std::vector<unsigned char> bytes(b.Length);
    std::memcpy(bytes.data(), &b, sizeof b);
    std::memcpy(bytes.data() + sizeof b, ies.data(), ies.size());
    return bytes;
}

}  // namespace

unsigned long ChannelFrequencyKHz(int channel)
{
    if (channel == 14)
        return 2484000;
    return 2407000 + 5000ul * static_cast<unsigned long>(channel);
}

void TakeScan(AdapterState& s, uint64_t now)
{
    s.ScanCount = 0;
    for (int i = 0; i < s.NetworkCount; ++i) {
        const VexaSimNetwork& n = s.Networks[i];
        // An 802.11b/g card hears 2.4 GHz only.
        if (n.RssiDbm < AudibleThresholdDbm || n.Band != VEXASIM_BAND_24)
            continue;
        ScanRecord& r = s.Scan[s.ScanCount++];
        r.Network = n;
        r.MeasuredRssi = MeasuredRssi(n.RssiDbm, n.Bssid, now);
    }
}

bool WriteScanList(AdapterState& s, void* buffer, unsigned long size)
{
    if (!buffer)
        return false;
    if (s.ScanAnswerInjected) {
        if (size < s.ScanAnswerSize)
            return false;
        std::memcpy(buffer, s.ScanAnswer, s.ScanAnswerSize);
        s.ScanAnswerInjected = 0;
        return true;
    }
    std::vector<unsigned char> answer(sizeof(ULONG));
    ULONG count = static_cast<ULONG>(s.ScanCount);
    std::memcpy(answer.data(), &count, sizeof count);
    for (int i = 0; i < s.ScanCount; ++i) {
        std::vector<unsigned char> record = Record(s.Scan[i]);
        answer.insert(answer.end(), record.begin(), record.end());
    }
    if (size < answer.size())
        return false;
    std::memcpy(buffer, answer.data(), answer.size());
    return true;
}

}  // namespace vexa
