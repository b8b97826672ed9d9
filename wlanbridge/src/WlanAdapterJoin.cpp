// The staged settings, and the join at SetSsid that turns them into a profile.
#include "WlanAdapter.h"

#include "AdapterResults.h"
#include "ProfileXml.h"
#include "XmlText.h"

#include <cstring>

namespace {

constexpr size_t MaxSsidBytes = 32;
constexpr unsigned long AutoRateCode = 255;

// A profile for EAP-TLS is stored for the user under a name of its own, beside the user's
// own profiles for the same network.
std::string StoredProfileName(const std::string& ssid)
{
    return "Skylook " + ssid;
}

int Keep(unsigned long value, unsigned long lowest, unsigned long highest, unsigned long& field)
{
    if (value < lowest || value > highest)
        return Failed;
    field = value;
    return Ok;
}

}  // namespace

int CWlanAdapter::SetNetworkMode(unsigned long mode)
{
    return Keep(mode, NetworkAdHoc, NetworkInfrastructure, m_staged.NetworkMode);
}

int CWlanAdapter::SetChannel(unsigned long channel)
{
    return Keep(channel, LowestChannel, HighestChannel, m_staged.Channel);
}

int CWlanAdapter::SetDataRate(unsigned long rateCode)
{
    return Keep(rateCode, 0, AutoRateCode, m_staged.RateCode);
}

int CWlanAdapter::SetPowerMode(unsigned long mode)
{
    return Keep(mode, 0, 2, m_staged.PowerMode);
}

int CWlanAdapter::SetPreamble(unsigned long preamble)
{
    return Keep(preamble, 1, 3, m_staged.Preamble);
}

int CWlanAdapter::SetRxAntenna(unsigned long antenna)
{
    return Keep(antenna, 0, 3, m_staged.RxAntenna);
}

int CWlanAdapter::SetAuthMode(unsigned long mode)
{
    return Keep(mode, 0, 7, m_staged.AuthMode);
}

int CWlanAdapter::SetWepStatus(unsigned long status)
{
    return Keep(status, 0, 7, m_staged.WepStatus);
}

int CWlanAdapter::SetFswCcxNetworkEap(unsigned long value)
{
    m_staged.FswCcxNetworkEap = value;
    return Ok;
}

int CWlanAdapter::SetWepKey(unsigned long index, const unsigned char* key, unsigned long length, bool transmit)
{
    StagedWepKey* slot = index >= 1 && index <= 4 ? &m_staged.WepKeys[index - 1] : nullptr;
    if (!slot || !key || length < 1 || length > sizeof slot->Bytes)
        return Failed;
    *slot = StagedWepKey{};
    std::memcpy(slot->Bytes, key, length);
    slot->Length = length;
    if (transmit)
        m_staged.TransmitKey = static_cast<int>(index - 1);
    return Ok;
}

int CWlanAdapter::SetWpaInformation(unsigned long method, const char* key)
{
    m_staged.WpaMethod = method;
    m_staged.WpaKey = key ? std::string(key, strnlen(key, 64)) : std::string();
    return method == WpaMethodPassphrase || method == WpaMethodTls ? Ok : Failed;
}

CWlanAdapter::NetworkSeen CWlanAdapter::Seen(const std::string& ssid)
{
    NetworkSeen seen;
    const std::vector<unsigned char> list = CurrentBssList();
    for (const BssEntryView& view : ReadBssList(list)) {
        const DOT11_SSID& name = view.Entry.dot11Ssid;
        if (name.uSSIDLength == ssid.size() && std::memcmp(name.ucSSID, ssid.data(), ssid.size()) == 0) {
            seen.Listed = true;
            seen.Rsn = seen.Rsn || OffersRsn(view);
        }
    }
    return seen;
}

DWORD CWlanAdapter::ConnectStaged(const std::string& ssid, const TlsIdentity& tls)
{
    const NetworkSeen seen = Seen(ssid);
    const std::optional<ProfileSecurity> security = ProfileSecurityFor(m_staged, seen.Rsn);
    if (!security || (security->OneX && !tls.Set))
        return ERROR_INVALID_PARAMETER;
    ProfileDescription profile;
    profile.Ssid = ssid;
    profile.AdHoc = m_staged.NetworkMode == NetworkAdHoc;
    // A card probes for the name it is given; Windows does so only for a profile that says
    // the network hides it.
    profile.Hidden = !seen.Listed;
    profile.Security = *security;
    WlanConnectRequest request{wlan_connection_mode_temporary_profile, L"",
                               profile.AdHoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure, 0};
    if (!security->OneX) {
        profile.Name = Utf8FromAnsi(ssid);
        request.Profile = WideFromUtf8(ProfileXml(profile));
        return m_api.Connect(m_iface, request);
    }
    // The certificate's user data belongs to a stored profile, so EAP-TLS connects by name.
    profile.Name = Utf8FromAnsi(StoredProfileName(ssid));
    const std::wstring name = WideFromUtf8(profile.Name);
    DWORD reason = 0;
    DWORD result = m_api.SetProfile(m_iface, WLAN_PROFILE_USER, WideFromUtf8(ProfileXml(profile)), reason);
    if (result == ERROR_SUCCESS)
        result = m_api.SetProfileEapUserData(m_iface, name, WideFromUtf8(EapTlsUserDataXml(tls)));
    if (result != ERROR_SUCCESS)
        return result;
    request.Mode = wlan_connection_mode_profile;
    request.Profile = name;
    return m_api.Connect(m_iface, request);
}

int CWlanAdapter::SetSsid(const char* ssid, unsigned long length, const TlsIdentity& tls)
{
    // An empty SSID ("any network") has no Native Wifi equivalent.
    if (!Present() || !ssid || length == 0 || length > MaxSsidBytes)
        return Failed;
    const std::string target(ssid, length);
    const DWORD result = ConnectStaged(target, tls);
    std::lock_guard<std::mutex> hold(m_lock);
    m_link.Phase = result == ERROR_SUCCESS ? LinkPhase::Connecting : LinkPhase::Failed;
    m_link.TargetSsid = result == ERROR_SUCCESS ? target : std::string();
    return ResultOf(result);
}
