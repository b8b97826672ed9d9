// What the Link Info page shows, worked out from a status snapshot and the fragment
// counters. The page only writes these values into its controls.
#ifndef SKYLOOK_UI_LINK_INFO_DISPLAY_H
#define SKYLOOK_UI_LINK_INFO_DISPLAY_H

#include "adapter/AdapterStatus.h"

#include <cstdint>
#include <optional>
#include <string>

struct LinkDisplay {
    std::string Status;                  // the state, and the (I)BSSID once there is a network
    std::string Ssid;
    std::optional<std::string> Channel;  // nothing: keep the text shown before
    std::string TxRate;
    std::string LinkQualityText;         // "%d%%", or empty
    std::string SignalStrengthText;
    int LinkQualityBar = 0;
    int SignalStrengthBar = 0;

    bool operator==(const LinkDisplay&) const = default;
};

// The text for a LinkState; anything unknown reads as a driver that is not loaded.
const char* LinkStateText(int32_t state);

LinkDisplay DescribeLink(const AdapterStatus& status);

// The counters and the time of the last throughput reading; kept between openings.
struct ThroughputMemory {
    uint32_t Tick = 0;  // milliseconds
    uint32_t RxFragments = 0;
    uint32_t TxFragments = 0;
};

struct ThroughputDisplay {
    int TransmitRate = 0;  // delta x 8000 / milliseconds, shown with "Kbps"
    int ReceiveRate = 0;
    uint32_t TransmitGraph = 0;  // 25 x log10(rate): 0..100 spans 1..10000
    uint32_t ReceiveGraph = 0;

    bool operator==(const ThroughputDisplay&) const = default;
};

// The fragments counted since the last reading. A counter below the one seen before was
// restarted (card reinserted, library reset): everything it counts now is new.
uint32_t FragmentsSince(uint32_t previous, uint32_t now);

// 25 x log10(rate), 0 for rates below 1.
uint32_t ThroughputGraphValue(int rate);

// Takes a reading at tickNow into memory; nothing to show when no time has passed.
std::optional<ThroughputDisplay> MeasureThroughput(ThroughputMemory& memory, uint32_t tickNow,
                                                   const AdapterStatus& status);

// Rescan waits for the adapter's search: the count runs 1, 3, 5, 7 and the search is over
// on the fourth tick. True when this tick ends the wait.
bool RescanTick(int& count);

#endif
