// The name of the EAP-TLS profile the library stored in Windows for the user, kept in the
// user's registry so that a later run (or the uninstaller) removes the profile that no
// Skylook setting uses any more, and never a profile of the user's own.
#ifndef SKYLOOK_WLANBRIDGE_EAP_PROFILE_RECORD_H
#define SKYLOOK_WLANBRIDGE_EAP_PROFILE_RECORD_H

#include "WlanApi.h"

#include <string>

// Under HKEY_CURRENT_USER.
constexpr const wchar_t* EapProfileRecordPath = L"Software\\Skylook\\WindowsWiFi";
constexpr const wchar_t* EapProfileRecordValue = L"EapProfile";

// Empty when none is recorded (or the value is not text).
std::wstring RememberedEapProfile();
// An empty name removes the record.
void RememberEapProfile(const std::wstring& name);

// At uninstall: removes the recorded profile from every interface's list, and the record.
// The profile's name when one was removed, else empty; error takes what Windows refused.
std::wstring RemoveRememberedEapProfile(IWlanApi& wlan, DWORD& error);

#endif
