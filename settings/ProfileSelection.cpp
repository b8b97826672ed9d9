#include "settings/ProfileSelection.h"

#include "framework/Handles.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {
bool ProfileKeyPresent(const char* name)
{
    CRegistryKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(ProfileRootPath) + name).c_str(), 0, KEY_READ,
                         key.Receive()) == ERROR_SUCCESS;
}
}  // namespace

bool ProfileExists(const char* name)
{
    if (!name || !*name || std::strlen(name) > ProfileNameMaxLength || std::strchr(name, '\\'))
        return false;
    return ProfileKeyPresent(name);
}

ProfileUse MakeProfileDefault(const char* name, AdapterSettings& settings)
{
    // Any stored key: a profile under a name longer than a user may give (made by hand) is
    // still used when the program chooses it from the list.
    if (!name || !IsStorableProfileName(name) || !ProfileKeyPresent(name))
        return ProfileUse::Missing;
    std::memset(&settings, 0, sizeof settings);
    // A profile read that failed must not become the default settings as its defaults.
    std::string unread;
    if (ReadProfileChecked(name, settings, unread) != ProfileRead::Read)
        return ProfileUse::Unreadable;
    settings.ApplyScope = ApplyScopeAll;
    return SaveDefaultSettings(settings) ? ProfileUse::Stored : ProfileUse::NotStored;
}
