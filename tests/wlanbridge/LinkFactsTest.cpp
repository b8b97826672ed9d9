// Native Wifi's interface answers as the library's status values.
#include "LinkEvents.h"
#include "LinkFacts.h"
#include "WlanAnswers.h"

#include "adapter/AdapterStatus.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

constexpr unsigned char Mac[6] = {0x02, 0x00, 0x00, 0x00, 0x00, 0x07};
constexpr unsigned char OtherMac[6] = {0x02, 0x00, 0x00, 0x00, 0x00, 0x08};

std::vector<BssEntryView> SeenAt(const unsigned char (&mac)[6], long rssi, Bytes& storage)
{
    BssEntry entry{"Home", {}, 2462000, rssi, true, false, {}};
    std::memcpy(entry.Bssid, mac, 6);
    storage = BssListOf({entry});
    return ReadBssList(storage);
}

}  // namespace

TEST(LinkFacts, RssiComesFromTheInterfaceElseTheBssEntryElseTheSignalQuality)
{
    Bytes listed, unrelated;
    const std::vector<BssEntryView> withLink = SeenAt(Mac, -67, listed);
    const std::vector<BssEntryView> withoutLink = SeenAt(OtherMac, -40, unrelated);
    const struct {
        const char* Case;
        std::optional<Bytes> Own;
        const std::vector<BssEntryView>* Bss;
        ULONG Quality;
        long Dbm;
    } rows[] = {
        {"the interface's own", BytesOf(LONG{-58}), &withLink, 10, -58},
        {"a short own answer falls to the BSS entry", Bytes{0xC6, 0xFF}, &withLink, 10, -67},
        {"no own answer, the BSS entry", std::nullopt, &withLink, 10, -67},
        {"another BSS only, quality 0", std::nullopt, &withoutLink, 0, -100},
        {"quality 50", std::nullopt, &withoutLink, 50, -75},
        {"quality 100", std::nullopt, &withoutLink, 100, -50},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const ConnectionFacts link = ReadConnection(ConnectionOf(wlan_interface_state_connected, "Home", Mac, row.Quality));
        EXPECT_EQ(row.Dbm, LinkRssi(row.Own, link, *row.Bss));
    }
}

TEST(LinkFacts, ConnectionAttributesGiveTheLinkInTheLibrarysUnits)
{
    const struct {
        const char* Case;
        Bytes Answer;
        bool Connected;
        const char* Ssid;
        bool AdHoc;
        const char* RateText;  // as the program shows the library's figure
    } rows[] = {
        {"54 Mbit/s", ConnectionOf(wlan_interface_state_connected, "Home", Mac, 80, 54000), true, "Home", false, "54 "},
        {"5.5 Mbit/s", ConnectionOf(wlan_interface_state_connected, "Home", Mac, 80, 5500), true, "Home", false, "5.5 "},
        {"ad-hoc formed", ConnectionOf(wlan_interface_state_ad_hoc_network_formed, "Party", Mac, 80, 11000,
                                       dot11_BSS_type_independent), true, "Party", true, "11 "},
        {"disconnected", ConnectionOf(wlan_interface_state_disconnected, "Home", Mac), false, "", false, nullptr},
        {"a short answer", Bytes(12, 0x01), false, "", false, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const ConnectionFacts facts = ReadConnection(row.Answer);
        EXPECT_EQ(row.Connected, facts.Connected);
        EXPECT_EQ(row.Ssid, facts.Ssid);
        EXPECT_EQ(row.AdHoc, facts.AdHoc);
        if (row.RateText) {
            char text[12];
            FormatTxRate(facts.TxRate100bps, text);
            EXPECT_STREQ(row.RateText, text);
        }
    }
    Bytes tooLong = ConnectionOf(wlan_interface_state_connected, "x", Mac);
    const ULONG length = 40;  // a length past the SSID's 32 bytes is cut to them
    std::memcpy(tooLong.data() + offsetof(WLAN_CONNECTION_ATTRIBUTES, wlanAssociationAttributes), &length,
                sizeof length);
    EXPECT_EQ(32u, ReadConnection(tooLong).Ssid.size());
}

TEST(LinkFacts, TheLinksFrequencyIsItsBssEntrysCentreFrequency)
{
    Bytes storage;
    const std::vector<BssEntryView> bss = SeenAt(Mac, -60, storage);
    EXPECT_EQ(2462000u, LinkFrequency(ReadConnection(ConnectionOf(wlan_interface_state_connected, "Home", Mac)), bss));
    EXPECT_EQ(0u, LinkFrequency(ReadConnection(ConnectionOf(wlan_interface_state_connected, "Home", OtherMac)), bss));
}

TEST(LinkFacts, RadioIsOnWhenAPhyIsOnInSoftwareAndAtItsSwitch)
{
    const auto on = dot11_radio_state_on;
    const auto off = dot11_radio_state_off;
    const struct {
        const char* Case;
        Bytes Answer;
        bool On;
        bool HardwareOn;
    } rows[] = {
        {"on", RadioOf({{on, on}}), true, true},
        {"software off", RadioOf({{off, on}}), false, true},
        {"switch off", RadioOf({{on, off}}), false, false},
        {"one of two phys on", RadioOf({{off, on}, {on, on}}), true, true},
        {"an empty answer reads on", Bytes{}, true, true},
        {"phys claimed beyond the answer", Bytes{5, 0, 0, 0}, true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        const RadioFacts radio = ReadRadio(row.Answer);
        EXPECT_EQ(row.On, radio.On);
        EXPECT_EQ(row.HardwareOn, radio.HardwareOn);
    }
}

TEST(LinkFacts, FragmentCountsAddUpThePhysTheAnswerHoldsWhole)
{
    const size_t onePhy = offsetof(WLAN_STATISTICS, PhyCounters) + sizeof(WLAN_PHY_FRAME_STATISTICS);
    Bytes answer(onePhy + sizeof(WLAN_PHY_FRAME_STATISTICS) / 2, 0);
    const DWORD phys = 2;  // the second is cut off
    std::memcpy(answer.data() + offsetof(WLAN_STATISTICS, dwNumberOfPhys), &phys, sizeof phys);
    WLAN_PHY_FRAME_STATISTICS counters{};
    counters.ullTransmittedFragmentCount = 0x100000007ull;
    counters.ullReceivedFragmentCount = 9;
    std::memcpy(answer.data() + offsetof(WLAN_STATISTICS, PhyCounters), &counters, sizeof counters);
    unsigned long long tx = 0, rx = 0;
    ASSERT_TRUE(ReadFragmentCounts(answer, tx, rx));
    EXPECT_EQ(0x100000007ull, tx);
    EXPECT_EQ(9ull, rx);
    EXPECT_FALSE(ReadFragmentCounts(Bytes(8, 0), tx, rx));
}

TEST(LinkEvents, ConnectionNotificationsOfTheInterfaceMoveTheLink)
{
    const GUID iface = {0x1234, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    const GUID other = {0x9999, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    const struct {
        const char* Case;
        GUID Interface;
        DWORD Source;
        DWORD Code;
        Bytes Data;
        LinkPhase Phase;
    } rows[] = {
        {"start", iface, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_start, ConnectionNotice("Home"),
         LinkPhase::Connecting},
        {"complete", iface, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete,
         ConnectionNotice("Home"), LinkPhase::Connected},
        {"complete with a reason", iface, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete,
         ConnectionNotice("Home", 0x00028002), LinkPhase::Failed},
        {"complete without data", iface, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete,
         Bytes{}, LinkPhase::Failed},
        // Windows may try other access points: only connection_complete tells the outcome.
        {"attempt failed", iface, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_attempt_fail,
         ConnectionNotice("Home"), LinkPhase::Connecting},
        {"disconnected", iface, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_disconnected,
         ConnectionNotice("Home"), LinkPhase::Idle},
        {"another interface", other, WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete,
         ConnectionNotice("Home"), LinkPhase::Connecting},
        {"another source", iface, WLAN_NOTIFICATION_SOURCE_MSM, wlan_notification_acm_connection_complete,
         ConnectionNotice("Home"), LinkPhase::Connecting},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Case);
        LinkSnapshot link;
        link.Phase = LinkPhase::Connecting;
        ApplyEvent(link, iface, WlanEvent{row.Source, row.Code, row.Interface, row.Data});
        EXPECT_EQ(row.Phase, link.Phase);
    }
    LinkSnapshot link;
    ApplyEvent(link, iface, WlanEvent{WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_start, iface,
                                      ConnectionNotice("Office")});
    EXPECT_EQ("Office", link.TargetSsid);
}
