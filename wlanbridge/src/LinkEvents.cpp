#include "LinkEvents.h"

#include <cstddef>
#include <cstring>

namespace {

// The SSID of a connection notification, empty when its data is too short to hold one.
std::string NotifiedSsid(const std::vector<unsigned char>& data)
{
    constexpr size_t ssidEnd = offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, dot11Ssid) + sizeof(DOT11_SSID);
    if (data.size() < ssidEnd)
        return std::string();
    DOT11_SSID ssid;
    std::memcpy(&ssid, data.data() + offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, dot11Ssid), sizeof ssid);
    const size_t length = ssid.uSSIDLength < 32 ? ssid.uSSIDLength : 32;
    return std::string(reinterpret_cast<const char*>(ssid.ucSSID), length);
}

// The reason code of a completed connection; a short answer counts as a failure.
DWORD NotifiedReason(const std::vector<unsigned char>& data)
{
    constexpr size_t reasonEnd =
        offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, wlanReasonCode) + sizeof(WLAN_REASON_CODE);
    if (data.size() < reasonEnd)
        return ~DWORD{0};
    DWORD reason = 0;
    std::memcpy(&reason, data.data() + offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, wlanReasonCode), sizeof reason);
    return reason;
}

}  // namespace

void ApplyEvent(LinkSnapshot& link, const GUID& iface, const WlanEvent& event)
{
    if (event.Source != WLAN_NOTIFICATION_SOURCE_ACM || !IsEqualGUID(event.Interface, iface))
        return;
    ++link.Generation;
    switch (event.Code) {
    case wlan_notification_acm_connection_start:
        link.Phase = LinkPhase::Connecting;
        link.TargetSsid = NotifiedSsid(event.Data);
        break;
    case wlan_notification_acm_connection_complete:
        link.Phase = NotifiedReason(event.Data) == 0 ? LinkPhase::Connected : LinkPhase::Failed;
        break;
    case wlan_notification_acm_connection_attempt_fail:
        // Zero or more of these come before connection_complete, which alone tells the
        // outcome (WLAN_NOTIFICATION_ACM): Windows tries the network's other access points.
        break;
    case wlan_notification_acm_disconnected:
        link.Phase = LinkPhase::Idle;
        break;
    case wlan_notification_acm_scan_complete:
    case wlan_notification_acm_scan_fail:
        link.ScanRunning = false;
        break;
    case wlan_notification_acm_interface_removal:
        link.InterfaceGone = true;
        break;
    case wlan_notification_acm_interface_arrival:
        link.InterfaceGone = false;
        break;
    default:
        break;
    }
}

bool ScanInProgress(const LinkSnapshot& link, ULONGLONG now)
{
    return link.ScanRunning && now < link.ScanDeadline;
}

LinkPhase PhaseOfInterfaceState(DWORD state)
{
    switch (state) {
    case wlan_interface_state_connected:
    case wlan_interface_state_ad_hoc_network_formed:
        return LinkPhase::Connected;
    case wlan_interface_state_associating:
    case wlan_interface_state_discovering:
    case wlan_interface_state_authenticating:
        return LinkPhase::Connecting;
    default:
        return LinkPhase::Idle;
    }
}
