// Pushing one settings record to the adapter. The pages never call these directly: they
// fill the pending record, and the monitor's tick hands it to ApplyPendingSettings.
#ifndef SKYLOOK_APPLY_SETTINGS_H
#define SKYLOOK_APPLY_SETTINGS_H

#include "record/AdapterSettings.h"

// How the EAP-TLS apply waits for the 802.1X identity to settle; tests pass a recorder.
using ApplyWaitFunction = void (*)(unsigned long milliseconds);
void SleepMilliseconds(unsigned long milliseconds);

constexpr unsigned long TlsSettleMilliseconds = 1000;

// Chooses the procedure by AuthMode: open or shared ApplySettings, WPA-PSK ApplyPskSettings,
// WPA ApplyTlsSettings; any other mode sends nothing.
void ApplyPendingSettings(const AdapterSettings& settings);

// Open or shared authentication, WEP on or off. ApplyScope picks the security half, the
// network half or both; a scan is always started.
void ApplySettings(const AdapterSettings& settings);

// WPA-PSK, always in infrastructure mode; ApplyScope is not consulted.
void ApplyPskSettings(const AdapterSettings& settings);

// WPA with EAP-TLS and the client certificate named by WPALoginName; blocks for one second.
void ApplyTlsSettings(const AdapterSettings& settings, ApplyWaitFunction wait = SleepMilliseconds);

#endif
