#include "AdapterFixture.h"

#include <cstring>
#include <functional>

namespace {

using JoinRetryTest = AdapterTest;

VexaSimNetwork Cafe(int rssi = -60)
{
    return SimNetwork("Cafe", VEXASIM_OPEN, rssi, 4);
}

}  // namespace

// A network asked for before it is in range is joined as soon as it appears, in each way it
// can appear, and with the join delay of a first join.
TEST_F(JoinRetryTest, ANetworkThatComesIntoReachLaterIsJoined)
{
    const struct {
        const char* Way;
        std::function<void()> Before;  // the network is not in reach after this
        std::function<void()> Arrive;
    } ways[] = {
        {"added to the scene", [] {}, [] {
             VexaSimNetwork cafe = Cafe();
             ASSERT_EQ(0, VexaSimAddNetwork(&cafe));
         }},
        {"its signal rising above the edge", [] {
             VexaSimNetwork cafe = Cafe(-99);
             ASSERT_EQ(0, VexaSimAddNetwork(&cafe));
         },
         [] { ASSERT_EQ(0, VexaSimSetNetworkRssi("Cafe", -70)); }},
        {"its security changed to the settings'", [] {
             VexaSimNetwork cafe = SimNetwork("Cafe", VEXASIM_WPA_TLS, -60, 4);
             ASSERT_EQ(0, VexaSimAddNetwork(&cafe));
         },
         [] { ASSERT_EQ(0, VexaSimCommand("network change Cafe security=open", nullptr, 0)); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.Way);
        ASSERT_EQ(0, VexaSimReset());
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        Vexa5200CloseAdapter(&handle_);
        ASSERT_EQ(0, Vexa5200OpenAdapter(&handle_));
        way.Before();
        Join("Cafe");
        EXPECT_FALSE(Associated());
        EXPECT_EQ("", Ssid());

        ASSERT_EQ(0, VexaSimSetJoinDelay(60000));
        way.Arrive();
        EXPECT_FALSE(Associated());
        EXPECT_EQ("Cafe", Ssid());  // being joined
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        EXPECT_TRUE(Associated());
        EXPECT_EQ(4u, Channel());
    }
}

TEST_F(JoinRetryTest, ChangedSettingsThatNowFitAreJoinedWithoutAnotherSetSsid)
{
    Vexa5200SetWepStatus(handle_, 0);
    Vexa5200SetWepKey(handle_, 1, reinterpret_cast<const unsigned char*>("wrongkey12345"), 13, 1);
    Join("HomeWEP");
    EXPECT_FALSE(Associated());
    Vexa5200SetWepKey(handle_, 1, reinterpret_cast<const unsigned char*>("vexa128bitkey"), 13, 1);
    EXPECT_TRUE(Associated());
    EXPECT_EQ("HomeWEP", Ssid());
}

TEST_F(JoinRetryTest, ALostLinkComesBackWithItsNetworkOrMovesToAnotherOfTheSameName)
{
    VexaSimNetwork second = SimNetwork("Wireless", VEXASIM_OPEN, -80, 11);
    ASSERT_EQ(0, VexaSimAddNetwork(&second));
    Join("Wireless");
    ASSERT_EQ(6u, Channel());

    ASSERT_EQ(0, VexaSimCommand("network change 00:1A:2B:3C:00:01 rssi=-99", nullptr, 0));
    EXPECT_TRUE(Associated());
    EXPECT_EQ(11u, Channel());

    ASSERT_EQ(0, VexaSimRemoveNetwork("Wireless"));
    EXPECT_FALSE(Associated());
    VexaSimNetwork back = SimNetwork("Wireless", VEXASIM_OPEN, -50, 2);
    ASSERT_EQ(0, VexaSimAddNetwork(&back));
    EXPECT_TRUE(Associated());
    EXPECT_EQ(2u, Channel());
}

TEST_F(JoinRetryTest, AnEmptySsidKeepsJoiningAnyNetworkThatFits)
{
    Vexa5200SetSsid(handle_, "", 0, 0);
    ASSERT_TRUE(Associated());
    ASSERT_EQ(0, VexaSimRemoveAllNetworks());
    EXPECT_FALSE(Associated());
    VexaSimNetwork cafe = Cafe();
    ASSERT_EQ(0, VexaSimAddNetwork(&cafe));
    EXPECT_TRUE(Associated());
    EXPECT_EQ("Cafe", Ssid());
}

// Each of these ends the trying: the network showing up afterwards is not joined.
TEST_F(JoinRetryTest, DisassociationRadioOffRemovalOrAnotherSsidEndTheTrying)
{
    const struct {
        const char* Event;
        std::function<void(VEXA5200_HANDLE&)> Act;
    } events[] = {
        {"disassociation", [](VEXA5200_HANDLE& h) { Vexa5200SetDisassociate(h); }},
        {"software radio off and on", [](VEXA5200_HANDLE& h) {
             Vexa5200SetRadioControl(h, 0);
             Vexa5200SetRadioControl(h, 1);
         }},
        {"hardware radio off and on", [](VEXA5200_HANDLE&) {
             VexaSimSetHardwareRadio(0);
             VexaSimSetHardwareRadio(1);
         }},
        {"card out and in", [](VEXA5200_HANDLE& h) {
             VexaSimSetCardPresent(0);
             VexaSimSetCardPresent(1);
             Vexa5200CloseAdapter(&h);
             Vexa5200OpenAdapter(&h);
         }},
        {"another SSID", [](VEXA5200_HANDLE& h) { Vexa5200SetSsid(h, "Nowhere", 7, 0); }},
    };
    for (const auto& event : events) {
        SCOPED_TRACE(event.Event);
        ASSERT_EQ(0, VexaSimReset());
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        Vexa5200CloseAdapter(&handle_);
        ASSERT_EQ(0, Vexa5200OpenAdapter(&handle_));
        Join("Cafe");
        event.Act(handle_);
        VexaSimNetwork cafe = Cafe();
        ASSERT_EQ(0, VexaSimAddNetwork(&cafe));
        EXPECT_FALSE(Associated());
        EXPECT_EQ(std::string::npos, AdapterStatusText().find("joins \"Cafe\""));
    }
}

TEST_F(JoinRetryTest, TheStatusTextNamesTheNetworkBeingWaitedFor)
{
    Join("Cafe");
    EXPECT_NE(std::string::npos, AdapterStatusText().find("link: not associated, joins \"Cafe\" when it comes into reach"))
        << AdapterStatusText();
}
