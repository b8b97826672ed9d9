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
    ULONGLONG ScanDeadline = 0;  // when a scan whose end no notification told counts as ended
    bool InterfaceGone = false;
    unsigned Generation = 0;  // counts the changes, so that what was read of the link can age
};

// WlanScan: a client waits for scan_complete "or timeout after 4 seconds".
constexpr ULONGLONG ScanTimeoutMs = 4000;

// A scan started and not yet ended, by its notification or by the time a scan takes at most.
bool ScanInProgress(const LinkSnapshot& link, ULONGLONG now);

// Applies one notification meant for this interface; others leave the snapshot alone.
void ApplyEvent(LinkSnapshot& link, const GUID& iface, const WlanEvent& event);

// The phase an interface state reads as (at opening, or where no notifications come).
LinkPhase PhaseOfInterfaceState(DWORD state);

#endif
