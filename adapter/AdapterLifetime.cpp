#include "AdapterLifetime.h"

#include "AdapterHandle.h"
#include "AdapterWrappers.h"

#include <cstring>

namespace {

bool LinkedTo(const char* ssid)
{
    if (!ssid || !*ssid || Vexa5200GetConnectStatus(AdapterHandle) == 0)
        return false;
    unsigned long mode = 0;
    char linked[33] = {};
    return Vexa5200QueryNetworkMode(AdapterHandle, &mode) == 0 && mode == 1 &&
           Vexa5200QuerySsid(AdapterHandle, linked, sizeof linked) == 0 &&
           std::strncmp(linked, ssid, sizeof linked - 1) == 0;
}

}  // namespace

void OpenAdapterAtStart(const char* defaultSsid)
{
    Vexa5200OpenAdapter(&AdapterHandle);
    GetAdapterInstanceId(AdapterInstanceId, sizeof AdapterInstanceId);
    if (!LinkedTo(defaultSsid))
        Vexa5200SetDisassociate(AdapterHandle);
}

bool ReopenAdapter()
{
    Vexa5200CloseAdapter(&AdapterHandle);
    return OpenUsableAdapter();
}

bool OpenUsableAdapter()
{
    if (Vexa5200OpenAdapter(&AdapterHandle) == 0)
        GetAdapterInstanceId(AdapterInstanceId, sizeof AdapterInstanceId);

    unsigned long hardwareStatus = 0;
    if (Vexa5200QueryHardwareStatus(AdapterHandle, &hardwareStatus) != 0 || hardwareStatus != 0) {
        Vexa5200CloseAdapter(&AdapterHandle);
        return false;
    }
    return true;
}

void CloseAdapterAtEnd()
{
    Vexa5200CloseAdapter(&AdapterHandle);
}
