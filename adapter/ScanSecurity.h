// What a network heard in a scan asks of a client: nothing, WEP, WPA, or WPA3 alone. The list
// record has only a privacy flag; WPA shows in the beacon's information elements that follow it.
#ifndef SKYLOOK_SCAN_SECURITY_H
#define SKYLOOK_SCAN_SECURITY_H

#include <cstddef>
#include <cstdint>

enum class NetworkSecurity { Open, Wep, Wpa, Wpa3 };

// Open without privacy; WPA when the elements hold a WPA vendor element or an RSN element
// that offers PSK or 802.1X; WPA3 for an RSN element that offers neither (SAE alone: the
// program's WPA modes cannot join it); WEP for any other private network. Elements are walked by their own lengths and the walk
// stops at one that would run past the end.
NetworkSecurity SecurityFromBeacon(uint32_t privacy, const unsigned char* elements, size_t length);

// "open", "WEP", "WPA" or "WPA3".
const char* NetworkSecurityName(NetworkSecurity security);

#endif
