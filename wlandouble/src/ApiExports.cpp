// The Native Wifi calls of the double: handles, interfaces, scans and the BSS list, joins.
// Signatures as <wlanapi.h> declares them; exported by wlanapi.def.
#include "Answers.h"
#include "Calls.h"
#include "Memory.h"
#include "ProfileRead.h"

#include <cstring>

using namespace wdouble;

namespace {

std::string Utf8(const wchar_t* name)
{
    char text[MaxNameChars * 3];
    NameToUtf8(name ? name : L"", text, sizeof text);
    return text;
}

// [Wi-Fi access and location] Without location consent (Windows 11 24H2) the scan, the BSS
// list and the current connection are refused.
bool LocationRefused(CCall& call)
{
    return !call.State().Config.LocationConsent;
}

}  // namespace

extern "C" {

DWORD WINAPI WlanOpenHandle(DWORD dwClientVersion, PVOID, PDWORD pdwNegotiatedVersion, PHANDLE phClientHandle)
{
    if (!pdwNegotiatedVersion || !phClientHandle)
        return ERROR_INVALID_PARAMETER;
    if (dwClientVersion != 1 && dwClientVersion != 2)
        return ERROR_NOT_SUPPORTED;
    HANDLE handle = CClients::Instance().Open();
    if (!handle)
        return ERROR_REMOTE_SESSION_LIMIT_EXCEEDED;
    *pdwNegotiatedVersion = dwClientVersion;
    *phClientHandle = handle;
    CCall call(handle, nullptr, false, "WlanOpenHandle");
    return call.Finish(ERROR_SUCCESS);
}

DWORD WINAPI WlanCloseHandle(HANDLE hClientHandle, PVOID)
{
    {
        CCall call(hClientHandle, nullptr, false, "WlanCloseHandle");
        if (call.Refused())
            return call.Finish(call.Refused());
        call.Finish(ERROR_SUCCESS);
    }
    // Outside the service's lock: a callback that runs may need it to end.
    return CClients::Instance().Close(hClientHandle);
}

PVOID WINAPI WlanAllocateMemory(DWORD dwMemorySize)
{
    return Allocate(dwMemorySize);
}

VOID WINAPI WlanFreeMemory(PVOID pMemory)
{
    Free(pMemory);
}

DWORD WINAPI WlanEnumInterfaces(HANDLE hClientHandle, PVOID, PWLAN_INTERFACE_INFO_LIST* ppInterfaceList)
{
    CCall call(hClientHandle, nullptr, false, "WlanEnumInterfaces");
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!ppInterfaceList)
        return call.Finish(ERROR_INVALID_PARAMETER);
    *ppInterfaceList = InterfaceList(call.State());
    return call.Finish(*ppInterfaceList ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY);
}

DWORD WINAPI WlanQueryInterface(HANDLE hClientHandle, const GUID* pInterfaceGuid, WLAN_INTF_OPCODE OpCode, PVOID,
                                PDWORD pdwDataSize, PVOID* ppData, PWLAN_OPCODE_VALUE_TYPE pWlanOpcodeValueType)
{
    CCall call(hClientHandle, pInterfaceGuid, true, std::string("WlanQueryInterface ") + OpcodeName(OpCode));
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!pdwDataSize || !ppData)
        return call.Finish(ERROR_INVALID_PARAMETER);
    *ppData = nullptr;
    *pdwDataSize = 0;
    if (OpCode == wlan_intf_opcode_current_connection && LocationRefused(call))
        return call.Finish(ERROR_ACCESS_DENIED);
    DWORD size = 0;
    void* data = nullptr;
    WLAN_OPCODE_VALUE_TYPE type = wlan_opcode_value_type_query_only;
    const DWORD result = QueryAnswer(call.State(), call.World(), call.Interface(), OpCode, call.Now(), size, data, type);
    if (result == ERROR_SUCCESS) {
        *ppData = data;
        *pdwDataSize = size;
        if (pWlanOpcodeValueType)
            *pWlanOpcodeValueType = type;
    }
    return call.Finish(result);
}

DWORD WINAPI WlanSetInterface(HANDLE hClientHandle, const GUID* pInterfaceGuid, WLAN_INTF_OPCODE OpCode,
                              DWORD dwDataSize, const PVOID pData, PVOID)
{
    CCall call(hClientHandle, pInterfaceGuid, true, std::string("WlanSetInterface ") + OpcodeName(OpCode));
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!pData || dwDataSize == 0)
        return call.Finish(ERROR_INVALID_PARAMETER);
    // [Native Wifi API permissions] A user without the right to change the interface.
    if (call.State().Config.RefuseSetInterface)
        return call.Finish(ERROR_ACCESS_DENIED);
    switch (OpCode) {
    case wlan_intf_opcode_radio_state: {
        if (dwDataSize < sizeof(WLAN_PHY_RADIO_STATE))
            return call.Finish(ERROR_INVALID_PARAMETER);
        WLAN_PHY_RADIO_STATE radio;
        std::memcpy(&radio, pData, sizeof radio);
        if (radio.dot11SoftwareRadioState != dot11_radio_state_on && radio.dot11SoftwareRadioState != dot11_radio_state_off)
            return call.Finish(ERROR_INVALID_PARAMETER);
        const bool on = radio.dot11SoftwareRadioState == dot11_radio_state_on;
        call.Name(on ? "on" : "off");
        // [WlanSetInterface] Only the software radio state can be set.
        SetSoftwareRadio(call.State(), call.Interface(), on, call.Now());
        return call.Finish(ERROR_SUCCESS);
    }
    case wlan_intf_opcode_autoconf_enabled:
    case wlan_intf_opcode_background_scan_enabled:
    case wlan_intf_opcode_bss_type:
        return call.Finish(ERROR_SUCCESS);
    default:
        return call.Finish(ERROR_INVALID_PARAMETER);
    }
}

DWORD WINAPI WlanScan(HANDLE hClientHandle, const GUID* pInterfaceGuid, const PDOT11_SSID, const PWLAN_RAW_DATA, PVOID)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanScan");
    if (call.Refused())
        return call.Finish(call.Refused());
    if (LocationRefused(call))
        return call.Finish(ERROR_ACCESS_DENIED);
    StartScan(call.State(), call.Interface(), call.Now());
    return call.Finish(ERROR_SUCCESS);
}

DWORD WINAPI WlanGetNetworkBssList(HANDLE hClientHandle, const GUID* pInterfaceGuid, const PDOT11_SSID pDot11Ssid,
                                   DOT11_BSS_TYPE dot11BssType, WINBOOL bSecurityEnabled, PVOID,
                                   PWLAN_BSS_LIST* ppWlanBssList)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanGetNetworkBssList");
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!ppWlanBssList)
        return call.Finish(ERROR_INVALID_PARAMETER);
    *ppWlanBssList = nullptr;
    if (LocationRefused(call))
        return call.Finish(ERROR_ACCESS_DENIED);
    *ppWlanBssList = BssList(call.State(), call.World(), call.Interface(), pDot11Ssid, dot11BssType, bSecurityEnabled,
                             call.Now());
    return call.Finish(*ppWlanBssList ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY);
}

DWORD WINAPI WlanConnect(HANDLE hClientHandle, const GUID* pInterfaceGuid,
                         const PWLAN_CONNECTION_PARAMETERS pConnectionParameters, PVOID)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanConnect");
    if (call.Refused())
        return call.Finish(call.Refused());
    const PWLAN_CONNECTION_PARAMETERS p = pConnectionParameters;
    if (!p || !p->strProfile)
        return call.Finish(ERROR_INVALID_PARAMETER);
    ProfileFacts facts;
    DWORD reason = 0;
    if (p->wlanConnectionMode == wlan_connection_mode_temporary_profile) {
        call.Name("temporary");
        if (!ReadProfile(p->strProfile, facts, reason)) {
            call.Name("?");
            return call.Finish(ERROR_BAD_PROFILE);
        }
        call.Name(Utf8(facts.Name));
    } else if (p->wlanConnectionMode == wlan_connection_mode_profile) {
        call.Name("profile " + Utf8(p->strProfile));
        const int stored = FindProfile(call.State(), call.Interface(), p->strProfile);
        if (stored < 0)
            return call.Finish(ERROR_NOT_FOUND);
        if (!ReadProfile(call.State().Profiles[call.Interface()][stored].Xml, facts, reason))
            return call.Finish(ERROR_BAD_PROFILE);
        // The stored profile's own name: the one the list and the notifications give.
        std::memcpy(facts.Name, call.State().Profiles[call.Interface()][stored].Name, sizeof facts.Name);
    } else {
        return call.Finish(ERROR_INVALID_PARAMETER);
    }
    // [Native Wifi API permissions] Connecting needs the right to use the interface.
    if (call.State().Config.RefuseConnect)
        return call.Finish(ERROR_ACCESS_DENIED);
    StartJoin(call.State(), call.Interface(), facts, p->wlanConnectionMode, false, call.Now());
    return call.Finish(ERROR_SUCCESS);
}

DWORD WINAPI WlanDisconnect(HANDLE hClientHandle, const GUID* pInterfaceGuid, PVOID)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanDisconnect");
    if (call.Refused())
        return call.Finish(call.Refused());
    if (call.State().Config.RefuseDisconnect)
        return call.Finish(ERROR_ACCESS_DENIED);
    InterfaceState& st = call.State().Interfaces[call.Interface()];
    if (st.LinkPhase != Phase::Idle) {
        EndLink(call.State(), call.Interface(), 0, call.Now(), true);
    } else if (!st.AutoConnectArmed) {
        st.AutoConnectArmed = 1;  // Windows takes an idle interface back after a disconnect too
        st.IdleSince = call.Now();
    }
    return call.Finish(ERROR_SUCCESS);
}

}  // extern "C"
