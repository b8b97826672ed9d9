#include "ZeroConfig.h"

#include "AdapterHandle.h"

#include "framework/Handles.h"
#include "framework/SystemLibrary.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <string>

namespace {

// The shell's Network Connections folder.
constexpr CLSID NetworkConnectionsFolder = {
    0x7007ACC7, 0x3202, 0x11D1, {0xAA, 0xD2, 0x00, 0x80, 0x5F, 0xC1, 0x27, 0x0E}};

// The COM calls, bound when the properties page is first asked for: ole32.dll stays out of
// a process that never opens it.
struct ComCalls {
    decltype(&::CoInitialize) Initialize = nullptr;
    decltype(&::CoUninitialize) Uninitialize = nullptr;
    decltype(&::CoCreateInstance) CreateInstance = nullptr;
    decltype(&::CoTaskMemFree) TaskMemFree = nullptr;
    bool Bound = false;
};

const ComCalls& Ole32()
{
    static const ComCalls calls = [] {
        const CSystemLibrary library("ole32.dll");
        ComCalls found;
        found.Bound = library.Find(found.Initialize, "CoInitialize") &&
                      library.Find(found.Uninitialize, "CoUninitialize") &&
                      library.Find(found.CreateInstance, "CoCreateInstance") &&
                      library.Find(found.TaskMemFree, "CoTaskMemFree");
        return found;
    }();
    return calls;
}

std::string InstanceIdText()
{
    char id[AdapterInstanceIdSize];
    std::memcpy(id, AdapterInstanceId, sizeof(id));
    id[sizeof(id) - 1] = '\0';
    return id;
}

// Hands the "wzcproperties" verb of the connection named parseName to the shell.
bool InvokeWirelessProperties(const ComCalls& ole32, IShellFolder* folder, wchar_t* parseName)
{
    PIDLIST_RELATIVE item = nullptr;
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, parseName, nullptr, &item, nullptr)) || !item)
        return false;

    bool invoked = false;
    PCUITEMID_CHILD items[1] = {static_cast<PCUITEMID_CHILD>(item)};
    if (CComPtr<IContextMenu> menu;
        SUCCEEDED(folder->GetUIObjectOf(nullptr, 1, items, IID_IContextMenu, nullptr, menu.ReceiveVoid())) && menu) {
        CMINVOKECOMMANDINFO command = {};
        command.cbSize = sizeof(command);
        command.lpVerb = "wzcproperties";
        invoked = SUCCEEDED(menu->InvokeCommand(&command));
    }
    ole32.TaskMemFree(item);
    return invoked;
}

}  // namespace

bool IsZeroConfigManaging()
{
    const std::string path = std::string(ZeroConfigInterfacesKey) + InstanceIdText();

    CRegistryKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return true;

    // The flags are the value's bytes read into 4, whatever its type: a shorter value leaves
    // the rest zero, and only a value too long for them (or none) counts as no readable flags.
    DWORD flags = 0;
    DWORD size = sizeof(flags);
    if (RegQueryValueExA(key, "ControlFlags", nullptr, nullptr, reinterpret_cast<BYTE*>(&flags), &size) !=
        ERROR_SUCCESS)
        return false;
    return (flags & ZeroConfigManagedFlag) != 0;
}

bool OpenZeroConfigProperties()
{
    // Without COM there is no folder to ask.
    const ComCalls& ole32 = Ole32();
    if (!ole32.Bound)
        return false;
    const HRESULT initialised = ole32.Initialize(nullptr);

    bool invoked = false;
    // The folder goes at the end of the if, before COM is let go.
    if (CComPtr<IShellFolder> folder;
        SUCCEEDED(ole32.CreateInstance(NetworkConnectionsFolder, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                                       folder.ReceiveVoid())) &&
        folder) {
        const std::string id = InstanceIdText();
        wchar_t parseName[2 + AdapterInstanceIdSize] = L"::";
        if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, id.c_str(), -1, parseName + 2, AdapterInstanceIdSize) > 0)
            invoked = InvokeWirelessProperties(ole32, folder, parseName);
    }

    if (SUCCEEDED(initialised))
        ole32.Uninitialize();
    return invoked;
}
