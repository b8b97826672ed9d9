#include "settings/RegistryTree.h"

#include "framework/Handles.h"
#include "framework/SystemLibrary.h"
#include "settings/RegistryNames.h"

namespace {

using NtDeleteKeyFunction = LONG(WINAPI*)(HANDLE key);
using StatusToErrorFunction = ULONG(WINAPI*)(LONG status);

// RegDeleteKey opens the key again by name, which follows a link to its target; only the
// native call deletes the very key a handle was opened on.
LONG DeleteOpenedKey(HKEY key)
{
    struct Native {
        NtDeleteKeyFunction DeleteKey = nullptr;
        StatusToErrorFunction StatusToError = nullptr;
    };
    static const Native native = [] {
        Native found;
        const CSystemLibrary library("ntdll.dll");
        library.Find(found.DeleteKey, "NtDeleteKey");
        library.Find(found.StatusToError, "RtlNtStatusToDosError");
        return found;
    }();
    if (!native.DeleteKey || !native.StatusToError)
        return ERROR_CALL_NOT_IMPLEMENTED;
    return static_cast<LONG>(native.StatusToError(native.DeleteKey(key)));
}

LONG DeleteKeyTreeWide(HKEY parent, const wchar_t* name)
{
    CRegistryKey key;
    LONG result = RegOpenKeyExW(parent, name, REG_OPTION_OPEN_LINK, KEY_ENUMERATE_SUB_KEYS | DELETE, key.Receive());
    if (result != ERROR_SUCCESS)
        return result;

    // Index 0 every time: each deleted subkey moves the next one to the front. Opened as
    // itself, a link lists no subkeys (its target's are not its own).
    wchar_t subkey[256];
    for (;;) {
        result = RegEnumKeyW(key, 0, subkey, 256);
        if (result != ERROR_SUCCESS)
            break;
        result = DeleteKeyTreeWide(key, subkey);
        if (result != ERROR_SUCCESS)
            break;
    }
    if (result == ERROR_NO_MORE_ITEMS || result == ERROR_BADKEY)
        result = DeleteOpenedKey(key);
    return result;
}

}  // namespace

LONG OpenKeyItself(HKEY parent, const char* name, REGSAM access, HKEY* key)
{
    return RegOpenKeyExA(parent, name, REG_OPTION_OPEN_LINK, access, key);
}

bool IsRegistryLink(HKEY key)
{
    DWORD type = REG_NONE;
    DWORD size = 0;
    const LONG result = RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, &size);
    return (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) && type == REG_LINK;
}

LONG DeleteKeyTree(HKEY parent, const char* name)
{
    // Through the wide calls, so that a subkey named in letters the code page lacks is
    // reached too.
    return DeleteKeyTreeWide(parent, WideRegistryName(name).c_str());
}
