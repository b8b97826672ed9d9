// What the library's Set* calls stage for the next SetSsid, and what Native Wifi cannot set
// at all (kept as set, so that the program reads back what it wrote).
#ifndef SKYLOOK_WLANBRIDGE_STAGED_SETTINGS_H
#define SKYLOOK_WLANBRIDGE_STAGED_SETTINGS_H

#include <string>

// NDIS 802.11 numbering, as the program sends it.
enum : unsigned long {
    AuthOpen = 0,
    AuthShared = 1,
    AuthWpa = 3,
    AuthWpaPsk = 4,
    WepEnabled = 0,
    WepDisabled = 1,
    NetworkAdHoc = 0,
    NetworkInfrastructure = 1,
    WpaMethodPassphrase = 2,
    WpaMethodTls = 5,
};

struct StagedWepKey {
    unsigned char Bytes[32] = {};
    unsigned long Length = 0;
};

struct StagedSettings {
    unsigned long NetworkMode = NetworkInfrastructure;
    unsigned long Channel = 1;
    unsigned long RateCode = 255;  // Auto
    unsigned long PowerMode = 0;
    unsigned long Preamble = 1;  // Auto
    unsigned long RxAntenna = 0;
    unsigned long FswCcxNetworkEap = 0;
    unsigned long AuthMode = AuthOpen;
    unsigned long WepStatus = WepDisabled;
    StagedWepKey WepKeys[4];
    int TransmitKey = 0;  // 0-3
    unsigned long WpaMethod = 0;
    std::string WpaKey;  // the passphrase, or 64 hex digits
};

// The certificate chosen for EAP-TLS: the library takes it without an adapter handle.
struct TlsIdentity {
    std::string Identity;
    unsigned char Hash[20] = {};
    bool Set = false;
};

#endif
