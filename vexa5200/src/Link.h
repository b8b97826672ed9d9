// Association and the live link: joining, holding and dropping, signal and traffic. Time is
// evaluated lazily: every call into the library first brings the link up to the moment of
// the call, so no thread runs in the background.
#ifndef VEXA5200_LINK_H
#define VEXA5200_LINK_H

#include "AdapterState.h"

namespace vexa {

void AdvanceLink(AdapterState& s, uint64_t now);

// Starts a join to ssid (empty: any network that fits); completes after the join delay. As a
// real card does, the adapter keeps trying: whenever it is not associated and a network that
// fits is in range, it joins again, until ForgetTarget.
void StartJoin(AdapterState& s, const char* ssid, unsigned long length, uint64_t now);
// The link goes down (the network left, or no longer fits); the adapter keeps trying.
void DropLink(AdapterState& s);
// The link goes down and the adapter stops trying: disassociation, radio off, card removal.
void ForgetTarget(AdapterState& s);

bool IsAssociated(const AdapterCore& s);
// True when a join is due to complete: the state must then be brought up to date under the lock.
bool JoinDue(const AdapterCore& s, uint64_t now);
bool SecurityMatches(const AdapterConfig& c, const VexaSimNetwork& n);

// Signal of the associated network as the adapter measures it: its level plus a drift of a
// few dB that changes every second and a half.
int LinkRssi(const AdapterCore& s, uint64_t now);
int MeasuredRssi(int level, const unsigned char bssid[6], uint64_t now);
// Current transmit rate in 100 bit/s.
unsigned long LinkSpeed(const AdapterCore& s);

// Fragment counters as they stand at now, without changing the state.
struct TrafficCounters {
    uint64_t Rx, Tx, RxRemainder, TxRemainder;
};
TrafficCounters CountersAt(const AdapterCore& s, uint64_t now);

}  // namespace vexa

#endif
