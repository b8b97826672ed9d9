#include "settings/ProfileNames.h"

#include "framework/Handles.h"
#include "settings/ProfileStore.h"

#include <windows.h>

namespace {

std::wstring Wide(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

int CompareProfileNames(const std::string& a, const std::string& b)
{
    const std::wstring wideA = Wide(a);
    const std::wstring wideB = Wide(b);
    const int result = CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                            static_cast<int>(wideB.size()), TRUE);
    if (result == CSTR_LESS_THAN)
        return -1;
    return result == CSTR_GREATER_THAN ? 1 : 0;
}

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
        if (CompareProfileNames(stored, name) == 0) {
            storedName = stored;
            return true;
        }
    }
    return false;
}
