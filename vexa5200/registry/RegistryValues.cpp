#include "RegistryValues.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vexa {

namespace {

constexpr int Ok = 0;
constexpr int Failed = 1;

// The callers write key paths with a trailing backslash, which the registry does not take.
std::string KeyPath(const char* path)
{
    std::string p(path);
    while (!p.empty() && p.back() == '\\')
        p.pop_back();
    return p;
}

// The stored bytes of a value; false when the key or value is absent.
bool ReadValue(const char* path, const char* name, std::vector<unsigned char>& bytes)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(path).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    LONG result = ERROR_MORE_DATA;
    // The value may grow between the size query and the read; ask again when it did.
    for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
        DWORD size = 0;
        result = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
        if (result != ERROR_SUCCESS)
            break;
        bytes.assign(size, 0);
        result = RegQueryValueExA(key, name, nullptr, nullptr, bytes.data(), &size);
        if (result == ERROR_SUCCESS)
            bytes.resize(size);
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace

bool RegistryBytesReadable(const void* bytes, unsigned long count)
{
    return count <= MaxRegistryValueBytes && (bytes || count == 0);
}

int QueryRegistryText(const char* path, const char* name, char* buffer, unsigned long size)
{
    if (!path || !name || !buffer || size == 0)
        return Failed;
    std::vector<unsigned char> bytes;
    if (!ReadValue(path, name, bytes))
        return Failed;
    size_t count = std::min<size_t>(bytes.size(), size - 1);
    if (count)
        std::memcpy(buffer, bytes.data(), count);
    buffer[count] = 0;
    return Ok;
}

int QueryRegistryDword(const char* path, const char* name, unsigned long* value)
{
    if (!path || !name || !value)
        return Failed;
    std::vector<unsigned char> bytes;
    if (!ReadValue(path, name, bytes))
        return Failed;
    unsigned char first[4] = {};
    std::memcpy(first, bytes.data(), std::min<size_t>(bytes.size(), 4));
    *value = static_cast<unsigned long>(first[0]) | static_cast<unsigned long>(first[1]) << 8 |
             static_cast<unsigned long>(first[2]) << 16 | static_cast<unsigned long>(first[3]) << 24;
    return Ok;
}

int SetRegistryBytes(const char* path, const char* name, const void* bytes, unsigned long count)
{
    if (!path || !name || !RegistryBytesReadable(bytes, count))
        return Failed;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, KeyPath(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return Failed;
    LONG result = RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(bytes), count);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? Ok : Failed;
}

}  // namespace vexa
