#include "EapProfileRecord.h"

#include <windows.h>

namespace {

// A profile name is at most 255 characters (WLAN_MAX_NAME_LENGTH).
constexpr size_t ProfileNameRoom = 256;

}  // namespace

std::wstring RememberedEapProfile()
{
    wchar_t name[ProfileNameRoom] = {};
    DWORD size = sizeof name - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, EapProfileRecordPath, EapProfileRecordValue, RRF_RT_REG_SZ, nullptr, name,
                     &size) != ERROR_SUCCESS)
        return std::wstring();
    return name;
}

void RememberEapProfile(const std::wstring& name)
{
    if (name == RememberedEapProfile())
        return;
    if (name.empty()) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, EapProfileRecordPath, EapProfileRecordValue);
        return;
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, EapProfileRecordPath, EapProfileRecordValue, REG_SZ, name.c_str(),
                    static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t)));
}

std::wstring RemoveRememberedEapProfile(IWlanApi& wlan, DWORD& error)
{
    error = ERROR_SUCCESS;
    const std::wstring name = RememberedEapProfile();
    if (name.empty())
        return name;
    if ((error = wlan.Open()) != ERROR_SUCCESS)
        return std::wstring();
    std::vector<WlanInterfaceInfo> interfaces;
    error = wlan.EnumInterfaces(interfaces);
    bool removed = false;
    for (const WlanInterfaceInfo& iface : interfaces) {
        const DWORD result = wlan.DeleteProfile(iface.Guid, name);
        if (result == ERROR_SUCCESS)
            removed = true;
        else if (result != ERROR_NOT_FOUND)
            error = result;
    }
    wlan.Close();
    if (error == ERROR_SUCCESS)
        RememberEapProfile(L"");
    return removed ? name : std::wstring();
}
