// Which stored profile to fall back on when the default settings do not bring the link up:
// free of the adapter and the registry, so that any scan and profile list can be tried.
#ifndef SKYLOOK_PROFILE_CHOICE_H
#define SKYLOOK_PROFILE_CHOICE_H

#include "adapter/ScanList.h"
#include "record/AdapterSettings.h"
#include "settings/ProfileStore.h"

#include <set>
#include <string>
#include <vector>

// What a profile asks of a network: WPA for the WPA modes, WEP while WEP is on, else open.
NetworkSecurity ProfileSecurity(const AdapterSettings& settings);

// Whether a profile can join a network heard in the scan: the same name and mode, and a
// security that fits. A private network without WPA elements does not tell WEP from WPA, so
// it fits both; a network that says WPA fits only WPA, an open one only an open profile.
bool ProfileFitsNetwork(const AdapterSettings& profile, const ScanEntry& entry, NetworkSecurity security);

// Whether any profile could still be chosen, whatever the scan: one with a network name, not
// yet tried, and not for the defaults' own network (the defaults were just tried on it).
bool AnyProfileToTry(const ProfileList& profiles, const AdapterSettings& defaults,
                     const std::set<std::string>& tried);

// The index in profiles of the profile to apply, or -1: of the profiles that could be tried,
// the one whose network is heard strongest; among equals the first in the store's order.
int ChooseProfileInRange(const std::vector<HeardNetwork>& heard, const ProfileList& profiles,
                         const AdapterSettings& defaults, const std::set<std::string>& tried);

#endif
