// The program's status query over the Windows Wi-Fi library, each query the next second of a
// clock the library's sessions read (SetBridgeClock): what one tick asks of Windows.
#ifndef SKYLOOK_TESTS_TICKED_STATUS_H
#define SKYLOOK_TESTS_TICKED_STATUS_H

#include "adapter/AdapterStatus.h"

#include <windows.h>

// The clock: milliseconds that only TickedStatus moves (and a test that wants to).
ULONGLONG& BridgeNow();

// The sessions opened after it read that clock (own) or the system's.
void UseBridgeClock(bool own);

AdapterStatus TickedStatus();

#endif
