// The networks the adapter saw in its last scan, as the Site Survey page lists them.
#ifndef SKYLOOK_SCAN_LIST_H
#define SKYLOOK_SCAN_LIST_H

#include "ScanSecurity.h"
#include "record/ChannelFrequency.h"

#include <cstddef>
#include <cstdint>

struct ScanEntry {
    char Ssid[33];         // at most 32 bytes of the SSID, always NUL-terminated
    char Bssid[18];        // "%02X-%02X-%02X-%02X-%02X-%02X"
    uint32_t NetworkMode;  // 0 ad-hoc, 1 infrastructure, as the adapter reports it
    uint32_t Channel;
    int32_t SignalStrength;  // 0-100
    uint32_t Privacy;        // 1 when the network requires encryption
};

constexpr int ScanListCapacity = 32;

struct ScanList {
    int32_t Count;  // 0-32
    ScanEntry Entries[ScanListCapacity];
};

// Bytes of the answer buffer handed to the library.
constexpr unsigned long ScanAnswerSize = 0x6000;

// Reads the adapter's last scan into list. False when the library call failed; the list is
// then untouched. Entries from Count on keep what the caller left in them. security, when
// given, receives what each converted entry asks of a client, entry by entry.
bool ReadScanList(ScanList& list, NetworkSecurity* security = nullptr);

// Converts an NDIS 802.11 BSSID list of size bytes into list (the part of ReadScanList that
// needs no adapter). The walk stops at the first record that is shorter than a record or
// runs past the answer; Count is the number of entries converted.
void ConvertScanAnswer(const unsigned char* answer, size_t size, ScanList& list,
                       NetworkSecurity* security = nullptr);

#endif
