// Coexistence with the system's Wireless Zero Configuration service, which may manage the
// adapter on Windows XP; the program then steps aside.
#ifndef SKYLOOK_ZERO_CONFIG_H
#define SKYLOOK_ZERO_CONFIG_H

// Where the service keeps its data, one subkey per interface GUID (under HKEY_LOCAL_MACHINE).
constexpr const char* ZeroConfigInterfacesKey = "SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\";
constexpr unsigned long ZeroConfigManagedFlag = 0x8000;

// True when the service's "ControlFlags" for AdapterInstanceId has bit 15 set, and when the
// service has no key for the interface at all; false when the key has no readable flags
// (no value, or one longer than 4 bytes). The value's type does not matter.
bool IsZeroConfigManaging();

// Opens the system's wireless properties page of the adapter through the shell's Network
// Connections folder. Fails silently (false) where the shell has no such folder or item.
bool OpenZeroConfigProperties();

#endif
