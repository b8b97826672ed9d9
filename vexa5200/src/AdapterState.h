// The software adapter's machine-wide state: the record that lives in named shared memory.
// Every field is plain data so the record can be copied, compared and shared between processes.
#ifndef VEXA5200_ADAPTER_STATE_H
#define VEXA5200_ADAPTER_STATE_H

#include "Vexa5200Control.h"

#include <cstdint>

namespace vexa {

constexpr int MaxNetworks = 64;
constexpr unsigned long MaxScanAnswer = 24576;
constexpr int MaxWepKeyBytes = 32;
constexpr int MaxWpaKeyText = 128;
constexpr int MaxIdentityText = 128;

constexpr unsigned long DefaultRegionCode = 0x10;
constexpr unsigned long DefaultJoinDelayMs = 1000;
constexpr unsigned long DefaultTrafficRate = 400;  // received fragments per second
constexpr int DropThresholdDbm = -95;    // below this a link cannot be held or made
constexpr int AudibleThresholdDbm = -100;  // below this a network is not seen by a scan
constexpr int AutoRateCode = 255;

enum class LinkPhase : int { Idle = 0, Joining = 1, Associated = 2 };

struct WepKeySlot {
    unsigned char Bytes[MaxWepKeyBytes];
    unsigned long Length;  // 0 = never set
};

// What the program configured through the Set functions.
struct AdapterConfig {
    unsigned long NetworkMode;  // 0 ad-hoc, 1 infrastructure
    unsigned long Channel;
    unsigned long RateCode;     // 802.11 code in 500 kbit/s, 255 Auto
    unsigned long PowerMode;
    unsigned long Preamble;
    unsigned long RxAntenna;
    unsigned long AuthMode;     // 0 open, 1 shared, 3 WPA, 4 WPA-PSK
    unsigned long WepStatus;    // 0 WEP on, 1 off, 4 TKIP
    unsigned long FswCcxNetworkEap;
    WepKeySlot WepKeys[4];
    int TransmitKey;            // 0-3, -1 when no key was marked for sending
    unsigned long WpaMethod;    // 2 pre-shared key, 5 EAP-TLS, 0 none
    unsigned long WpaVersion;
    char WpaKey[MaxWpaKeyText + 1];
    int WpaKeyTooLong;
    char WpaSsid[33];
    char TlsIdentity[MaxIdentityText + 1];
    unsigned char TlsHash[20];
    int TlsIdentitySet;
};

struct LinkInfo {
    LinkPhase Phase;
    char TargetSsid[33];        // empty: any network
    int Seeking;                // the target is joined whenever it fits, until told otherwise
    uint64_t JoinStart;
    unsigned char Bssid[6];
    int OwnIbss;                // an IBSS this adapter created
    char Ssid[33];
    int Channel;
    int Infrastructure;
    int MaxRateCode;
    int Level;                  // the network's signal level, kept current while associated
    uint64_t CounterTick;       // counters are brought up to this moment
    uint64_t RxFragments;
    uint64_t TxFragments;
    uint64_t RxRemainder;       // fragment-milliseconds not yet counted
    uint64_t TxRemainder;
};

struct ScanRecord {
    VexaSimNetwork Network;
    int MeasuredRssi;
};

// The part of the state that status queries read. Queries take a consistent copy of it
// without the mutex (see SharedAdapter.h), so it is kept small and at the front.
struct AdapterCore {
    int CardPresent;
    uint32_t CardGeneration;    // bumped on removal: handles opened before stay invalid
    int HardwareRadio;
    int SoftwareRadio;
    unsigned long RegionCode;
    unsigned long TrafficRate;
    unsigned long JoinDelayMs;
    uint64_t Failures;          // bit i: function i of the failure table fails

    AdapterConfig Config;
    LinkInfo Link;
};

struct AdapterState : AdapterCore {
    int NetworkCount;
    VexaSimNetwork Networks[MaxNetworks];
    uint32_t NextBssidSerial;

    int ScanCount;
    ScanRecord Scan[MaxNetworks];

    int ScanAnswerInjected;
    unsigned long ScanAnswerSize;
    unsigned char ScanAnswer[MaxScanAnswer];
};

// True when both radio switches are on and the card is in.
inline bool RadioUsable(const AdapterCore& s)
{
    return s.CardPresent && s.HardwareRadio && s.SoftwareRadio;
}

}  // namespace vexa

#endif
