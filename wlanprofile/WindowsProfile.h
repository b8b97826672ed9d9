// A profile that Windows keeps for a wireless network, in the XML form WlanGetProfile gives
// with the key in plain text, read into the program's settings record. Only what the record
// can say is taken: an open network, WEP with one key (open or shared authentication), and
// WPA or WPA2 Personal with a passphrase or a 64-digit key. Anything else is skipped with the
// reason; a document that is not a well-formed profile is refused.
#ifndef SKYLOOK_WLANPROFILE_WINDOWS_PROFILE_H
#define SKYLOOK_WLANPROFILE_WINDOWS_PROFILE_H

#include "record/AdapterSettings.h"

#include <string>
#include <string_view>

enum class ProfileReading {
    Taken,    // Settings holds the network
    Skipped,  // a sound profile of a network the program cannot join: Reason says why
    Refused,  // not a well-formed profile: Reason says what is wrong
};

struct WindowsProfile {
    ProfileReading Reading = ProfileReading::Refused;
    std::string Name;           // the profile's name in Windows, when the document gave one
    AdapterSettings Settings{};  // an infrastructure or ad-hoc network on channel 1, rate and preamble automatic
    std::string Reason;         // for the user, starting in lower case, without a full stop
};

// The namespace of the profile's own elements, as Windows writes it.
constexpr const char WlanProfileNamespace[] = "http://www.microsoft.com/networking/WLAN/profile/v1";

// The profile as UTF-8 text, or as the UTF-16 text WlanGetProfile gives.
WindowsProfile ReadWindowsProfile(std::string_view xml);
WindowsProfile ReadWindowsProfile(std::wstring_view xml);

#endif
