#include "app/LinkBalloon.h"
#include "app/LinkNews.h"
#include "app/TrayNotify.h"
#include "settings/NotStoredText.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
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
    BalloonText text = LinkBalloonText(LinkBalloon::Connected, "Caf\x01\x7f", 73);
    EXPECT_EQ("Connected to Caf\\x01\\x7F", text.Title);
    EXPECT_EQ("Signal strength: 73%", text.Text);
    EXPECT_EQ("Switched to profile Cafe", ProfileSwitchText("Cafe", "Caf\x01", "Home", true).Title);
    EXPECT_NE(std::string::npos, ProfileSwitchText("Cafe", "Caf\x01", "Home", true).Text.find("Caf\\x01"));
}

TEST(LinkBalloon, LongNamesAreShortenedBetweenEscapesAndNeverTheAdviceNorPastTheFields)
{
    const std::string controls(32, '\x1b');  // 128 characters escaped
    const std::string escapes = "\\x1B\\x1B\\x1B";
    const struct {
        const char* what;
        BalloonText text;
        std::string titleStart, textEnd;
    } cases[] = {
        {"connected", LinkBalloonText(LinkBalloon::Connected, controls, 50), "Connected to " + escapes, "50%"},
        {"disconnected", LinkBalloonText(LinkBalloon::Disconnected, controls, 0), "Disconnected from " + escapes,
         "lost."},
        {"switch, stored", ProfileSwitchText("Caf\x1b\r" + std::string(60, 'e'), controls, controls, true),
         "Switched to profile Caf\\x1B\\x0D", "so the profile is now the default settings."},
        {"switch, not stored", ProfileSwitchText("Cafe", controls, controls, false), "Switched to profile Cafe",
         std::string("could not be stored as the default settings. ") + StoreAdviceText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_LE(c.text.Title.size(), BalloonTitleRoom);
        EXPECT_LE(c.text.Text.size(), BalloonTextRoom);
        EXPECT_EQ(0u, c.text.Title.find(c.titleStart)) << c.text.Title;
        ASSERT_GE(c.text.Text.size(), c.textEnd.size());
        EXPECT_EQ(c.textEnd, c.text.Text.substr(c.text.Text.size() - c.textEnd.size())) << c.text.Text;
        // A cut name ends with whole escapes before the ellipsis.
        for (const std::string& shown : {c.text.Title, c.text.Text}) {
            const std::string beforeCut = shown.substr(0, shown.find("..."));
            for (size_t at = 0; (at = beforeCut.find('\\', at)) != std::string::npos; at += 4)
                EXPECT_TRUE(at + 4 <= beforeCut.size() && beforeCut[at + 1] == 'x' &&
                            std::isxdigit(static_cast<unsigned char>(beforeCut[at + 2])) &&
                            std::isxdigit(static_cast<unsigned char>(beforeCut[at + 3])))
                    << shown;
        }
    }
    // What one name does not need, the other may use: the text is full.
    EXPECT_GE(ProfileSwitchText("Cafe", controls, "Home", false).Text.size(), BalloonTextRoom - 3);
    EXPECT_GE(ProfileSwitchText("Cafe", "Home", controls, false).Text.size(), BalloonTextRoom - 3);
    // Both networks keep a share of a text that has room for only part of each.
    const std::string notStored = ProfileSwitchText("Cafe", controls, "Home" + controls, false).Text;
    EXPECT_NE(std::string::npos, notStored.find("network Home\\x1B")) << notStored;
    EXPECT_NE(std::string::npos, notStored.find("reached; \\x1B")) << notStored;
}

TEST(LinkBalloon, TheRecordCutsTitleAndTextInsideTheirFields)
{
    NOTIFYICONDATAA record;
    const std::string title(100, 'T');
    const std::string text(300, 'x');
    FillBalloonRecord(record, nullptr, nullptr, title.c_str(), text.c_str());
    EXPECT_EQ(title.substr(0, BalloonTitleRoom), record.szInfoTitle);
    EXPECT_EQ(text.substr(0, BalloonTextRoom), record.szInfo);
    // The fields that follow each of them are as the record set them.
    EXPECT_EQ(static_cast<DWORD>(NIIF_USER), record.dwInfoFlags);
    EXPECT_EQ(0u, record.uTimeout);
}

// Plays a timeline through the link news, one character a tick from tick 0: H up on Home,
// O up on Office, - down, ~ on the way (connecting), R the hardware radio switch off, r the
// user's own radio button off, N no card. Answers "tick balloon network" for each balloon.
std::string Play(const std::string& timeline)
{
    static const char* const names[] = {"None", "Connected", "Disconnected", "CardRemoved", "CardInserted",
                                        "RadioOff", "RadioOn"};
    CLinkNews news;
    std::string told;
    for (size_t tick = 0; tick < timeline.size(); ++tick) {
        AdapterStatus status = {};
        const char c = timeline[tick];
        status.LinkState = c == 'H' || c == 'O' ? LinkAssociated
                           : c == '-'           ? LinkNotAssociated
                           : c == '~'           ? LinkConnecting
                           : c == 'N'           ? LinkNoAdapter
                                                : LinkRadioOff;
        std::snprintf(status.Ssid, sizeof status.Ssid, "%s", c == 'H' ? "Home" : c == 'O' ? "Office" : "");
        const LinkNewsItem item = news.Step(static_cast<int>(tick), status, c == 'r');
        if (item.Balloon != LinkBalloon::None)
            told += (told.empty() ? "" : "; ") + std::to_string(tick) + " " + names[static_cast<int>(item.Balloon)] +
                    (item.Network.empty() ? "" : " " + item.Network);
    }
    return told;
}

std::string Repeat(const std::string& part, int times)
{
    std::string whole;
    for (int i = 0; i < times; ++i)
        whole += part;
    return whole;
}

TEST(LinkNews, ALossWaitsUntilTheLinkStaysDownAndOneNetworkIsToldOfAtMostOnceAMinute)
{
    const std::string down5(LossConfirmTicks, '-');
    const struct {
        const char* what;
        std::string timeline;
        std::string told;
    } cases[] = {
        {"flapping every two ticks for a minute", "H" + Repeat("--HH", 15), ""},
        {"down for as long as a loss waits, then up", "HH" + down5 + "H", ""},
        {"down one tick longer", "HH" + down5 + "-H", "7 Disconnected Home"},
        {"a quick drop after the first association, which the icon told", "--HH--H", ""},
        {"ticks on the way count as time", "HH-" + std::string(LossConfirmTicks, '~'), "7 Disconnected Home"},
        {"back within the minute: told when the minute is over",
         "HH" + down5 + "---" + std::string(SameNetworkQuietTicks, 'H'), "7 Disconnected Home; 67 Connected Home"},
        {"back and lost again within the minute: the last state was told",
         "HH" + down5 + "---HH" + std::string(SameNetworkQuietTicks, '-'), "7 Disconnected Home"},
        {"another network is told at once, the first again only after its minute",
         "HH" + down5 + "--O~" + std::string(SameNetworkQuietTicks, 'H'),
         "7 Disconnected Home; 9 Connected Office; 67 Connected Home"},
        {"from one network to the next on the way", "HH~~OO", "4 Connected Office"},
        {"the card removed while a loss waits", "HH--NNNNNN", "4 CardRemoved"},
        {"the user's own radio button while a loss waits", "HH--rrrrrr", ""},
        {"the hardware radio switch, at once", "HHR", "2 RadioOff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.told, Play(c.timeline)) << c.what << ": " << c.timeline;
}

}  // namespace
