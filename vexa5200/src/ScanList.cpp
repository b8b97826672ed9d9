#include "ScanList.h"

#include "Link.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vexa {

namespace {

// Supported rates of a network up to its best rate, basic rates flagged as 802.11b does.
std::vector<unsigned char> SupportedRates(int maxRateCode)
{
    static const unsigned char codes[] = {2, 4, 11, 22, 12, 18, 24, 36, 48, 72, 96, 108};
    std::vector<unsigned char> rates;
    for (unsigned char code : codes) {
        if (code > maxRateCode)
            continue;
        bool basic = code == 2 || code == 4 || code == 11 || code == 22;
        rates.push_back(static_cast<unsigned char>(basic ? code | 0x80 : code));
    }
    return rates;
}

std::vector<unsigned char> InformationElements(const VexaSimNetwork& n, const std::vector<unsigned char>& rates)
{
    std::vector<unsigned char> ies;
    size_t ssidLength = strnlen(n.Ssid, 32);
    ies.push_back(0);
    ies.push_back(static_cast<unsigned char>(ssidLength));
    ies.insert(ies.end(), n.Ssid, n.Ssid + ssidLength);
    ies.push_back(1);
    ies.push_back(static_cast<unsigned char>(rates.size()));
    ies.insert(ies.end(), rates.begin(), rates.end());
    ies.push_back(3);
    ies.push_back(1);
    ies.push_back(static_cast<unsigned char>(n.Channel));
    if (n.Security == VEXASIM_WPA_PSK || n.Security == VEXASIM_WPA_TLS) {
        // The WPA element: version 1, TKIP group and pairwise cipher, PSK or 802.1X key management.
        const unsigned char keyManagement = n.Security == VEXASIM_WPA_PSK ? 0x02 : 0x01;
        const unsigned char wpa[] = {0x00, 0x50, 0xF2, 0x01, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02, 0x01, 0x00,
                                     0x00, 0x50, 0xF2, 0x02, 0x01, 0x00, 0x00, 0x50, 0xF2, keyManagement};
        ies.push_back(221);
        ies.push_back(static_cast<unsigned char>(sizeof wpa));
        ies.insert(ies.end(), wpa, wpa + sizeof wpa);
    }
    while (ies.size() % 4)
        ies.push_back(0);
    return ies;
}

std::vector<unsigned char> Record(const ScanRecord& r)
{
    const VexaSimNetwork& n = r.Network;
    std::vector<unsigned char> rates = SupportedRates(n.MaxRateCode);
    std::vector<unsigned char> ies = InformationElements(n, rates);

    NDIS_WLAN_BSSID b{};
    b.Length = static_cast<ULONG>(sizeof b + ies.size());
    std::memcpy(b.MacAddress, n.Bssid, 6);
    b.Ssid.SsidLength = static_cast<ULONG>(strnlen(n.Ssid, 32));
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
        if (n.RssiDbm < AudibleThresholdDbm)
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
