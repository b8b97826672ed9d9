// What the Link Info and About pages show, as functions of their inputs, and the keys that
// switch pages.
#include "ui/linkinfo/LinkInfoDisplay.h"
#include "ui/frame/PageSwitchKeys.h"
#include "ui/about/VersionTexts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// A snapshot as the query leaves it for an infrastructure link; tests change what they need.
AdapterStatus Status(int32_t state, uint32_t mode = 1)
{
    AdapterStatus status = {};
    status.LinkState = state;
    std::strcpy(status.Ssid, "Wireless");
    std::strcpy(status.Bssid, "00-0A-1B-2C-3D-4E");
    status.NetworkMode = mode;
    status.Channel = 6;
    std::strcpy(status.TxRate, "54 ");
    status.LinkQuality = 93;
    status.SignalStrength = 100;
    return status;
}

struct StateCase {
    int32_t state;
    uint32_t mode;
    const char* status;
    const char* ssid;
    const char* quality;
    const char* signal;
    int qualityBar;
    int signalBar;
};

TEST(LinkInfoDisplay, StatusSsidAndLevelsFollowTheStateAndTheMode)
{
    const StateCase cases[] = {
        {0, 1, "No Connection to Network", "", "", "", 0, 0},
        {1, 1, "Scanning...", "", "", "", 0, 0},
        {2, 1, "Connecting...", "", "", "", 0, 0},
        {3, 1, "Associated BSSID=00-0A-1B-2C-3D-4E", "Wireless", "93%", "100%", 93, 100},
        // Ad-hoc: the cell's identifier, and no levels to show.
        {3, 0, "Associated IBSSID=00-0A-1B-2C-3D-4E", "Wireless", "", "", 0, 0},
        {4, 1, "Radio Off", "", "", "", 0, 0},
        {5, 0, "Ad-Hoc, Not Associated IBSSID=00-0A-1B-2C-3D-4E", "Wireless", "", "", 0, 0},
        {-1, 1, "Driver not Load", "", "", "", 0, 0},
        {6, 1, "Driver not Load", "", "", "", 0, 0},
        {-7, 1, "Driver not Load", "", "", "", 0, 0},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE("state " + std::to_string(c.state) + " mode " + std::to_string(c.mode));
        const LinkDisplay shown = DescribeLink(Status(c.state, c.mode));
        EXPECT_EQ(c.status, shown.Status);
        EXPECT_EQ(c.ssid, shown.Ssid);
        EXPECT_EQ(c.quality, shown.LinkQualityText);
        EXPECT_EQ(c.signal, shown.SignalStrengthText);
        EXPECT_EQ(c.qualityBar, shown.LinkQualityBar);
        EXPECT_EQ(c.signalBar, shown.SignalStrengthBar);
        EXPECT_EQ("54 ", shown.TxRate);
        EXPECT_EQ(std::optional<std::string>("6"), shown.Channel);
    }
}

TEST(LinkInfoDisplay, AnEmptySsidReadsAnyAndChannelZeroKeepsTheLastChannel)
{
    AdapterStatus status = Status(3);
    status.Ssid[0] = '\0';
    status.Channel = 0;
    const LinkDisplay shown = DescribeLink(status);
    EXPECT_EQ("Any", shown.Ssid);
    EXPECT_EQ(std::nullopt, shown.Channel);

    status.Channel = 14;
    EXPECT_EQ(std::optional<std::string>("14"), DescribeLink(status).Channel);
}

TEST(LinkInfoDisplay, NetworkDetailsWithheldForLackOfLocationAccessSayWhereToAllowThem)
{
    for (int32_t state : {0, 3}) {
        AdapterStatus status = Status(state);
        status.LocationDenied = true;
        EXPECT_EQ(LocationAccessAdvice, DescribeLink(status).Status) << state;
    }
    AdapterStatus refused = Status(0);
    refused.NeedsWindowsSettings = true;
    EXPECT_EQ(Wpa3OnlyAdvice, DescribeLink(refused).Status);
}

TEST(LinkInfoDisplay, UnterminatedTextFieldsAreReadOnlyToTheirEnd)
{
    AdapterStatus status = Status(3);
    std::memset(status.Ssid, 'S', sizeof status.Ssid);
    std::memset(status.Bssid, 'B', sizeof status.Bssid);
    std::memset(status.TxRate, '9', sizeof status.TxRate);
    const LinkDisplay shown = DescribeLink(status);
    EXPECT_EQ(std::string(33, 'S'), shown.Ssid);
    EXPECT_EQ("Associated BSSID=" + std::string(18, 'B'), shown.Status);
    EXPECT_EQ(std::string(12, '9'), shown.TxRate);
}

struct ThroughputCase {
    const char* what;
    int32_t state;
    uint32_t elapsed;
    uint32_t tx;  // counters after the first reading at 1000 sent and 2000 received
    uint32_t rx;
    ThroughputDisplay shown;
};

TEST(LinkInfoDisplay, ThroughputIsKilobitsPerSecondOnALogarithmicGraph)
{
    const ThroughputCase cases[] = {
        {"one fragment a second", 3, 1000, 1001, 2001, {8, 8, 22, 22}},
        {"nothing moved", 3, 1000, 1000, 2000, {0, 0, 0, 0}},
        {"1 Kbps draws at the bottom", 3, 8000, 1001, 2001, {1, 1, 0, 0}},
        {"10000 Kbps at the top", 3, 1000, 1000 + 1250, 2000 + 1250, {10000, 10000, 100, 100}},
        {"above 10000 too", 3, 1000, 1000 + 50000, 2000 + 50000, {400000, 400000, 140, 140}},
        {"not associated: receive reads 0", 0, 1000, 1100, 2100, {800, 0, 72, 0}},
        {"radio off still receives", 4, 1000, 1100, 2100, {800, 800, 72, 72}},
        {"transmit counter restarted", 3, 1000, 10, 2100, {80, 800, 47, 72}},
        {"receive counter restarted", 3, 1000, 1100, 5, {800, 40, 72, 40}},
        {"a huge jump within a millisecond", 3, 1, 0xFFFFFFFF, 2000, {2147483647, 0, 233, 0}},
    };
    for (const ThroughputCase& c : cases) {
        SCOPED_TRACE(c.what);
        ThroughputMemory memory;
        AdapterStatus status = Status(c.state);
        status.TxFragments = 1000;
        status.RxFragments = 2000;
        ASSERT_TRUE(MeasureThroughput(memory, 5000, status));
        status.TxFragments = c.tx;
        status.RxFragments = c.rx;
        const auto shown = MeasureThroughput(memory, 5000 + c.elapsed, status);
        ASSERT_TRUE(shown);
        EXPECT_EQ(c.shown.TransmitRate, shown->TransmitRate);
        EXPECT_EQ(c.shown.ReceiveRate, shown->ReceiveRate);
        EXPECT_EQ(c.shown.TransmitGraph, shown->TransmitGraph);
        EXPECT_EQ(c.shown.ReceiveGraph, shown->ReceiveGraph);
        EXPECT_EQ(5000 + c.elapsed, memory.Tick);
        EXPECT_EQ(c.tx, memory.TxFragments);
        EXPECT_EQ(c.rx, memory.RxFragments);
    }
}

TEST(LinkInfoDisplay, ReadingsInTheSameMillisecondShowNothingButAreKept)
{
    ThroughputMemory memory;
    AdapterStatus status = Status(3);
    status.TxFragments = 100;
    ASSERT_TRUE(MeasureThroughput(memory, 7000, status));
    status.TxFragments = 900;
    EXPECT_EQ(std::nullopt, MeasureThroughput(memory, 7000, status));
    EXPECT_EQ(900u, memory.TxFragments);
    // The tick count wraps like the counters: 2 ms passed here.
    memory.Tick = 0xFFFFFFFF;
    status.TxFragments = 901;
    EXPECT_EQ(4000, MeasureThroughput(memory, 1, status)->TransmitRate);
}

TEST(LinkInfoDisplay, GraphValueIsTwentyFiveTimesTheDecimalLogarithm)
{
    const struct {
        int rate;
        uint32_t value;
    } cases[] = {{-5, 0}, {0, 0}, {1, 0}, {2, 7}, {10, 25}, {99, 49}, {100, 50}, {1000, 75}, {10000, 100}};
    for (auto c : cases)
        EXPECT_EQ(c.value, ThroughputGraphValue(c.rate)) << "rate " << c.rate;
}

TEST(LinkInfoDisplay, RescanEndsOnTheFourthTick)
{
    int count = 0;
    std::string ends;
    for (int tick = 1; tick <= 4; ++tick)
        ends += RescanTick(count) ? 'y' : 'n';
    EXPECT_EQ("nnny", ends);
    EXPECT_EQ(7, count);
}

TEST(VersionTexts, PaddedAsShownAndFirmwareMostSignificantByteFirst)
{
    EXPECT_STREQ("      1.0b14       ", UtilityVersionText);
    EXPECT_EQ("5.1.2.3", FirmwareVersionText(0x05010203));
    EXPECT_EQ("255.0.128.7", FirmwareVersionText(0xFF008007));
    const char driver[] = "3.2.0.1";
    EXPECT_EQ("   3.2.0.1    ", DriverVersionText(driver, sizeof driver));
    const char unterminated[4] = {'1', '.', '2', '.'};
    EXPECT_EQ("   1.2.    ", DriverVersionText(unterminated, sizeof unterminated));
}

TEST(PageSwitchKeys, ControlWithTabOrPageKeysStepsRoundTheEnds)
{
    const struct {
        UINT key;
        bool control;
        bool shift;
        PageStep step;
    } keys[] = {
        {VK_TAB, true, false, PageStep::Next},       {VK_TAB, true, true, PageStep::Previous},
        {VK_NEXT, true, false, PageStep::Next},      {VK_PRIOR, true, false, PageStep::Previous},
        {VK_TAB, false, false, PageStep::None},      {VK_TAB, false, true, PageStep::None},
        {VK_NEXT, false, false, PageStep::None},     {VK_NEXT, true, true, PageStep::None},
        {VK_RETURN, true, false, PageStep::None},    {'A', true, false, PageStep::None},
    };
    for (auto k : keys)
        EXPECT_EQ(k.step, PageStepForKey(k.key, k.control, k.shift)) << k.key << " " << k.control << k.shift;

    EXPECT_EQ(1, PageAfterStep(0, PageStep::Next, 5));
    EXPECT_EQ(0, PageAfterStep(4, PageStep::Next, 5));
    EXPECT_EQ(4, PageAfterStep(0, PageStep::Previous, 5));
    EXPECT_EQ(2, PageAfterStep(3, PageStep::Previous, 5));
    EXPECT_EQ(3, PageAfterStep(3, PageStep::None, 5));
    EXPECT_EQ(-1, PageAfterStep(-1, PageStep::Next, 5)) << "no page shown";
}

}  // namespace
