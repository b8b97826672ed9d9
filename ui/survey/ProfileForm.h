// The Profile dialog's OK as plain data: what the controls hold in, the first refusal's
// message or the edited record and name out.
#ifndef SKYLOOK_UI_PROFILE_FORM_H
#define SKYLOOK_UI_PROFILE_FORM_H

#include "keys/WepKeyRules.h"
#include "record/AdapterSettings.h"

#include <string>

struct ProfileForm {
    std::string Name;
    std::string Ssid;
    int AuthIndex = AuthModeOpen;  // the authentication list's index, the record's AuthMode
    // The network half; read for the WEP modes only.
    std::string ChannelText;
    int NetworkMode = NetworkModeInfrastructure;
    int RateIndex = 0;
    int Preamble = 0;
    int PowerMode = 0;
    // WEP.
    bool Encryption = false;
    int CheckedKey = -1;  // 0-3, -1 for no default key button checked
    int LengthIndex = 0;
    int FormatIndex = 0;
    WepKeyTexts Keys;
    // WPA-PSK and WPA.
    std::string Passphrase;
    std::string Confirmation;
    std::string WpaUserName;
    std::string WpaCertificate;
};

extern const char* const ProfileNameEmptyMessage;
extern const char* const ProfileNameBackslashMessage;
extern const char* const SsidAnyMessage;
extern const char* const SsidEmptyMessage;

// Checks in the dialog's order and, when nothing is refused, updates settings and name; a
// refusal returns its message and changes neither. The WPA modes take only their own
// fields; the WEP modes take the network half and the keys; a list without a selection
// takes the network half and keeps the keys.
std::string ApplyProfileForm(const ProfileForm& form, AdapterSettings& settings, std::string& name);

#endif
