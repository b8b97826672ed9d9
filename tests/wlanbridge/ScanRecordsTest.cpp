// The BSS list as the program reads the library's scan answer.
#include "ScanRecords.h"
#include "WlanAnswers.h"

#include "adapter/ScanList.h"

#include <gtest/gtest.h>

#include <ntddndis.h>

#include <cstring>
#include <vector>

namespace {

constexpr unsigned char Mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
constexpr size_t ListHeader = offsetof(NDIS_802_11_BSSID_LIST, Bssid);

BssEntry Network(const std::string& ssid, bool isPrivate, Bytes elements = {})
{
    BssEntry entry{ssid, {}, 2437000, -60, isPrivate, false, std::move(elements)};
    std::memcpy(entry.Bssid, Mac, 6);
    return entry;
}

// The answer as the program reads it: every network with its security.
std::vector<HeardNetwork> Read(const Bytes& bss, unsigned long size = 0x6000)
{
    Bytes answer(size, 0);
    EXPECT_TRUE(WriteScanRecords(bss, answer.data(), size));
    return ConvertScanAnswer(answer.data(), answer.size());
}

NDIS_WLAN_BSSID RecordAt(const Bytes& answer, size_t offset)
{
    NDIS_WLAN_BSSID record;
    std::memcpy(&record, answer.data() + offset, sizeof record);
    return record;
}

}  // namespace

TEST(ScanRecords, EachKindOfNetworkReadsAsTheProgramExpects)
{
    BssEntry hidden = Network("", true, RsnElement());
    BssEntry adHoc = Network("Party", false);
    adHoc.Independent = true;
    adHoc.FrequencyKHz = 2484000;
    BssEntry fiveGhz = Network("Attic", true, RsnElement());
    fiveGhz.FrequencyKHz = 5180000;
    BssEntry lowChannel = Network("Open", false);
    lowChannel.FrequencyKHz = 2412000;
    BssEntry wpa3 = Network("Studio", true, RsnElementOffering({8}));
    wpa3.FrequencyKHz = 5745000;
    BssEntry sixGhz = Network("Loft", true, RsnElementOffering({8, 2}));
    sixGhz.FrequencyKHz = 6135000;
    constexpr auto B24 = RadioBand::Band24;
    const struct {
        BssEntry Entry;
        const char* Ssid;
        uint32_t Privacy;
        NetworkSecurity Security;
        uint32_t Mode;
        uint32_t Channel;
        RadioBand Band;
    } rows[] = {
        {lowChannel, "Open", 0, NetworkSecurity::Open, 1, 1, B24},
        {Network("Wep", true), "Wep", 1, NetworkSecurity::Wep, 1, 6, B24},
        {Network("Wpa", true, WpaElement()), "Wpa", 1, NetworkSecurity::Wpa, 1, 6, B24},
        {Network("Wpa2", true, RsnElement()), "Wpa2", 1, NetworkSecurity::Wpa, 1, 6, B24},
        {hidden, "", 1, NetworkSecurity::Wpa, 1, 6, B24},
        {adHoc, "Party", 0, NetworkSecurity::Open, 0, 14, B24},
        {fiveGhz, "Attic", 1, NetworkSecurity::Wpa, 1, 36, RadioBand::Band5},
        {wpa3, "Studio", 1, NetworkSecurity::Wpa3, 1, 149, RadioBand::Band5},
        {sixGhz, "Loft", 1, NetworkSecurity::Wpa, 1, 37, RadioBand::Band6},
    };
    std::vector<BssEntry> entries;
    for (const auto& row : rows)
        entries.push_back(row.Entry);
    const std::vector<HeardNetwork> heard = Read(BssListOf(entries));
    ASSERT_EQ(std::size(rows), heard.size());
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].Ssid);
        const ScanEntry& e = heard[i].Entry;
        EXPECT_STREQ(rows[i].Ssid, e.Ssid);
        EXPECT_STREQ("00-11-22-33-44-55", e.Bssid);
        EXPECT_EQ(rows[i].Privacy, e.Privacy);
        EXPECT_EQ(rows[i].Security, heard[i].Security);
        EXPECT_EQ(rows[i].Mode, e.NetworkMode);
        EXPECT_EQ(rows[i].Channel, e.Channel);
        EXPECT_EQ(rows[i].Band, e.Band);
        EXPECT_EQ(rows[i].Security == NetworkSecurity::Wpa3, e.Wpa3Only);
    }
}

TEST(ScanRecords, RecordCarriesTheRssiRatesAndTheElementsWhole)
{
    BssEntry entry = Network("Home", true, RsnElement());
    entry.Rssi = -71;
    Bytes answer(0x6000, 0);
    ASSERT_TRUE(WriteScanRecords(BssListOf({entry}), answer.data(), static_cast<unsigned long>(answer.size())));
    const NDIS_WLAN_BSSID record = RecordAt(answer, ListHeader);
    EXPECT_EQ(-71, record.Rssi);
    EXPECT_EQ(2437000u, record.Configuration.DSConfig);
    const unsigned char rates[] = {0x82, 0x84, 0x8B, 0x16};  // 1, 2, 5.5 basic; 11
    EXPECT_EQ(0, std::memcmp(rates, record.SupportedRates, sizeof rates));
    ASSERT_GE(record.Length, sizeof record + RsnElement().size());
    EXPECT_EQ(0, std::memcmp(RsnElement().data(), answer.data() + ListHeader + sizeof record, RsnElement().size()));
}

TEST(ScanRecords, ElementsLongerThanTheBufferAreCutAtAWholeElementAndNothingFollows)
{
    // Each network carries two 120-byte vendor elements; the buffer holds the first record
    // whole, the second with only its first element, and room for a third record's header.
    Bytes elements = ElementOf(221, 120);
    const Bytes second = ElementOf(221, 120);
    elements.insert(elements.end(), second.begin(), second.end());
    const std::vector<BssEntry> entries = {Network("One", false, elements), Network("Two", false, elements),
                                        Network("Three", false, elements)};
    const size_t record = sizeof(NDIS_WLAN_BSSID);
    const size_t size = ListHeader + (record + elements.size()) + (record + 124 + record + 2);
    Bytes answer(size + 16, 0xCC);
    ASSERT_TRUE(WriteScanRecords(BssListOf(entries), answer.data(), static_cast<unsigned long>(size)));

    ULONG count = 0;
    std::memcpy(&count, answer.data(), sizeof count);
    EXPECT_EQ(2u, count);
    const NDIS_WLAN_BSSID cut = RecordAt(answer, ListHeader + record + elements.size());
    EXPECT_EQ(record + 124, cut.Length);  // one whole element, padded to four bytes
    for (size_t i = size; i < answer.size(); ++i)
        ASSERT_EQ(0xCC, answer[i]) << "written past the caller's buffer at " << i;
    EXPECT_EQ(2u, ConvertScanAnswer(answer.data(), size).size());
}

// More networks than the buffer holds: the strongest are kept, in Windows' order.
TEST(ScanRecords, AFullBufferKeepsTheStrongestNetworks)
{
    const Bytes elements = ElementOf(221, 120);
    std::vector<BssEntry> entries = {Network("Faint", false, elements), Network("Strong", false, elements),
                                     Network("Fair", false, elements)};
    entries[0].Rssi = -90;
    entries[1].Rssi = -50;
    entries[2].Rssi = -60;
    const size_t size = ListHeader + 2 * (sizeof(NDIS_WLAN_BSSID) + elements.size()) + 8;
    Bytes answer(size, 0);
    ASSERT_TRUE(WriteScanRecords(BssListOf(entries), answer.data(), static_cast<unsigned long>(size)));
    std::vector<std::string> ssids;
    for (const HeardNetwork& network : ConvertScanAnswer(answer.data(), size))
        ssids.push_back(network.Entry.Ssid);
    EXPECT_EQ((std::vector<std::string>{"Strong", "Fair"}), ssids);
}

TEST(ScanRecords, AMalformedListGivesOnlyWhatItHoldsWhole)
{
    Bytes oneEntry = BssListOf({Network("Only", false, RsnElement())});
    {
        SCOPED_TRACE("more items claimed than the bytes hold");
        Bytes claimsFive = oneEntry;
        const DWORD five = 5;
        std::memcpy(claimsFive.data() + sizeof(DWORD), &five, sizeof five);
        EXPECT_EQ(1u, Read(claimsFive).size());
    }
    const size_t entry = offsetof(WLAN_BSS_LIST, wlanBssEntries);
    const struct {
        const char* Case;
        size_t Field;
        ULONG Value;
    } pastTheEnd[] = {
        {"elements at an offset past the end", offsetof(WLAN_BSS_ENTRY, ulIeOffset), 0x10000},
        {"elements running past the end", offsetof(WLAN_BSS_ENTRY, ulIeSize), 0x10000},
    };
    for (const auto& row : pastTheEnd) {
        SCOPED_TRACE(row.Case);
        Bytes list = oneEntry;
        std::memcpy(list.data() + entry + row.Field, &row.Value, sizeof row.Value);
        Bytes answer(0x6000, 0);
        ASSERT_TRUE(WriteScanRecords(list, answer.data(), 0x6000));
        EXPECT_EQ(sizeof(NDIS_WLAN_BSSID), RecordAt(answer, ListHeader).Length);
    }
    {
        SCOPED_TRACE("a list shorter than its header");
        EXPECT_TRUE(Read(Bytes(5, 0xFF)).empty());
    }
    {
        SCOPED_TRACE("a buffer that cannot hold the count");
        unsigned char tiny[2] = {};
        EXPECT_FALSE(WriteScanRecords(oneEntry, tiny, sizeof tiny));
    }
}
