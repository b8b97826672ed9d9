// The library's exported adapter functions (Vexa5200.h).
#include "Vexa5200.h"

#include "DriverKey.h"
#include "Environment.h"
#include "Failures.h"
#include "Link.h"
#include "Region.h"
#include "ScanList.h"
#include "Sessions.h"
#include "SharedAdapter.h"

#include <algorithm>
#include <cstring>

using namespace vexa;

namespace {

constexpr int Ok = 0;
constexpr int Failed = 1;

constexpr unsigned long FirmwareVersion = 0x02010703;  // 2.1.7.3
constexpr const char* DriverVersion = "3.2.0.1";

// The checks every handle call makes before it does its work.
bool Callable(AdapterLock& lock, Fn fn, VEXA5200_HANDLE handle)
{
    return lock.Ok() && !Failing(lock.State(), fn) && SessionUsable(lock.State(), handle);
}

// A query that may change the state (the scan list hands out an injected answer once).
template <class Body>
int LockedQuery(Fn fn, VEXA5200_HANDLE handle, const void* out, Body body)
{
    if (!out)
        return Failed;
    AdapterLock lock;
    if (!Callable(lock, fn, handle))
        return Failed;
    return body(lock.State(), lock.Now()) ? Ok : Failed;
}

// A query of the core: answered from a copy taken without the mutex, unless a join is due
// (completing it changes the state) or writers kept the record busy.
template <class Body>
int Query(Fn fn, VEXA5200_HANDLE handle, const void* out, Body body)
{
    if (!out)
        return Failed;
    AdapterCore core;
    uint64_t now = GetTickCount64();
    if (SnapshotCore(core) && !JoinDue(core, now)) {
        if (Failing(core, fn) || !SessionUsable(core, handle))
            return Failed;
        return body(core, now) ? Ok : Failed;
    }
    AdapterLock lock;
    if (!Callable(lock, fn, handle))
        return Failed;
    return body(lock.State(), lock.Now()) ? Ok : Failed;
}

// A call that sets or acts: journaled whatever its outcome, then done when the adapter can.
template <class Body>
int Act(Fn fn, VEXA5200_HANDLE handle, const JournalLine& line, Body body)
{
    AdapterLock lock;
    if (!lock.Ok())
        return Failed;
    JournalAppend(lock.Journal(), line.Str());
    if (!Callable(lock, fn, handle))
        return Failed;
    bool done = body(lock.State(), lock.Now());
    AdvanceLink(lock.State(), lock.Now());
    return done ? Ok : Failed;
}

int SetValue(Fn fn, const char* name, VEXA5200_HANDLE handle, unsigned long value, unsigned long lowest,
             unsigned long highest, unsigned long AdapterConfig::*field)
{
    return Act(fn, handle, JournalLine(name).Number(value), [&](AdapterState& s, uint64_t) {
        if (value < lowest || value > highest)
            return false;
        s.Config.*field = value;
        return true;
    });
}

bool CopyText(const char* text, char* out, unsigned long size)
{
    size_t length = std::strlen(text);
    if (length + 1 > size)
        return false;
    std::memcpy(out, text, length + 1);
    return true;
}

}  // namespace

extern "C" {

VEXA5200_API int Vexa5200OpenAdapter(VEXA5200_HANDLE* handle)
{
    EnsureDriverKey();
    AdapterLock lock;
    if (!lock.Ok())
        return Failed;
    JournalAppend(lock.Journal(), JournalLine("OpenAdapter").Str());
    if (!handle)
        return Failed;
    *handle = nullptr;
    if (Failing(lock.State(), Fn::OpenAdapter) || !lock.State().CardPresent)
        return Failed;
    *handle = OpenSession(lock.State());
    return *handle ? Ok : Failed;
}

VEXA5200_API int Vexa5200CloseAdapter(VEXA5200_HANDLE* handle)
{
    AdapterLock lock;
    if (!lock.Ok())
        return Failed;
    JournalAppend(lock.Journal(), JournalLine("CloseAdapter").Str());
    if (!handle || Failing(lock.State(), Fn::CloseAdapter) || !CloseSession(*handle))
        return Failed;
    *handle = nullptr;
    return Ok;
}

VEXA5200_API int Vexa5200SetDisassociate(VEXA5200_HANDLE handle)
{
    return Act(Fn::SetDisassociate, handle, JournalLine("SetDisassociate"), [](AdapterState& s, uint64_t) {
        ForgetTarget(s);
        return true;
    });
}

VEXA5200_API int Vexa5200Scan(VEXA5200_HANDLE handle)
{
    return Act(Fn::Scan, handle, JournalLine("Scan"), [](AdapterState& s, uint64_t now) {
        if (!RadioUsable(s))
            return false;
        TakeScan(s, now);
        return true;
    });
}

VEXA5200_API int Vexa5200GetConnectStatus(VEXA5200_HANDLE handle)
{
    bool associated = false;
    int result = Query(Fn::GetConnectStatus, handle, &associated, [&](const AdapterCore& s, uint64_t) {
        associated = IsAssociated(s);
        return true;
    });
    return result == Ok && associated ? 1 : 0;
}

VEXA5200_API int Vexa5200QueryHardwareStatus(VEXA5200_HANDLE handle, unsigned long* status)
{
    return Query(Fn::QueryHardwareStatus, handle, status, [&](const AdapterCore&, uint64_t) {
        *status = 0;
        return true;
    });
}

VEXA5200_API int Vexa5200QueryRadioControl(VEXA5200_HANDLE handle, unsigned long* on)
{
    return Query(Fn::QueryRadioControl, handle, on, [&](const AdapterCore& s, uint64_t) {
        *on = (s.SoftwareRadio && s.HardwareRadio) ? 1 : 0;
        return true;
    });
}

VEXA5200_API int Vexa5200QueryNetworkMode(VEXA5200_HANDLE handle, unsigned long* mode)
{
    return Query(Fn::QueryNetworkMode, handle, mode, [&](const AdapterCore& s, uint64_t) {
        *mode = s.Config.NetworkMode;
        return true;
    });
}

VEXA5200_API int Vexa5200QueryChannel(VEXA5200_HANDLE handle, unsigned long* channel)
{
    return Query(Fn::QueryChannel, handle, channel, [&](const AdapterCore& s, uint64_t) {
        *channel = IsAssociated(s) ? static_cast<unsigned long>(s.Link.Channel) : s.Config.Channel;
        return true;
    });
}

VEXA5200_API int Vexa5200QueryLinkSpeed(VEXA5200_HANDLE handle, unsigned long* speed100bps)
{
    return Query(Fn::QueryLinkSpeed, handle, speed100bps, [&](const AdapterCore& s, uint64_t) {
        *speed100bps = LinkSpeed(s);
        return true;
    });
}

VEXA5200_API int Vexa5200QueryRssi(VEXA5200_HANDLE handle, unsigned long* rssiDbm)
{
    return Query(Fn::QueryRssi, handle, rssiDbm, [&](const AdapterCore& s, uint64_t now) {
        if (!IsAssociated(s))
            return false;
        *rssiDbm = static_cast<unsigned long>(static_cast<long>(LinkRssi(s, now)));
        return true;
    });
}

VEXA5200_API int Vexa5200QueryFirmwareVersion(VEXA5200_HANDLE handle, unsigned long* version)
{
    return Query(Fn::QueryFirmwareVersion, handle, version, [&](const AdapterCore&, uint64_t) {
        *version = FirmwareVersion;
        return true;
    });
}

VEXA5200_API int Vexa5200QueryRegionCode(VEXA5200_HANDLE handle, unsigned long* region)
{
    return Query(Fn::QueryRegionCode, handle, region, [&](const AdapterCore& s, uint64_t) {
        *region = s.RegionCode;
        return true;
    });
}

VEXA5200_API int Vexa5200SetRadioControl(VEXA5200_HANDLE handle, unsigned long on)
{
    return Act(Fn::SetRadioControl, handle, JournalLine("SetRadioControl").Number(on), [&](AdapterState& s, uint64_t) {
        if (on > 1)
            return false;
        s.SoftwareRadio = static_cast<int>(on);
        if (!on)
            ForgetTarget(s);
        return true;
    });
}

VEXA5200_API int Vexa5200SetNetworkMode(VEXA5200_HANDLE handle, unsigned long mode)
{
    return SetValue(Fn::SetNetworkMode, "SetNetworkMode", handle, mode, 0, 1, &AdapterConfig::NetworkMode);
}

VEXA5200_API int Vexa5200SetChannel(VEXA5200_HANDLE handle, unsigned long channel)
{
    return Act(Fn::SetChannel, handle, JournalLine("SetChannel").Number(channel), [&](AdapterState& s, uint64_t) {
        // The card transmits only where its region allows.
        const RegionChannels allowed = ChannelsOfRegion(s.RegionCode);
        if (channel < allowed.First || channel > allowed.Last)
            return false;
        s.Config.Channel = channel;
        return true;
    });
}

VEXA5200_API int Vexa5200SetDataRate(VEXA5200_HANDLE handle, unsigned long rateCode)
{
    return Act(Fn::SetDataRate, handle, JournalLine("SetDataRate").Number(rateCode), [&](AdapterState& s, uint64_t) {
        if (rateCode != AutoRateCode && !IsValidRateCode(rateCode))
            return false;
        s.Config.RateCode = rateCode;
        return true;
    });
}

VEXA5200_API int Vexa5200SetPowerMode(VEXA5200_HANDLE handle, unsigned long mode)
{
    return SetValue(Fn::SetPowerMode, "SetPowerMode", handle, mode, 0, 2, &AdapterConfig::PowerMode);
}

VEXA5200_API int Vexa5200SetPreamble(VEXA5200_HANDLE handle, unsigned long preamble)
{
    return SetValue(Fn::SetPreamble, "SetPreamble", handle, preamble, 1, 3, &AdapterConfig::Preamble);
}

VEXA5200_API int Vexa5200SetRxAntenna(VEXA5200_HANDLE handle, unsigned long antenna)
{
    return SetValue(Fn::SetRxAntenna, "SetRxAntenna", handle, antenna, 0, 3, &AdapterConfig::RxAntenna);
}

VEXA5200_API int Vexa5200SetAuthMode(VEXA5200_HANDLE handle, unsigned long mode)
{
    return SetValue(Fn::SetAuthMode, "SetAuthMode", handle, mode, 0, 7, &AdapterConfig::AuthMode);
}

VEXA5200_API int Vexa5200SetWepStatus(VEXA5200_HANDLE handle, unsigned long status)
{
    return SetValue(Fn::SetWepStatus, "SetWepStatus", handle, status, 0, 7, &AdapterConfig::WepStatus);
}

VEXA5200_API int Vexa5200SetFswCCXNetworkEap(VEXA5200_HANDLE handle, unsigned long value)
{
    return SetValue(Fn::SetFswCCXNetworkEap, "SetFswCCXNetworkEap", handle, value, 0, 0xFFFFFFFFul,
                    &AdapterConfig::FswCcxNetworkEap);
}

VEXA5200_API int Vexa5200QueryRegistryPath(VEXA5200_HANDLE handle, char* path, unsigned long size)
{
    return Query(Fn::QueryRegistryPath, handle, path,
                 [&](const AdapterCore&, uint64_t) { return CopyText(DriverKeyPath, path, size); });
}

VEXA5200_API int Vexa5200QuerySsid(VEXA5200_HANDLE handle, char* ssid, unsigned long size)
{
    return Query(Fn::QuerySsid, handle, ssid, [&](const AdapterCore& s, uint64_t) {
        char text[33] = {};
        if (IsAssociated(s))
            std::memcpy(text, s.Link.Ssid, 32);
        else if (s.Link.Phase == LinkPhase::Joining)
            std::memcpy(text, s.Link.TargetSsid, 32);
        return CopyText(text, ssid, size);
    });
}

VEXA5200_API int Vexa5200QueryDriverVersion(VEXA5200_HANDLE handle, char* text, unsigned long size)
{
    return Query(Fn::QueryDriverVersion, handle, text,
                 [&](const AdapterCore&, uint64_t) { return CopyText(DriverVersion, text, size); });
}

VEXA5200_API int Vexa5200QueryScanList(VEXA5200_HANDLE handle, void* list, unsigned long size)
{
    return LockedQuery(Fn::QueryScanList, handle, list,
                 [&](AdapterState& s, uint64_t) { return WriteScanList(s, list, size); });
}

VEXA5200_API int Vexa5200QueryBssid(VEXA5200_HANDLE handle, unsigned char bssid[6])
{
    return Query(Fn::QueryBssid, handle, bssid, [&](const AdapterCore& s, uint64_t) {
        if (!IsAssociated(s))
            return false;
        std::memcpy(bssid, s.Link.Bssid, 6);
        return true;
    });
}

VEXA5200_API int Vexa5200QueryStatistics(VEXA5200_HANDLE handle, NDIS_802_11_STATISTICS* statistics)
{
    return Query(Fn::QueryStatistics, handle, statistics, [&](const AdapterCore& s, uint64_t now) {
        TrafficCounters l = CountersAt(s, now);
        NDIS_802_11_STATISTICS st{};
        st.Length = sizeof st;
        st.TransmittedFragmentCount.QuadPart = static_cast<LONGLONG>(l.Tx);
        st.ReceivedFragmentCount.QuadPart = static_cast<LONGLONG>(l.Rx);
        // The other counters keep plausible proportions to the traffic.
        st.MulticastTransmittedFrameCount.QuadPart = static_cast<LONGLONG>(l.Tx / 50);
        st.MulticastReceivedFrameCount.QuadPart = static_cast<LONGLONG>(l.Rx / 20);
        st.RetryCount.QuadPart = static_cast<LONGLONG>(l.Tx / 25);
        st.MultipleRetryCount.QuadPart = static_cast<LONGLONG>(l.Tx / 200);
        st.FailedCount.QuadPart = static_cast<LONGLONG>(l.Tx / 1000);
        st.ACKFailureCount.QuadPart = static_cast<LONGLONG>(l.Tx / 40);
        st.FrameDuplicateCount.QuadPart = static_cast<LONGLONG>(l.Rx / 500);
        st.FCSErrorCount.QuadPart = static_cast<LONGLONG>(l.Rx / 100);
        st.DecryptSuccessCount.QuadPart = static_cast<LONGLONG>(l.Rx);
        *statistics = st;
        return true;
    });
}

VEXA5200_API int Vexa5200SetSsid(VEXA5200_HANDLE handle, const char* ssid, unsigned long length,
                                 unsigned long reserved)
{
    JournalLine line = JournalLine("SetSsid").Text(ssid, 32).Number(length).Number(reserved);
    return Act(Fn::SetSsid, handle, line, [&](AdapterState& s, uint64_t now) {
        if (length > 32 || (!ssid && length))
            return false;
        StartJoin(s, ssid, length, now);
        return true;
    });
}

VEXA5200_API int Vexa5200SetWepKey(VEXA5200_HANDLE handle, unsigned long index, const unsigned char* key,
                                   unsigned long length, unsigned long transmit)
{
    // Never read more key bytes than the largest key field a caller keeps.
    JournalLine line =
        JournalLine("SetWepKey").Number(index).Hex(key, std::min(length, 128ul)).Number(length).Number(transmit);
    return Act(Fn::SetWepKey, handle, line, [&](AdapterState& s, uint64_t) {
        if (index < 1 || index > 4 || !key || length < 1 || length > MaxWepKeyBytes)
            return false;
        WepKeySlot& slot = s.Config.WepKeys[index - 1];
        std::memset(slot.Bytes, 0, sizeof slot.Bytes);
        std::memcpy(slot.Bytes, key, length);
        slot.Length = length;
        if (transmit)
            s.Config.TransmitKey = static_cast<int>(index - 1);
        return true;
    });
}

VEXA5200_API int Vexa5200SetWPAInformation(VEXA5200_HANDLE handle, unsigned long method, unsigned long version,
                                           const char* key, const char* ssid)
{
    JournalLine line = JournalLine("SetWPAInformation").Number(method).Number(version).Text(key).Text(ssid, 64);
    return Act(Fn::SetWPAInformation, handle, line, [&](AdapterState& s, uint64_t) {
        AdapterConfig& c = s.Config;
        c.WpaMethod = method;
        c.WpaVersion = version;
        std::memset(c.WpaKey, 0, sizeof c.WpaKey);
        size_t keyLength = key ? strnlen(key, MaxWpaKeyText + 1) : 0;
        c.WpaKeyTooLong = keyLength > MaxWpaKeyText;
        if (key)
            std::memcpy(c.WpaKey, key, std::min<size_t>(keyLength, MaxWpaKeyText));
        std::memset(c.WpaSsid, 0, sizeof c.WpaSsid);
        if (ssid)
            std::memcpy(c.WpaSsid, ssid, strnlen(ssid, 32));
        return method == 2 || method == 5;
    });
}

VEXA5200_API int Vexa5200WPACreateIdentityTLS(const char* identity, const unsigned char hash[20])
{
    static const unsigned char noHash[20] = {};
    const unsigned char* thumbprint = hash ? hash : noHash;
    AdapterLock lock;
    if (!lock.Ok())
        return Failed;
    JournalAppend(lock.Journal(), JournalLine("WPACreateIdentityTLS").Text(identity).Hex(thumbprint, 20).Str());
    if (Failing(lock.State(), Fn::WPACreateIdentityTLS))
        return Failed;
    AdapterConfig& c = lock.State().Config;
    std::memset(c.TlsIdentity, 0, sizeof c.TlsIdentity);
    if (identity)
        std::memcpy(c.TlsIdentity, identity, strnlen(identity, MaxIdentityText));
    std::memcpy(c.TlsHash, thumbprint, 20);
    bool hashSet = std::any_of(thumbprint, thumbprint + 20, [](unsigned char b) { return b != 0; });
    c.TlsIdentitySet = c.TlsIdentity[0] && hashSet;
    AdvanceLink(lock.State(), lock.Now());
    return c.TlsIdentitySet ? Ok : Failed;
}

VEXA5200_API void Vexa5200WPAPortDown(VEXA5200_HANDLE handle)
{
    Act(Fn::WPAPortDown, handle, JournalLine("WPAPortDown"), [](AdapterState& s, uint64_t) {
        // The 802.1X port closes: a link that rests on it goes down.
        if (IsAssociated(s) && !s.Link.OwnIbss) {
            for (int i = 0; i < s.NetworkCount; ++i)
                if (std::memcmp(s.Networks[i].Bssid, s.Link.Bssid, 6) == 0 &&
                    s.Networks[i].Security == VEXASIM_WPA_TLS)
                    DropLink(s);
        }
        return true;
    });
}

}  // extern "C"
