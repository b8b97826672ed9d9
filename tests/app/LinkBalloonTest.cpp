#include "app/LinkBalloon.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LinkCondition Seen(LinkCondition::Kind state, const char* ssid = "")
{
    LinkCondition condition;
    condition.State = state;
    condition.Ssid = ssid;
    return condition;
}

const LinkCondition Unknown = Seen(LinkCondition::Unknown);
const LinkCondition NoCard = Seen(LinkCondition::NoCard);
const LinkCondition RadioOff = Seen(LinkCondition::RadioOff);
const LinkCondition Down = Seen(LinkCondition::Down);
const LinkCondition UpHome = Seen(LinkCondition::Up, "Home");
const LinkCondition UpOffice = Seen(LinkCondition::Up, "Office");

TEST(LinkBalloon, EachChangeEarnsAtMostOneBalloonAndTheStartAndTheUsersOwnSwitchNone)
{
    const struct {
        const char* change;
        LinkCondition before, now;
        bool associatedBefore, userRadioOff;
        LinkBalloon expected;
    } cases[] = {
        {"first tick after start", Unknown, UpHome, false, false, LinkBalloon::None},
        {"first association after start", Down, UpHome, false, false, LinkBalloon::None},
        {"association after an earlier one", Down, UpHome, true, false, LinkBalloon::Connected},
        {"another network without a loss between", UpHome, UpOffice, true, false, LinkBalloon::Connected},
        {"the same network again (a tick with no change)", UpHome, UpHome, true, false, LinkBalloon::None},
        {"link lost", UpHome, Down, true, false, LinkBalloon::Disconnected},
        {"still down", Down, Down, true, false, LinkBalloon::None},
        {"card removed while associated", UpHome, NoCard, true, false, LinkBalloon::CardRemoved},
        {"card inserted, link up at once", NoCard, UpHome, true, false, LinkBalloon::CardInserted},
        {"card inserted with the radio switch off", NoCard, RadioOff, false, false, LinkBalloon::CardInserted},
        {"hardware switch off", UpHome, RadioOff, true, false, LinkBalloon::RadioOff},
        {"the user's own radio button", UpHome, RadioOff, true, true, LinkBalloon::None},
        {"hardware switch on", RadioOff, Down, true, false, LinkBalloon::RadioOn},
        {"hardware switch on, link up at once", RadioOff, UpHome, true, false, LinkBalloon::RadioOn},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, ChooseLinkBalloon(c.before, c.now, c.associatedBefore, c.userRadioOff)) << c.change;
    }
}

TEST(LinkBalloon, ConnectingAndScanningAreNoConditionSoAnApplyBetweenTwoLinksIsNoLoss)
{
    AdapterStatus status = {};
    LinkCondition condition;
    for (int32_t transient : {LinkConnecting, LinkScanning}) {
        status.LinkState = transient;
        EXPECT_FALSE(ConditionOf(status, condition)) << transient;
    }
    status.LinkState = LinkNotAssociatedAdHoc;
    ASSERT_TRUE(ConditionOf(status, condition));
    EXPECT_EQ(LinkCondition::Down, condition.State);
    status.LinkState = LinkAssociated;
    std::snprintf(status.Ssid, sizeof status.Ssid, "Home");
    ASSERT_TRUE(ConditionOf(status, condition));
    EXPECT_EQ(LinkCondition::Up, condition.State);
    EXPECT_EQ("Home", condition.Ssid);
}

TEST(LinkBalloon, TextsNameTheNetworkAsTheDialogWritesItAndTheSignal)
{
    const LinkCondition odd = Seen(LinkCondition::Up, "Caf\x01\x7f");
    BalloonText text = LinkBalloonText(LinkBalloon::Connected, Down, odd, 73);
    EXPECT_EQ("Connected to Caf\\x01\\x7F", text.Title);
    EXPECT_EQ("Signal strength: 73%", text.Text);
    // The network that was lost, not the empty one the link has now.
    EXPECT_EQ("Disconnected from Home", LinkBalloonText(LinkBalloon::Disconnected, UpHome, Down, 0).Title);
    EXPECT_EQ("Switched to profile Cafe", ProfileSwitchText("Cafe", "Caf\x01", "Home").Title);
    EXPECT_NE(std::string::npos, ProfileSwitchText("Cafe", "Caf\x01", "Home").Text.find("Caf\\x01"));
    // A switch whose default settings could not be written must not claim they were.
    EXPECT_NE(std::string::npos, ProfileSwitchText("Cafe", "Cafe", "Home", false).Text.find("could not be stored"));
}

}  // namespace
