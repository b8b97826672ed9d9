// What the status queries answer, read from Native Wifi's interface queries. Each reader
// takes the raw answer and gives a sound default for a short or malformed one.
#ifndef SKYLOOK_WLANBRIDGE_LINK_FACTS_H
#define SKYLOOK_WLANBRIDGE_LINK_FACTS_H

#include "BssList.h"

#include <optional>
#include <string>
#include <vector>

struct ConnectionFacts {
    bool Connected = false;  // associated (infrastructure) or in an ad-hoc network
    std::string Ssid;        // the SSID bytes, at most 32
    unsigned char Bssid[6] = {};
    bool AdHoc = false;
    unsigned long SignalQuality = 0;  // 0-100
    unsigned long TxRate100bps = 0;   // the library's unit
};

// From the answer of the current_connection opcode (WLAN_CONNECTION_ATTRIBUTES).
ConnectionFacts ReadConnection(const std::vector<unsigned char>& attributes);

// The link's RSSI in dBm: the interface's own (rssi opcode, a LONG) when it answered, else
// the BSS entry of the connected BSSID, else from the signal quality (0 is -100 dBm, 100 is
// -50 dBm, linear).
long LinkRssi(const std::optional<std::vector<unsigned char>>& rssiAnswer, const ConnectionFacts& link,
              const std::vector<BssEntryView>& bss);

// The connected BSS's centre frequency in kHz, 0 when the list does not hold it.
unsigned long LinkFrequency(const ConnectionFacts& link, const std::vector<BssEntryView>& bss);

// From the radio_state opcode (WLAN_RADIO_STATE): on when a radio is on both in software and
// at its switch. An unreadable answer counts as on, so a driver that says nothing keeps the
// card usable.
struct RadioFacts {
    bool On = true;
    bool HardwareOn = true;
    std::vector<DWORD> PhyIndexes;
};
RadioFacts ReadRadio(const std::vector<unsigned char>& answer);

// From the statistics opcode (WLAN_STATISTICS): the fragment counts of every PHY the answer
// holds whole; false when it holds none.
bool ReadFragmentCounts(const std::vector<unsigned char>& answer, unsigned long long& tx, unsigned long long& rx);

#endif
