#include "Failures.h"

#include <windows.h>

namespace vexa {

namespace {

const char* const Names[] = {
    "OpenAdapter", "CloseAdapter", "SetDisassociate", "Scan", "GetConnectStatus",
    "QueryHardwareStatus", "QueryRadioControl", "QueryNetworkMode", "QueryChannel", "QueryLinkSpeed", "QueryRssi",
    "QueryFirmwareVersion", "QueryRegionCode",
    "SetRadioControl", "SetNetworkMode", "SetChannel", "SetDataRate", "SetPowerMode", "SetPreamble", "SetRxAntenna",
    "SetAuthMode", "SetWepStatus", "SetFswCCXNetworkEap",
    "QueryRegistryPath", "QuerySsid", "QueryDriverVersion", "QueryScanList", "QueryBssid", "QueryStatistics",
    "SetSsid", "SetWepKey", "SetWPAInformation", "WPACreateIdentityTLS", "WPAPortDown",
    "QueryRegistry", "QueryRegistryDword", "SetRegistry",
};
static_assert(sizeof Names / sizeof Names[0] == static_cast<int>(Fn::Count), "one name per function");
static_assert(static_cast<int>(Fn::Count) <= 64, "the failure set is one 64-bit mask");

}  // namespace

int FunctionIndex(const char* name)
{
    if (!name)
        return -1;
    static const char prefix[] = "vexa5200";
    int matched = 0;
    while (matched < 8 && name[matched] && (name[matched] | 0x20) == prefix[matched])
        ++matched;
    if (matched == 8)
        name += 8;
    for (int i = 0; i < static_cast<int>(Fn::Count); ++i)
        if (lstrcmpiA(name, Names[i]) == 0)
            return i;
    return -1;
}

const char* FunctionName(int index)
{
    return index >= 0 && index < static_cast<int>(Fn::Count) ? Names[index] : "";
}

}  // namespace vexa
