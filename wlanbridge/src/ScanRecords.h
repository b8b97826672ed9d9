// The library's scan answer from Native Wifi's BSS list: an NDIS_802_11_BSSID_LIST of
// NDIS_WLAN_BSSID records, each followed by the beacon's information elements and carrying
// its own length, as a card's driver gives it.
#ifndef SKYLOOK_WLANBRIDGE_SCAN_RECORDS_H
#define SKYLOOK_WLANBRIDGE_SCAN_RECORDS_H

#include <vector>

// Writes every record when the caller's buffer holds them all; else the strongest records
// that fit whole, in Windows' order, then the strongest of the others keeping only the whole
// elements that fit, and no record after it. False, with nothing written, when size cannot
// hold even the list's count.
bool WriteScanRecords(const std::vector<unsigned char>& bssList, void* buffer, unsigned long size);

#endif
