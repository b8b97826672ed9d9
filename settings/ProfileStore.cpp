#include "settings/ProfileStore.h"

#include "framework/Handles.h"
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

bool IsUsableProfileName(const char* name)
{
    return NamesSubkey(name) && std::strlen(name) <= ProfileKeyNameLimit;
}

bool IsListed(const ProfileList& list, int count, const char* name)
{
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(list.Names[i], name) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool SaveProfile(const char* name, const AdapterSettings& settings)
{
    if (!IsUsableProfileName(name))
        return false;
    SaveSettingsAt((std::string(ProfileRootPath) + name).c_str(), settings);
    return true;
}

bool LoadProfile(const char* name, AdapterSettings& settings)
{
    if (!IsUsableProfileName(name))
        return false;
    LoadSettingsAt((std::string(ProfileRootPath) + name + "\\").c_str(), settings);
    return true;
}

bool DeleteProfile(const char* name)
{
    if (!NamesSubkey(name))
        return true;
    CRegistryKey root;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileRootPath, 0, KEY_ALL_ACCESS, root.Receive()) != ERROR_SUCCESS)
        return true;
    DeleteKeyTree(root, name);
    return true;
}

bool EnumerateProfiles(ProfileList& list)
{
    CRegistryKey root;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileRootPath, 0, KEY_ALL_ACCESS, root.Receive());
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

    // Names first, loads after: loading a cut name may create a key, which must not shift
    // the enumeration under our feet.
    int count = 0;
    for (DWORD index = 0; count < ProfileListCapacity; ++index) {
        char name[ProfileKeyNameLimit + 1];
        DWORD length = sizeof name;
        result = RegEnumKeyExA(root, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA)
            continue;
        if (result != ERROR_SUCCESS)
            break;
        name[ProfileNameMaxLength < length ? ProfileNameMaxLength : length] = 0;
        if (IsListed(list, count, name))
            continue;
        std::memset(list.Names[count], 0, ProfileNameSize);
        std::strcpy(list.Names[count], name);
        ++count;
    }
    root.Reset();

    for (int i = 0; i < count; ++i) {
        std::memset(&list.Settings[i], 0, sizeof list.Settings[i]);
        LoadProfile(list.Names[i], list.Settings[i]);
    }
    list.Count = count;
    return true;
}
