// The staged settings, and the join at SetSsid that turns them into a profile.
#include "WlanAdapter.h"

#include "AdapterResults.h"
#include "EapProfileRecord.h"
#include "ProfileXml.h"
#include "XmlText.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t MaxSsidBytes = 32;
constexpr unsigned long AutoRateCode = 255;

// A profile for EAP-TLS is stored for the user under a name of its own, beside the user's
// own profiles for the same network.
std::string StoredProfileName(const std::string& ssid)
{
    return "Skylook " + SsidText(ssid);
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

namespace {

bool StoredWithAuthentication(const std::wstring& xml, const char* authentication)
{
    const std::string wanted = std::string("<authentication>") + authentication + "</authentication>";
    return xml.find(std::wstring(wanted.begin(), wanted.end())) != std::wstring::npos;
}

}  // namespace

DWORD CWlanAdapter::StoreEapProfile(const std::wstring& name, const std::wstring& xml, const TlsIdentity& tls,
                                    const char* authentication)
{
    // Stored once, then left as the user may have changed it in Windows (the server to trust),
    // unless its security no longer suits the network. Windows puts a profile it stores at the
    // top of the user's list (WlanSetProfile): it goes back below the user's own.
    std::vector<WlanProfileEntry> profiles;
    m_api.GetProfileList(m_iface, profiles);
    const bool stored = std::any_of(profiles.begin(), profiles.end(),
                                    [&](const WlanProfileEntry& p) { return p.Name == name; });
    std::wstring storedXml;
    DWORD flags = 0;
    const bool same = stored && m_api.GetProfile(m_iface, name, flags, storedXml) == ERROR_SUCCESS &&
                      StoredWithAuthentication(storedXml, authentication);
    const std::wstring userData = WideFromUtf8(EapTlsUserDataXml(tls));
    if (!same) {
        DWORD reason = 0;
        if (const DWORD result = m_api.SetProfile(m_iface, WLAN_PROFILE_USER, xml, reason))
            return result;
        const DWORD last = static_cast<DWORD>(stored ? profiles.size() - 1 : profiles.size());
        m_api.SetProfilePosition(m_iface, name, last);
        m_eapUserData.clear();
    }
    if (m_eapUserData != name + L"|" + userData) {
        if (const DWORD result = m_api.SetProfileEapUserData(m_iface, name, userData))
            return result;
        m_eapUserData = name + L"|" + userData;
    }
    RememberEapProfile(name);
    return ERROR_SUCCESS;
}

void CWlanAdapter::ForgetEapProfile()
{
    const std::wstring name = RememberedEapProfile();
    if (name.empty())
        return;
    const DWORD result = m_api.DeleteProfile(m_iface, name);
    if (result == ERROR_SUCCESS || result == ERROR_NOT_FOUND)
        RememberEapProfile(L"");
    m_eapUserData.clear();
}

DWORD CWlanAdapter::ConnectStaged(const std::string& ssid, const TlsIdentity& tls)
{
    // A join that no scan came before (the program's EAP-TLS apply) reads the list once.
    if (!m_heard.Heard(ssid)) {
        std::vector<unsigned char> list;
        ReadBssList(list);
    }
    const SecurityChoice choice = ProfileSecurityFor(m_staged, m_heard.OfferOf(ssid));
    m_needsWindowsSettings = choice.Refusal == SecurityRefusal::Wpa3Only;
    if (choice.Refusal != SecurityRefusal::None || (choice.Security.OneX && !tls.Set))
        return ERROR_INVALID_PARAMETER;
    const ProfileSecurity& security = choice.Security;
    ProfileDescription profile;
    profile.Ssid = ssid;
    profile.AdHoc = m_staged.NetworkMode == NetworkAdHoc;
    // A card probes for the name it is given; Windows does so only for a profile that says
    // the network hides it, which is what a network no list has named may do.
    profile.Hidden = !m_heard.Heard(ssid);
    profile.Security = security;
    WlanConnectRequest request{wlan_connection_mode_temporary_profile, L"",
                               profile.AdHoc ? dot11_BSS_type_independent : dot11_BSS_type_infrastructure, 0};
    if (!security.OneX) {
        ForgetEapProfile();
        profile.Name = SsidText(ssid);
        request.Profile = WideFromUtf8(ProfileXml(profile));
        m_seek.Request = request;
        return m_api.Connect(m_iface, request);
    }
    // The certificate's user data belongs to a stored profile, so EAP-TLS connects by name;
    // the same name in the profile, the user data and the connect
    // (WlanSetProfileEapXmlUserData).
    profile.Name = StoredProfileName(ssid);
    const std::wstring name = WideFromUtf8(profile.Name);
    if (RememberedEapProfile() != name)
        ForgetEapProfile();
    if (const DWORD result = StoreEapProfile(name, WideFromUtf8(ProfileXml(profile)), tls, security.Authentication))
        return result;
    request.Mode = wlan_connection_mode_profile;
    request.Profile = name;
    m_seek.Request = request;
    return m_api.Connect(m_iface, request);
}

void CWlanAdapter::Seek()
{
    // A card keeps after the network it was given until told otherwise; Windows does not
    // for a profile it was handed once. So while the card is idle, the join is made again
    // once the network is heard, at most every few seconds; never while Windows has joined
    // another network, nor while it joins one.
    const LinkSnapshot link = Snapshot();
    const ULONGLONG now = m_clock();
    if (!m_seek.Active || link.InterfaceGone || (link.Phase != LinkPhase::Idle && link.Phase != LinkPhase::Failed) ||
        now - m_seek.LastTry < SeekIntervalMs)
        return;
    m_seek.LastTry = now;
    // A network that hides its name is never listed: it is tried blindly, as a card probes.
    const bool hides = !m_heard.Heard(m_seek.Ssid);
    std::vector<unsigned char> list;
    if (!hides && ReadBssList(list) == ERROR_SUCCESS) {
        const std::vector<BssEntryView> views = ::ReadBssList(list);
        const bool named = std::any_of(views.begin(), views.end(), [&](const BssEntryView& v) {
            return v.Entry.dot11Ssid.uSSIDLength == m_seek.Ssid.size() &&
                   std::memcmp(v.Entry.dot11Ssid.ucSSID, m_seek.Ssid.data(), m_seek.Ssid.size()) == 0;
        });
        if (!named)
            return;
    }
    if (m_api.Connect(m_iface, m_seek.Request) != ERROR_SUCCESS)
        return;
    std::lock_guard<std::mutex> hold(m_lock);
    m_link.Phase = LinkPhase::Connecting;
    m_link.TargetSsid = m_seek.Ssid;
    ++m_link.Generation;
}

int CWlanAdapter::SetSsid(const char* ssid, unsigned long length, const TlsIdentity& tls)
{
    // An empty SSID ("any network") has no Native Wifi equivalent.
    if (!Present() || !ssid || length == 0 || length > MaxSsidBytes)
        return Failed;
    const std::string target(ssid, length);
    const DWORD result = ConnectStaged(target, tls);
    m_seek.Active = result == ERROR_SUCCESS;
    m_seek.Ssid = target;
    m_seek.LastTry = m_clock();
    std::lock_guard<std::mutex> hold(m_lock);
    m_link.Phase = result == ERROR_SUCCESS ? LinkPhase::Connecting : LinkPhase::Failed;
    m_link.TargetSsid = result == ERROR_SUCCESS ? target : std::string();
    ++m_link.Generation;
    if (m_needsWindowsSettings)
        return NeedsWindowsSettings;
    return ResultOf(result);
}
