#include "SceneControl.h"

#include "Environment.h"
#include "Failures.h"
#include "Link.h"

#include <cstring>

namespace vexa {

namespace {

constexpr unsigned long MaxTrafficRate = 1000000;
constexpr unsigned long MaxJoinDelayMs = 60000;

bool SsidIs(const VexaSimNetwork& n, const char* ssid)
{
    return std::strncmp(n.Ssid, ssid, 32) == 0;
}

}  // namespace

void ResetConfig(AdapterState& s)
{
    AdapterConfig& c = s.Config;
    std::memset(&c, 0, sizeof c);
    c.NetworkMode = 1;
    c.Channel = 1;
    c.RateCode = AutoRateCode;
    c.Preamble = 1;
    c.RxAntenna = 2;
    c.WepStatus = 1;
    c.TransmitKey = -1;
}

void SetCardPresent(AdapterState& s, bool present)
{
    if (present == static_cast<bool>(s.CardPresent))
        return;
    if (!present) {
        ForgetTarget(s);
        ++s.CardGeneration;
        s.CardPresent = 0;
        return;
    }
    // A card that comes back starts afresh, as after power-up.
    s.CardPresent = 1;
    s.SoftwareRadio = 1;
    ResetConfig(s);
}

void SetHardwareRadio(AdapterState& s, bool on)
{
    s.HardwareRadio = on ? 1 : 0;
    if (!on)
        ForgetTarget(s);
}

bool SetTrafficRate(AdapterState& s, unsigned long rate, std::string& error)
{
    if (rate > MaxTrafficRate) {
        error = "the traffic rate must be 0 to " + std::to_string(MaxTrafficRate) + " fragments per second";
        return false;
    }
    s.TrafficRate = rate;
    return true;
}

bool SetJoinDelay(AdapterState& s, unsigned long milliseconds, std::string& error)
{
    if (milliseconds > MaxJoinDelayMs) {
        error = "the join delay must be 0 to " + std::to_string(MaxJoinDelayMs) + " ms";
        return false;
    }
    s.JoinDelayMs = milliseconds;
    return true;
}

bool UpdateNetwork(AdapterState& s, const VexaSimNetwork& n, std::string& error)
{
    int index = FindNetworkByBssid(s, n.Bssid);
    if (index < 0) {
        error = "no network has that BSSID";
        return false;
    }
    if (!ValidateNetwork(n, error))
        return false;
    VexaSimNetwork copy = n;
    copy.Ssid[32] = 0;
    copy.Passphrase[64] = 0;
    if (copy.MaxRateCode == 0)
        copy.MaxRateCode = 108;
    s.Networks[index] = copy;
    return true;
}

bool RemoveNetworks(AdapterState& s, const char* ssid, std::string& error)
{
    bool removed = false;
    for (int i = s.NetworkCount - 1; ssid && i >= 0; --i) {
        if (SsidIs(s.Networks[i], ssid)) {
            RemoveNetworkAt(s, i);
            removed = true;
        }
    }
    if (!removed)
        error = std::string("no network is named \"") + (ssid ? ssid : "") + "\"";
    return removed;
}

bool SetNetworkRssi(AdapterState& s, const char* ssid, int rssi, std::string& error)
{
    if (rssi < -120 || rssi > -10) {
        error = "the signal level must be -120 to -10 dBm";
        return false;
    }
    bool found = false;
    for (int i = 0; ssid && i < s.NetworkCount; ++i) {
        if (SsidIs(s.Networks[i], ssid)) {
            s.Networks[i].RssiDbm = rssi;
            found = true;
        }
    }
    if (!found)
        error = std::string("no network is named \"") + (ssid ? ssid : "") + "\"";
    return found;
}

bool SetFailure(AdapterState& s, const char* function, bool on, std::string& error)
{
    int index = FunctionIndex(function);
    if (index < 0) {
        error = std::string("no library function is named \"") + (function ? function : "") + "\"";
        return false;
    }
    uint64_t bit = uint64_t{1} << index;
    s.Failures = on ? (s.Failures | bit) : (s.Failures & ~bit);
    return true;
}

bool InjectScanAnswer(AdapterState& s, const void* bytes, unsigned long size, std::string& error)
{
    if (size > MaxScanAnswer) {
        error = "a scan answer holds at most " + std::to_string(MaxScanAnswer) + " bytes";
        return false;
    }
    if (!bytes && size) {
        error = "no bytes given";
        return false;
    }
    if (size)
        std::memcpy(s.ScanAnswer, bytes, size);
    s.ScanAnswerSize = size;
    s.ScanAnswerInjected = 1;
    return true;
}

}  // namespace vexa
