// Control interface of the software adapter: sets the scene for tests and demonstrations.
// Not for the program: skylook.exe includes only Vexa5200.h.
//
// Functions return 0 for success, non-zero when the arguments are refused (nothing changes then).
#ifndef VEXA5200_CONTROL_H
#define VEXA5200_CONTROL_H

#include "Vexa5200.h"

#ifdef __cplusplus
extern "C" {
#endif

// The named mutex that guards the adapter's machine-wide state, after "Global\" (or "Local\"
// where the session may not create global objects). A process that holds it stands for a
// caller stuck inside the library: the library's calls wait about two seconds for it, then fail.
#define VEXASIM_LOCK_NAME "Vexa5200.Adapter.Mutex"

// What a network's beacon offers. The software adapter is an 802.11b/g card whose WPA is
// TKIP: of the kinds after VEXASIM_WPA_TLS it joins only the WPA/WPA2 mixed network (by its
// WPA side); cards of the Native Wifi double join them all.
enum VexaSimSecurity {
    VEXASIM_OPEN = 0,          // no encryption
    VEXASIM_WEP = 1,           // WEP, open or shared authentication; key in WepKey
    VEXASIM_WPA_PSK = 2,       // WPA-only (WPA element, TKIP), pre-shared key; passphrase in Passphrase
    VEXASIM_WPA_TLS = 3,       // WPA with EAP-TLS; any identity created for a certificate joins
    VEXASIM_WPA2_PSK = 4,      // WPA2-only (RSN element, CCMP, PSK); passphrase in Passphrase
    VEXASIM_WPA_WPA2_PSK = 5,  // WPA/WPA2 mixed: a WPA element (TKIP) and an RSN element (CCMP)
    VEXASIM_WPA3_SAE = 6,      // WPA3-only (RSN with the SAE key management, 8); passphrase in Passphrase
    VEXASIM_WPA2_WPA3 = 7      // WPA2/WPA3 transition (RSN with PSK, 2, and SAE, 8)
};

// The band a network is on; its channel counts in that band's own numbering (6 GHz channel
// numbers overlap 2.4 GHz ones).
enum VexaSimBand {
    VEXASIM_BAND_24 = 0,  // 2.4 GHz, channels 1-14
    VEXASIM_BAND_5 = 5,   // 5 GHz, channels 36-165
    VEXASIM_BAND_6 = 6    // 6 GHz, channels 1-233 (1, 5, 9, ...)
};

typedef struct VexaSimNetwork {
    char Ssid[33];
    unsigned char Bssid[6];
    int Infrastructure;          // 1 access point, 0 ad-hoc (IBSS)
    int Channel;                 // 1-14
    int RssiDbm;                 // level at the adapter, signed dBm
    int Security;                // VexaSimSecurity
    unsigned char WepKey[13];    // the network's WEP key (5 or 13 bytes count)
    int WepKeyLength;
    char Passphrase[65];         // WPA-PSK passphrase
    int MaxRateCode;             // best rate offered, 802.11 code in 500 kbit/s (108 = 54 Mbit/s)
    // Fields a zeroed record leaves at a 2.4 GHz network that names itself in its beacon.
    int Band;                    // VexaSimBand
    int Hidden;                  // 1: the beacon carries an empty SSID
    unsigned long BestRateKbps;  // best rate for a card of its band and kind; 0: from MaxRateCode
                                 // (5 GHz: 866700, 6 GHz: 1201000)
} VexaSimNetwork;

// Back to the default environment: card inserted, radio on, not associated, default
// networks, default region, no failures, journal cleared, no injected scan answer.
VEXA5200_API int VexaSimReset(void);

// Runs one vexasim command line (the same grammar as the tool: "card remove", "network add ...").
// Output and error messages go to output, always NUL-terminated. Returns 0 on success,
// 2 for a bad command or bad arguments (then nothing has changed).
VEXA5200_API int VexaSimCommand(const char* commandLine, char* output, unsigned long outputSize);

// Loads a scenario (text in the scenario file format); on error nothing changes and the
// message names the line.
VEXA5200_API int VexaSimLoadScenario(const char* text, char* error, unsigned long errorSize);

VEXA5200_API int VexaSimSetCardPresent(int present);
VEXA5200_API int VexaSimSetHardwareRadio(int on);
VEXA5200_API int VexaSimSetTrafficRate(unsigned long fragmentsPerSecond);
VEXA5200_API int VexaSimSetRegionCode(unsigned long region);
// Milliseconds a join takes (default about 1000); tests may shorten it.
VEXA5200_API int VexaSimSetJoinDelay(unsigned long milliseconds);
// Milliseconds this process waits for another process that holds the adapter's lock before
// it takes the holder for stuck (about 2000 until set; 0 and values over 2000 give that);
// tests of the bounded wait may shorten it. Only the calling process is affected.
VEXA5200_API int VexaSimSetLockWait(unsigned long milliseconds);

VEXA5200_API int VexaSimAddNetwork(const VexaSimNetwork* network);
VEXA5200_API int VexaSimUpdateNetwork(const VexaSimNetwork* network);  // matched by Bssid
VEXA5200_API int VexaSimRemoveNetwork(const char* ssid);               // every network of that SSID
VEXA5200_API int VexaSimSetNetworkRssi(const char* ssid, int rssiDbm);
VEXA5200_API int VexaSimRemoveAllNetworks(void);

// Makes one library function (name with or without the "Vexa5200" prefix) fail until
// cleared; on = 0 clears it. An unknown name is refused.
VEXA5200_API int VexaSimSetFailure(const char* function, int on);
VEXA5200_API int VexaSimClearFailures(void);

// The next Vexa5200QueryScanList answers exactly these bytes (at most 24576), once.
VEXA5200_API int VexaSimInjectScanAnswer(const void* bytes, unsigned long size);

// Journal: one line per call that sets or acts, each ending in "\n". Copies as much as fits
// (always NUL-terminated) and reports the full size needed, terminator included.
VEXA5200_API int VexaSimReadJournal(char* text, unsigned long size, unsigned long* needed);
VEXA5200_API int VexaSimClearJournal(void);

// Human-readable status (the vexasim "status" output).
VEXA5200_API int VexaSimFormatStatus(char* text, unsigned long size);

#ifdef __cplusplus
}
#endif

#endif
