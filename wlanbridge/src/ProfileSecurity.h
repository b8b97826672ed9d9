// Which Native Wifi security a staged apply asks for. The program's modes are a card's:
// "WPA-PSK" means the network's personal mode, which is WPA2 with AES unless the beacon offers
// only the WPA element (then WPA with TKIP); "WPA" is EAP-TLS in the same two forms. A network
// not heard is taken for WPA2: most networks are, and Windows refuses TKIP on many builds.
#ifndef SKYLOOK_WLANBRIDGE_PROFILE_SECURITY_H
#define SKYLOOK_WLANBRIDGE_PROFILE_SECURITY_H

#include "NetworkOffer.h"
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

enum class SecurityRefusal {
    None,
    NotExpressible,  // the staged settings name no mode Native Wifi can express
    KeyText,         // a passphrase outside the printable ASCII the profile schema allows
    Wpa3Only,        // the network offers only WPA3, which Windows' own settings set up
};

struct SecurityChoice {
    ProfileSecurity Security;
    SecurityRefusal Refusal = SecurityRefusal::None;
};

SecurityChoice ProfileSecurityFor(const StagedSettings& staged, NetworkOffer offer);

#endif
