// Vexa5200.dll over Native Wifi: the library's interface (Vexa5200.h) on the sessions of the
// bridge. Registry calls are the ones every Vexa5200.dll shares.
#include "Vexa5200.h"

#include "BridgeSessions.h"
#include "registry/RegistryValues.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr int Ok = 0;
constexpr int Failed = 1;

int Call(VEXA5200_HANDLE handle, const std::function<int(CWlanAdapter&)>& body)
{
    return WithSession(handle, body);
}

int Query(VEXA5200_HANDLE handle, unsigned long* out, int (CWlanAdapter::*query)(unsigned long&))
{
    if (!out)
        return Failed;
    return Call(handle, [&](CWlanAdapter& a) { return (a.*query)(*out); });
}

int Set(VEXA5200_HANDLE handle, unsigned long value, int (CWlanAdapter::*set)(unsigned long))
{
    return Call(handle, [&](CWlanAdapter& a) { return (a.*set)(value); });
}

// Text answers fail, writing nothing, when the caller's buffer cannot hold them whole.
int CopyText(const std::string& text, char* out, unsigned long size)
{
    if (!out || text.size() + 1 > size)
        return Failed;
    std::memcpy(out, text.c_str(), text.size() + 1);
    return Ok;
}

int TextQuery(VEXA5200_HANDLE handle, char* out, unsigned long size, int (CWlanAdapter::*query)(std::string&))
{
    if (!out)
        return Failed;
    return Call(handle, [&](CWlanAdapter& a) {
        std::string text;
        const int result = (a.*query)(text);
        return result == Ok ? CopyText(text, out, size) : result;
    });
}

}  // namespace

extern "C" {

VEXA5200_API int Vexa5200OpenAdapter(VEXA5200_HANDLE* handle)
{
    if (!handle)
        return Failed;
    *handle = OpenSession();
    return *handle ? Ok : Failed;
}

VEXA5200_API int Vexa5200CloseAdapter(VEXA5200_HANDLE* handle)
{
    if (!handle || !CloseSession(*handle))
        return Failed;
    *handle = nullptr;
    return Ok;
}

VEXA5200_API int Vexa5200SetDisassociate(VEXA5200_HANDLE handle)
{
    return Call(handle, [](CWlanAdapter& a) { return a.Disassociate(); });
}

VEXA5200_API int Vexa5200Scan(VEXA5200_HANDLE handle)
{
    return Call(handle, [](CWlanAdapter& a) { return a.Scan(); });
}

VEXA5200_API int Vexa5200GetConnectStatus(VEXA5200_HANDLE handle)
{
    bool associated = false;
    Call(handle, [&](CWlanAdapter& a) {
        associated = a.ConnectionHolds();
        return Ok;
    });
    return associated ? 1 : 0;
}

VEXA5200_API int Vexa5200QueryHardwareStatus(VEXA5200_HANDLE handle, unsigned long* status)
{
    return Query(handle, status, &CWlanAdapter::HardwareStatus);
}

VEXA5200_API int Vexa5200QueryRadioControl(VEXA5200_HANDLE handle, unsigned long* on)
{
    return Query(handle, on, &CWlanAdapter::RadioOn);
}

VEXA5200_API int Vexa5200QueryNetworkMode(VEXA5200_HANDLE handle, unsigned long* mode)
{
    return Query(handle, mode, &CWlanAdapter::NetworkMode);
}

VEXA5200_API int Vexa5200QueryChannel(VEXA5200_HANDLE handle, unsigned long* channel)
{
    return Query(handle, channel, &CWlanAdapter::Channel);
}

VEXA5200_API int Vexa5200QueryLinkSpeed(VEXA5200_HANDLE handle, unsigned long* speed100bps)
{
    return Query(handle, speed100bps, &CWlanAdapter::LinkSpeed);
}

VEXA5200_API int Vexa5200QueryRssi(VEXA5200_HANDLE handle, unsigned long* rssiDbm)
{
    if (!rssiDbm)
        return Failed;
    return Call(handle, [&](CWlanAdapter& a) {
        long dbm = 0;
        const int result = a.Rssi(dbm);
        if (result == Ok)
            *rssiDbm = static_cast<unsigned long>(dbm);  // signed dBm in the unsigned field, as a driver gives it
        return result;
    });
}

VEXA5200_API int Vexa5200QueryFirmwareVersion(VEXA5200_HANDLE handle, unsigned long* version)
{
    // Native Wifi does not reach the card's firmware.
    (void)handle;
    (void)version;
    return Failed;
}

VEXA5200_API int Vexa5200QueryRegionCode(VEXA5200_HANDLE handle, unsigned long* region)
{
    return Query(handle, region, &CWlanAdapter::RegionCode);
}

VEXA5200_API int Vexa5200SetRadioControl(VEXA5200_HANDLE handle, unsigned long on)
{
    return Set(handle, on, &CWlanAdapter::SetRadio);
}

VEXA5200_API int Vexa5200SetNetworkMode(VEXA5200_HANDLE handle, unsigned long mode)
{
    return Set(handle, mode, &CWlanAdapter::SetNetworkMode);
}

VEXA5200_API int Vexa5200SetChannel(VEXA5200_HANDLE handle, unsigned long channel)
{
    return Set(handle, channel, &CWlanAdapter::SetChannel);
}

VEXA5200_API int Vexa5200SetDataRate(VEXA5200_HANDLE handle, unsigned long rateCode)
{
    return Set(handle, rateCode, &CWlanAdapter::SetDataRate);
}

VEXA5200_API int Vexa5200SetPowerMode(VEXA5200_HANDLE handle, unsigned long mode)
{
    return Set(handle, mode, &CWlanAdapter::SetPowerMode);
}

VEXA5200_API int Vexa5200SetPreamble(VEXA5200_HANDLE handle, unsigned long preamble)
{
    return Set(handle, preamble, &CWlanAdapter::SetPreamble);
}

VEXA5200_API int Vexa5200SetRxAntenna(VEXA5200_HANDLE handle, unsigned long antenna)
{
    return Set(handle, antenna, &CWlanAdapter::SetRxAntenna);
}

VEXA5200_API int Vexa5200SetAuthMode(VEXA5200_HANDLE handle, unsigned long mode)
{
    return Set(handle, mode, &CWlanAdapter::SetAuthMode);
}

VEXA5200_API int Vexa5200SetWepStatus(VEXA5200_HANDLE handle, unsigned long status)
{
    return Set(handle, status, &CWlanAdapter::SetWepStatus);
}

VEXA5200_API int Vexa5200SetFswCCXNetworkEap(VEXA5200_HANDLE handle, unsigned long value)
{
    return Set(handle, value, &CWlanAdapter::SetFswCcxNetworkEap);
}

VEXA5200_API int Vexa5200QueryRegistryPath(VEXA5200_HANDLE handle, char* path, unsigned long size)
{
    return TextQuery(handle, path, size, &CWlanAdapter::RegistryPath);
}

VEXA5200_API int Vexa5200QuerySsid(VEXA5200_HANDLE handle, char* ssid, unsigned long size)
{
    return TextQuery(handle, ssid, size, &CWlanAdapter::Ssid);
}

VEXA5200_API int Vexa5200QueryDriverVersion(VEXA5200_HANDLE handle, char* text, unsigned long size)
{
    // The interface's own description ("... Wi-Fi 6 AX201 ..."), cut to what the caller holds.
    if (!text || size == 0)
        return Failed;
    return Call(handle, [&](CWlanAdapter& a) {
        std::string description;
        const int result = a.Description(description);
        if (result != Ok)
            return result;
        return CopyText(description.substr(0, size - 1), text, size);
    });
}

VEXA5200_API int Vexa5200QueryScanList(VEXA5200_HANDLE handle, void* list, unsigned long size)
{
    return Call(handle, [&](CWlanAdapter& a) { return a.ScanList(list, size); });
}

VEXA5200_API int Vexa5200QueryBssid(VEXA5200_HANDLE handle, unsigned char bssid[6])
{
    if (!bssid)
        return Failed;
    return Call(handle, [&](CWlanAdapter& a) {
        unsigned char found[6] = {};
        const int result = a.Bssid(found);
        if (result == Ok)
            std::memcpy(bssid, found, 6);
        return result;
    });
}

VEXA5200_API int Vexa5200QueryStatistics(VEXA5200_HANDLE handle, NDIS_802_11_STATISTICS* statistics)
{
    if (!statistics)
        return Failed;
    return Call(handle, [&](CWlanAdapter& a) { return a.Statistics(*statistics); });
}

VEXA5200_API int Vexa5200SetSsid(VEXA5200_HANDLE handle, const char* ssid, unsigned long length,
                                 unsigned long reserved)
{
    (void)reserved;
    return Call(handle, [&](CWlanAdapter& a) { return a.SetSsid(ssid, length, StagedTlsIdentity()); });
}

VEXA5200_API int Vexa5200SetWepKey(VEXA5200_HANDLE handle, unsigned long index, const unsigned char* key,
                                   unsigned long length, unsigned long transmit)
{
    return Call(handle, [&](CWlanAdapter& a) { return a.SetWepKey(index, key, length, transmit != 0); });
}

VEXA5200_API int Vexa5200SetWPAInformation(VEXA5200_HANDLE handle, unsigned long method, unsigned long version,
                                           const char* key, const char* ssid)
{
    (void)version;
    (void)ssid;  // the network is the one SetSsid names
    return Call(handle, [&](CWlanAdapter& a) { return a.SetWpaInformation(method, key); });
}

VEXA5200_API int Vexa5200WPACreateIdentityTLS(const char* identity, const unsigned char hash[20])
{
    TlsIdentity staged;
    if (identity)
        staged.Identity.assign(identity, strnlen(identity, 256));
    if (hash)
        std::memcpy(staged.Hash, hash, sizeof staged.Hash);
    staged.Set = !staged.Identity.empty() &&
                 std::any_of(staged.Hash, staged.Hash + sizeof staged.Hash, [](unsigned char b) { return b != 0; });
    StageTlsIdentity(staged);
    return staged.Set ? Ok : Failed;
}

VEXA5200_API void Vexa5200WPAPortDown(VEXA5200_HANDLE handle)
{
    // Windows runs the 802.1X port itself; the next SetSsid starts its authentication anew.
    (void)handle;
}

VEXA5200_API int Vexa5200QueryRegistry(const char* path, const char* name, char* buffer, unsigned long size)
{
    return vexa::QueryRegistryText(path, name, buffer, size);
}

VEXA5200_API int Vexa5200QueryRegistryDword(const char* path, const char* name, unsigned long* value)
{
    return vexa::QueryRegistryDword(path, name, value);
}

VEXA5200_API int Vexa5200SetRegistry(const char* path, const char* name, const void* bytes, unsigned long count,
                                     unsigned long reserved)
{
    (void)reserved;
    return vexa::SetRegistryBytes(path, name, bytes, count);
}

}  // extern "C"
