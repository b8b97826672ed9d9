// Which Native Wifi security a staged apply asks for. The program's modes are a card's:
// "WPA-PSK" means the network's personal mode, which is WPA2 with AES where the beacon
// offers RSN and WPA with TKIP otherwise; "WPA" is EAP-TLS in the same two forms.
#ifndef SKYLOOK_WLANBRIDGE_PROFILE_SECURITY_H
#define SKYLOOK_WLANBRIDGE_PROFILE_SECURITY_H

#include "StagedSettings.h"

#include <optional>
#include <string>

enum class KeyKind { None, NetworkKey, PassPhrase };

struct ProfileSecurity {
    const char* Authentication = "open";  // open, shared, WPAPSK, WPA2PSK, WPA, WPA2
    const char* Encryption = "none";      // none, WEP, TKIP, AES
    bool OneX = false;           // EAP-TLS through the certificate store
    KeyKind Key = KeyKind::None;
    std::string KeyMaterial;  // as written into the profile (not yet escaped)
    int KeyIndex = -1;        // WEP's transmit key 0-3; -1 writes none
};

// Nothing when the staged settings name no mode Native Wifi can express.
std::optional<ProfileSecurity> ProfileSecurityFor(const StagedSettings& staged, bool networkOffersRsn);

#endif
