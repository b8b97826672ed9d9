// The one settings record: default settings, every profile, each page's working copy and
// the record that the next apply pushes to the adapter.
#ifndef SKYLOOK_ADAPTER_SETTINGS_H
#define SKYLOOK_ADAPTER_SETTINGS_H

#include <cstdint>

// Which half of ApplySettings runs.
enum : uint32_t {
    ApplyScopeNetwork = 0x10,
    ApplyScopeSecurity = 0x20,
    ApplyScopeAll = 0x30,
};

struct AdapterSettings {
    uint32_t ApplyScope;
    char DesiredSSID[33];
    char Bssid[18];
    uint32_t NetworkMode;         // 0 ad-hoc, 1 infrastructure
    uint32_t Channel;
    unsigned char DataRate[12];   // byte 0: rate index 0-12; the rest is scratch for the loader
    uint32_t PowerMode;           // 0 continuous access, 1 maximum power save, 2 power save
    uint32_t Preamble;            // 0 auto, 1 short, 2 long
    uint32_t AuthMode;            // 0 open, 1 shared, 2 WPA-PSK, 3 WPA (EAP-TLS)
    uint32_t WepStatus;           // 0 WEP on, 1 WEP off
    uint32_t TxWepKey;            // 0-3
    uint32_t WepKeySize;          // bytes: 5 or 13
    uint32_t WepKeyFormat;        // 0 ASCII, 1 HEX
    unsigned char WepKey1[128];
    unsigned char WepKey2[128];
    unsigned char WepKey3[128];
    unsigned char WepKey4[128];
    char PskPassphrase[65];
    char EapLogin[65];
    char EapPassword[130];
    uint32_t EapProtocol;
    char WPALoginName[40];
    char WPACertificate[160];
};

#endif
