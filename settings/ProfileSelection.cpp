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

ProfileChoice MakeProfileDefault(const char* name, AdapterSettings& settings)
{
    if (!ProfileExists(name))
        return ProfileChoice::Missing;
    std::memset(&settings, 0, sizeof settings);
    // A profile read that failed must not become the default settings as its defaults.
    std::string unread;
    if (ReadProfileChecked(name, settings, unread) != ProfileRead::Read)
        return ProfileChoice::Unreadable;
    settings.ApplyScope = ApplyScopeAll;
    return SaveDefaultSettings(settings) ? ProfileChoice::Stored : ProfileChoice::NotStored;
}
