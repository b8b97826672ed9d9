// The library's results as the bridge's adapter gives them.
#ifndef SKYLOOK_WLANBRIDGE_ADAPTER_RESULTS_H
#define SKYLOOK_WLANBRIDGE_ADAPTER_RESULTS_H

#include "Vexa5200.h"

constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int LocationDenied = VEXA5200_ERROR_LOCATION_DENIED;

// Windows refuses the network's details (connection, scan, BSS list) with access denied to a
// desktop program that has no location access.
inline int ResultOf(DWORD error)
{
    if (error == ERROR_SUCCESS)
        return Ok;
    return error == ERROR_ACCESS_DENIED ? LocationDenied : Failed;
}

constexpr unsigned long LowestChannel = 1;
constexpr unsigned long HighestChannel = 14;

#endif
