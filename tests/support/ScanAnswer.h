// NDIS 802.11 BSSID list answers built byte by byte, the way a driver lays them out, for
// the software adapter to hand out once instead of its own scan.
#ifndef SKYLOOK_TESTS_ADAPTER_SCAN_ANSWER_H
#define SKYLOOK_TESTS_ADAPTER_SCAN_ANSWER_H

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

// Extra bytes after each record, as the extended records carry information elements.
inline constexpr ULONG RecordPadding = 16;
inline constexpr ULONG RecordLength = sizeof(NDIS_WLAN_BSSID) + RecordPadding;

struct RecordSpec {
    std::string Ssid;
    unsigned char Mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    ULONG Privacy = 0;
    LONG Rssi = -60;
    ULONG FrequencyKhz = 2437000;
    int Infrastructure = 1;
    ULONG Length = RecordLength;
    long SsidLength = -1;  // the SSID's own length unless set
};

// Builds an NDIS 802.11 BSSID list answer byte by byte, the way a driver lays it out.
class ScanAnswer {
public:
    explicit ScanAnswer(ULONG items) { Append(&items, sizeof(items)); }

    ScanAnswer& Add(const RecordSpec& wanted)
    {
        NDIS_WLAN_BSSID record = {};
        record.Length = wanted.Length;
        std::memcpy(record.MacAddress, wanted.Mac, sizeof(record.MacAddress));
        std::memcpy(record.Ssid.Ssid, wanted.Ssid.data(), wanted.Ssid.size() < 32 ? wanted.Ssid.size() : 32);
        record.Ssid.SsidLength = static_cast<ULONG>(wanted.SsidLength >= 0 ? wanted.SsidLength : wanted.Ssid.size());
        record.Privacy = wanted.Privacy;
        record.Rssi = wanted.Rssi;
        record.Configuration.Length = sizeof(record.Configuration);
        record.Configuration.DSConfig = wanted.FrequencyKhz;
        record.InfrastructureMode = static_cast<NDIS_802_11_NETWORK_INFRASTRUCTURE>(wanted.Infrastructure);
        Append(&record, sizeof(record));
        bytes_.resize(bytes_.size() + RecordPadding, 0xEE);
        return *this;
    }

    void PadTo(size_t size) { bytes_.resize(size, 0); }
    void Inject() const { ASSERT_EQ(0, VexaSimInjectScanAnswer(bytes_.data(), static_cast<unsigned long>(bytes_.size()))); }

private:
    void Append(const void* data, size_t size)
    {
        const size_t end = bytes_.size();
        bytes_.resize(end + size);
        std::memcpy(bytes_.data() + end, data, size);
    }
    std::vector<unsigned char> bytes_;
};

inline RecordSpec Named(const std::string& ssid)
{
    RecordSpec wanted;
    wanted.Ssid = ssid;
    return wanted;
}

#endif
