#include "ctl/WindowsProfileSource.h"

#include <cstring>
#include <cwchar>
#include <utility>

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return "";
    const int length = static_cast<int>(text.size());
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), size, nullptr, nullptr);
    return out;
}

namespace {

// The profile name of the interface's connection when it is up. The answer is copied before it
// is read, and the name is taken only up to its field's end.
DWORD ConnectedProfile(IWlanApi& wlan, const GUID& iface, std::wstring& name)
{
    std::vector<unsigned char> data;
    const DWORD result = wlan.QueryInterface(iface, wlan_intf_opcode_current_connection, data);
    if (result != ERROR_SUCCESS)
        return result;
    WLAN_CONNECTION_ATTRIBUTES attributes;
    if (data.size() < sizeof attributes)
        return ERROR_INVALID_DATA;
    std::memcpy(&attributes, data.data(), sizeof attributes);
    if (attributes.isState != wlan_interface_state_connected)
        return ERROR_SUCCESS;
    const size_t capacity = sizeof attributes.strProfileName / sizeof attributes.strProfileName[0];
    name.assign(attributes.strProfileName, wcsnlen(attributes.strProfileName, capacity));
    return ERROR_SUCCESS;
}

// The interface whose profiles are read, with the profile of its connection when one is up: the
// one the library drives (the stored choice when listed, else the first), so that the defaults
// taken are those of the card they will be applied to.
const WlanInterfaceInfo& ChooseInterface(IWlanApi& wlan, const std::vector<WlanInterfaceInfo>& interfaces,
                                         const GUID* preferred, WindowsProfileSet& set)
{
    const WlanInterfaceInfo* chosen = &interfaces.front();
    for (const WlanInterfaceInfo& iface : interfaces)
        if (preferred && IsEqualGUID(iface.Guid, *preferred))
            chosen = &iface;
    set.CurrentError = ConnectedProfile(wlan, chosen->Guid, set.CurrentProfile);
    return *chosen;
}

DWORD ReadOpened(IWlanApi& wlan, const GUID* preferred, WindowsProfileSet& set)
{
    std::vector<WlanInterfaceInfo> interfaces;
    DWORD result = wlan.EnumInterfaces(interfaces);
    if (result != ERROR_SUCCESS)
        return result;
    if (interfaces.empty())
        return ERROR_NOT_FOUND;
    const WlanInterfaceInfo* chosen = &ChooseInterface(wlan, interfaces, preferred, set);
    set.InterfaceName = chosen->Description;
    std::vector<WlanProfileEntry> entries;
    result = wlan.GetProfileList(chosen->Guid, entries);
    if (result != ERROR_SUCCESS)
        return result;
    for (const WlanProfileEntry& entry : entries) {
        WindowsProfileText profile;
        profile.Name = entry.Name;
        DWORD flags = WlanProfileGetPlaintextKey;
        std::wstring xml;
        profile.Error = wlan.GetProfile(chosen->Guid, entry.Name, flags, xml);
        if (profile.Error == ERROR_SUCCESS)
            profile.Xml = std::move(xml);
        set.Profiles.push_back(std::move(profile));
    }
    return ERROR_SUCCESS;
}

}  // namespace

DWORD ReadWindowsProfiles(IWlanApi& wlan, const GUID* preferred, WindowsProfileSet& set)
{
    set = WindowsProfileSet{};
    const DWORD opened = wlan.Open();
    if (opened != ERROR_SUCCESS)
        return opened;
    const DWORD result = ReadOpened(wlan, preferred, set);
    wlan.Close();
    return result;
}
