// The fail switch: any one library function can be made to fail until told otherwise.
#ifndef VEXA5200_FAILURES_H
#define VEXA5200_FAILURES_H

#include "AdapterState.h"

namespace vexa {

enum class Fn : int {
    OpenAdapter, CloseAdapter, SetDisassociate, Scan, GetConnectStatus,
    QueryHardwareStatus, QueryRadioControl, QueryNetworkMode, QueryChannel, QueryLinkSpeed, QueryRssi,
    QueryFirmwareVersion, QueryRegionCode,
    SetRadioControl, SetNetworkMode, SetChannel, SetDataRate, SetPowerMode, SetPreamble, SetRxAntenna,
    SetAuthMode, SetWepStatus, SetFswCCXNetworkEap,
    QueryRegistryPath, QuerySsid, QueryDriverVersion, QueryScanList, QueryBssid, QueryStatistics,
    SetSsid, SetWepKey, SetWPAInformation, WPACreateIdentityTLS, WPAPortDown,
    QueryRegistry, QueryRegistryDword, SetRegistry,
    Count
};

// Index of a function named with or without the "Vexa5200" prefix (case-insensitive); -1
// when there is none.
int FunctionIndex(const char* name);
const char* FunctionName(int index);

inline bool Failing(const AdapterCore& s, Fn f)
{
    return (s.Failures >> static_cast<int>(f)) & 1;
}

}  // namespace vexa

#endif
