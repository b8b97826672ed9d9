// The reason codes the double hands out, with their documented numbers (WLAN_REASON_CODE;
// MinGW-w64's headers lack them).
#ifndef WLANDOUBLE_REASONS_H
#define WLANDOUBLE_REASONS_H

#include <windows.h>

namespace wdouble {

constexpr DWORD ReasonSuccess = 0;
// "The specified network is not available": also when the profile asks for a capability the
// network lacks (a WPA2 profile for a WPA-only network).
constexpr DWORD ReasonNetworkNotAvailable = 0x2800B;  // WLAN_REASON_CODE_NETWORK_NOT_AVAILABLE
constexpr DWORD ReasonKeyMismatch = 0x2800D;          // WLAN_REASON_CODE_KEY_MISMATCH
constexpr DWORD ReasonUserNotRespond = 0x2800E;       // WLAN_REASON_CODE_USER_NOT_RESPOND: no credentials
constexpr DWORD ReasonInvalidProfileSchema = 0x80001;  // WLAN_REASON_CODE_INVALID_PROFILE_SCHEMA
constexpr DWORD ReasonNonBroadcastForAdhoc = 0x8000F;  // WLAN_REASON_CODE_NON_BROADCAST_SET_FOR_ADHOC
constexpr DWORD ReasonKeyLength = 0x40003;             // WLAN_REASON_CODE_MSMSEC_PROFILE_KEY_LENGTH
constexpr DWORD ReasonPskLength = 0x40004;             // WLAN_REASON_CODE_MSMSEC_PROFILE_PSK_LENGTH
constexpr DWORD ReasonPassphraseChar = 0x40016;        // WLAN_REASON_CODE_MSMSEC_PROFILE_PASSPHRASE_CHAR

// MSM notification codes (WLAN_NOTIFICATION_MSM), also missing from MinGW-w64's headers.
constexpr DWORD MsmConnected = 4;
constexpr DWORD MsmRadioStateChange = 7;
constexpr DWORD MsmDisconnected = 10;

}  // namespace wdouble

#endif
