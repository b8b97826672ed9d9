#include "ScanSecurity.h"

#include <cstring>

namespace {

constexpr unsigned char RsnElement = 48;
constexpr unsigned char VendorElement = 221;
// The WPA element is a vendor element with this OUI and type.
constexpr unsigned char WpaOuiAndType[4] = {0x00, 0x50, 0xF2, 0x01};

bool IsWpaElement(unsigned char id, const unsigned char* body, size_t size)
{
    if (id == RsnElement)
        return true;
    return id == VendorElement && size >= sizeof WpaOuiAndType &&
           std::memcmp(body, WpaOuiAndType, sizeof WpaOuiAndType) == 0;
}

}  // namespace

NetworkSecurity SecurityFromBeacon(uint32_t privacy, const unsigned char* elements, size_t length)
{
    if (privacy == 0)
        return NetworkSecurity::Open;
    size_t offset = 0;
    while (elements && offset + 2 <= length) {
        const unsigned char id = elements[offset];
        const size_t size = elements[offset + 1];
        if (size > length - offset - 2)
            break;
        if (IsWpaElement(id, elements + offset + 2, size))
            return NetworkSecurity::Wpa;
        offset += 2 + size;
    }
    return NetworkSecurity::Wep;
}

const char* NetworkSecurityName(NetworkSecurity security)
{
    switch (security) {
    case NetworkSecurity::Wep:
        return "WEP";
    case NetworkSecurity::Wpa:
        return "WPA";
    default:
        return "open";
    }
}
