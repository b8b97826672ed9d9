#include "Environment.h"

#include "Beacon.h"
#include "Link.h"
#include "ScanList.h"
#include "SceneControl.h"

#include <cstring>

namespace vexa {

namespace {

VexaSimNetwork MakeNetwork(const char* ssid, const unsigned char (&bssid)[6], int infrastructure, int channel,
                           int rssi, int security, int maxRate)
{
    VexaSimNetwork n{};
    std::strncpy(n.Ssid, ssid, 32);
    std::memcpy(n.Bssid, bssid, 6);
    n.Infrastructure = infrastructure;
    n.Channel = channel;
    n.RssiDbm = rssi;
    n.Security = security;
    n.MaxRateCode = maxRate;
    return n;
}

void AddDefaultNetworks(AdapterState& s)
{
    std::string ignored;
    AddNetwork(s, MakeNetwork("Wireless", {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x01}, 1, 6, -55, VEXASIM_OPEN, 108),
               ignored);

    VexaSimNetwork wep = MakeNetwork("HomeWEP", {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x02}, 1, 1, -63, VEXASIM_WEP, 108);
    std::memcpy(wep.WepKey, "vexa128bitkey", 13);
    wep.WepKeyLength = 13;
    AddNetwork(s, wep, ignored);

    VexaSimNetwork psk = MakeNetwork("HomeNet", {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x03}, 1, 11, -60, VEXASIM_WPA_PSK,
                                     108);
    std::strcpy(psk.Passphrase, "my passphrase");
    AddNetwork(s, psk, ignored);

    AddNetwork(s, MakeNetwork("CorpSecure", {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x04}, 1, 3, -67, VEXASIM_WPA_TLS, 108),
               ignored);
    AddNetwork(s, MakeNetwork("LabAdHoc", {0x02, 0x1A, 0x2B, 0x3C, 0x00, 0x05}, 0, 10, -70, VEXASIM_OPEN, 22),
               ignored);
    AddNetwork(s, MakeNetwork("FarAway", {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x06}, 1, 9, -92, VEXASIM_OPEN, 22),
               ignored);
}

bool IsAllZero(const unsigned char* bytes, int count)
{
    for (int i = 0; i < count; ++i)
        if (bytes[i])
            return false;
    return true;
}

}  // namespace

void ResetAdapter(AdapterState& s, uint64_t now)
{
    uint32_t generation = s.CardGeneration;
    std::memset(&s, 0, sizeof s);
    s.CardGeneration = generation;

    s.CardPresent = 1;
    s.HardwareRadio = 1;
    s.SoftwareRadio = 1;
    s.RegionCode = DefaultRegionCode;
    s.TrafficRate = DefaultTrafficRate;
    s.JoinDelayMs = DefaultJoinDelayMs;

    ResetConfig(s);

    s.Link.Phase = LinkPhase::Idle;
    s.Link.CounterTick = now;
    s.NextBssidSerial = 1;

    AddDefaultNetworks(s);
    TakeScan(s, now);
}

bool IsValidRateCode(unsigned long code)
{
    static const unsigned long codes[] = {2, 4, 11, 12, 18, 22, 24, 36, 48, 72, 96, 108};
    for (unsigned long c : codes)
        if (c == code)
            return true;
    return false;
}

bool ValidateNetwork(const VexaSimNetwork& n, std::string& error)
{
    size_t ssidLength = strnlen(n.Ssid, sizeof n.Ssid);
    if (ssidLength == 0 || ssidLength > 32) {
        error = "the SSID must have 1 to 32 characters";
        return false;
    }
    if (n.Infrastructure != 0 && n.Infrastructure != 1) {
        error = "the mode must be infrastructure (1) or ad-hoc (0)";
        return false;
    }
    if (n.Band != VEXASIM_BAND_24 && n.Band != VEXASIM_BAND_5 && n.Band != VEXASIM_BAND_6) {
        error = "the band must be 2.4, 5 or 6 (GHz)";
        return false;
    }
    if (!ChannelInBand(n.Band, n.Channel)) {
        error = n.Band == VEXASIM_BAND_5   ? "a 5 GHz channel is 36-64 or 100-144 by fours, or 149-165 by fours"
                : n.Band == VEXASIM_BAND_6 ? "a 6 GHz channel is 1-233 by fours (1, 5, 9, ...)"
                                           : "the channel must be 1 to 14";
        return false;
    }
    if (n.Hidden != 0 && n.Hidden != 1) {
        error = "hidden must be 0 or 1";
        return false;
    }
    if (n.BestRateKbps > 10000000) {
        error = "the best rate must be at most 10000000 kbit/s";
        return false;
    }
    if (n.RssiDbm < -120 || n.RssiDbm > -10) {
        error = "the signal level must be -120 to -10 dBm";
        return false;
    }
    if (n.MaxRateCode != 0 && !IsValidRateCode(static_cast<unsigned long>(n.MaxRateCode))) {
        error = "the rate must be an 802.11 rate code (2, 4, 11, 12, 18, 22, 24, 36, 48, 72, 96 or 108)";
        return false;
    }
    switch (n.Security) {
    case VEXASIM_OPEN:
        break;
    case VEXASIM_WEP:
        if (n.WepKeyLength != 5 && n.WepKeyLength != 13) {
            error = "a WEP network needs a 5-byte or 13-byte key";
            return false;
        }
        break;
    case VEXASIM_WPA_PSK:
    case VEXASIM_WPA2_PSK:
    case VEXASIM_WPA_WPA2_PSK:
    case VEXASIM_WPA3_SAE:
    case VEXASIM_WPA2_WPA3: {
        size_t length = strnlen(n.Passphrase, sizeof n.Passphrase);
        if (length < 8 || length > 64) {
            error = "a network with a pre-shared key needs a passphrase of 8 to 63 characters (or 64 hex digits)";
            return false;
        }
        break;
    }
    case VEXASIM_WPA_TLS:
        break;
    default:
        error = "the security must be open, wep, wpa-psk, wpa-tls, wpa2-psk, wpa-wpa2-psk, wpa3-sae or wpa2-wpa3";
        return false;
    }
    if (!n.Infrastructure && n.Security != VEXASIM_OPEN && n.Security != VEXASIM_WEP) {
        error = "an ad-hoc network can only be open or WEP";
        return false;
    }
    if (!n.Infrastructure && (n.Band != VEXASIM_BAND_24 || n.Hidden)) {
        error = "an ad-hoc network is on 2.4 GHz and names itself in its beacon";
        return false;
    }
    return true;
}

int FindNetworkByBssid(const AdapterState& s, const unsigned char bssid[6])
{
    for (int i = 0; i < s.NetworkCount; ++i)
        if (std::memcmp(s.Networks[i].Bssid, bssid, 6) == 0)
            return i;
    return -1;
}

bool AddNetwork(AdapterState& s, VexaSimNetwork n, std::string& error)
{
    if (!ValidateNetwork(n, error))
        return false;
    if (s.NetworkCount >= MaxNetworks) {
        error = "the environment already holds " + std::to_string(MaxNetworks) + " networks";
        return false;
    }
    n.Ssid[32] = 0;
    n.Passphrase[64] = 0;
    if (n.MaxRateCode == 0)
        n.MaxRateCode = 108;
    if (IsAllZero(n.Bssid, 6)) {
        do {
            uint32_t serial = s.NextBssidSerial++;
            const unsigned char fresh[6] = {static_cast<unsigned char>(n.Infrastructure ? 0x00 : 0x02), 0x1A, 0x2B,
                                            0x5E, static_cast<unsigned char>(serial >> 8),
                                            static_cast<unsigned char>(serial)};
            std::memcpy(n.Bssid, fresh, 6);
        } while (FindNetworkByBssid(s, n.Bssid) >= 0);
    } else if (FindNetworkByBssid(s, n.Bssid) >= 0) {
        error = "a network with that BSSID already exists";
        return false;
    }
    s.Networks[s.NetworkCount++] = n;
    return true;
}

void RemoveNetworkAt(AdapterState& s, int index)
{
    for (int i = index; i + 1 < s.NetworkCount; ++i)
        s.Networks[i] = s.Networks[i + 1];
    --s.NetworkCount;
}

std::string SecurityName(int security)
{
    switch (security) {
    case VEXASIM_OPEN: return "open";
    case VEXASIM_WEP: return "wep";
    case VEXASIM_WPA_PSK: return "wpa-psk";
    case VEXASIM_WPA_TLS: return "wpa-tls";
    case VEXASIM_WPA2_PSK: return "wpa2-psk";
    case VEXASIM_WPA_WPA2_PSK: return "wpa-wpa2-psk";
    case VEXASIM_WPA3_SAE: return "wpa3-sae";
    case VEXASIM_WPA2_WPA3: return "wpa2-wpa3";
    default: return "unknown";
    }
}

}  // namespace vexa
