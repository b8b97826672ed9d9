// The interface's key under the network adapter class, where Windows keeps the driver's
// settings with the interface GUID as "NetCfgInstanceId".
#ifndef SKYLOOK_WLANBRIDGE_NETWORK_CLASS_KEY_H
#define SKYLOOK_WLANBRIDGE_NETWORK_CLASS_KEY_H

#include <windows.h>

#include <string>

constexpr const char* NetworkClassPath =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case, as the registry writes it.
std::string GuidText(const GUID& guid);
bool GuidFromText(const char* text, GUID& guid);

// The path under root of the class subkey whose NetCfgInstanceId is the GUID; the class key
// itself when none is (or may be read), so that the path still marks a present card.
std::string NetworkClassKeyPath(HKEY root, const char* classPath, const GUID& iface);

#endif
