// The adapter's driver key under HKEY_LOCAL_MACHINE, as the network class installer would
// have made it: an instance subkey of the network adapter class with the interface GUID.
#ifndef VEXA5200_DRIVER_KEY_H
#define VEXA5200_DRIVER_KEY_H

namespace vexa {

constexpr const char* DriverKeyPath =
    "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0007";
constexpr const char* NetCfgInstanceId = "{7E4B9A31-52C0-4D8E-9F16-3A5C0B2D8E47}";

// Creates the key and its "NetCfgInstanceId" value when either is missing.
void EnsureDriverKey();

}  // namespace vexa

#endif
