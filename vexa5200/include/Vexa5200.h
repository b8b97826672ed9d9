// Vexa5200.dll: the adapter driver library's interface, the only header the program includes.
//
// Every function returns 0 for success and non-zero for failure, except
// Vexa5200GetConnectStatus (non-zero = associated) and Vexa5200WPAPortDown (no result).
// The adapter handle is an opaque pointer written by Vexa5200OpenAdapter.
#ifndef VEXA5200_H
#define VEXA5200_H

#include <windows.h>
#include <ntddndis.h>

#ifdef VEXA5200_BUILDING_DLL
#define VEXA5200_API __declspec(dllexport)
#else
#define VEXA5200_API __declspec(dllimport)
#endif

typedef void* VEXA5200_HANDLE;

// The result of a query whose answer the system keeps from programs without location access
// (Windows 11's privacy setting, for a library over the system's wireless service); the user
// can allow it under Settings > Privacy & security > Location.
#define VEXA5200_ERROR_LOCATION_DENIED 5

// The result of a join the library cannot set up while the system's own settings can (a
// network that offers only WPA3, for a library over the system's wireless service); the
// SSID query answers it too until the next join, so that the status can tell the user.
#define VEXA5200_ERROR_NEEDS_WINDOWS_SETTINGS 6

#ifdef __cplusplus
extern "C" {
#endif

VEXA5200_API int Vexa5200OpenAdapter(VEXA5200_HANDLE* handle);
VEXA5200_API int Vexa5200CloseAdapter(VEXA5200_HANDLE* handle);

VEXA5200_API int Vexa5200SetDisassociate(VEXA5200_HANDLE handle);
VEXA5200_API int Vexa5200Scan(VEXA5200_HANDLE handle);
VEXA5200_API int Vexa5200GetConnectStatus(VEXA5200_HANDLE handle);

VEXA5200_API int Vexa5200QueryHardwareStatus(VEXA5200_HANDLE handle, unsigned long* status);
VEXA5200_API int Vexa5200QueryRadioControl(VEXA5200_HANDLE handle, unsigned long* on);
VEXA5200_API int Vexa5200QueryNetworkMode(VEXA5200_HANDLE handle, unsigned long* mode);
VEXA5200_API int Vexa5200QueryChannel(VEXA5200_HANDLE handle, unsigned long* channel);
VEXA5200_API int Vexa5200QueryLinkSpeed(VEXA5200_HANDLE handle, unsigned long* speed100bps);
VEXA5200_API int Vexa5200QueryRssi(VEXA5200_HANDLE handle, unsigned long* rssiDbm);
VEXA5200_API int Vexa5200QueryFirmwareVersion(VEXA5200_HANDLE handle, unsigned long* version);
VEXA5200_API int Vexa5200QueryRegionCode(VEXA5200_HANDLE handle, unsigned long* region);

VEXA5200_API int Vexa5200SetRadioControl(VEXA5200_HANDLE handle, unsigned long on);
VEXA5200_API int Vexa5200SetNetworkMode(VEXA5200_HANDLE handle, unsigned long mode);
VEXA5200_API int Vexa5200SetChannel(VEXA5200_HANDLE handle, unsigned long channel);
VEXA5200_API int Vexa5200SetDataRate(VEXA5200_HANDLE handle, unsigned long rateCode);
VEXA5200_API int Vexa5200SetPowerMode(VEXA5200_HANDLE handle, unsigned long mode);
VEXA5200_API int Vexa5200SetPreamble(VEXA5200_HANDLE handle, unsigned long preamble);
VEXA5200_API int Vexa5200SetRxAntenna(VEXA5200_HANDLE handle, unsigned long antenna);
VEXA5200_API int Vexa5200SetAuthMode(VEXA5200_HANDLE handle, unsigned long mode);
VEXA5200_API int Vexa5200SetWepStatus(VEXA5200_HANDLE handle, unsigned long status);
VEXA5200_API int Vexa5200SetFswCCXNetworkEap(VEXA5200_HANDLE handle, unsigned long value);

VEXA5200_API int Vexa5200QueryRegistryPath(VEXA5200_HANDLE handle, char* path, unsigned long size);
VEXA5200_API int Vexa5200QuerySsid(VEXA5200_HANDLE handle, char* ssid, unsigned long size);
VEXA5200_API int Vexa5200QueryDriverVersion(VEXA5200_HANDLE handle, char* text, unsigned long size);
VEXA5200_API int Vexa5200QueryScanList(VEXA5200_HANDLE handle, void* list, unsigned long size);
VEXA5200_API int Vexa5200QueryBssid(VEXA5200_HANDLE handle, unsigned char bssid[6]);
VEXA5200_API int Vexa5200QueryStatistics(VEXA5200_HANDLE handle, NDIS_802_11_STATISTICS* statistics);

VEXA5200_API int Vexa5200SetSsid(VEXA5200_HANDLE handle, const char* ssid, unsigned long length,
                                 unsigned long reserved);
VEXA5200_API int Vexa5200SetWepKey(VEXA5200_HANDLE handle, unsigned long index, const unsigned char* key,
                                   unsigned long length, unsigned long transmit);
VEXA5200_API int Vexa5200SetWPAInformation(VEXA5200_HANDLE handle, unsigned long method, unsigned long version,
                                           const char* key, const char* ssid);
VEXA5200_API int Vexa5200WPACreateIdentityTLS(const char* identity, const unsigned char hash[20]);
VEXA5200_API void Vexa5200WPAPortDown(VEXA5200_HANDLE handle);

// Values live under HKEY_LOCAL_MACHINE\<path>. The text form copies the stored bytes and
// always NUL-terminates within size; the 4-byte form gives the first 4 stored bytes
// (zero-filled when fewer were stored). Both fail when the value is absent.
VEXA5200_API int Vexa5200QueryRegistry(const char* path, const char* name, char* buffer, unsigned long size);
VEXA5200_API int Vexa5200QueryRegistryDword(const char* path, const char* name, unsigned long* value);
VEXA5200_API int Vexa5200SetRegistry(const char* path, const char* name, const void* bytes, unsigned long count,
                                     unsigned long reserved);

#ifdef __cplusplus
}

// The 4-byte read is the second form of the registry query.
inline int Vexa5200QueryRegistry(const char* path, const char* name, unsigned long* value)
{
    return Vexa5200QueryRegistryDword(path, name, value);
}
#endif

#endif
