// The two choices each user makes for himself, kept below HKEY_CURRENT_USER apart from the
// adapter settings that every user of the machine shares.
#ifndef SKYLOOK_USER_OPTIONS_H
#define SKYLOOK_USER_OPTIONS_H

constexpr const char UserOptionsPath[] = "Software\\Skylook";

enum class UserOption {
    Notifications,     // balloons when the link comes and goes; on unless turned off
    SwitchToProfiles,  // apply a stored profile in range when the defaults fail; off unless turned on
};

// The DWORD value's name: "Notifications" or "SwitchToProfiles".
const char* UserOptionValueName(UserOption option);

// The stored choice. A missing key or value, or a value that is not a 4-byte DWORD, reads as
// the option's default; any other number than 0 is on.
bool ReadUserOption(UserOption option);

// Stores the choice as 1 or 0, creating the key. False when the registry refused.
bool WriteUserOption(UserOption option, bool on);

#endif
