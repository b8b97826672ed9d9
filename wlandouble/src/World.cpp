#include "World.h"

#include "Events.h"
#include "ProfileRead.h"
#include "Reasons.h"
#include "Security.h"

#include <wlanapi.h>

#include <cstring>
#include <cwchar>

namespace wdouble {

namespace {

const GUID Guids[MaxInterfaces] = {
    {0x5200a1d0, 0x7e57, 0x4d0b, {0x9a, 0x52, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}},
    {0x5200a1d0, 0x7e57, 0x4d0b, {0x9a, 0x52, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02}},
};

void BecomeIdle(InterfaceState& st, uint64_t now, bool armAutoConnect)
{
    st.LinkPhase = Phase::Idle;
    std::memset(st.Bssid, 0, sizeof st.Bssid);
    st.IdleSince = now;
    st.AutoConnectArmed = armAutoConnect ? 1 : 0;
}

std::string ProfileNameText(const wchar_t* name)
{
    char text[MaxNameChars * 3];
    NameToUtf8(name, text, sizeof text);
    return text;
}

void CompleteJoin(DoubleState& s, const Scene& scene, int iface, uint64_t now)
{
    InterfaceState& st = s.Interfaces[iface];
    // [WLAN_NOTIFICATION_ACM] zero or more attempt failures come before the one completion.
    for (; st.AttemptFailsSent < s.Config.AttemptFails; ++st.AttemptFailsSent)
        EmitConnection(s, wlan_notification_acm_connection_attempt_fail, iface, ReasonNetworkNotAvailable);
    DWORD reason = ReasonNetworkNotAvailable;
    const int network = RadioUsable(s, scene, iface)
                            ? FindJoinable(scene, st.Profile.Ssid, st.Profile.SsidLength, st.Profile.Ibss != 0)
                            : -1;
    if (network >= 0) {
        const int stored = st.Mode == wlan_connection_mode_profile ? FindProfile(s, iface, st.Profile.Name) : -1;
        const bool eapSet = stored >= 0 && s.Profiles[iface][stored].EapUserDataSet;
        reason = JoinOutcome(st.Profile, scene.Networks[network], eapSet);
    }
    if (reason == ReasonSuccess) {
        st.LinkPhase = Phase::Connected;
        std::memcpy(st.Bssid, scene.Networks[network].Bssid, 6);
        st.ConnectedAt = now;
        st.AutoConnectArmed = 0;
        EmitMsm(s, MsmConnected, iface, ReasonSuccess);
        EmitConnection(s, wlan_notification_acm_connection_complete, iface, ReasonSuccess);
        return;
    }
    EmitConnection(s, wlan_notification_acm_connection_complete, iface, reason);
    // Windows tries its own profiles after a join of the program's failed, not after one of its own.
    BecomeIdle(st, now, !st.ByWindows);
}

bool LinkHolds(const DoubleState& s, const Scene& scene, int iface)
{
    const int network = LinkedNetwork(s, scene, iface);
    return network >= 0 && RadioUsable(s, scene, iface) && scene.Networks[network].RssiDbm >= JoinableDbm;
}

// Windows' own auto-connect: the first stored profile, in list order, whose connection mode
// is auto and whose network is in range and suits it.
void AutoConnect(DoubleState& s, const Scene& scene, int iface, uint64_t now)
{
    InterfaceState& st = s.Interfaces[iface];
    if (!s.Config.AutoConnect || !st.AutoConnectArmed || st.LinkPhase != Phase::Idle ||
        now < st.IdleSince + s.Config.AutoConnectDelayMs || !RadioUsable(s, scene, iface))
        return;
    for (int i = 0; i < s.ProfileCount[iface]; ++i) {
        const StoredProfile& stored = s.Profiles[iface][i];
        ProfileFacts facts;
        DWORD reason = 0;
        if (!ReadProfile(stored.Xml, facts, reason) || !facts.AutoMode)
            continue;
        const int network = FindJoinable(scene, facts.Ssid, facts.SsidLength, facts.Ibss != 0);
        if (network < 0 || JoinOutcome(facts, scene.Networks[network], stored.EapUserDataSet != 0) != ReasonSuccess)
            continue;
        std::wcsncpy(facts.Name, stored.Name, MaxNameChars - 1);
        Log(s, "Windows connects " + ProfileNameText(facts.Name) + (iface ? " @2" : ""));
        StartJoin(s, iface, facts, wlan_connection_mode_profile, true, now);
        return;
    }
}

}  // namespace

void ResetDouble(DoubleState& s, uint64_t now, bool cardPresent)
{
    // The notification count goes on: processes keep their place in the queue by it.
    const uint64_t nextEvent = s.NextEvent;
    std::memset(&s, 0, sizeof s);
    s.NextEvent = nextEvent;
    s.Config.ScanDelayMs = 300;
    s.Config.FlushDuringScan = 1;
    s.Config.ScanNotifies = 1;
    s.Config.AttemptFails = 1;
    s.Config.JoinDelayMs = 500;
    s.Config.AutoConnect = 1;
    s.Config.AutoConnectDelayMs = 2000;
    s.Config.LocationConsent = 1;
    for (InterfaceState& st : s.Interfaces) {
        st.SoftwareRadio = 1;
        BecomeIdle(st, now, true);
    }
    s.Interfaces[0].Present = cardPresent ? 1 : 0;
    s.CardWasPresent = s.Interfaces[0].Present;
}

const GUID& InterfaceGuid(int index)
{
    return Guids[index == 1 ? 1 : 0];
}

int InterfaceIndex(const GUID* guid)
{
    for (int i = 0; guid && i < MaxInterfaces; ++i)
        if (IsEqualGUID(*guid, Guids[i]))
            return i;
    return -1;
}

bool RadioUsable(const DoubleState& s, const Scene& scene, int iface)
{
    const InterfaceState& st = s.Interfaces[iface];
    return st.Present && st.SoftwareRadio && scene.Read && scene.HardwareRadio;
}

int LinkedNetwork(const DoubleState& s, const Scene& scene, int iface)
{
    const InterfaceState& st = s.Interfaces[iface];
    if (st.LinkPhase != Phase::Connected)
        return -1;
    for (int i = 0; i < scene.NetworkCount; ++i)
        if (std::memcmp(scene.Networks[i].Bssid, st.Bssid, 6) == 0)
            return i;
    return -1;
}

void Advance(DoubleState& s, const Scene& scene, uint64_t now)
{
    if (scene.Read && (scene.CardPresent != 0) != (s.CardWasPresent != 0)) {
        s.CardWasPresent = scene.CardPresent ? 1 : 0;
        SetInterfacePresent(s, 0, scene.CardPresent != 0, now);
    }
    for (int iface = 0; iface < MaxInterfaces; ++iface) {
        InterfaceState& st = s.Interfaces[iface];
        if (!st.Present)
            continue;
        if (st.ScanPending && now >= st.ScanDue) {
            st.ScanPending = 0;
            st.ListFlushed = 0;
            if (s.Config.ScanNotifies)
                Emit(s, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_scan_complete, iface, nullptr, 0);
        }
        if (st.LinkPhase == Phase::Connecting && now >= st.JoinDue)
            CompleteJoin(s, scene, iface, now);
        if (st.LinkPhase == Phase::Connected && scene.Read && !LinkHolds(s, scene, iface))
            EndLink(s, iface, ReasonNetworkNotAvailable, now, true);
        AutoConnect(s, scene, iface, now);
    }
}

void StartScan(DoubleState& s, int iface, uint64_t now)
{
    InterfaceState& st = s.Interfaces[iface];
    st.ScanPending = 1;
    st.ScanDue = now + s.Config.ScanDelayMs;
    if (s.Config.FlushDuringScan)
        st.ListFlushed = 1;
}

void StartJoin(DoubleState& s, int iface, const ProfileFacts& profile, int mode, bool byWindows, uint64_t now)
{
    InterfaceState& st = s.Interfaces[iface];
    if (st.LinkPhase != Phase::Idle)
        EndLink(s, iface, ReasonSuccess, now, false);
    st.Profile = profile;
    st.Mode = mode;
    st.ByWindows = byWindows ? 1 : 0;
    st.LinkPhase = Phase::Connecting;
    st.JoinStart = now;
    st.JoinDue = now + s.Config.JoinDelayMs;
    st.AttemptFailsSent = 0;
    st.AutoConnectArmed = 0;
    EmitConnection(s, wlan_notification_acm_connection_start, iface, ReasonSuccess);
}

void EndLink(DoubleState& s, int iface, DWORD reason, uint64_t now, bool armAutoConnect)
{
    InterfaceState& st = s.Interfaces[iface];
    if (st.LinkPhase == Phase::Connected)
        EmitMsm(s, MsmDisconnected, iface, reason);
    if (st.LinkPhase == Phase::Connecting)
        EmitConnection(s, wlan_notification_acm_connection_complete, iface, reason ? reason : ReasonNetworkNotAvailable);
    else if (st.LinkPhase == Phase::Connected)
        EmitConnection(s, wlan_notification_acm_disconnected, iface, reason);
    BecomeIdle(st, now, armAutoConnect);
}

void SetSoftwareRadio(DoubleState& s, int iface, bool on, uint64_t now)
{
    InterfaceState& st = s.Interfaces[iface];
    if ((st.SoftwareRadio != 0) == on)
        return;
    if (!on && st.LinkPhase != Phase::Idle)
        EndLink(s, iface, ReasonNetworkNotAvailable, now, false);
    st.SoftwareRadio = on ? 1 : 0;
    if (on)
        BecomeIdle(st, now, true);
    WLAN_PHY_RADIO_STATE radio{};
    radio.dot11SoftwareRadioState = on ? dot11_radio_state_on : dot11_radio_state_off;
    radio.dot11HardwareRadioState = dot11_radio_state_on;
    Emit(s, WLAN_NOTIFICATION_SOURCE_MSM, MsmRadioStateChange, iface, &radio, sizeof radio);
}

void SetInterfacePresent(DoubleState& s, int iface, bool present, uint64_t now)
{
    InterfaceState& st = s.Interfaces[iface];
    if ((st.Present != 0) == present)
        return;
    if (!present) {
        if (st.LinkPhase != Phase::Idle)
            EndLink(s, iface, ReasonNetworkNotAvailable, now, false);
        st.Present = 0;
        st.ScanPending = 0;
        Emit(s, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_interface_removal, iface, nullptr, 0);
        return;
    }
    // A card that comes back starts afresh, its radio on.
    st.Present = 1;
    st.SoftwareRadio = 1;
    st.ListFlushed = 0;
    BecomeIdle(st, now, true);
    Emit(s, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_interface_arrival, iface, nullptr, 0);
}

int FindProfile(const DoubleState& s, int iface, const wchar_t* name)
{
    for (int i = 0; name && i < s.ProfileCount[iface]; ++i)
        if (std::wcsncmp(s.Profiles[iface][i].Name, name, MaxNameChars) == 0)
            return i;
    return -1;
}

}  // namespace wdouble
