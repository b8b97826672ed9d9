// The Native Wifi double's machine-wide state: what the wireless service keeps for every
// client (each interface's link, software radio and scan, the stored profiles in order, the
// switches that stand for consent and permissions, the notifications, the journal). It lives
// in named shared memory, so that every process that loads the double sees one service.
// Every field is plain data.
#ifndef WLANDOUBLE_DOUBLE_STATE_H
#define WLANDOUBLE_DOUBLE_STATE_H

#include <Vexa5200Control.h>

#include <cstdint>

namespace wdouble {

constexpr int MaxInterfaces = 2;
constexpr int MaxProfiles = 16;
constexpr int MaxNameChars = 256;     // WLAN_MAX_NAME_LENGTH, terminator included
constexpr int MaxProfileXml = 8192;   // characters of a stored profile, terminator included
constexpr int MaxEvents = 64;
constexpr int MaxEventData = 640;
constexpr int JournalBytes = 32768;

// Authentication and cipher as a profile's authEncryption names them.
enum class Auth : int { Open, Shared, Wpa, WpaPsk, Wpa2, Wpa2Psk, Wpa3Sae, Unknown };
enum class Cipher : int { None, Wep, Tkip, Aes, Unknown };

// What the service reads out of a profile's XML.
struct ProfileFacts {
    wchar_t Name[MaxNameChars];
    unsigned char Ssid[32];
    int SsidLength;
    int Ibss;           // connectionType IBSS
    int AutoMode;       // connectionMode auto
    int NonBroadcast;
    Auth Authentication;
    Cipher Encryption;
    int OneX;
    int KeyIsPassphrase;      // keyType passPhrase (else networkKey)
    unsigned char Key[64];    // the key's bytes: passphrase text, WEP bytes, or the PSK's 64 hex digits
    int KeyLength;
};

enum class Phase : int { Idle = 0, Connecting = 1, Connected = 2 };

struct InterfaceState {
    int Present;                // listed by WlanEnumInterfaces
    int SoftwareRadio;
    int ScanPending;
    uint64_t ScanDue;
    int ListFlushed;            // the BSS list was flushed by a scan still running

    Phase LinkPhase;
    int Mode;                   // WLAN_CONNECTION_MODE of the join or link
    int ByWindows;              // a join Windows started by itself (auto-connect, log-on)
    ProfileFacts Profile;       // the profile joined (temporary or stored)
    uint64_t JoinStart;
    uint64_t JoinDue;
    uint32_t AttemptFailsSent;
    unsigned char Bssid[6];     // once connected
    uint64_t ConnectedAt;
    uint64_t IdleSince;         // when the interface last became idle, for Windows' auto-connect
    int AutoConnectArmed;       // Windows may connect by itself once IdleSince + delay passes
};

struct StoredProfile {
    wchar_t Name[MaxNameChars];
    wchar_t Xml[MaxProfileXml];
    uint32_t Flags;             // WLAN_PROFILE_USER for the user's, 0 for all users
    int EapUserDataSet;
};

struct Settings {
    unsigned long ScanDelayMs;
    int FlushDuringScan;
    int ScanNotifies;
    unsigned long AttemptFails;
    unsigned long JoinDelayMs;
    int AutoConnect;
    unsigned long AutoConnectDelayMs;
    int LocationConsent;
    int StandardUser;
    int RefuseProfileWrites;
    int RefuseConnect;
    int RefuseDisconnect;
    int RefuseSetInterface;
};

struct EventRecord {
    uint64_t Sequence;
    uint32_t Source;
    uint32_t Code;
    int Interface;
    uint32_t DataSize;
    unsigned char Data[MaxEventData];
};

struct DoubleState {
    Settings Config;
    InterfaceState Interfaces[MaxInterfaces];
    int CardWasPresent;         // the first interface follows the software adapter's card
    int ProfileCount[MaxInterfaces];
    StoredProfile Profiles[MaxInterfaces][MaxProfiles];

    uint64_t NextEvent;         // sequence number of the next notification
    EventRecord Events[MaxEvents];

    uint32_t JournalLength;
    char Journal[JournalBytes];
};

// Defaults: a scan takes 300 ms and flushes the list meanwhile, one failed attempt before a
// join completes, a join takes 500 ms, Windows' own auto-connect on after 2 s, location
// consent given, an administrator, one interface.
void ResetDouble(DoubleState& s, uint64_t now, bool cardPresent);

const GUID& InterfaceGuid(int index);
// -1 for a GUID that names no interface of the double.
int InterfaceIndex(const GUID* guid);

}  // namespace wdouble

#endif
