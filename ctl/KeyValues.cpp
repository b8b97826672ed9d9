#include "ctl/KeyValues.h"

#include "framework/Handles.h"
#include "settings/RegistryNames.h"

#include <algorithm>

namespace {

// How often a read starts over with larger buffers because a value grew meanwhile: another
// program writing the key that often is not waited out.
constexpr int MostRetries = 8;
// The registry's longest value name, in letters, with its terminator.
constexpr size_t LongestValueName = 16384;

}  // namespace

LONG ReadWideValues(HKEY key, std::vector<WideValue>& values)
{
    values.clear();
    DWORD longestName = 0;
    DWORD longestData = 0;
    LONG result = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                                   &longestData, nullptr, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    std::vector<wchar_t> name(std::min<size_t>(longestName + 1, LongestValueName));
    std::vector<unsigned char> data(longestData + 1);
    int retries = 0;
    for (DWORD index = 0;;) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        result = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (result == ERROR_MORE_DATA) {
            // Added or grown since the sizes were asked: larger buffers, a bounded number of times.
            if (++retries > MostRetries)
                return result;
            name.resize(std::min(name.size() * 2, LongestValueName));
            data.resize(std::max<size_t>(data.size() * 2, size));
            continue;
        }
        if (result != ERROR_SUCCESS)
            return result;
        values.push_back({std::wstring(name.data(), nameLength), type, {data.begin(), data.begin() + size}});
        ++index;
    }
}

LONG ReadWideValues(const std::string& path, std::vector<WideValue>& values)
{
    values.clear();
    CRegistryKey key;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive());
    return opened == ERROR_SUCCESS ? ReadWideValues(key, values) : opened;
}

bool CodePageName(const std::wstring& name, std::string& spelled)
{
    spelled.clear();
    if (name.empty())
        return true;
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), static_cast<int>(name.size()),
                                           nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return false;
    spelled.assign(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.data(), static_cast<int>(name.size()), spelled.data(),
                        length, nullptr, &lossy);
    return !lossy;
}

bool SameValueName(const std::string& name, const std::wstring& wideName)
{
    return CompareRegistryNames(WideRegistryName(name), wideName) == 0;
}

LONG ReadCodePageValue(HKEY key, const std::string& name, DWORD& type, std::vector<unsigned char>& bytes)
{
    for (int attempt = 0; attempt <= MostRetries; ++attempt) {
        DWORD size = 0;
        LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
        if (result != ERROR_SUCCESS)
            return result;
        // One byte to spare: some systems ask for room for a terminator the value lacks.
        bytes.assign(size + 1, 0);
        DWORD read = static_cast<DWORD>(bytes.size());
        result = RegQueryValueExA(key, name.c_str(), nullptr, &type, bytes.data(), &read);
        if (result == ERROR_MORE_DATA)
            continue;  // grown meanwhile
        if (result == ERROR_SUCCESS)
            bytes.resize(read);
        return result;
    }
    return ERROR_MORE_DATA;
}
