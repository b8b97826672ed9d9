#include "settings/UserOptions.h"

#include "framework/Handles.h"

#include <windows.h>

namespace {

bool DefaultOf(UserOption option)
{
    return option == UserOption::Notifications;
}

}  // namespace

const char* UserOptionValueName(UserOption option)
{
    return option == UserOption::Notifications ? "Notifications" : "SwitchToProfiles";
}

bool ReadUserOption(UserOption option)
{
    CRegistryKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, UserOptionsPath, 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS)
        return DefaultOf(option);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegQueryValueExA(key, UserOptionValueName(option), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                           &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return DefaultOf(option);
    return value != 0;
}

bool WriteUserOption(UserOption option, bool on)
{
    CRegistryKey key;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, UserOptionsPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Receive(),
                          nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD value = on ? 1 : 0;
    return ::RegSetValueExA(key, UserOptionValueName(option), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                            sizeof value) == ERROR_SUCCESS;
}
