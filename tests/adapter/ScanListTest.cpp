#include "AdapterTestSupport.h"
#include "ScanAnswer.h"
#include "adapter/ScanList.h"

#include <cstring>
#include <iterator>

namespace {

// A list whose every entry reads "untouched", to see what a read leaves alone.
ScanList MarkedList()
{
    ScanList list;
    std::memset(&list, 0x5A, sizeof(list));
    return list;
}

// Injects an answer of these records and reads it into a marked list.
ScanList Scanned(const std::vector<RecordSpec>& records)
{
    ScanAnswer answer(static_cast<ULONG>(records.size()));
    for (const RecordSpec& record : records)
        answer.Add(record);
    answer.Inject();
    ScanList list = MarkedList();
    EXPECT_TRUE(ReadScanList(list));
    return list;
}

bool Untouched(const ScanEntry& entry)
{
    const ScanList marked = MarkedList();
    return std::memcmp(&entry, &marked.Entries[0], sizeof(entry)) == 0;
}

}  // namespace

class ScanListTest : public AdapterTest {};

TEST_F(ScanListTest, ConvertsEachFieldOfARecord)
{
    RecordSpec open = Named("Cafe");
    open.Mac[0] = 0xAB, open.Mac[5] = 0x0F;
    RecordSpec secured = Named("Office");
    secured.Privacy = 1;
    secured.Infrastructure = 0;
    RecordSpec oddPrivacy = Named("Odd");
    oddPrivacy.Privacy = 2;
    const ScanList list = Scanned({open, secured, oddPrivacy});
    ASSERT_EQ(3, list.Count);
    EXPECT_STREQ("Cafe", list.Entries[0].Ssid);
    EXPECT_STREQ("AB-11-22-33-44-0F", list.Entries[0].Bssid);
    EXPECT_EQ(1u, list.Entries[0].NetworkMode);
    EXPECT_EQ(0u, list.Entries[0].Privacy);
    EXPECT_EQ(6u, list.Entries[0].Channel);
    EXPECT_EQ(0u, list.Entries[1].NetworkMode);
    EXPECT_EQ(1u, list.Entries[1].Privacy);
    EXPECT_EQ(0u, list.Entries[2].Privacy);
    EXPECT_TRUE(Untouched(list.Entries[3]));
}

TEST_F(ScanListTest, EveryNetworkIsHeardAndAFullListKeepsTheStrongestInTheAnswersOrder)
{
    // Every fifth network faint, so that the list cannot keep the first 32 of the answer.
    std::vector<RecordSpec> records;
    for (int i = 0; i < 40; ++i) {
        records.push_back(Named("Net" + std::to_string(i)));
        records.back().Mac[5] = static_cast<unsigned char>(i);
        records.back().Rssi = i % 5 == 0 ? -96 : -80;
    }
    ScanAnswer answer(static_cast<ULONG>(records.size()));
    for (const RecordSpec& record : records)
        answer.Add(record);
    answer.Inject();
    std::vector<HeardNetwork> heard;
    ASSERT_TRUE(ReadHeardNetworks(heard));
    ASSERT_EQ(40u, heard.size());
    EXPECT_STREQ("Net39", heard[39].Entry.Ssid) << "the last record is read too";

    ScanList list = MarkedList();
    ListStrongest(heard, list);
    ASSERT_EQ(32, list.Count);
    EXPECT_EQ(40, list.Heard);
    int listed = 0;
    for (int i = 1; i < 40; ++i) {
        if (i % 5 == 0)
            continue;
        EXPECT_EQ("Net" + std::to_string(i), list.Entries[listed++].Ssid);
    }
}

TEST(ScanOrder, StrongestFirstAndEqualStrengthsInTheAdaptersOrder)
{
    std::vector<HeardNetwork> networks;
    for (int strength : {40, 90, 60, 90, 10}) {
        networks.push_back({});
        networks.back().Entry.SignalStrength = strength;
    }
    EXPECT_EQ((std::vector<int>{1, 3, 2, 0, 4}), StrongestFirst(networks));
    EXPECT_TRUE(StrongestFirst({}).empty());
}

TEST_F(ScanListTest, SsidIsTheBytesUpToTheFirstNulAtMost32)
{
    RecordSpec full = Named(std::string(32, 'X'));
    RecordSpec embeddedNul = Named(std::string("abc\0def", 7));
    RecordSpec lyingLength = Named("Longer");
    lyingLength.SsidLength = 2;
    const ScanList list = Scanned({full, embeddedNul, lyingLength});
    ASSERT_EQ(3, list.Count);
    EXPECT_EQ(std::string(32, 'X'), list.Entries[0].Ssid);
    EXPECT_EQ('\0', list.Entries[0].Ssid[32]);
    EXPECT_STREQ("abc", list.Entries[1].Ssid);
    EXPECT_STREQ("Longer", list.Entries[2].Ssid);
}

TEST_F(ScanListTest, ChannelsFromFrequencies)
{
    constexpr auto B24 = RadioBand::Band24, B5 = RadioBand::Band5, B6 = RadioBand::Band6, None = RadioBand::None;
    const struct {
        ULONG Khz;
        uint32_t Channel;
        RadioBand Band;
    } cases[] = {{2412000, 1, B24}, {2437000, 6, B24}, {2467000, 12, B24}, {2472000, 13, B24}, {2484000, 14, B24},
                 {2484999, 14, B24}, {5180000, 36, B5}, {5745000, 149, B5}, {5885000, 177, B5},
                 // 6 GHz channels are numbered anew: 37 there is not 5 GHz's.
                 {5955000, 1, B6}, {6135000, 37, B6}, {7115000, 233, B6},
                 // Outside the bands: no channel rather than a wrapped or invented number.
                 {0, 0, None}, {2000, 0, None}, {2411999, 0, None}, {2477000, 0, None}, {2485000, 0, None},
                 {5170000, 0, None}, {5890000, 0, None}, {7120000, 0, None}, {0xFFFFFFFF, 0, None}};
    std::vector<RecordSpec> records;
    for (const auto& c : cases) {
        records.push_back(Named("f"));
        records.back().FrequencyKhz = c.Khz;
    }
    const ScanList list = Scanned(records);
    ASSERT_EQ(static_cast<int>(std::size(cases)), list.Count);
    for (size_t i = 0; i < std::size(cases); ++i)
    {
        EXPECT_EQ(cases[i].Channel, list.Entries[i].Channel) << cases[i].Khz << " kHz";
        EXPECT_EQ(cases[i].Band, list.Entries[i].Band) << cases[i].Khz << " kHz";
    }
}

TEST_F(ScanListTest, SignalStrengthFromRssi)
{
    const LONG levels[] = {-50, -71, -96, -120, LONG(0x80000000)};
    std::vector<RecordSpec> records;
    for (LONG rssi : levels) {
        records.push_back(Named("s"));
        records.back().Rssi = rssi;
    }
    const ScanList list = Scanned(records);
    ASSERT_EQ(5, list.Count);
    EXPECT_EQ(100, list.Entries[0].SignalStrength);
    EXPECT_EQ(100, list.Entries[1].SignalStrength);
    EXPECT_GE(list.Entries[2].SignalStrength, 40);
    EXPECT_LE(list.Entries[2].SignalStrength, 49);
    EXPECT_EQ(0, list.Entries[3].SignalStrength);
    EXPECT_EQ(0, list.Entries[4].SignalStrength);
}

TEST_F(ScanListTest, EmptyAnswerAndFailingCall)
{
    ScanAnswer(0).Inject();
    ScanList list = MarkedList();
    ASSERT_TRUE(ReadScanList(list));
    EXPECT_EQ(0, list.Count);
    EXPECT_TRUE(Untouched(list.Entries[0]));

    ASSERT_EQ(0, VexaSimSetFailure("QueryScanList", 1));
    list = MarkedList();
    EXPECT_FALSE(ReadScanList(list));
    const ScanList marked = MarkedList();
    EXPECT_EQ(0, std::memcmp(&list, &marked, sizeof(list)));
}

TEST_F(ScanListTest, MalformedAnswersKeepTheEntriesBeforeTheBadRecord)
{
    const ULONG badLengths[] = {0, sizeof(NDIS_WLAN_BSSID) - 1, 0xFFFFFFF0u, ScanAnswerSize};
    for (ULONG length : badLengths) {
        RecordSpec bad = Named("Bad");
        bad.Length = length;
        SCOPED_TRACE("length " + std::to_string(length));
        const ScanList list = Scanned({Named("One"), Named("Two"), bad});
        EXPECT_EQ(2, list.Count);
        EXPECT_STREQ("Two", list.Entries[1].Ssid);
        EXPECT_TRUE(Untouched(list.Entries[2]));
    }
}

TEST_F(ScanListTest, CountLargerThanTheRecordsPresent)
{
    ScanAnswer(20).Add(Named("One")).Add(Named("Two")).Add(Named("Three")).Inject();
    ScanList list = MarkedList();
    ASSERT_TRUE(ReadScanList(list));
    EXPECT_EQ(3, list.Count);
    EXPECT_STREQ("Three", list.Entries[2].Ssid);
}

TEST_F(ScanListTest, RecordRunningPastTheEndOfTheAnswerBuffer)
{
    // Long records fill the whole answer; the last one that starts inside it claims more
    // bytes than remain.
    const ULONG longLength = 1000;
    const int whole = static_cast<int>((ScanAnswerSize - sizeof(ULONG)) / longLength);
    ScanAnswer answer(30);
    for (int i = 0; i < whole; ++i) {
        RecordSpec wanted = Named(std::to_string(i));
        wanted.Length = longLength;
        answer.Add(wanted);
        answer.PadTo(sizeof(ULONG) + (i + 1) * static_cast<size_t>(longLength));
    }
    RecordSpec last = Named("Last");
    last.Length = longLength;
    answer.Add(last);
    answer.PadTo(ScanAnswerSize);
    answer.Inject();

    ScanList list = MarkedList();
    ASSERT_TRUE(ReadScanList(list));
    EXPECT_EQ(whole, list.Count);
}

TEST_F(ScanListTest, ConvertingAnAnswerShorterThanItsHeader)
{
    const unsigned char tiny[2] = {5, 0};
    EXPECT_TRUE(ConvertScanAnswer(tiny, sizeof(tiny)).empty());
}
