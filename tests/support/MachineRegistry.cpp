#include "MachineRegistry.h"

#include "framework/Handles.h"

#include <gtest/gtest.h>

Bytes Number(uint32_t value)
{
    return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
            static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
}

bool KeyExists(const std::string& path)
{
    CRegistryKey key;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

bool ValueExists(const std::string& path, const char* name)
{
    return RegGetValueA(HKEY_LOCAL_MACHINE, path.c_str(), name, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

Bytes ReadValue(const std::string& path, const char* name, DWORD* type)
{
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
        ADD_FAILURE() << "no key " << path;
        return {};
    }
    Bytes bytes(4096);
    DWORD size = static_cast<DWORD>(bytes.size());
    const LONG result = RegQueryValueExA(key, name, nullptr, type, bytes.data(), &size);
    if (result != ERROR_SUCCESS) {
        ADD_FAILURE() << "no value " << name << " under " << path;
        return {};
    }
    bytes.resize(size);
    return bytes;
}

void WriteValue(const std::string& path, const char* name, const Bytes& bytes, DWORD type)
{
    CRegistryKey key;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Receive(), nullptr),
        ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
}

void CreateKeyPath(const std::string& path)
{
    CRegistryKey key;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Receive(), nullptr),
        ERROR_SUCCESS);
}

std::vector<std::string> SubkeyNames(const std::string& path)
{
    std::vector<std::string> names;
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

void DeleteKeyTree(const std::string& path)
{
    const LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
    EXPECT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) << path << ": " << result;
}
