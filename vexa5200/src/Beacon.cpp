#include "Beacon.h"

#include <cstring>

namespace vexa {

namespace {

void AddElement(std::vector<unsigned char>& ies, unsigned char id, const std::vector<unsigned char>& body)
{
    ies.push_back(id);
    ies.push_back(static_cast<unsigned char>(body.size()));
    ies.insert(ies.end(), body.begin(), body.end());
}

// Cipher and key-management suites: the WPA element's own OUI 00:50:F2, RSN's 00:0F:AC.
constexpr unsigned char WpaOui[] = {0x00, 0x50, 0xF2};
constexpr unsigned char RsnOui[] = {0x00, 0x0F, 0xAC};
constexpr unsigned char Tkip = 2, Ccmp = 4;
constexpr unsigned char Akm8021X = 1, AkmPsk = 2, AkmSae = 8;

void AddSuite(std::vector<unsigned char>& body, const unsigned char (&oui)[3], unsigned char type)
{
    body.insert(body.end(), oui, oui + 3);
    body.push_back(type);
}

void AddSuiteList(std::vector<unsigned char>& body, const unsigned char (&oui)[3], std::vector<unsigned char> types)
{
    body.push_back(static_cast<unsigned char>(types.size()));
    body.push_back(0);
    for (unsigned char type : types)
        AddSuite(body, oui, type);
}

// The vendor element of WPA (before 802.11i): version 1, TKIP group and pairwise cipher.
std::vector<unsigned char> WpaElement(unsigned char akm)
{
    std::vector<unsigned char> body(WpaOui, WpaOui + 3);
    body.push_back(0x01);  // OUI type: WPA
    body.push_back(0x01);
    body.push_back(0x00);
    AddSuite(body, WpaOui, Tkip);
    AddSuiteList(body, WpaOui, {Tkip});
    AddSuiteList(body, WpaOui, {akm});
    return body;
}

// The RSN element: version 1, group cipher, pairwise ciphers, key managements, capabilities
// (management frame protection capable 0x80, required 0x40: WPA3 asks for it).
std::vector<unsigned char> RsnElement(unsigned char group, std::vector<unsigned char> pairwise,
                                      std::vector<unsigned char> akms, unsigned char capabilities)
{
    std::vector<unsigned char> body = {0x01, 0x00};
    AddSuite(body, RsnOui, group);
    AddSuiteList(body, RsnOui, std::move(pairwise));
    AddSuiteList(body, RsnOui, std::move(akms));
    body.push_back(capabilities);
    body.push_back(0x00);
    return body;
}

}  // namespace

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

std::vector<unsigned char> NetworkRates(const VexaSimNetwork& n)
{
    if (n.Band == VEXASIM_BAND_24)
        return SupportedRates(n.MaxRateCode);
    return {12 | 0x80, 18, 24 | 0x80, 36, 48 | 0x80, 72, 96, 108};
}

std::vector<unsigned char> BeaconElements(const VexaSimNetwork& n)
{
    std::vector<unsigned char> ies;
    const size_t ssidLength = n.Hidden ? 0 : strnlen(n.Ssid, 32);
    AddElement(ies, 0, std::vector<unsigned char>(n.Ssid, n.Ssid + ssidLength));
    AddElement(ies, 1, NetworkRates(n));
    AddElement(ies, 3, {static_cast<unsigned char>(n.Channel)});
    switch (n.Security) {
    case VEXASIM_WPA_PSK:
        AddElement(ies, 221, WpaElement(AkmPsk));
        break;
    case VEXASIM_WPA_TLS:
        AddElement(ies, 221, WpaElement(Akm8021X));
        break;
    case VEXASIM_WPA2_PSK:
        AddElement(ies, 48, RsnElement(Ccmp, {Ccmp}, {AkmPsk}, 0x00));
        break;
    case VEXASIM_WPA_WPA2_PSK:
        AddElement(ies, 48, RsnElement(Tkip, {Ccmp, Tkip}, {AkmPsk}, 0x00));
        AddElement(ies, 221, WpaElement(AkmPsk));
        break;
    case VEXASIM_WPA3_SAE:
        AddElement(ies, 48, RsnElement(Ccmp, {Ccmp}, {AkmSae}, 0xC0));
        break;
    case VEXASIM_WPA2_WPA3:
        AddElement(ies, 48, RsnElement(Ccmp, {Ccmp}, {AkmPsk, AkmSae}, 0x80));
        break;
    default:
        break;
    }
    while (ies.size() % 4)
        ies.push_back(0);
    return ies;
}

unsigned long NetworkFrequencyKHz(const VexaSimNetwork& n)
{
    const unsigned long channel = static_cast<unsigned long>(n.Channel);
    switch (n.Band) {
    case VEXASIM_BAND_5:
        return 5000000 + 5000 * channel;
    case VEXASIM_BAND_6:
        return 5950000 + 5000 * channel;
    default:
        return channel == 14 ? 2484000 : 2407000 + 5000 * channel;
    }
}

unsigned long BestRateKbps(const VexaSimNetwork& n)
{
    if (n.BestRateKbps)
        return n.BestRateKbps;
    if (n.Band == VEXASIM_BAND_5)
        return 866700;
    if (n.Band == VEXASIM_BAND_6)
        return 1201000;
    return static_cast<unsigned long>(n.MaxRateCode > 0 ? n.MaxRateCode : 108) * 500;
}

bool UsesPassphrase(int security)
{
    return security == VEXASIM_WPA_PSK || security == VEXASIM_WPA2_PSK || security == VEXASIM_WPA_WPA2_PSK ||
           security == VEXASIM_WPA3_SAE || security == VEXASIM_WPA2_WPA3;
}

bool ChannelInBand(int band, int channel)
{
    switch (band) {
    case VEXASIM_BAND_24:
        return channel >= 1 && channel <= 14;
    case VEXASIM_BAND_5:
        // 20 MHz channels: 36-64 and 100-144 by fours, 149-165 by fours.
        if (channel >= 36 && channel <= 64)
            return channel % 4 == 0;
        if (channel >= 100 && channel <= 144)
            return channel % 4 == 0;
        return channel >= 149 && channel <= 165 && (channel - 149) % 4 == 0;
    case VEXASIM_BAND_6:
        return channel >= 1 && channel <= 233 && (channel - 1) % 4 == 0;
    default:
        return false;
    }
}

}  // namespace vexa
