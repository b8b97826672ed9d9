// The bridge's opened adapters, each with its own Native Wifi binding. The library's handle
// is the adapter's address, checked against this list before every use, so that a closed or
// made-up handle is refused rather than followed.
#ifndef SKYLOOK_WLANBRIDGE_BRIDGE_SESSIONS_H
#define SKYLOOK_WLANBRIDGE_BRIDGE_SESSIONS_H

#include "StagedSettings.h"
#include "WlanAdapter.h"

#include <functional>
#include <memory>

// Where the bridge reads which interface to use when a PC has more than one.
constexpr const char* BridgeSettingsPath = "SOFTWARE\\Skylook\\WindowsWiFi";
constexpr const char* BridgeInterfaceValue = "Interface";

// The interface stored there; false when none is (or its text is no GUID).
bool PreferredInterface(GUID& guid);

using WlanApiFactory = std::function<std::unique_ptr<IWlanApi>()>;

// The binding each new session gets: the system's wlanapi.dll unless a test set another.
void SetWlanApiFactory(WlanApiFactory factory);
// The clock each new session reads: the system's unless a test set another (null for it).
void SetBridgeClock(CWlanAdapter::Clock clock);

// Null when no interface could be opened.
void* OpenSession();
bool CloseSession(void* handle);

// Runs body on the session's adapter; failed when the handle is not an open session. The
// adapter stays alive (and its calls in order) while the body runs.
int WithSession(void* handle, const std::function<int(CWlanAdapter&)>& body);

void StageTlsIdentity(const TlsIdentity& identity);
TlsIdentity StagedTlsIdentity();

#endif
