#include "Link.h"

#include <algorithm>
#include <cstring>

namespace vexa {

namespace {

constexpr uint64_t DriftStepMs = 1500;
constexpr int OwnIbssRssi = -45;

uint64_t Mix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

uint64_t BssidValue(const unsigned char bssid[6])
{
    uint64_t v = 0;
    for (int i = 0; i < 6; ++i)
        v = (v << 8) | bssid[i];
    return v;
}

// Traffic moves between 85% and 115% of the configured rate, changing with the drift step.
unsigned TrafficPercent(uint64_t step)
{
    return 85 + static_cast<unsigned>(Mix(step ^ 0x5452414646494Cull) % 31);
}

}  // namespace

TrafficCounters CountersAt(const AdapterCore& s, uint64_t now)
{
    const LinkInfo& l = s.Link;
    TrafficCounters c{l.RxFragments, l.TxFragments, l.RxRemainder, l.TxRemainder};
    if (s.Link.Phase != LinkPhase::Associated || now <= l.CounterTick)
        return c;
    uint64_t from = l.CounterTick;
    uint64_t fragmentMs = 0;  // fragments per second times milliseconds
    if ((now - from) / DriftStepMs > 100000) {
        fragmentMs = static_cast<uint64_t>(s.TrafficRate) * (now - from);
    } else {
        while (from < now) {
            uint64_t step = from / DriftStepMs;
            uint64_t until = std::min(now, (step + 1) * DriftStepMs);
            fragmentMs += static_cast<uint64_t>(s.TrafficRate) * TrafficPercent(step) / 100 * (until - from);
            from = until;
        }
    }
    // Received at the configured rate, sent at half of it.
    c.RxRemainder += fragmentMs;
    c.Rx += c.RxRemainder / 1000;
    c.RxRemainder %= 1000;
    c.TxRemainder += fragmentMs;
    c.Tx += c.TxRemainder / 2000;
    c.TxRemainder %= 2000;
    return c;
}

namespace {

void CountTraffic(AdapterState& s, uint64_t now)
{
    TrafficCounters c = CountersAt(s, now);
    LinkInfo& l = s.Link;
    l.RxFragments = c.Rx;
    l.TxFragments = c.Tx;
    l.RxRemainder = c.RxRemainder;
    l.TxRemainder = c.TxRemainder;
    l.CounterTick = std::max(l.CounterTick, now);
}

bool SsidEquals(const char* a, const char* b)
{
    return std::strncmp(a, b, 32) == 0;
}

// Strong enough to join or hold, and on the one band this card has.
bool Audible(const VexaSimNetwork& n)
{
    return n.RssiDbm >= DropThresholdDbm && n.Band == VEXASIM_BAND_24;
}

bool NetworkFits(const AdapterState& s, const VexaSimNetwork& n, const char* target)
{
    const AdapterConfig& c = s.Config;
    if (target[0] && !SsidEquals(n.Ssid, target))
        return false;
    if (n.Infrastructure != (c.NetworkMode == 1 ? 1 : 0))
        return false;
    if (!n.Infrastructure && n.Channel != static_cast<int>(c.Channel))
        return false;
    return Audible(n) && SecurityMatches(c, n);
}

void OwnIbssBssid(const char* ssid, unsigned char bssid[6])
{
    uint64_t h = 1469598103934665603ull;
    for (int i = 0; i < 32 && ssid[i]; ++i)
        h = (h ^ static_cast<unsigned char>(ssid[i])) * 1099511628211ull;
    h = Mix(h);
    for (int i = 0; i < 6; ++i)
        bssid[i] = static_cast<unsigned char>(h >> (8 * i));
    bssid[0] = static_cast<unsigned char>((bssid[0] & 0xFC) | 0x02);  // locally administered, unicast
}

// An ad-hoc join creates a network of its own unless a network of that name already sits
// on the channel with other security (then the join fails, as the peers would not talk).
bool CanCreateIbss(const AdapterState& s, const char* target)
{
    const AdapterConfig& c = s.Config;
    if (c.NetworkMode != 0 || !target[0])
        return false;
    bool openOrWep = (c.AuthMode == 0 || c.AuthMode == 1) && (c.WepStatus == 1 || c.WepStatus == 0);
    if (!openOrWep || (c.WepStatus == 0 && c.TransmitKey < 0))
        return false;
    for (int i = 0; i < s.NetworkCount; ++i) {
        const VexaSimNetwork& n = s.Networks[i];
        if (!n.Infrastructure && SsidEquals(n.Ssid, target) && n.Channel == static_cast<int>(c.Channel) && Audible(n))
            return false;
    }
    return true;
}

// The strongest network that fits the target, or -1.
int BestFit(const AdapterState& s, const char* target)
{
    int best = -1;
    for (int i = 0; i < s.NetworkCount; ++i) {
        if (NetworkFits(s, s.Networks[i], target) && (best < 0 || s.Networks[i].RssiDbm > s.Networks[best].RssiDbm))
            best = i;
    }
    return best;
}

void CompleteJoin(AdapterState& s, uint64_t when)
{
    LinkInfo& l = s.Link;
    l.Phase = LinkPhase::Idle;
    if (!RadioUsable(s))
        return;
    int best = BestFit(s, l.TargetSsid);
    if (best >= 0) {
        const VexaSimNetwork& n = s.Networks[best];
        std::memcpy(l.Bssid, n.Bssid, 6);
        std::memcpy(l.Ssid, n.Ssid, 33);
        l.Channel = n.Channel;
        l.Infrastructure = n.Infrastructure;
        l.MaxRateCode = n.MaxRateCode;
        l.Level = n.RssiDbm;
        l.OwnIbss = 0;
    } else if (CanCreateIbss(s, l.TargetSsid)) {
        OwnIbssBssid(l.TargetSsid, l.Bssid);
        std::memcpy(l.Ssid, l.TargetSsid, 33);
        l.Channel = static_cast<int>(s.Config.Channel);
        l.Infrastructure = 0;
        l.MaxRateCode = 108;
        l.Level = OwnIbssRssi;
        l.OwnIbss = 1;
    } else {
        return;
    }
    l.Phase = LinkPhase::Associated;
    l.CounterTick = when;
}

void CompleteDueJoin(AdapterState& s, uint64_t now)
{
    LinkInfo& l = s.Link;
    if (l.Phase != LinkPhase::Joining)
        return;
    uint64_t due = l.JoinStart + s.JoinDelayMs;
    if (!RadioUsable(s))
        l.Phase = LinkPhase::Idle;
    else if (now >= due)
        CompleteJoin(s, due);
}

// A join that would succeed now, by the same rules as the first one.
bool TargetInReach(const AdapterState& s)
{
    const char* target = s.Link.TargetSsid;
    return RadioUsable(s) && (BestFit(s, target) >= 0 || CanCreateIbss(s, target));
}

bool LinkHolds(AdapterState& s)
{
    LinkInfo& l = s.Link;
    if (!RadioUsable(s))
        return false;
    if (static_cast<int>(s.Config.NetworkMode == 1) != l.Infrastructure)
        return false;
    if (l.OwnIbss)
        return true;
    for (int i = 0; i < s.NetworkCount; ++i) {
        const VexaSimNetwork& n = s.Networks[i];
        if (std::memcmp(n.Bssid, l.Bssid, 6) == 0) {
            l.Level = n.RssiDbm;
            l.Channel = n.Channel;
            l.MaxRateCode = n.MaxRateCode;
            return Audible(n) && SecurityMatches(s.Config, n) && n.Infrastructure == l.Infrastructure;
        }
    }
    return false;
}

}  // namespace

bool SecurityMatches(const AdapterConfig& c, const VexaSimNetwork& n)
{
    switch (n.Security) {
    case VEXASIM_OPEN:
        return c.AuthMode == 0 && c.WepStatus == 1;
    case VEXASIM_WEP: {
        if ((c.AuthMode != 0 && c.AuthMode != 1) || c.WepStatus != 0 || c.TransmitKey < 0 || c.TransmitKey > 3)
            return false;
        const WepKeySlot& k = c.WepKeys[c.TransmitKey];
        return k.Length == static_cast<unsigned long>(n.WepKeyLength) &&
               std::memcmp(k.Bytes, n.WepKey, k.Length) == 0;
    }
    case VEXASIM_WPA_PSK:
    case VEXASIM_WPA_WPA2_PSK:  // joined by its WPA side; the RSN-only kinds need CCMP, which this card lacks
        return c.AuthMode == 4 && c.WepStatus == 4 && c.WpaMethod == 2 && !c.WpaKeyTooLong &&
               std::strcmp(c.WpaKey, n.Passphrase) == 0 && SsidEquals(c.WpaSsid, n.Ssid);
    case VEXASIM_WPA_TLS:
        return c.AuthMode == 3 && c.WepStatus == 4 && c.WpaMethod == 5 && c.TlsIdentitySet;
    default:
        return false;
    }
}

void AdvanceLink(AdapterState& s, uint64_t now)
{
    LinkInfo& l = s.Link;
    CompleteDueJoin(s, now);
    if (l.Phase == LinkPhase::Associated) {
        CountTraffic(s, now);
        if (!LinkHolds(s))
            DropLink(s);
    }
    // Every change of the scene or the settings passes here, so a network that comes into
    // reach is noticed at the moment it does.
    if (l.Phase == LinkPhase::Idle && l.Seeking && TargetInReach(s)) {
        l.Phase = LinkPhase::Joining;
        l.JoinStart = now;
        CompleteDueJoin(s, now);
    }
    l.CounterTick = std::max(l.CounterTick, now);
}

void StartJoin(AdapterState& s, const char* ssid, unsigned long length, uint64_t now)
{
    DropLink(s);
    LinkInfo& l = s.Link;
    std::memset(l.TargetSsid, 0, sizeof l.TargetSsid);
    if (ssid)
        std::memcpy(l.TargetSsid, ssid, strnlen(ssid, std::min<unsigned long>(length, 32)));
    l.Seeking = 1;
    l.JoinStart = now;
    l.Phase = RadioUsable(s) ? LinkPhase::Joining : LinkPhase::Idle;
    AdvanceLink(s, now);
}

void DropLink(AdapterState& s)
{
    LinkInfo& l = s.Link;
    l.Phase = LinkPhase::Idle;
    l.OwnIbss = 0;
    std::memset(l.Bssid, 0, sizeof l.Bssid);
    std::memset(l.Ssid, 0, sizeof l.Ssid);
}

void ForgetTarget(AdapterState& s)
{
    DropLink(s);
    s.Link.Seeking = 0;
}

bool IsAssociated(const AdapterCore& s)
{
    return s.Link.Phase == LinkPhase::Associated;
}

bool JoinDue(const AdapterCore& s, uint64_t now)
{
    return s.Link.Phase == LinkPhase::Joining && now >= s.Link.JoinStart + s.JoinDelayMs;
}

int MeasuredRssi(int level, const unsigned char bssid[6], uint64_t now)
{
    uint64_t h = Mix(BssidValue(bssid) * 31 + now / DriftStepMs);
    return level + static_cast<int>(h % 7) - 3;
}

int LinkRssi(const AdapterCore& s, uint64_t now)
{
    return MeasuredRssi(s.Link.Level, s.Link.Bssid, now);
}

unsigned long LinkSpeed(const AdapterCore& s)
{
    unsigned long code = s.Config.RateCode;
    if (IsAssociated(s)) {
        unsigned long best = static_cast<unsigned long>(s.Link.MaxRateCode);
        code = (code == AutoRateCode) ? best : std::min(code, best);
    } else if (code == AutoRateCode) {
        code = 108;
    }
    return code * 5000;  // rate codes count 500 kbit/s
}

}  // namespace vexa
