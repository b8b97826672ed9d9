#include "AdapterLifetime.h"

#include "AdapterHandle.h"
#include "AdapterWrappers.h"

void OpenAdapterAtStart()
{
    Vexa5200OpenAdapter(&AdapterHandle);
    GetAdapterInstanceId(AdapterInstanceId, sizeof AdapterInstanceId);
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
