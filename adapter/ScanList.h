// The networks the adapter saw in its last scan: every one, and the rows the Site Survey page lists.
#ifndef SKYLOOK_SCAN_LIST_H
#define SKYLOOK_SCAN_LIST_H

#include "ScanSecurity.h"
#include "record/ChannelFrequency.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct ScanEntry {
    char Ssid[33];         // at most 32 bytes of the SSID, always NUL-terminated
    char Bssid[18];        // "%02X-%02X-%02X-%02X-%02X-%02X"
    uint32_t NetworkMode;  // 0 ad-hoc, 1 infrastructure, as the adapter reports it
    uint32_t Channel;
    int32_t SignalStrength;  // 0-100
    uint32_t Privacy;        // 1 when the network requires encryption
    RadioBand Band;          // the band Channel counts on
    bool Wpa3Only;           // it offers only WPA3, which the program's modes cannot join
};

// Rows of the Site Survey page's network list.
constexpr int ScanListCapacity = 32;

// The networks as the Site Survey page lists them: when more were heard than it has rows for,
// the strongest.
struct ScanList {
    int32_t Count;  // 0-32, the entries listed
    int32_t Heard;  // the networks in the adapter's answer, Count of them listed
    ScanEntry Entries[ScanListCapacity];
};

// A network of the adapter's answer, with what it asks of a client.
struct HeardNetwork {
    ScanEntry Entry;
    NetworkSecurity Security;
};

// Bytes of the answer buffer handed to the library.
constexpr unsigned long ScanAnswerSize = 0x6000;

// Reads every network of the adapter's last scan, in the adapter's order. False when the
// library call failed; networks is then untouched.
bool ReadHeardNetworks(std::vector<HeardNetwork>& networks);

// Converts an NDIS 802.11 BSSID list of size bytes (the part of ReadHeardNetworks that needs
// no adapter). The walk stops at the first record that is shorter than a record or runs past
// the answer, or when the answer's count is reached.
std::vector<HeardNetwork> ConvertScanAnswer(const unsigned char* answer, size_t size);

// Indexes of the networks, strongest first; equal strengths keep the adapter's order.
std::vector<int> StrongestFirst(const std::vector<HeardNetwork>& networks);

// The networks into the list: all of them when they fit, else the ScanListCapacity strongest,
// still in the adapter's order. Entries from Count on keep what the caller left in them.
void ListStrongest(const std::vector<HeardNetwork>& networks, ScanList& list);

// ReadHeardNetworks into the list form. False when the library call failed; the list is then
// untouched.
bool ReadScanList(ScanList& list);

#endif
