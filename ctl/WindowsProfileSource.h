// The wireless profiles Windows keeps, read through Native Wifi: which one the current
// connection uses, and each profile's XML with its key in plain text where the caller may have
// it (an administrator).
#ifndef SKYLOOK_CTL_WINDOWS_PROFILE_SOURCE_H
#define SKYLOOK_CTL_WINDOWS_PROFILE_SOURCE_H

#include "wlanbridge/native/WlanApi.h"

#include <string>
#include <vector>

struct WindowsProfileText {
    std::wstring Name;
    std::wstring Xml;  // as WlanGetProfile gave it (UTF-16); empty when it could not be read
    DWORD Error = ERROR_SUCCESS;  // of WlanGetProfile
};

struct WindowsProfileSet {
    std::wstring InterfaceName;   // the wireless card's description
    std::wstring CurrentProfile;  // the profile of a connection that is up; empty when none
    DWORD CurrentError = ERROR_SUCCESS;  // why the current connection could not be asked
    std::vector<WindowsProfileText> Profiles;  // in Windows' order of preference
};

// Reads the profiles of the interface the Windows Wi-Fi library drives: the preferred one when
// Windows lists it (preferred may be null), else the one whose connection is up, else the first.
// Returns ERROR_SUCCESS, ERROR_NOT_FOUND when Windows reports no wireless interface, or the
// error of opening Native Wifi or of listing the profiles. Opens and closes wlan itself.
DWORD ReadWindowsProfiles(IWlanApi& wlan, const GUID* preferred, WindowsProfileSet& set);

// UTF-16 to UTF-8, for the tool's output.
std::string Utf8(const std::wstring& text);

#endif
