// The list of networks seen by the last scan, and its NDIS form: an NDIS_802_11_BSSID_LIST
// of variable-length NDIS_WLAN_BSSID records, each followed by the beacon's information
// elements and carrying its own Length.
#ifndef VEXA5200_SCAN_LIST_H
#define VEXA5200_SCAN_LIST_H

#include "AdapterState.h"

namespace vexa {

void TakeScan(AdapterState& s, uint64_t now);
unsigned long ChannelFrequencyKHz(int channel);
// Writes the answer of Vexa5200QueryScanList (an injected answer once, when one is set).
// False when the buffer is too small; then nothing is written and an injected answer stays.
bool WriteScanList(AdapterState& s, void* buffer, unsigned long size);

}  // namespace vexa

#endif
