#include "settings/RegistryNames.h"

#include <windows.h>

std::wstring WideRegistryName(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

int CompareRegistryNames(const std::string& a, const std::string& b)
{
    // Ordinal, not linguistic: lstrcmpi would take "PskPa\xDFphrase" (with a sharp s) for
    // "PskPassphrase", a value the loader never reads.
    return CompareRegistryNames(WideRegistryName(a), WideRegistryName(b));
}

int CompareRegistryNames(const std::wstring& a, const std::wstring& b)
{
    const int result =
        CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE);
    if (result == CSTR_LESS_THAN)
        return -1;
    return result == CSTR_GREATER_THAN ? 1 : 0;
}
