#include "settings/RegistryTree.h"

#include "framework/Handles.h"

LONG DeleteKeyTree(HKEY parent, const char* name)
{
    CRegistryKey key;
    LONG result = RegOpenKeyA(parent, name, key.Receive());
    if (result != ERROR_SUCCESS)
        return result;

    // Index 0 every time: each deleted subkey moves the next one to the front.
    char subkey[300];
    for (;;) {
        result = RegEnumKeyA(key, 0, subkey, sizeof subkey);
        if (result != ERROR_SUCCESS)
            break;
        result = DeleteKeyTree(key, subkey);
        if (result != ERROR_SUCCESS)
            break;
    }
    if (result == ERROR_NO_MORE_ITEMS || result == ERROR_BADKEY)
        result = RegDeleteKeyA(parent, name);
    return result;
}
