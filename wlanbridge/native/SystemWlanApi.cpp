#include "SystemWlanApi.h"

#include "framework/SystemLibrary.h"

#include <atomic>
#include <cstring>

namespace {

// Version 2 is the Vista and later interface; version 1 (XP's) has no BSS list.
constexpr DWORD ClientVersion = 2;

struct WlanFunctions {
    decltype(&::WlanOpenHandle) OpenHandle = nullptr;
    decltype(&::WlanCloseHandle) CloseHandle = nullptr;
    decltype(&::WlanFreeMemory) FreeMemory = nullptr;
    decltype(&::WlanEnumInterfaces) EnumInterfaces = nullptr;
    decltype(&::WlanQueryInterface) QueryInterface = nullptr;
    decltype(&::WlanSetInterface) SetInterface = nullptr;
    decltype(&::WlanScan) Scan = nullptr;
    decltype(&::WlanGetNetworkBssList) GetNetworkBssList = nullptr;
    decltype(&::WlanConnect) Connect = nullptr;
    decltype(&::WlanDisconnect) Disconnect = nullptr;
    decltype(&::WlanSetProfile) SetProfile = nullptr;
    decltype(&::WlanSetProfileEapXmlUserData) SetProfileEapXmlUserData = nullptr;
    decltype(&::WlanGetProfileList) GetProfileList = nullptr;
    decltype(&::WlanGetProfile) GetProfile = nullptr;
    decltype(&::WlanDeleteProfile) DeleteProfile = nullptr;
    decltype(&::WlanSetProfilePosition) SetProfilePosition = nullptr;
    decltype(&::WlanRegisterNotification) RegisterNotification = nullptr;

    WlanFunctions()
    {
        const CSystemLibrary library("wlanapi.dll", CSystemLibrary::SystemFolderOnly{});
        library.Find(OpenHandle, "WlanOpenHandle");
        library.Find(CloseHandle, "WlanCloseHandle");
        library.Find(FreeMemory, "WlanFreeMemory");
        library.Find(EnumInterfaces, "WlanEnumInterfaces");
        library.Find(QueryInterface, "WlanQueryInterface");
        library.Find(SetInterface, "WlanSetInterface");
        library.Find(Scan, "WlanScan");
        library.Find(GetNetworkBssList, "WlanGetNetworkBssList");
        library.Find(Connect, "WlanConnect");
        library.Find(Disconnect, "WlanDisconnect");
        library.Find(SetProfile, "WlanSetProfile");
        library.Find(SetProfileEapXmlUserData, "WlanSetProfileEapXmlUserData");
        library.Find(GetProfileList, "WlanGetProfileList");
        library.Find(GetProfile, "WlanGetProfile");
        library.Find(DeleteProfile, "WlanDeleteProfile");
        library.Find(SetProfilePosition, "WlanSetProfilePosition");
        library.Find(RegisterNotification, "WlanRegisterNotification");
    }
};

const WlanFunctions& Functions()
{
    static const WlanFunctions functions;
    return functions;
}

// Memory the service allocated, freed when the holder goes.
template <class T>
class CWlanMemory {
public:
    CWlanMemory() = default;
    CWlanMemory(const CWlanMemory&) = delete;
    CWlanMemory& operator=(const CWlanMemory&) = delete;
    ~CWlanMemory()
    {
        if (m_memory && Functions().FreeMemory)
            Functions().FreeMemory(m_memory);
    }
    T** Out() { return &m_memory; }
    T* Get() const { return m_memory; }

private:
    T* m_memory = nullptr;
};

void CopyBytes(const void* data, DWORD size, std::vector<unsigned char>& out)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (bytes)
        out.assign(bytes, bytes + size);
    else
        out.clear();
}

// The text of a fixed WCHAR field, never read past the field.
template <size_t Size>
std::wstring FieldText(const WCHAR (&field)[Size])
{
    size_t length = 0;
    while (length < Size && field[length] != 0)
        ++length;
    return std::wstring(field, length);
}

class CSystemWlanApi final : public IWlanApi {
public:
    ~CSystemWlanApi() override { Close(); }

    DWORD Open() override
    {
        const WlanFunctions& f = Functions();
        if (!f.OpenHandle || !f.CloseHandle || !f.FreeMemory)
            return ERROR_PROC_NOT_FOUND;
        if (m_handle)
            return ERROR_SUCCESS;
        DWORD negotiated = 0;
        HANDLE handle = nullptr;
        const DWORD result = f.OpenHandle(ClientVersion, nullptr, &negotiated, &handle);
        if (result == ERROR_SUCCESS)
            m_handle = handle;
        return result;
    }

    void Close() override
    {
        // Closing the handle ends the notifications and waits for a callback that runs.
        if (m_handle)
            Functions().CloseHandle(m_handle, nullptr);
        m_handle = nullptr;
        m_sink.store(nullptr);
    }

    DWORD EnumInterfaces(std::vector<WlanInterfaceInfo>& interfaces) override
    {
        interfaces.clear();
        if (DWORD refused = Usable(Functions().EnumInterfaces))
            return refused;
        CWlanMemory<WLAN_INTERFACE_INFO_LIST> list;
        const DWORD result = Functions().EnumInterfaces(m_handle, nullptr, list.Out());
        if (result != ERROR_SUCCESS || !list.Get())
            return result;
        for (DWORD i = 0; i < list.Get()->dwNumberOfItems; ++i) {
            const WLAN_INTERFACE_INFO& info = list.Get()->InterfaceInfo[i];
            interfaces.push_back({info.InterfaceGuid, FieldText(info.strInterfaceDescription),
                                  static_cast<DWORD>(info.isState)});
        }
        return ERROR_SUCCESS;
    }

    DWORD QueryInterface(const GUID& iface, WLAN_INTF_OPCODE opcode, std::vector<unsigned char>& data) override
    {
        data.clear();
        if (DWORD refused = Usable(Functions().QueryInterface))
            return refused;
        DWORD size = 0;
        CWlanMemory<void> answer;
        const DWORD result =
            Functions().QueryInterface(m_handle, &iface, opcode, nullptr, &size, answer.Out(), nullptr);
        if (result == ERROR_SUCCESS)
            CopyBytes(answer.Get(), size, data);
        return result;
    }

    DWORD SetInterface(const GUID& iface, WLAN_INTF_OPCODE opcode, const std::vector<unsigned char>& data) override
    {
        if (DWORD refused = Usable(Functions().SetInterface))
            return refused;
        std::vector<unsigned char> copy = data;  // the declaration takes a non-constant pointer
        return Functions().SetInterface(m_handle, &iface, opcode, static_cast<DWORD>(copy.size()), copy.data(),
                                        nullptr);
    }

    DWORD Scan(const GUID& iface) override
    {
        if (DWORD refused = Usable(Functions().Scan))
            return refused;
        return Functions().Scan(m_handle, &iface, nullptr, nullptr, nullptr);
    }

    DWORD GetNetworkBssList(const GUID& iface, std::vector<unsigned char>& list) override
    {
        list.clear();
        if (DWORD refused = Usable(Functions().GetNetworkBssList))
            return refused;
        CWlanMemory<WLAN_BSS_LIST> answer;
        const DWORD result = Functions().GetNetworkBssList(m_handle, &iface, nullptr, dot11_BSS_type_any, FALSE,
                                                           nullptr, answer.Out());
        // The list states its own size, entries and information elements included.
        if (result == ERROR_SUCCESS && answer.Get())
            CopyBytes(answer.Get(), answer.Get()->dwTotalSize, list);
        return result;
    }

    DWORD Connect(const GUID& iface, const WlanConnectRequest& request) override
    {
        if (DWORD refused = Usable(Functions().Connect))
            return refused;
        WLAN_CONNECTION_PARAMETERS parameters{};
        parameters.wlanConnectionMode = request.Mode;
        parameters.strProfile = request.Profile.c_str();
        parameters.dot11BssType = request.BssType;
        parameters.dwFlags = request.Flags;
        return Functions().Connect(m_handle, &iface, &parameters, nullptr);
    }

    DWORD Disconnect(const GUID& iface) override
    {
        if (DWORD refused = Usable(Functions().Disconnect))
            return refused;
        return Functions().Disconnect(m_handle, &iface, nullptr);
    }

    DWORD SetProfile(const GUID& iface, DWORD flags, const std::wstring& xml, DWORD& reason) override
    {
        reason = 0;
        if (DWORD refused = Usable(Functions().SetProfile))
            return refused;
        return Functions().SetProfile(m_handle, &iface, flags, xml.c_str(), nullptr, TRUE, nullptr, &reason);
    }

    DWORD SetProfileEapUserData(const GUID& iface, const std::wstring& profile, const std::wstring& userData) override
    {
        if (DWORD refused = Usable(Functions().SetProfileEapXmlUserData))
            return refused;
        return Functions().SetProfileEapXmlUserData(m_handle, &iface, profile.c_str(), 0, userData.c_str(), nullptr);
    }

    DWORD GetProfileList(const GUID& iface, std::vector<WlanProfileEntry>& profiles) override
    {
        profiles.clear();
        if (DWORD refused = Usable(Functions().GetProfileList))
            return refused;
        CWlanMemory<WLAN_PROFILE_INFO_LIST> list;
        const DWORD result = Functions().GetProfileList(m_handle, &iface, nullptr, list.Out());
        if (result != ERROR_SUCCESS || !list.Get())
            return result;
        for (DWORD i = 0; i < list.Get()->dwNumberOfItems; ++i) {
            const WLAN_PROFILE_INFO& info = list.Get()->ProfileInfo[i];
            profiles.push_back({FieldText(info.strProfileName), info.dwFlags});
        }
        return ERROR_SUCCESS;
    }

    DWORD GetProfile(const GUID& iface, const std::wstring& name, DWORD& flags, std::wstring& xml) override
    {
        xml.clear();
        if (DWORD refused = Usable(Functions().GetProfile))
            return refused;
        CWlanMemory<WCHAR> text;
        DWORD access = 0;
        const DWORD result =
            Functions().GetProfile(m_handle, &iface, name.c_str(), nullptr, text.Out(), &flags, &access);
        if (result == ERROR_SUCCESS && text.Get())
            xml = text.Get();
        return result;
    }

    DWORD DeleteProfile(const GUID& iface, const std::wstring& name) override
    {
        if (DWORD refused = Usable(Functions().DeleteProfile))
            return refused;
        return Functions().DeleteProfile(m_handle, &iface, name.c_str(), nullptr);
    }

    DWORD SetProfilePosition(const GUID& iface, const std::wstring& name, DWORD position) override
    {
        if (DWORD refused = Usable(Functions().SetProfilePosition))
            return refused;
        return Functions().SetProfilePosition(m_handle, &iface, name.c_str(), position, nullptr);
    }

    DWORD RegisterNotifications(IWlanEventSink* sink) override
    {
        if (DWORD refused = Usable(Functions().RegisterNotification))
            return refused;
        if (sink)
            m_sink.store(sink);
        const DWORD sources = sink ? WLAN_NOTIFICATION_SOURCE_ACM : WLAN_NOTIFICATION_SOURCE_NONE;
        const DWORD result = Functions().RegisterNotification(m_handle, sources, FALSE, sink ? &Deliver : nullptr,
                                                              this, nullptr, nullptr);
        if (!sink || result != ERROR_SUCCESS)
            m_sink.store(nullptr);
        return result;
    }

private:
    template <class Function>
    DWORD Usable(Function* function) const
    {
        if (!function)
            return ERROR_PROC_NOT_FOUND;
        return m_handle ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
    }

    static VOID WINAPI Deliver(PWLAN_NOTIFICATION_DATA data, PVOID context)
    {
        auto* self = static_cast<CSystemWlanApi*>(context);
        IWlanEventSink* sink = self ? self->m_sink.load() : nullptr;
        if (!sink || !data)
            return;
        WlanEvent event{data->NotificationSource, data->NotificationCode, data->InterfaceGuid, {}};
        CopyBytes(data->pData, data->pData ? data->dwDataSize : 0, event.Data);
        sink->OnWlanEvent(event);
    }

    HANDLE m_handle = nullptr;
    std::atomic<IWlanEventSink*> m_sink{nullptr};
};

}  // namespace

std::unique_ptr<IWlanApi> CreateSystemWlanApi()
{
    return std::make_unique<CSystemWlanApi>();
}
