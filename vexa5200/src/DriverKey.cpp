#include "DriverKey.h"

#include <windows.h>

#include <cstring>

namespace vexa {

void EnsureDriverKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, DriverKeyPath, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (RegQueryValueExA(key, "NetCfgInstanceId", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        RegSetValueExA(key, "NetCfgInstanceId", 0, REG_SZ, reinterpret_cast<const BYTE*>(NetCfgInstanceId),
                       static_cast<DWORD>(std::strlen(NetCfgInstanceId) + 1));
    }
    RegCloseKey(key);
}

}  // namespace vexa
