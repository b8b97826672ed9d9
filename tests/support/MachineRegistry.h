// Raw access to keys and values below HKEY_LOCAL_MACHINE for tests that set up or inspect
// what the program stores, bypassing the program's own reading and writing.
#ifndef SKYLOOK_TESTS_MACHINE_REGISTRY_H
#define SKYLOOK_TESTS_MACHINE_REGISTRY_H

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// The four bytes of a number, low byte first, as a REG_DWORD holds it.
Bytes Number(uint32_t value);

bool KeyExists(const std::string& path);
bool ValueExists(const std::string& path, const char* name);
Bytes ReadValue(const std::string& path, const char* name, DWORD* type = nullptr);
// Creates the key path as needed.
void WriteValue(const std::string& path, const char* name, const Bytes& bytes, DWORD type = REG_BINARY);
void CreateKeyPath(const std::string& path);
// Subkey names of a key in the order the registry enumerates them.
std::vector<std::string> SubkeyNames(const std::string& path);

// Every key and value below the key, taken whole so that two can be compared: "key path|value
// name" maps to the value's type in decimal, a colon and its bytes; each key is there as
// "key path|" mapping to "key". Empty when the key does not exist.
using RegistrySnapshot = std::map<std::string, std::string>;
RegistrySnapshot SnapshotKey(const std::string& path);

// Removes the key with everything below it; an absent key is no failure.
void DeleteKeyTree(const std::string& path);

#endif
