#include "AdapterFixture.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Seen {
    NDIS_WLAN_BSSID Record;
    ULONG Length;
};

class ScanListTest : public AdapterTest {
protected:
    // Walks the answer by each record's Length, as a reader of the list must.
    std::map<std::string, Seen> ReadList()
    {
        std::vector<unsigned char> buffer(24576);
        EXPECT_EQ(0, Vexa5200QueryScanList(handle_, buffer.data(), static_cast<unsigned long>(buffer.size())));
        std::map<std::string, Seen> seen;
        ULONG count;
        std::memcpy(&count, buffer.data(), sizeof count);
        size_t offset = sizeof(ULONG);
        for (ULONG i = 0; i < count; ++i) {
            Seen s{};
            EXPECT_LE(offset + sizeof(NDIS_WLAN_BSSID), buffer.size());
            if (offset + sizeof(NDIS_WLAN_BSSID) > buffer.size())
                break;
            std::memcpy(&s.Record, buffer.data() + offset, sizeof s.Record);
            s.Length = s.Record.Length;
            EXPECT_GE(s.Length, sizeof(NDIS_WLAN_BSSID));
            // The length field is the answer's word, not a promise: never read past the 32 bytes.
            const ULONG ssidLength = std::min<ULONG>(s.Record.Ssid.SsidLength, sizeof s.Record.Ssid.Ssid);
            std::string ssid(reinterpret_cast<const char*>(s.Record.Ssid.Ssid), ssidLength);
            seen[ssid] = s;
            offset += s.Length;
        }
        return seen;
    }
};

}  // namespace

TEST_F(ScanListTest, RecordsCarryTheirNetworks)
{
    std::map<std::string, Seen> list = ReadList();
    ASSERT_EQ(6u, list.size());

    const NDIS_WLAN_BSSID& wireless = list["Wireless"].Record;
    const unsigned char bssid[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x01};
    EXPECT_EQ(0, std::memcmp(bssid, wireless.MacAddress, 6));
    EXPECT_EQ(2437000u, wireless.Configuration.DSConfig);
    EXPECT_EQ(0u, wireless.Privacy);
    EXPECT_EQ(Ndis802_11Infrastructure, wireless.InfrastructureMode);
    EXPECT_GE(wireless.Rssi, -58);
    EXPECT_LE(wireless.Rssi, -52);

    EXPECT_EQ(1u, list["HomeWEP"].Record.Privacy);
    EXPECT_EQ(1u, list["HomeNet"].Record.Privacy);
    EXPECT_EQ(1u, list["CorpSecure"].Record.Privacy);
    EXPECT_EQ(Ndis802_11IBSS, list["LabAdHoc"].Record.InfrastructureMode);
    EXPECT_EQ(2457000u, list["LabAdHoc"].Record.Configuration.DSConfig);
    EXPECT_LE(list["FarAway"].Record.Rssi, -89);
}

TEST_F(ScanListTest, RecordLengthsVaryAndTheListRefreshesOnlyOnScan)
{
    VexaSimNetwork japan = SimNetwork("A much longer network name here", VEXASIM_OPEN, -70, 14);
    ASSERT_EQ(0, VexaSimAddNetwork(&japan));
    ASSERT_EQ(0, VexaSimRemoveNetwork("FarAway"));
    VexaSimNetwork silent = SimNetwork("Silent", VEXASIM_OPEN, -105, 1);
    ASSERT_EQ(0, VexaSimAddNetwork(&silent));

    std::map<std::string, Seen> before = ReadList();
    EXPECT_EQ(1u, before.count("FarAway"));
    EXPECT_EQ(0u, before.count("A much longer network name here"));

    ASSERT_EQ(0, Vexa5200Scan(handle_));
    std::map<std::string, Seen> after = ReadList();
    EXPECT_EQ(6u, after.size());
    EXPECT_EQ(0u, after.count("FarAway"));
    EXPECT_EQ(0u, after.count("Silent"));
    ASSERT_EQ(1u, after.count("A much longer network name here"));
    EXPECT_EQ(2484000u, after["A much longer network name here"].Record.Configuration.DSConfig);
    EXPECT_NE(after["A much longer network name here"].Length, after["Wireless"].Length);
}

TEST_F(ScanListTest, TooSmallBufferFailsAndWritesNothing)
{
    std::vector<unsigned char> buffer(24576, 0xEE);
    ASSERT_EQ(0, Vexa5200QueryScanList(handle_, buffer.data(), static_cast<unsigned long>(buffer.size())));
    size_t used = buffer.size();
    while (used > 0 && buffer[used - 1] == 0xEE)
        --used;
    std::vector<unsigned char> small(used - 1, 0xEE);
    EXPECT_NE(0, Vexa5200QueryScanList(handle_, small.data(), static_cast<unsigned long>(small.size())));
    for (unsigned char b : small)
        ASSERT_EQ(0xEE, b);
    EXPECT_NE(0, Vexa5200QueryScanList(handle_, nullptr, 24576));
}

TEST_F(ScanListTest, InjectedAnswerIsGivenExactlyOnce)
{
    const unsigned char raw[] = {0x28, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0x01};
    ASSERT_EQ(0, VexaSimInjectScanAnswer(raw, sizeof raw));
    unsigned char small[4];
    EXPECT_NE(0, Vexa5200QueryScanList(handle_, small, sizeof small));  // kept for the next read

    std::vector<unsigned char> buffer(64, 0xEE);
    ASSERT_EQ(0, Vexa5200QueryScanList(handle_, buffer.data(), static_cast<unsigned long>(buffer.size())));
    EXPECT_EQ(0, std::memcmp(raw, buffer.data(), sizeof raw));
    EXPECT_EQ(0xEE, buffer[sizeof raw]);

    EXPECT_EQ(6u, ReadList().size());
    std::vector<unsigned char> tooBig(24577);
    EXPECT_NE(0, VexaSimInjectScanAnswer(tooBig.data(), static_cast<unsigned long>(tooBig.size())));
}

TEST_F(ScanListTest, AnSsidLengthBeyondTheFieldIsReadAsTheFieldsThirtyTwoBytes)
{
    NDIS_WLAN_BSSID record{};
    record.Length = sizeof record;
    record.Ssid.SsidLength = 0xFFFFFFFF;
    std::memset(record.Ssid.Ssid, 'Z', sizeof record.Ssid.Ssid);
    std::vector<unsigned char> answer(sizeof(ULONG) + sizeof record);
    const ULONG items = 1;
    std::memcpy(answer.data(), &items, sizeof items);
    std::memcpy(answer.data() + sizeof items, &record, sizeof record);
    ASSERT_EQ(0, VexaSimInjectScanAnswer(answer.data(), static_cast<unsigned long>(answer.size())));

    std::map<std::string, Seen> list = ReadList();
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(std::string(32, 'Z'), list.begin()->first);
}
