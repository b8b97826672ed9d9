#include "settings/ProfileNames.h"

#include "framework/Handles.h"
#include "settings/ProfileStore.h"
#include "settings/RegistryNames.h"

#include <windows.h>

bool ListStoredProfileNames(std::vector<std::string>& names)
{
    names.clear();
    CRegistryKey root;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, ProfileRootPath, 0, KEY_ENUMERATE_SUB_KEYS, root.Receive());
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;
    for (DWORD index = 0;; ++index) {
        char name[256];  // the registry's longest key name, and its terminator
        DWORD length = sizeof name;
        const LONG result = RegEnumKeyExA(root, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            return true;
        if (result != ERROR_SUCCESS)
            return false;
        names.emplace_back(name, length);
    }
}

bool FindStoredProfileName(const std::string& name, std::string& storedName)
{
    std::vector<std::string> names;
    ListStoredProfileNames(names);
    for (const std::string& stored : names) {
        if (CompareRegistryNames(stored, name) == 0) {
            storedName = stored;
            return true;
        }
    }
    return false;
}
