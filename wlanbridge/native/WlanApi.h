// The few Native Wifi operations the adapter bridge (and the import of Windows profiles)
// needs, behind an interface of our own: the bridge's logic runs against a scripted fake in
// tests and against wlanapi.dll on Windows. Answers are copied out of the service's memory
// into owned values; structured answers stay raw bytes, so that the one reader of each keeps
// its own bounds and a malformed answer cannot be read past its end.
#ifndef SKYLOOK_WLAN_API_H
#define SKYLOOK_WLAN_API_H

#include <windows.h>
#include <wlanapi.h>

#include <string>
#include <vector>

struct WlanInterfaceInfo {
    GUID Guid;
    std::wstring Description;
    DWORD State;  // WLAN_INTERFACE_STATE
};

struct WlanProfileEntry {
    std::wstring Name;
    DWORD Flags;  // WLAN_PROFILE_GROUP_POLICY, WLAN_PROFILE_USER
};

// One notification as the service delivered it, with a copy of its data.
struct WlanEvent {
    DWORD Source;  // WLAN_NOTIFICATION_SOURCE_*
    DWORD Code;    // wlan_notification_acm_* or wlan_notification_msm_*, by source
    GUID Interface;
    std::vector<unsigned char> Data;
};

class IWlanEventSink {
public:
    // Runs on the service's notification thread. It must not call back into the IWlanApi:
    // closing the handle from here waits for this very callback to end.
    virtual void OnWlanEvent(const WlanEvent& event) = 0;

protected:
    ~IWlanEventSink() = default;
};

struct WlanConnectRequest {
    WLAN_CONNECTION_MODE Mode;  // wlan_connection_mode_temporary_profile or wlan_connection_mode_profile
    std::wstring Profile;       // the profile XML for a temporary profile, else a stored profile's name
    DOT11_BSS_TYPE BssType;     // dot11_BSS_type_infrastructure or dot11_BSS_type_independent
    DWORD Flags;                // WLAN_CONNECTION_HIDDEN_NETWORK, ...
};

// WlanGetProfile's flag for keys in clear text (only an administrator gets them so).
constexpr DWORD WlanProfileGetPlaintextKey = 0x00000004;

// Every call returns a Win32 error code, ERROR_SUCCESS when done. Calls other than Open
// fail with ERROR_INVALID_HANDLE while no handle is open.
class IWlanApi {
public:
    virtual ~IWlanApi() = default;

    // WlanOpenHandle with client version 2 (Vista and later); Close ends the notifications
    // too. Neither may be called from the event sink.
    virtual DWORD Open() = 0;
    virtual void Close() = 0;

    virtual DWORD EnumInterfaces(std::vector<WlanInterfaceInfo>& interfaces) = 0;
    virtual DWORD QueryInterface(const GUID& iface, WLAN_INTF_OPCODE opcode, std::vector<unsigned char>& data) = 0;
    virtual DWORD SetInterface(const GUID& iface, WLAN_INTF_OPCODE opcode, const std::vector<unsigned char>& data) = 0;

    // Starts a scan; it completes later (wlan_notification_acm_scan_complete).
    virtual DWORD Scan(const GUID& iface) = 0;
    // The WLAN_BSS_LIST of every network the interface knows of, as its bytes.
    virtual DWORD GetNetworkBssList(const GUID& iface, std::vector<unsigned char>& list) = 0;

    virtual DWORD Connect(const GUID& iface, const WlanConnectRequest& request) = 0;
    virtual DWORD Disconnect(const GUID& iface) = 0;

    // Stores a profile (flags 0: for all users; WLAN_PROFILE_USER: for the calling user),
    // overwriting one of the same name; reason takes the service's reason code on refusal.
    virtual DWORD SetProfile(const GUID& iface, DWORD flags, const std::wstring& xml, DWORD& reason) = 0;
    virtual DWORD SetProfileEapUserData(const GUID& iface, const std::wstring& profile,
                                        const std::wstring& userData) = 0;
    virtual DWORD GetProfileList(const GUID& iface, std::vector<WlanProfileEntry>& profiles) = 0;
    // flags: in, WlanProfileGetPlaintextKey or 0; out, the profile's WLAN_PROFILE_* flags.
    virtual DWORD GetProfile(const GUID& iface, const std::wstring& name, DWORD& flags, std::wstring& xml) = 0;
    virtual DWORD DeleteProfile(const GUID& iface, const std::wstring& name) = 0;
    // Moves a stored profile to position (0 is the top) in the list Windows joins from.
    virtual DWORD SetProfilePosition(const GUID& iface, const std::wstring& name, DWORD position) = 0;

    // Delivers the ACM notifications of every interface to sink until Close, or until called
    // again with a null sink. Only ACM: Windows 11 refuses the MSM source to a desktop program
    // without location access ("Wi-Fi access and location"), and nothing here needs it. Every
    // notification is delivered, repeats included: with bIgnoreDuplicate the second scan's
    // scan_complete, identical to the first's, would never come (WlanRegisterNotification).
    virtual DWORD RegisterNotifications(IWlanEventSink* sink) = 0;
};

#endif
