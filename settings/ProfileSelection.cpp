#include "settings/ProfileSelection.h"

#include "framework/Handles.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"

#include <windows.h>

#include <cstring>
#include <string>

bool ProfileExists(const char* name)
{
    if (!name || !*name || std::strlen(name) > ProfileNameMaxLength || std::strchr(name, '\\'))
        return false;
    CRegistryKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(ProfileRootPath) + name).c_str(), 0, KEY_READ,
                         key.Receive()) == ERROR_SUCCESS;
}

ProfileUse MakeProfileDefault(const char* name, AdapterSettings& settings)
{
    if (!ProfileExists(name))
        return ProfileUse::Missing;
    std::memset(&settings, 0, sizeof settings);
    // A profile read that failed must not become the default settings as its defaults.
    std::string unread;
    if (ReadProfileChecked(name, settings, unread) != ProfileRead::Read)
        return ProfileUse::Unreadable;
    settings.ApplyScope = ApplyScopeAll;
    return SaveDefaultSettings(settings) ? ProfileUse::Stored : ProfileUse::NotStored;
}
