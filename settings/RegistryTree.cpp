#include "settings/RegistryTree.h"

LONG DeleteKeyTree(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    LONG result = RegOpenKeyA(parent, name, &key);
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
    RegCloseKey(key);
    return result;
}
