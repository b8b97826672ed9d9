#include "settings/ProfileStore.h"

#include "framework/Handles.h"
#include "settings/RegistryNames.h"
#include "settings/RegistryTree.h"
#include "settings/SettingsStore.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {

// An empty name or one of backslashes only would address the profile root itself.
bool NamesSubkey(const char* name)
{
    if (!name)
        return false;
    for (const char* c = name; *c; ++c) {
        if (*c != '\\')
            return true;
    }
    return false;
}

std::string ProfileKeyPath(const char* name)
{
    return std::string(ProfileRootPath) + name;
}

// Cut names that differ only in case name one key, as every other name of the store does.
bool IsListed(const ProfileList& list, int count, const char* name)
{
    for (int i = 0; i < count; ++i) {
        if (CompareRegistryNames(list.Names[i], name) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool IsStorableProfileName(const char* name)
{
    return NamesSubkey(name) && std::strchr(name, '\\') == nullptr && std::strlen(name) <= ProfileKeyNameLimit;
}

bool SaveProfile(const char* name, const AdapterSettings& settings)
{
    if (!IsStorableProfileName(name))
        return false;
    const std::string path = ProfileKeyPath(name);
    bool existed = false;
    {
        CRegistryKey key;
        existed = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
    }
    if (SaveSettingsAt(path.c_str(), settings))
        return true;
    // A key this save created but could not fill would be listed as a profile with values
    // the user never chose; it goes again. A profile stored before keeps its key.
    if (!existed) {
        CRegistryKey root;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileRootPath, 0, KEY_READ, root.Receive()) == ERROR_SUCCESS)
            DeleteKeyTree(root, name);
    }
    return false;
}

bool LoadProfile(const char* name, AdapterSettings& settings)
{
    if (!IsStorableProfileName(name))
        return false;
    // Opened, never created: a name without a key is no profile, and reading it must not
    // make it one.
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileKeyPath(name).c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return false;
    ReadSettingsAt((ProfileKeyPath(name) + "\\").c_str(), settings);
    return true;
}

ProfileRead ReadProfileChecked(const char* name, AdapterSettings& settings, std::string& unreadValue)
{
    unreadValue.clear();
    if (!IsStorableProfileName(name))
        return ProfileRead::Missing;
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileKeyPath(name).c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return ProfileRead::Missing;
    return ReadSettingsChecked((ProfileKeyPath(name) + "\\").c_str(), settings, unreadValue) ? ProfileRead::Read
                                                                                              : ProfileRead::Unreadable;
}

bool DeleteProfile(const char* name)
{
    if (!NamesSubkey(name))
        return true;
    // Deleting a subkey takes the right to delete it, not rights on the root: a user allowed
    // to write the store may not change its permissions, which KEY_ALL_ACCESS would ask for.
    CRegistryKey root;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileRootPath, 0, KEY_READ, root.Receive()) != ERROR_SUCCESS)
        return true;
    DeleteKeyTree(root, name);
    return true;
}

bool EnumerateProfiles(ProfileList& list)
{
    CRegistryKey root;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileRootPath, 0, KEY_READ, root.Receive());
    if (result == ERROR_FILE_NOT_FOUND) {
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, ProfileRootPath, root.Receive()) != ERROR_SUCCESS) {
            list.Count = -1;
            return false;
        }
        list.Count = 0;
        return true;
    }
    if (result != ERROR_SUCCESS) {
        list.Count = -1;
        return false;
    }

    // Names first, settings after, with the root closed in between.
    int count = 0;
    for (DWORD index = 0; count < ProfileListCapacity; ++index) {
        char name[ProfileKeyNameLimit + 1];
        DWORD length = sizeof name;
        result = RegEnumKeyExA(root, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA)
            continue;
        if (result != ERROR_SUCCESS)
            break;
        char shown[ProfileNameSize] = {};
        std::memcpy(shown, name, ProfileNameMaxLength < length ? ProfileNameMaxLength : length);
        if (IsListed(list, count, shown))
            continue;
        std::memcpy(list.Names[count], shown, ProfileNameSize);
        std::memset(list.KeyNames[count], 0, sizeof list.KeyNames[count]);
        std::memcpy(list.KeyNames[count], name, length);
        ++count;
    }
    root.Reset();

    // Each record from the key the name was listed from: a longer key name's own, not the
    // cut name's. A key that cannot be opened by its listed name (a name the code page cannot
    // hold) lists with the defaults and creates nothing.
    for (int i = 0; i < count; ++i) {
        std::memset(&list.Settings[i], 0, sizeof list.Settings[i]);
        ReadSettingsAt((ProfileKeyPath(list.KeyNames[i]) + "\\").c_str(), list.Settings[i]);
    }
    list.Count = count;
    return true;
}
