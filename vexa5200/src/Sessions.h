// Adapter handles of this process. A handle stays valid until it is closed or the card is
// removed (a real driver forgets its open instances when the device goes away).
#ifndef VEXA5200_SESSIONS_H
#define VEXA5200_SESSIONS_H

#include "AdapterState.h"

namespace vexa {

// Opening and closing happen with the adapter lock held.
VEXA5200_HANDLE OpenSession(const AdapterState& s);
bool CloseSession(VEXA5200_HANDLE handle);
// True for an open handle of the card now inserted.
bool SessionUsable(const AdapterCore& s, VEXA5200_HANDLE handle);

}  // namespace vexa

#endif
