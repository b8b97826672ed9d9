// Named profiles: one key per profile below HKEY_LOCAL_MACHINE "SOFTWARE\KT60\PROFILE\",
// each holding the same values as the default settings.
#ifndef SKYLOOK_PROFILE_STORE_H
#define SKYLOOK_PROFILE_STORE_H

#include "record/AdapterSettings.h"

#include <cstddef>
#include <cstdint>

constexpr const char ProfileRootPath[] = "SOFTWARE\\KT60\\PROFILE\\";

constexpr int ProfileListCapacity = 64;
constexpr size_t ProfileNameSize = 36;
constexpr size_t ProfileNameMaxLength = 32;  // longer key names are listed cut to this
constexpr size_t ProfileKeyNameLimit = 127;  // longer key names are neither stored nor listed

struct ProfileList {
    int32_t Count;  // profiles read, or -1 when the profile root could not be opened or created
    char Names[ProfileListCapacity][ProfileNameSize];
    AdapterSettings Settings[ProfileListCapacity];  // Settings[i] is the profile named Names[i]
};

// The name is used unchanged as a key path below the root. A name that is empty, only
// backslashes or longer than ProfileKeyNameLimit is refused (false, nothing written).
bool SaveProfile(const char* name, const AdapterSettings& settings);

// Fills a record the caller has cleared, with the defaults of the default settings for
// missing values. A name without a key gets an empty key, listed from then on. Refuses the
// same names as SaveProfile (false, record untouched).
bool LoadProfile(const char* name, AdapterSettings& settings);

// Deletes the profile's key with everything below it; true whatever happened. A name that
// would address the root itself deletes nothing.
bool DeleteProfile(const char* name);

// Lists the profiles in registry order: at most ProfileListCapacity, each name cut to
// ProfileNameMaxLength characters and listed once, key names too long for the name buffer
// skipped. Creates the root when it is missing. False with Count -1 on failure.
bool EnumerateProfiles(ProfileList& list);

#endif
