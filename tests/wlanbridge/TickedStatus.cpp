#include "TickedStatus.h"

#include "BridgeSessions.h"

#include <cstring>

ULONGLONG& BridgeNow()
{
    static ULONGLONG now = 0;
    return now;
}

void UseBridgeClock(bool own)
{
    SetBridgeClock(own ? CWlanAdapter::Clock([] { return BridgeNow(); }) : CWlanAdapter::Clock());
}

AdapterStatus TickedStatus()
{
    BridgeNow() += 1000;
    AdapterStatus status;
    std::memset(&status, 0, sizeof status);
    QueryAdapterStatus(status);
    return status;
}
