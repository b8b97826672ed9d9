// The names of the stored profiles as the registry keeps them: every key below the profile
// root, and the stored spelling of a name, which the registry matches without regard to case
// (RegistryNames.h), so "Home" and "HOME" are one profile.
#ifndef SKYLOOK_SETTINGS_PROFILE_NAMES_H
#define SKYLOOK_SETTINGS_PROFILE_NAMES_H

#include "settings/RegistryNames.h"

#include <string>
#include <vector>

// Every key name below the profile root in registry order, none cut and none left out;
// false when the root exists but cannot be read. A missing root is an empty store.
bool ListStoredProfileNames(std::vector<std::string>& names);

// The stored spelling of a profile's name ("Home" for "home"); false when no key of the
// root has that name.
bool FindStoredProfileName(const std::string& name, std::string& storedName);

#endif
