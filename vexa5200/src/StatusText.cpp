#include "StatusText.h"

#include "Beacon.h"
#include "Environment.h"
#include "Failures.h"
#include "Link.h"

#include <cstdio>

namespace vexa {

namespace {

std::string Hex(const unsigned char* bytes, int count)
{
    std::string text;
    char pair[3];
    for (int i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        text += pair;
    }
    return text;
}

std::string Quoted(const char* text)
{
    std::string quoted(1, '"');
    quoted.append(text, strnlen(text, 64));
    quoted += '"';
    return quoted;
}

const char* AuthName(unsigned long mode)
{
    switch (mode) {
    case 0: return "open";
    case 1: return "shared";
    case 3: return "WPA";
    case 4: return "WPA-PSK";
    default: return "other";
    }
}

const char* EncryptionName(unsigned long status)
{
    switch (status) {
    case 0: return "WEP";
    case 1: return "none";
    case 4: return "TKIP";
    default: return "other";
    }
}

std::string NetworkLine(const VexaSimNetwork& n)
{
    std::string line = "  " + Quoted(n.Ssid) + "  " + BssidText(n.Bssid) + "  " +
                       (n.Infrastructure ? "infrastructure" : "ad-hoc") + "  channel " + std::to_string(n.Channel) +
                       "  " + std::to_string(n.RssiDbm) + " dBm  up to " + RateText(n.MaxRateCode) + "  " +
                       SecurityName(n.Security);
    if (n.Security == VEXASIM_WEP)
        line += " key " + Hex(n.WepKey, n.WepKeyLength);
    if (UsesPassphrase(n.Security))
        line += " passphrase " + Quoted(n.Passphrase);
    if (n.Band != VEXASIM_BAND_24)
        line += "  " + std::to_string(n.Band) + " GHz, up to " + std::to_string(BestRateKbps(n)) + " kbit/s";
    if (n.Hidden)
        line += "  hidden";
    return line + "\n";
}

}  // namespace

std::string RateText(unsigned long code)
{
    if (code == AutoRateCode)
        return "Auto";
    std::string text = std::to_string(code / 2);
    if (code % 2)
        text += ".5";
    return text + " Mbit/s";
}

std::string BssidText(const unsigned char bssid[6])
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", bssid[0], bssid[1], bssid[2], bssid[3],
                  bssid[4], bssid[5]);
    return text;
}

std::string FormatStatus(const AdapterState& s, uint64_t now)
{
    const AdapterConfig& c = s.Config;
    std::string out;
    out += std::string("card: ") + (s.CardPresent ? "inserted" : "removed") + "\n";
    out += std::string("radio: ") + (s.SoftwareRadio && s.HardwareRadio ? "on" : "off") + " (software " +
           (s.SoftwareRadio ? "on" : "off") + ", hardware switch " + (s.HardwareRadio ? "on" : "off") + ")\n";
    char region[16];
    std::snprintf(region, sizeof region, "0x%02lX", s.RegionCode);
    out += std::string("region: ") + region + "\n";
    out += "traffic: " + std::to_string(s.TrafficRate) + " fragments/s received, " +
           std::to_string(s.TrafficRate / 2) + " sent\n";
    out += "join delay: " + std::to_string(s.JoinDelayMs) + " ms\n";
    out += std::string("settings: ") + (c.NetworkMode ? "infrastructure" : "ad-hoc") + ", channel " +
           std::to_string(c.Channel) + ", rate " + RateText(c.RateCode) + ", authentication " + AuthName(c.AuthMode) +
           ", encryption " + EncryptionName(c.WepStatus) + "\n";

    const LinkInfo& l = s.Link;
    if (IsAssociated(s)) {
        out += "link: associated with " + Quoted(l.Ssid) + " " + BssidText(l.Bssid) + ", channel " +
               std::to_string(l.Channel) + ", " + std::to_string(LinkRssi(s, now)) + " dBm, " +
               std::to_string(LinkSpeed(s) / 10000) + (LinkSpeed(s) % 10000 ? ".5" : "") + " Mbit/s" +
               (l.OwnIbss ? " (own ad-hoc network)" : "") + "\n";
    } else {
        const std::string target = l.TargetSsid[0] ? Quoted(l.TargetSsid) : std::string("any network");
        if (l.Phase == LinkPhase::Joining)
            out += "link: joining " + target + "\n";
        else if (l.Seeking)
            out += "link: not associated, joins " + target + " when it comes into reach\n";
        else
            out += "link: not associated\n";
    }
    out += "counters: " + std::to_string(l.RxFragments) + " fragments received, " + std::to_string(l.TxFragments) +
           " sent\n";

    std::string failing;
    for (int i = 0; i < static_cast<int>(Fn::Count); ++i)
        if ((s.Failures >> i) & 1)
            failing += (failing.empty() ? "" : ", ") + std::string(FunctionName(i));
    out += "failing: " + (failing.empty() ? std::string("none") : failing) + "\n";
    if (s.ScanAnswerInjected)
        out += "next scan answer: injected, " + std::to_string(s.ScanAnswerSize) + " bytes\n";

    out += "networks (" + std::to_string(s.NetworkCount) + "):\n";
    for (int i = 0; i < s.NetworkCount; ++i)
        out += NetworkLine(s.Networks[i]);
    return out;
}

}  // namespace vexa
