// How the double's service moves: scans that complete later, joins that end after their
// attempts, links lost with the network or the radio, interfaces that leave and come back,
// and Windows' own auto-connect. Time is taken lazily: every lock brings the state up to
// the moment (Advance), and the notification threads take the lock often.
#ifndef WLANDOUBLE_WORLD_H
#define WLANDOUBLE_WORLD_H

#include "DoubleState.h"
#include "Scene.h"

#include <windows.h>

namespace wdouble {

void Advance(DoubleState& s, const Scene& scene, uint64_t now);

bool RadioUsable(const DoubleState& s, const Scene& scene, int iface);
// The scene's network the interface is linked with, or -1.
int LinkedNetwork(const DoubleState& s, const Scene& scene, int iface);

// [WlanScan] returns at once; the scan completes after the scan delay with scan_complete,
// and the driver may flush the BSS list meanwhile.
void StartScan(DoubleState& s, int iface, uint64_t now);
// connection_start now; after the join delay, the attempt failures and connection_complete.
// A join replaces the link or join of the interface.
void StartJoin(DoubleState& s, int iface, const ProfileFacts& profile, int mode, bool byWindows, uint64_t now);
// The link or join ends (disconnected); armAutoConnect lets Windows connect by itself later.
void EndLink(DoubleState& s, int iface, DWORD reason, uint64_t now, bool armAutoConnect);
void SetSoftwareRadio(DoubleState& s, int iface, bool on, uint64_t now);
void SetInterfacePresent(DoubleState& s, int iface, bool present, uint64_t now);

// Index in the interface's stored profiles, or -1.
int FindProfile(const DoubleState& s, int iface, const wchar_t* name);

}  // namespace wdouble

#endif
