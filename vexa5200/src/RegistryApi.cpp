// The library's registry functions: raw bytes under HKEY_LOCAL_MACHINE.
#include "Vexa5200.h"

#include "Failures.h"
#include "SharedAdapter.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace vexa;

namespace {

constexpr int Ok = 0;
constexpr int Failed = 1;
// Settings values are short; anything larger is a caller's mistake, not a value to store.
constexpr unsigned long MaxValueBytes = 16384;

// The callers write key paths with a trailing backslash, which the registry does not take.
std::string KeyPath(const char* path)
{
    std::string p(path);
    while (!p.empty() && p.back() == '\\')
        p.pop_back();
    return p;
}

bool FailSwitchOn(Fn fn)
{
    AdapterLock lock;
    return !lock.Ok() || Failing(lock.State(), fn);
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

extern "C" {

VEXA5200_API int Vexa5200QueryRegistry(const char* path, const char* name, char* buffer, unsigned long size)
{
    if (!path || !name || !buffer || size == 0 || FailSwitchOn(Fn::QueryRegistry))
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

VEXA5200_API int Vexa5200QueryRegistryDword(const char* path, const char* name, unsigned long* value)
{
    if (!path || !name || !value || FailSwitchOn(Fn::QueryRegistryDword))
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

VEXA5200_API int Vexa5200SetRegistry(const char* path, const char* name, const void* bytes, unsigned long count,
                                     unsigned long reserved)
{
    bool readable = count <= MaxValueBytes && (bytes || count == 0);
    {
        AdapterLock lock;
        if (!lock.Ok())
            return Failed;
        JournalLine line = JournalLine("SetRegistry").Text(path).Text(name).Hex(readable ? bytes : nullptr, count)
                               .Number(count).Number(reserved);
        JournalAppend(lock.Journal(), line.Str());
        if (Failing(lock.State(), Fn::SetRegistry))
            return Failed;
    }
    if (!path || !name || !readable)
        return Failed;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, KeyPath(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return Failed;
    LONG result = RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(bytes), count);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? Ok : Failed;
}

}  // extern "C"
