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

namespace {

void AddToSnapshot(const std::string& path, RegistrySnapshot& snapshot)
{
    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return;
    snapshot[path + "|"] = "key";
    DWORD longestName = 0, longestData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName, &longestData,
                     nullptr, nullptr);
    std::string name(longestName + 1, '\0');
    Bytes data(longestData + 1);
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
            break;
        snapshot[path + "|" + name.substr(0, nameLength)] =
            std::to_string(type) + ":" + std::string(data.begin(), data.begin() + size);
    }
    for (const std::string& subkey : SubkeyNames(path))
        AddToSnapshot(path + "\\" + subkey, snapshot);
}

}  // namespace

RegistrySnapshot SnapshotKey(const std::string& path)
{
    RegistrySnapshot snapshot;
    AddToSnapshot(path, snapshot);
    return snapshot;
}

void DeleteKeyTree(const std::string& path)
{
    const LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, path.c_str());
    EXPECT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) << path << ": " << result;
}
