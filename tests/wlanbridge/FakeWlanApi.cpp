#include "FakeWlanApi.h"

#include "WlanAnswers.h"

#include <algorithm>
#include <cstring>

namespace {

std::string OpcodeName(WLAN_INTF_OPCODE opcode)
{
    switch (opcode) {
    case wlan_intf_opcode_radio_state: return "radio_state";
    case wlan_intf_opcode_current_connection: return "current_connection";
    case wlan_intf_opcode_channel_number: return "channel_number";
    case wlan_intf_opcode_statistics: return "statistics";
    case wlan_intf_opcode_rssi: return "rssi";
    default: return std::to_string(static_cast<unsigned long>(opcode));
    }
}

}  // namespace

void CFakeWlanApi::Notify(const GUID& iface, DWORD code, const std::vector<unsigned char>& data)
{
    if (m_sink)
        m_sink->OnWlanEvent(WlanEvent{WLAN_NOTIFICATION_SOURCE_ACM, code, iface, data});
}

int CFakeWlanApi::CountOf(const std::string& call) const
{
    return static_cast<int>(std::count(Calls.begin(), Calls.end(), call));
}

DWORD CFakeWlanApi::Open()
{
    Calls.push_back("Open");
    return ERROR_SUCCESS;
}

void CFakeWlanApi::Close()
{
    Calls.push_back("Close");
    m_sink = nullptr;
}

DWORD CFakeWlanApi::EnumInterfaces(std::vector<WlanInterfaceInfo>& interfaces)
{
    Calls.push_back("EnumInterfaces");
    interfaces = Interfaces;
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::QueryInterface(const GUID& iface, WLAN_INTF_OPCODE opcode, std::vector<unsigned char>& data)
{
    Calls.push_back("QueryInterface " + OpcodeName(opcode));
    const bool unconnected = std::any_of(Unconnected.begin(), Unconnected.end(),
                                         [&](const GUID& g) { return IsEqualGUID(g, iface); });
    if (opcode == wlan_intf_opcode_current_connection && unconnected)
        return ERROR_INVALID_STATE;
    auto found = Queries.find(opcode);
    if (found == Queries.end())
        return ERROR_NOT_SUPPORTED;
    data = found->second.Result == ERROR_SUCCESS ? found->second.Bytes : std::vector<unsigned char>();
    return found->second.Result;
}

DWORD CFakeWlanApi::SetInterface(const GUID&, WLAN_INTF_OPCODE opcode, const std::vector<unsigned char>& data)
{
    Calls.push_back("SetInterface " + OpcodeName(opcode));
    if (opcode == wlan_intf_opcode_radio_state && data.size() == sizeof(WLAN_PHY_RADIO_STATE)) {
        WLAN_PHY_RADIO_STATE state;
        std::copy(data.begin(), data.end(), reinterpret_cast<unsigned char*>(&state));
        RadioSets.push_back(state);
    }
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::Scan(const GUID&)
{
    Calls.push_back("Scan");
    return ScanResult;
}

DWORD CFakeWlanApi::GetNetworkBssList(const GUID&, std::vector<unsigned char>& list)
{
    Calls.push_back("GetNetworkBssList");
    list = BssList.Result == ERROR_SUCCESS ? BssList.Bytes : std::vector<unsigned char>();
    return BssList.Result;
}

DWORD CFakeWlanApi::Connect(const GUID&, const WlanConnectRequest& request)
{
    Calls.push_back(std::string("Connect ") +
                    (request.Mode == wlan_connection_mode_temporary_profile ? "temporary" : "profile") +
                    (request.BssType == dot11_BSS_type_independent ? " IBSS" : " ESS"));
    Connects.push_back(request);
    return ConnectResult;
}

DWORD CFakeWlanApi::Disconnect(const GUID&)
{
    Calls.push_back("Disconnect");
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::SetProfile(const GUID&, DWORD flags, const std::wstring& xml, DWORD& reason)
{
    Calls.push_back("SetProfile");
    StoredProfiles.push_back(xml);
    StoredProfileFlags.push_back(flags);
    reason = 0;
    if (SetProfileResult != ERROR_SUCCESS)
        return SetProfileResult;
    // Windows keeps it under its <name>, overwriting one of that name, a new one at the top.
    const size_t start = xml.find(L"<name>") + 6, end = xml.find(L"</name>");
    const std::wstring name = start >= 6 && end != std::wstring::npos ? xml.substr(start, end - start) : L"";
    Profiles.erase(std::remove_if(Profiles.begin(), Profiles.end(), [&](const Profile& p) { return p.Name == name; }),
                   Profiles.end());
    Profiles.insert(Profiles.begin(), Profile{name, std::string(xml.begin(), xml.end()), ERROR_SUCCESS});
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::SetProfileEapUserData(const GUID&, const std::wstring& profile, const std::wstring& userData)
{
    Calls.push_back("SetProfileEapUserData");
    EapUserData.push_back(profile + L"|" + userData);
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::GetProfileList(const GUID& iface, std::vector<WlanProfileEntry>& profiles)
{
    Calls.push_back("GetProfileList");
    ProfileListInterfaces.push_back(iface);
    profiles.clear();
    for (const Profile& profile : Profiles)
        profiles.push_back({profile.Name, 0});
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::GetProfile(const GUID&, const std::wstring& name, DWORD& flags, std::wstring& xml)
{
    Calls.push_back("GetProfile");
    ProfileRequestFlags.push_back(flags);
    xml.clear();
    for (const Profile& profile : Profiles) {
        if (profile.Name == name) {
            xml.assign(profile.Xml.begin(), profile.Xml.end());
            flags = 0;
            return profile.Result;
        }
    }
    return ERROR_NOT_FOUND;
}

DWORD CFakeWlanApi::DeleteProfile(const GUID&, const std::wstring& name)
{
    Calls.push_back("DeleteProfile");
    const auto found =
        std::find_if(Profiles.begin(), Profiles.end(), [&](const Profile& p) { return p.Name == name; });
    if (found == Profiles.end())
        return ERROR_NOT_FOUND;
    Profiles.erase(found);
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::SetProfilePosition(const GUID&, const std::wstring& name, DWORD position)
{
    Calls.push_back("SetProfilePosition");
    const auto found =
        std::find_if(Profiles.begin(), Profiles.end(), [&](const Profile& p) { return p.Name == name; });
    if (found == Profiles.end() || position >= Profiles.size())
        return ERROR_INVALID_PARAMETER;
    const Profile moved = *found;
    Profiles.erase(found);
    Profiles.insert(Profiles.begin() + position, moved);
    return ERROR_SUCCESS;
}

DWORD CFakeWlanApi::RegisterNotifications(IWlanEventSink* sink)
{
    Calls.push_back(sink ? "RegisterNotifications" : "UnregisterNotifications");
    if (RegisterResult == ERROR_SUCCESS)
        m_sink = sink;
    return RegisterResult;
}

const GUID FirstCard = {0x11111111, 1, 1, {1, 1, 1, 1, 1, 1, 1, 1}};
const GUID SecondCard = {0x22222222, 2, 2, {2, 2, 2, 2, 2, 2, 2, 2}};
const unsigned char HomeMac[6] = {0x02, 0, 0, 0, 0, 0x01};

void ScriptTwoCardsAndTwoNetworks(CFakeWlanApi& api)
{
    api.Interfaces = {{FirstCard, L"First card", wlan_interface_state_disconnected},
                      {SecondCard, L"Second card", wlan_interface_state_disconnected}};
    api.Queries[wlan_intf_opcode_radio_state] = {ERROR_SUCCESS, RadioOf({{dot11_radio_state_on, dot11_radio_state_on}})};
    BssEntry home{"Home", {}, 2437000, -55, true, false, RsnElement()};
    std::memcpy(home.Bssid, HomeMac, 6);
    BssEntry old{"Old Router", {0x02, 0, 0, 0, 0, 0x02}, 2412000, -70, true, false, WpaElement()};
    api.BssList = {ERROR_SUCCESS, BssListOf({home, old})};
}
