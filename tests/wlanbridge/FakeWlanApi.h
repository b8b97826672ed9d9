// A scripted Native Wifi: answers set by the test, every call recorded in order, and
// notifications delivered to the adapter's sink when the test says.
#ifndef SKYLOOK_TESTS_FAKE_WLAN_API_H
#define SKYLOOK_TESTS_FAKE_WLAN_API_H

#include "WlanApi.h"

#include <map>
#include <string>
#include <vector>

class CFakeWlanApi final : public IWlanApi {
public:
    struct Answer {
        DWORD Result = ERROR_SUCCESS;
        std::vector<unsigned char> Bytes;
    };

    // The script.
    std::vector<WlanInterfaceInfo> Interfaces;
    std::map<WLAN_INTF_OPCODE, Answer> Queries;  // an opcode not here answers ERROR_NOT_SUPPORTED
    std::vector<GUID> Unconnected;  // interfaces whose current_connection answers "invalid state"
    Answer BssList;
    DWORD ScanResult = ERROR_SUCCESS;
    DWORD ConnectResult = ERROR_SUCCESS;
    DWORD RegisterResult = ERROR_SUCCESS;
    DWORD SetProfileResult = ERROR_SUCCESS;
    // The profiles Windows keeps, in its order; GetProfile answers Result with the XML.
    struct Profile {
        std::wstring Name;
        std::string Xml;  // ASCII is enough for the tests
        DWORD Result = ERROR_SUCCESS;
    };
    std::vector<Profile> Profiles;

    // What was asked, one line a call: "Connect temporary ESS", "SetInterface radio_state", ...
    std::vector<std::string> Calls;
    std::vector<WlanConnectRequest> Connects;
    std::vector<std::wstring> StoredProfiles;
    std::vector<DWORD> StoredProfileFlags;
    std::vector<std::wstring> EapUserData;
    std::vector<WLAN_PHY_RADIO_STATE> RadioSets;
    std::vector<DWORD> ProfileRequestFlags;  // of each GetProfile
    std::vector<GUID> ProfileListInterfaces;  // of each GetProfileList

    // Delivers an ACM notification for iface, as the service's thread would.
    void Notify(const GUID& iface, DWORD code, const std::vector<unsigned char>& data = {});
    int CountOf(const std::string& call) const;

    DWORD Open() override;
    void Close() override;
    DWORD EnumInterfaces(std::vector<WlanInterfaceInfo>& interfaces) override;
    DWORD QueryInterface(const GUID& iface, WLAN_INTF_OPCODE opcode, std::vector<unsigned char>& data) override;
    DWORD SetInterface(const GUID& iface, WLAN_INTF_OPCODE opcode, const std::vector<unsigned char>& data) override;
    DWORD Scan(const GUID& iface) override;
    DWORD GetNetworkBssList(const GUID& iface, std::vector<unsigned char>& list) override;
    DWORD Connect(const GUID& iface, const WlanConnectRequest& request) override;
    DWORD Disconnect(const GUID& iface) override;
    DWORD SetProfile(const GUID& iface, DWORD flags, const std::wstring& xml, DWORD& reason) override;
    DWORD SetProfileEapUserData(const GUID& iface, const std::wstring& profile, const std::wstring& userData) override;
    DWORD GetProfileList(const GUID& iface, std::vector<WlanProfileEntry>& profiles) override;
    DWORD GetProfile(const GUID& iface, const std::wstring& name, DWORD& flags, std::wstring& xml) override;
    DWORD DeleteProfile(const GUID& iface, const std::wstring& name) override;
    DWORD SetProfilePosition(const GUID& iface, const std::wstring& name, DWORD position) override;
    DWORD RegisterNotifications(IWlanEventSink* sink) override;

private:
    IWlanEventSink* m_sink = nullptr;
};

// The scene most tests start from: two cards (the first is opened), both radios on, and two
// networks in the service's list: "Home" (WPA2, channel 6, at HomeMac) and "Old Router"
// (WPA, channel 1).
extern const GUID FirstCard;
extern const GUID SecondCard;
extern const unsigned char HomeMac[6];
void ScriptTwoCardsAndTwoNetworks(CFakeWlanApi& api);

#endif
