// Windows' wireless profiles into Skylook's store: the current connection's profile as the
// default settings when none are stored (so that the program's first start keeps the user on
// the network Windows had joined), every other profile the program can express as a Skylook
// profile under a name the store takes, never over a different profile of the same name.
#ifndef SKYLOOK_CTL_WINDOWS_PROFILE_IMPORT_H
#define SKYLOOK_CTL_WINDOWS_PROFILE_IMPORT_H

#include "ctl/WindowsProfileSource.h"
#include "record/AdapterSettings.h"

#include <iosfwd>
#include <string>
#include <vector>

enum class ImportFate {
    Defaults,       // stored as the default settings
    Stored,         // stored as a Skylook profile
    AlreadyStored,  // a Skylook profile holds the same network already
    Skipped,        // a network the program cannot express
    Refused,        // not a well-formed profile, or Windows did not give it
    NotStored,      // the store refused the profile's write
    DefaultsNotStored,  // the store refused the default settings' write
};

struct ImportOutcome {
    std::string WindowsName;  // in the system's code page, as the store's names are
    ImportFate Fate = ImportFate::Refused;
    std::string SkylookName;  // Stored, AlreadyStored, NotStored
    std::string Note;         // the reason of Skipped or Refused; for Stored, why the name differs
    bool Current = false;     // the profile of the connection that is up
};

// A name the store takes for a Windows profile's name: in the system's code page, no
// backslash or control character, not empty, at most ProfileNameMaxLength characters.
std::string StorableNameFor(const std::wstring& windowsName);

// The n-th name to try for base: base itself, then "base (2)", "base (3)", ..., each cut so that
// it stays within ProfileNameMaxLength characters.
std::string NumberedName(const std::string& base, int n);

// Whether two records join the same network the same way: name, mode and security with its key.
bool SameNetwork(const AdapterSettings& a, const AdapterSettings& b);

// Stores what the set holds and says what became of each profile, in the set's order.
std::vector<ImportOutcome> ImportWindowsProfileSet(const WindowsProfileSet& set);

// The whole command on a Native Wifi binding: reads (from the preferred interface when it is
// not null and listed), imports, reports on out and err; returns the exit status.
// onlyWithoutDefaults: nothing at all is done when default settings are stored.
int ImportWindowsProfiles(IWlanApi& wlan, const GUID* preferred, bool onlyWithoutDefaults, std::ostream& out,
                          std::ostream& err);

#endif
