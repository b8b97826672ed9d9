// One snapshot of the adapter, taken once per tick into the program-wide CurrentStatus.
#ifndef SKYLOOK_ADAPTER_STATUS_H
#define SKYLOOK_ADAPTER_STATUS_H

#include "record/AdapterSettings.h"

#include <cstdint>

// LinkState values. The query yields NoAdapter, NotAssociated, Associated, RadioOff and
// NotAssociatedAdHoc; Scanning is set by the pages and Connecting by the tick.
enum : int32_t {
    LinkNoAdapter = -1,
    LinkNotAssociated = 0,
    LinkScanning = 1,
    LinkConnecting = 2,
    LinkAssociated = 3,
    LinkRadioOff = 4,
    LinkNotAssociatedAdHoc = 5,
};

struct AdapterStatus {
    int32_t LinkState;
    char Ssid[33];
    char Bssid[18];        // "%02X-%02X-%02X-%02X-%02X-%02X"
    uint32_t NetworkMode;  // NetworkModeAdHoc, NetworkModeInfrastructure
    uint32_t Channel;
    char TxRate[12];       // Mbit/s with a trailing blank ("54 ", "5.5 "), or "Auto"
    int32_t LinkQuality;     // 0-100
    int32_t SignalStrength;  // 0-100
    uint32_t TxFragments;
    uint32_t RxFragments;
    bool LocationDenied;  // the system keeps the network's details from programs without location access
    bool NeedsWindowsSettings;  // the last join was refused: the network offers only WPA3
};

// What the user is told while LocationDenied: where to allow it.
constexpr const char* LocationAccessAdvice =
    "Windows withholds the network details: turn on location access for desktop apps in "
    "Settings > Privacy & security > Location";

// What the user is told while NeedsWindowsSettings: Skylook's WPA modes cannot join a network
// that offers only WPA3, Windows' own settings can. Short enough for Link Info's Status field.
constexpr const char* Wpa3OnlyAdvice = "Only WPA3: join this network in Windows' Wi-Fi settings";

// Fills status from the adapter. Fields that a query does not reach keep what the caller
// left in them (the tick hands a cleared record). False only when LinkState became -1.
bool QueryAdapterStatus(AdapterStatus& status);

// The rate text for a link speed in units of 100 bit/s.
void FormatTxRate(unsigned long speed100bps, char (&text)[12]);

#endif
