// The link as the connection notifications tell it: the service's notification thread
// applies each event to a snapshot that the query functions read under a lock.
#ifndef SKYLOOK_WLANBRIDGE_LINK_EVENTS_H
#define SKYLOOK_WLANBRIDGE_LINK_EVENTS_H

#include "WlanApi.h"

#include <string>

enum class LinkPhase { Idle, Connecting, Connected, Failed };

struct LinkSnapshot {
    LinkPhase Phase = LinkPhase::Idle;
    std::string TargetSsid;  // the network being joined, while Connecting
    bool ScanRunning = false;
    bool InterfaceGone = false;
};

// Applies one notification meant for this interface; others leave the snapshot alone.
void ApplyEvent(LinkSnapshot& link, const GUID& iface, const WlanEvent& event);

// The phase an interface state reads as (at opening, or where no notifications come).
LinkPhase PhaseOfInterfaceState(DWORD state);

#endif
