// The library's results as the bridge's adapter gives them.
#ifndef SKYLOOK_WLANBRIDGE_ADAPTER_RESULTS_H
#define SKYLOOK_WLANBRIDGE_ADAPTER_RESULTS_H

#include "Vexa5200.h"

constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int LocationDenied = VEXA5200_ERROR_LOCATION_DENIED;
constexpr int NeedsWindowsSettings = VEXA5200_ERROR_NEEDS_WINDOWS_SETTINGS;

// A call that acts (a profile stored, a connect, a disconnect, the radio set): access denied
// there is a plain permission refusal (Native Wifi API permissions), not the location's.
inline int ResultOf(DWORD error)
{
    return error == ERROR_SUCCESS ? Ok : Failed;
}

// The calls Windows counts as location use (the scan, the BSS list, the current connection)
// answer access denied to a desktop program without location access (Wi-Fi access and
// location).
inline int LocationResultOf(DWORD error)
{
    if (error == ERROR_SUCCESS)
        return Ok;
    return error == ERROR_ACCESS_DENIED ? LocationDenied : Failed;
}

constexpr unsigned long LowestChannel = 1;
constexpr unsigned long HighestChannel = 14;

#endif
