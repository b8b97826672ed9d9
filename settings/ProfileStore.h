// Named profiles: one key per profile below HKEY_LOCAL_MACHINE "SOFTWARE\KT60\PROFILE\",
// each holding the same values as the default settings.
#ifndef SKYLOOK_PROFILE_STORE_H
#define SKYLOOK_PROFILE_STORE_H

#include "record/AdapterSettings.h"
#include "record/ProfileName.h"

#include <cstddef>
#include <cstdint>
#include <string>

constexpr const char ProfileRootPath[] = "SOFTWARE\\KT60\\PROFILE\\";

constexpr int ProfileListCapacity = 64;
constexpr size_t ProfileNameSize = 36;
constexpr size_t ProfileKeyNameLimit = 127;  // longer key names are neither stored nor listed

struct ProfileList {
    int32_t Count;  // profiles read, or -1 when the profile root could not be opened or created
    char Names[ProfileListCapacity][ProfileNameSize];
    AdapterSettings Settings[ProfileListCapacity];  // Settings[i] is the profile named Names[i]
    // The key that Names[i] was taken from: the same name, or the longer one it was cut from,
    // under which the profile opens, changes and goes.
    char KeyNames[ProfileListCapacity][ProfileKeyNameLimit + 1];
};

// A profile is one key below the root: its name is not empty, holds no backslash (which
// would nest keys) and is at most ProfileKeyNameLimit characters.
bool IsStorableProfileName(const char* name);

// Writes the record under the profile's key, creating it. False when the name is not
// storable (nothing written) or when a value could not be stored; a key that this save
// created is then removed again, so that the profile is not listed.
bool SaveProfile(const char* name, const AdapterSettings& settings);

// Fills a record the caller has cleared, with the defaults of the default settings for
// missing values. False, with the record untouched and nothing created, when the name is
// not storable or has no key.
bool LoadProfile(const char* name, AdapterSettings& settings);

// The same read for callers that must not take a failed read for stored data: Unreadable,
// with the value's name, when a stored value could not be read through the adapter library.
enum class ProfileRead { Read, Missing, Unreadable };
ProfileRead ReadProfileChecked(const char* name, AdapterSettings& settings, std::string& unreadValue);

// Deletes the profile's key with everything below it; true whatever happened. A name that
// would address the root itself deletes nothing.
bool DeleteProfile(const char* name);

// Lists the profiles in registry order: at most ProfileListCapacity, each name cut to
// ProfileNameMaxLength characters and listed once (names the registry takes for one, without
// regard to case, are one), key names too long for the name buffer skipped. Each listed name
// keeps the settings stored under it and the key it was taken from. Creates the root when it
// is missing. False with Count -1 on failure.
bool EnumerateProfiles(ProfileList& list);

#endif
