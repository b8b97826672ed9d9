#include "AdapterFixture.h"

#include <cstring>
#include <set>
#include <string>

namespace {

class LinkTest : public AdapterTest {
protected:
    void SetUp() override
    {
        AdapterTest::SetUp();
        Join("Wireless");
        ASSERT_TRUE(Associated());
    }

    NDIS_802_11_STATISTICS Statistics()
    {
        NDIS_802_11_STATISTICS s{};
        EXPECT_EQ(0, Vexa5200QueryStatistics(handle_, &s));
        return s;
    }
};

// Waits until the clock the adapter counts by has reached the time; false only if it never does.
bool ClockPasses(ULONGLONG time)
{
    const ULONGLONG limit = GetTickCount64() + 20000;
    while (GetTickCount64() < time && GetTickCount64() < limit)
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    return GetTickCount64() >= time;
}

}  // namespace

TEST_F(LinkTest, DropsWhenTheNetworkLeavesRange)
{
    ASSERT_EQ(0, VexaSimRemoveNetwork("Wireless"));
    EXPECT_FALSE(Associated());
    EXPECT_EQ("", Ssid());
}

TEST_F(LinkTest, DropsWhenTheSignalFadesBelowTheEdge)
{
    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -94));
    EXPECT_TRUE(Associated());
    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -96));
    EXPECT_FALSE(Associated());
    // Coming back, it is joined again, as a card keeps trying for the network it was given.
    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -50));
    EXPECT_TRUE(Associated());
}

TEST_F(LinkTest, DropsWhenTheRadioGoesOff)
{
    ASSERT_EQ(0, Vexa5200SetRadioControl(handle_, 0));
    EXPECT_FALSE(Associated());
    unsigned long on = 9;
    ASSERT_EQ(0, Vexa5200QueryRadioControl(handle_, &on));
    EXPECT_EQ(0u, on);

    ASSERT_EQ(0, Vexa5200SetRadioControl(handle_, 1));
    Join("Wireless");
    ASSERT_TRUE(Associated());
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    EXPECT_FALSE(Associated());
    // The software switch cannot override the hardware switch.
    Vexa5200SetRadioControl(handle_, 1);
    ASSERT_EQ(0, Vexa5200QueryRadioControl(handle_, &on));
    EXPECT_EQ(0u, on);
    Join("Wireless");
    EXPECT_FALSE(Associated());
    EXPECT_NE(0, Vexa5200Scan(handle_));
}

TEST_F(LinkTest, DropsWhenTheCardIsRemoved)
{
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    Vexa5200CloseAdapter(&handle_);
    ASSERT_EQ(0, Vexa5200OpenAdapter(&handle_));
    EXPECT_FALSE(Associated());
}

TEST_F(LinkTest, DropsOnDisassociate)
{
    ASSERT_EQ(0, Vexa5200SetDisassociate(handle_));
    EXPECT_FALSE(Associated());
    EXPECT_EQ("(failed)", BssidText());
    unsigned long rssi = 0;
    EXPECT_NE(0, Vexa5200QueryRssi(handle_, &rssi));
}

TEST_F(LinkTest, DropsWhenTheNetworkChangesItsSecurity)
{
    VexaSimNetwork n = SimNetwork("Wireless", VEXASIM_WEP, -55, 6);
    const unsigned char bssid[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x00, 0x01};
    std::memcpy(n.Bssid, bssid, 6);
    std::memcpy(n.WepKey, "12345", 5);
    n.WepKeyLength = 5;
    ASSERT_EQ(0, VexaSimUpdateNetwork(&n));
    EXPECT_FALSE(Associated());
}

TEST_F(LinkTest, DropsWhenTheModeChangesAndOnPortDownOfAnEapLink)
{
    // Still trying for "Wireless", now in ad-hoc mode: a network of its own on the channel.
    Vexa5200SetNetworkMode(handle_, 0);
    EXPECT_NE("00-1A-2B-3C-00-01", BssidText());
    EXPECT_EQ(1u, Channel());

    // An open link does not rest on the 802.1X port.
    Vexa5200SetNetworkMode(handle_, 1);
    Join("Wireless");
    Vexa5200WPAPortDown(handle_);
    EXPECT_TRUE(Associated());

    // An EAP-TLS link goes down with the port and is joined again after the join delay.
    const unsigned char thumbprint[20] = {0x3A, 0x11};
    Vexa5200SetAuthMode(handle_, 3);
    Vexa5200WPACreateIdentityTLS("Test User", thumbprint);
    Vexa5200SetWPAInformation(handle_, 5, 2, "", "CorpSecure");
    Vexa5200SetWepStatus(handle_, 4);
    Join("CorpSecure");
    ASSERT_TRUE(Associated());
    ASSERT_EQ(0, VexaSimSetJoinDelay(60000));
    Vexa5200WPAPortDown(handle_);
    EXPECT_FALSE(Associated());
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    EXPECT_TRUE(Associated());
}

TEST_F(LinkTest, SignalDriftsAFewDecibelsAroundTheNetworkLevel)
{
    // The drift of a link follows its access point as well as the time, so access points at
    // one level show its spread at once, where one of them would need seconds of waiting.
    std::set<long> seen;
    for (int i = 0; i < 12; ++i) {
        const std::string ssid = "Level" + std::to_string(i);
        VexaSimNetwork network = SimNetwork(ssid.c_str(), VEXASIM_OPEN, -70);
        ASSERT_EQ(0, VexaSimAddNetwork(&network));
        Join(ssid.c_str());
        ASSERT_TRUE(Associated()) << ssid;
        const long rssi = Rssi();
        EXPECT_GE(rssi, -73) << ssid;
        EXPECT_LE(rssi, -67) << ssid;
        seen.insert(rssi);
    }
    EXPECT_GT(seen.size(), 1u) << "no drift at all";
}

TEST_F(LinkTest, FragmentCountersAdvanceWithTheTrafficRateOnlyWhileAssociated)
{
    // At the highest rate a single millisecond of association shows in the counters, so
    // the test only waits for the clock to move on, not for a lot of traffic.
    constexpr unsigned long Rate = 1000000;
    ASSERT_EQ(0, VexaSimSetTrafficRate(Rate));
    NDIS_802_11_STATISTICS before = Statistics();
    const ULONGLONG firstReadDone = GetTickCount64();
    EXPECT_EQ(sizeof(NDIS_802_11_STATISTICS), before.Length);
    ASSERT_TRUE(ClockPasses(firstReadDone + 50));
    const ULONGLONG secondReadStarts = GetTickCount64();
    NDIS_802_11_STATISTICS after = Statistics();
    LONGLONG rx = after.ReceivedFragmentCount.QuadPart - before.ReceivedFragmentCount.QuadPart;
    LONGLONG tx = after.TransmittedFragmentCount.QuadPart - before.TransmittedFragmentCount.QuadPart;
    // At least 85% of the rate over the time that surely passed between the two reads (less
    // a tick of the clock), however long a loaded machine took to wake up.
    const LONGLONG surelyElapsedMs = static_cast<LONGLONG>(secondReadStarts - firstReadDone) - 20;
    EXPECT_GT(rx, 0);
    EXPECT_GE(rx, static_cast<LONGLONG>(Rate) * 85 / 100 * surelyElapsedMs / 1000 - 2);
    EXPECT_NEAR(static_cast<double>(tx), rx / 2.0, 2.0);

    Vexa5200SetDisassociate(handle_);
    NDIS_802_11_STATISTICS idle = Statistics();
    ASSERT_TRUE(ClockPasses(GetTickCount64() + 20));
    NDIS_802_11_STATISTICS later = Statistics();
    EXPECT_EQ(idle.ReceivedFragmentCount.QuadPart, later.ReceivedFragmentCount.QuadPart);
    EXPECT_EQ(idle.TransmittedFragmentCount.QuadPart, later.TransmittedFragmentCount.QuadPart);
}
