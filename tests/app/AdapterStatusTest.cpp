#include "AdapterScene.h"
#include "SimNetwork.h"

#include "adapter/AdapterStatus.h"
#include "adapter/SignalMapping.h"

#include <cstring>
#include <string>

namespace {

using StatusQuery = AdapterScene;

AdapterStatus Cleared()
{
    AdapterStatus status;
    std::memset(&status, 0, sizeof status);
    return status;
}

// A cleared record after a query that must succeed.
AdapterStatus Queried()
{
    AdapterStatus status = Cleared();
    EXPECT_TRUE(QueryAdapterStatus(status));
    return status;
}

TEST_F(StatusQuery, RadioOffWritesOnlyTheLinkState)
{
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    AdapterStatus status = Queried();
    EXPECT_EQ(LinkRadioOff, status.LinkState);
    AdapterStatus expected = Cleared();
    expected.LinkState = LinkRadioOff;
    EXPECT_EQ(0, std::memcmp(&expected, &status, sizeof status)) << "Ssid '" << status.Ssid << "' rate '"
                                                                 << status.TxRate << "'";
}

TEST_F(StatusQuery, NotAssociatedReportsTheFallbacksAndLeavesTheSignalAlone)
{
    AdapterStatus status = Cleared();
    status.LinkQuality = 77;
    status.SignalStrength = 78;
    EXPECT_TRUE(QueryAdapterStatus(status));
    EXPECT_EQ(LinkNotAssociated, status.LinkState);
    EXPECT_STREQ("", status.Ssid);
    EXPECT_STREQ("00-00-00-00-00-00", status.Bssid);
    EXPECT_EQ(1u, status.NetworkMode);
    EXPECT_EQ(1u, status.Channel);
    // No association, no RSSI: the caller's values stay.
    EXPECT_EQ(77, status.LinkQuality);
    EXPECT_EQ(78, status.SignalStrength);

    ASSERT_EQ(0, Vexa5200SetNetworkMode(AdapterHandle, 0));
    status = Queried();
    EXPECT_EQ(LinkNotAssociatedAdHoc, status.LinkState);
    EXPECT_EQ(0u, status.NetworkMode);
}

TEST_F(StatusQuery, AnInfrastructureAssociationFillsEveryField)
{
    Join("Wireless");
    AdapterStatus status = Cleared();
    status.TxFragments = 0xDEADBEEF;
    status.RxFragments = 0xDEADBEEF;
    EXPECT_TRUE(QueryAdapterStatus(status));
    EXPECT_EQ(LinkAssociated, status.LinkState);
    EXPECT_STREQ("Wireless", status.Ssid);
    EXPECT_STREQ("00-1A-2B-3C-00-01", status.Bssid);
    EXPECT_EQ(1u, status.NetworkMode);
    EXPECT_EQ(6u, status.Channel);
    EXPECT_STREQ("54 ", status.TxRate);
    // -55 dBm is above full scale.
    EXPECT_EQ(100, status.SignalStrength);
    EXPECT_GE(status.LinkQuality, 90);
    EXPECT_LE(status.LinkQuality, 99);
    EXPECT_NE(0xDEADBEEFu, status.TxFragments);
    EXPECT_NE(0xDEADBEEFu, status.RxFragments);
}

TEST_F(StatusQuery, AnAdHocAssociationIsAssociatedNotAdHocIdle)
{
    ASSERT_EQ(0, Vexa5200SetNetworkMode(AdapterHandle, 0));
    ASSERT_EQ(0, Vexa5200SetChannel(AdapterHandle, 10));
    Join("LabAdHoc");
    AdapterStatus status = Queried();
    EXPECT_EQ(LinkAssociated, status.LinkState);
    EXPECT_EQ(0u, status.NetworkMode);
    EXPECT_STREQ("LabAdHoc", status.Ssid);
    EXPECT_STREQ("11 ", status.TxRate);
}

TEST(TxRateText, RatesGetTheirTenth)
{
    struct Case {
        unsigned long speed;
        const char* text;
    } cases[] = {{10000, "1 "},    {20000, "2 "},   {55000, "5.5 "}, {110000, "11 "},
                 {60000, "6 "},    {540000, "54 "}, {0, "0 "},       {0xFFFFFFFFul, "429496.7 "},
                 {65000, "6.5 "},  {8667000, "866.7 "}, {8666990, "866.7 "}, {1300000, "130 "}};
    for (const Case& c : cases) {
        char text[12] = "garbage";
        FormatTxRate(c.speed, text);
        EXPECT_STREQ(c.text, text) << c.speed;
    }
}

TEST_F(StatusQuery, AFiveAndAHalfMegabitLinkReadsAsSuch)
{
    VexaSimNetwork slow = WithBssid(SimNetwork("SlowNet", VEXASIM_OPEN, -60, 4), "00-11-22-33-44-55");
    slow.MaxRateCode = 11;
    ASSERT_EQ(0, VexaSimAddNetwork(&slow));
    Join("SlowNet");
    AdapterStatus status = Queried();
    EXPECT_STREQ("5.5 ", status.TxRate);
    EXPECT_STREQ("00-11-22-33-44-55", status.Bssid);
}

TEST(SignalMapping, TheScaleEndsAndTheJitter)
{
    // -71 dBm and above is full scale; -96 dBm is the bottom of the scale.
    for (int jitter = 0; jitter < 10; ++jitter) {
        EXPECT_EQ(100, SignalPercentFromRssi(-71, jitter));
        EXPECT_EQ(100, SignalPercentFromRssi(-60, jitter));
        EXPECT_EQ(90 + jitter, LinkQualityFromRssi(-60, jitter));
        EXPECT_EQ(30 + jitter, LinkQualityFromRssi(-96, jitter));
        EXPECT_EQ(40 + jitter, SignalPercentFromRssi(-96, jitter));
        EXPECT_EQ(21 + jitter, LinkQualityFromRssi(-100, jitter));
        EXPECT_EQ(31 + jitter, SignalPercentFromRssi(-100, jitter));
        EXPECT_EQ(jitter > 3 ? jitter - 3 : 0, LinkQualityFromRssi(-110, jitter));
        EXPECT_EQ(7 + jitter, SignalPercentFromRssi(-110, jitter));
    }
    EXPECT_EQ(0, LinkQualityFromRssi(-2000000000, 9));
    EXPECT_EQ(100, SignalPercentFromRssi(2000000000, 0));
}

// One library call fails at a time; the query falls back as each step says.
struct FallbackCase {
    const char* function;
    bool valid;
    void (*check)(const AdapterStatus&);
};

void ExpectNoAdapter(const AdapterStatus& s)
{
    EXPECT_EQ(LinkNoAdapter, s.LinkState);
    EXPECT_STREQ("", s.Ssid) << "nothing else is written";
}

TEST_F(StatusQuery, EachFailingQueryFallsBackOnItsOwn)
{
    ASSERT_EQ(0, Vexa5200SetNetworkMode(AdapterHandle, 0));
    ASSERT_EQ(0, Vexa5200SetChannel(AdapterHandle, 10));
    Join("LabAdHoc");

    const FallbackCase cases[] = {
        {"QueryRegistryPath", false, ExpectNoAdapter},
        {"QueryRadioControl", false, ExpectNoAdapter},
        {"QueryNetworkMode", true,
         [](const AdapterStatus& s) {
             EXPECT_EQ(1u, s.NetworkMode);
             EXPECT_EQ(LinkAssociated, s.LinkState);
         }},
        {"QueryChannel", true, [](const AdapterStatus& s) { EXPECT_EQ(1u, s.Channel); }},
        {"GetConnectStatus", true, [](const AdapterStatus& s) { EXPECT_EQ(LinkNotAssociatedAdHoc, s.LinkState); }},
        {"QuerySsid", true, [](const AdapterStatus& s) { EXPECT_STREQ("", s.Ssid); }},
        {"QueryBssid", true, [](const AdapterStatus& s) { EXPECT_STREQ("00-00-00-00-00-00", s.Bssid); }},
        {"QueryLinkSpeed", true, [](const AdapterStatus& s) { EXPECT_STREQ("Auto", s.TxRate); }},
        {"QueryRssi", true,
         [](const AdapterStatus& s) {
             EXPECT_EQ(-5, s.LinkQuality);
             EXPECT_EQ(-6, s.SignalStrength);
         }},
        {"QueryStatistics", true,
         [](const AdapterStatus& s) {
             EXPECT_EQ(1111u, s.TxFragments);
             EXPECT_EQ(2222u, s.RxFragments);
         }},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.function);
        ASSERT_EQ(0, VexaSimSetFailure(c.function, 1));
        AdapterStatus status = Cleared();
        status.LinkQuality = -5;
        status.SignalStrength = -6;
        status.TxFragments = 1111;
        status.RxFragments = 2222;
        EXPECT_EQ(c.valid, QueryAdapterStatus(status));
        c.check(status);
        ASSERT_EQ(0, VexaSimSetFailure(c.function, 0));
    }

    // With every query answering, the same scene reads in full.
    AdapterStatus status = Queried();
    EXPECT_EQ(0u, status.NetworkMode);
    EXPECT_EQ(10u, status.Channel);
    EXPECT_STREQ("LabAdHoc", status.Ssid);
}

TEST_F(StatusQuery, AFailingModeQueryMakesAnIdleAdHocAdapterReadAsInfrastructure)
{
    ASSERT_EQ(0, Vexa5200SetNetworkMode(AdapterHandle, 0));
    ASSERT_EQ(0, VexaSimSetFailure("QueryNetworkMode", 1));
    AdapterStatus status = Queried();
    EXPECT_EQ(LinkNotAssociated, status.LinkState);
}

TEST_F(StatusQuery, ARemovedCardIsNoAdapter)
{
    Join("Wireless");
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    AdapterStatus status = Cleared();
    EXPECT_FALSE(QueryAdapterStatus(status));
    EXPECT_EQ(LinkNoAdapter, status.LinkState);
    EXPECT_STREQ("", status.Ssid);
}

}  // namespace
