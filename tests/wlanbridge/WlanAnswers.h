// Native Wifi's answers as bytes, built for the tests the way the service lays them out.
#ifndef SKYLOOK_TESTS_WLAN_ANSWERS_H
#define SKYLOOK_TESTS_WLAN_ANSWERS_H

#include <windows.h>
#include <wlanapi.h>

#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Information elements.
Bytes RsnElement();  // PSK
Bytes RsnElementOffering(const std::vector<unsigned char>& akmTypes);  // 802.11 AKM suite types
Bytes WpaElement();
Bytes ElementOf(unsigned char id, size_t bodySize);

struct BssEntry {
    std::string Ssid;
    unsigned char Bssid[6];
    unsigned long FrequencyKHz = 2437000;
    long Rssi = -60;
    bool Private = false;
    bool Independent = false;
    Bytes Elements;
};

// A WLAN_BSS_LIST with the entries' elements after the entries, each at its offset.
Bytes BssListOf(const std::vector<BssEntry>& entries);

Bytes ConnectionOf(WLAN_INTERFACE_STATE state, const std::string& ssid, const unsigned char (&bssid)[6],
                   ULONG quality = 80, ULONG txRateKbps = 54000,
                   DOT11_BSS_TYPE type = dot11_BSS_type_infrastructure);

struct PhyRadio {
    DOT11_RADIO_STATE Software;
    DOT11_RADIO_STATE Hardware;
};
Bytes RadioOf(const std::vector<PhyRadio>& phys);

// A connection notification's data for ssid with this reason code.
Bytes ConnectionNotice(const std::string& ssid, DWORD reason = 0);

template <class T>
Bytes BytesOf(const T& value)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&value);
    return Bytes(p, p + sizeof value);
}

#endif
