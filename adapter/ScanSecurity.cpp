#include "ScanSecurity.h"

#include <cstring>

namespace {

constexpr unsigned char RsnElement = 48;
constexpr unsigned char VendorElement = 221;
// The WPA element is a vendor element with this OUI and type.
constexpr unsigned char WpaOuiAndType[4] = {0x00, 0x50, 0xF2, 0x01};

bool IsWpaElement(unsigned char id, const unsigned char* body, size_t size)
{
    return id == VendorElement && size >= sizeof WpaOuiAndType &&
           std::memcmp(body, WpaOuiAndType, sizeof WpaOuiAndType) == 0;
}

// The RSN body's key managements: version (2), group cipher (4), pairwise count (2) and
// suites (4 each), AKM count (2) and suites. True when one is 802.1X or PSK (types 1, 2, 5,
// 6 of 00-0F-AC), or when the list is absent or cut, which the standard reads as PSK.
bool RsnOffersWpa2(const unsigned char* body, size_t size)
{
    size_t at = 6;
    if (size < at + 2)
        return true;
    at += 2 + 4 * static_cast<size_t>(body[at] | body[at + 1] << 8);
    if (size < at + 2)
        return true;
    const size_t akms = static_cast<size_t>(body[at] | body[at + 1] << 8);
    at += 2;
    bool anyWhole = false;
    for (size_t i = 0; i < akms && at + 4 <= size; ++i, at += 4) {
        anyWhole = true;
        const unsigned char type = body[at + 3];
        if (body[at] == 0x00 && body[at + 1] == 0x0F && body[at + 2] == 0xAC &&
            (type == 1 || type == 2 || type == 5 || type == 6))
            return true;
    }
    return !anyWhole;
}

}  // namespace

NetworkSecurity SecurityFromBeacon(uint32_t privacy, const unsigned char* elements, size_t length)
{
    if (privacy == 0)
        return NetworkSecurity::Open;
    size_t offset = 0;
    bool saeOnly = false;
    while (elements && offset + 2 <= length) {
        const unsigned char id = elements[offset];
        const size_t size = elements[offset + 1];
        if (size > length - offset - 2)
            break;
        const unsigned char* body = elements + offset + 2;
        if (IsWpaElement(id, body, size) || (id == RsnElement && RsnOffersWpa2(body, size)))
            return NetworkSecurity::Wpa;
        saeOnly = saeOnly || id == RsnElement;
        offset += 2 + size;
    }
    return saeOnly ? NetworkSecurity::Wpa3 : NetworkSecurity::Wep;
}

const char* NetworkSecurityName(NetworkSecurity security)
{
    switch (security) {
    case NetworkSecurity::Wep:
        return "WEP";
    case NetworkSecurity::Wpa:
        return "WPA";
    case NetworkSecurity::Wpa3:
        return "WPA3";
    default:
        return "open";
    }
}
