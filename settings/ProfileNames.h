// Profile names as the registry takes them: key names below the profile root, told apart
// without regard to case (non-ASCII letters included), so "Home" and "HOME" are one profile.
#ifndef SKYLOOK_SETTINGS_PROFILE_NAMES_H
#define SKYLOOK_SETTINGS_PROFILE_NAMES_H

#include <string>
#include <vector>

// Below zero, zero or above zero as the registry orders the two names: ordinal, ignoring
// case, after conversion from the system's code page.
int CompareProfileNames(const std::string& a, const std::string& b);

struct ProfileNameLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareProfileNames(a, b) < 0; }
};

// Every key name below the profile root in registry order, none cut and none left out;
// false when the root exists but cannot be read. A missing root is an empty store.
bool ListStoredProfileNames(std::vector<std::string>& names);

// The stored spelling of a profile's name ("Home" for "home"); false when no key of the
// root has that name.
bool FindStoredProfileName(const std::string& name, std::string& storedName);

#endif
