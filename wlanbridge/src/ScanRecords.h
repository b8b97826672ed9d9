// The library's scan answer from Native Wifi's BSS list: an NDIS_802_11_BSSID_LIST of
// NDIS_WLAN_BSSID records, each followed by the beacon's information elements and carrying
// its own length, as a card's driver gives it.
#ifndef SKYLOOK_WLANBRIDGE_SCAN_RECORDS_H
#define SKYLOOK_WLANBRIDGE_SCAN_RECORDS_H

#include <vector>

// Writes as many whole records as the caller's buffer holds; the record that does not fit
// whole keeps only the elements that fit (whole elements), and no record follows it. False,
// with nothing written, when size cannot hold even the list's count.
bool WriteScanRecords(const std::vector<unsigned char>& bssList, void* buffer, unsigned long size);

#endif
