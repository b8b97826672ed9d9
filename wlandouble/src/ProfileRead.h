// A WLAN profile read as the service reads it (the WLAN profile schema): its name, SSID,
// connection type and mode, nonBroadcast, authentication, encryption, 802.1X and key.
#ifndef WLANDOUBLE_PROFILE_READ_H
#define WLANDOUBLE_PROFILE_READ_H

#include "DoubleState.h"

#include <windows.h>

namespace wdouble {

// False, with the reason code, when the profile breaks the schema: malformed XML, no name or
// SSID, nonBroadcast true in an IBSS profile [nonBroadcast (SSIDConfig) element], keyMaterial
// outside ASCII 32-126 or of a length no key has [keyMaterial (sharedKey) element]. The
// caller then refuses the call with ERROR_BAD_PROFILE.
bool ReadProfile(const wchar_t* xml, ProfileFacts& facts, DWORD& reason);

// The SSID as text, for the journal and the notifications.
void NameToUtf8(const wchar_t* name, char* out, size_t size);

}  // namespace wdouble

#endif
