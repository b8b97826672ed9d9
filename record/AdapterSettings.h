// The one settings record: default settings, every profile, each page's working copy and
// the record that the next apply pushes to the adapter.
#ifndef SKYLOOK_RECORD_ADAPTER_SETTINGS_H
#define SKYLOOK_RECORD_ADAPTER_SETTINGS_H

#include <cstdint>

// Named values of the record's fields. The store keeps NetworkMode, AuthMode, WepStatus,
// PowerMode and WepKeyFormat as the digit of their value and WepKeySize as its decimal text; NetworkMode,
// WepStatus and the open and shared AuthMode reach the adapter library as they are. The
// fields stay plain uint32_t, so the record keeps the layout that both rely on.

// ApplyScope: which half of ApplySettings runs.
enum : uint32_t {
    ApplyScopeNetwork = 0x10,
    ApplyScopeSecurity = 0x20,
    ApplyScopeAll = 0x30,
};

enum : uint32_t {
    NetworkModeAdHoc = 0,
    NetworkModeInfrastructure = 1,
};

enum : uint32_t {
    AuthModeOpen = 0,
    AuthModeShared = 1,
    AuthModeWpaPsk = 2,
    AuthModeWpa = 3,  // EAP-TLS
};

enum : uint32_t {
    WepStatusOn = 0,
    WepStatusOff = 1,
};

enum : uint32_t {
    WepKeyFormatAscii = 0,
    WepKeyFormatHex = 1,
};

enum : uint32_t {
    PowerModeContinuousAccess = 0,
    PowerModeMaximumPowerSave = 1,
    PowerModePowerSave = 2,
};

enum : uint32_t {
    PreambleAuto = 0,
    PreambleShort = 1,
    PreambleLong = 2,
};
// The adapter library and the store number the preamble from 1: "1" Auto, "2" Short, "3" Long.
constexpr uint32_t PreambleExternalBase = 1;

// WepKeySize in bytes for the two key lengths the editors offer.
enum : uint32_t {
    WepKeySize64 = 5,    // "64 bits"
    WepKeySize128 = 13,  // "128 bits"
};

struct AdapterSettings {
    uint32_t ApplyScope;
    char DesiredSSID[33];
    char Bssid[18];
    uint32_t NetworkMode;         // NetworkModeAdHoc, NetworkModeInfrastructure
    uint32_t Channel;
    unsigned char DataRate[12];   // byte 0: rate index 0-12; the rest is scratch for the loader
    uint32_t PowerMode;           // PowerModeContinuousAccess ... PowerModePowerSave
    uint32_t Preamble;            // PreambleAuto, PreambleShort, PreambleLong
    uint32_t AuthMode;            // AuthModeOpen ... AuthModeWpa
    uint32_t WepStatus;           // WepStatusOn, WepStatusOff
    uint32_t TxWepKey;            // 0-3
    uint32_t WepKeySize;          // bytes: WepKeySize64 or WepKeySize128 (a stored record may hold others)
    uint32_t WepKeyFormat;        // WepKeyFormatAscii, WepKeyFormatHex
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
