// Choosing a stored profile as the default settings, for callers outside the dialog: the
// command-line tool and the running program on the tool's request.
#ifndef SKYLOOK_PROFILE_SELECTION_H
#define SKYLOOK_PROFILE_SELECTION_H

#include "record/AdapterSettings.h"

// True when a profile of exactly this name is stored: at most ProfileNameMaxLength
// characters, no backslash, and its key present. Looking does not create the key.
bool ProfileExists(const char* name);

enum class ProfileUse {
    Missing,    // no such profile: nothing loaded, nothing written
    Unreadable, // stored, but the adapter library could not read it: nothing written
    Stored,     // the profile is now the stored default settings
    NotStored,  // loaded, but the default settings could not all be written
};

// Loads the stored profile into settings (cleared first, ApplyScope all) and saves it as
// the default settings. Takes the name of any stored profile key, also one longer than
// ProfileNameMaxLength; callers that take a name from the user check it with ProfileExists.
ProfileUse MakeProfileDefault(const char* name, AdapterSettings& settings);

#endif
