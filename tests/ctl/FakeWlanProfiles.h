// Native Wifi as the import of Windows profiles sees it: one wireless card, its stored
// profiles and the connection that is up, with every profile request recorded. The calls the
// import never makes fail, so that one it starts making shows.
#ifndef SKYLOOK_TESTS_FAKE_WLAN_PROFILES_H
#define SKYLOOK_TESTS_FAKE_WLAN_PROFILES_H

#include "wlanbridge/native/WlanApi.h"

#include <cstring>
#include <string>
#include <vector>

class CFakeWlanProfiles : public IWlanApi {
public:
    struct Profile {
        std::wstring Name;
        std::string Xml;  // ASCII is enough for the tests
        DWORD Error = ERROR_SUCCESS;
    };

    std::vector<WlanInterfaceInfo> Interfaces = {{GUID{0x1234, 1, 2, {3}}, L"Test Wireless Card", 1}};
    std::wstring Connected;  // the profile of the connection that is up; empty: none
    DWORD ConnectionError = ERROR_SUCCESS;
    std::vector<Profile> Profiles;
    std::vector<DWORD> RequestedFlags;  // of each GetProfile, in order
    bool Open_ = false;

    DWORD Open() override
    {
        Open_ = true;
        return ERROR_SUCCESS;
    }
    void Close() override { Open_ = false; }
    DWORD EnumInterfaces(std::vector<WlanInterfaceInfo>& interfaces) override
    {
        interfaces = Interfaces;
        return Open_ ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }
    DWORD QueryInterface(const GUID&, WLAN_INTF_OPCODE opcode, std::vector<unsigned char>& data) override
    {
        if (opcode != wlan_intf_opcode_current_connection)
            return ERROR_NOT_SUPPORTED;
        if (ConnectionError != ERROR_SUCCESS)
            return ConnectionError;
        WLAN_CONNECTION_ATTRIBUTES attributes;
        std::memset(&attributes, 0, sizeof attributes);
        attributes.isState = Connected.empty() ? wlan_interface_state_disconnected : wlan_interface_state_connected;
        Connected.copy(attributes.strProfileName, 255);
        const auto* bytes = reinterpret_cast<const unsigned char*>(&attributes);
        data.assign(bytes, bytes + sizeof attributes);
        return ERROR_SUCCESS;
    }
    DWORD GetProfileList(const GUID&, std::vector<WlanProfileEntry>& profiles) override
    {
        profiles.clear();
        for (const Profile& profile : Profiles)
            profiles.push_back({profile.Name, 0});
        return ERROR_SUCCESS;
    }
    DWORD GetProfile(const GUID&, const std::wstring& name, DWORD& flags, std::wstring& xml) override
    {
        RequestedFlags.push_back(flags);
        for (const Profile& profile : Profiles) {
            if (profile.Name == name) {
                xml.assign(profile.Xml.begin(), profile.Xml.end());
                flags = 0;
                return profile.Error;
            }
        }
        return ERROR_NOT_FOUND;
    }

    DWORD SetInterface(const GUID&, WLAN_INTF_OPCODE, const std::vector<unsigned char>&) override { return Unused(); }
    DWORD Scan(const GUID&) override { return Unused(); }
    DWORD GetNetworkBssList(const GUID&, std::vector<unsigned char>&) override { return Unused(); }
    DWORD Connect(const GUID&, const WlanConnectRequest&) override { return Unused(); }
    DWORD Disconnect(const GUID&) override { return Unused(); }
    DWORD SetProfile(const GUID&, DWORD, const std::wstring&, DWORD&) override { return Unused(); }
    DWORD SetProfileEapUserData(const GUID&, const std::wstring&, const std::wstring&) override { return Unused(); }
    DWORD RegisterNotifications(IWlanEventSink*) override { return Unused(); }

    int UnusedCalls = 0;

private:
    DWORD Unused()
    {
        ++UnusedCalls;
        return ERROR_NOT_SUPPORTED;
    }
};

#endif
