#include "AdapterScene.h"
#include "MachineRegistry.h"
#include "RecordingDialogLink.h"
#include "RecordingTrayHost.h"
#include "ScanAnswer.h"
#include "SimNetwork.h"
#include "UserOptionValues.h"

#include "app/IncomingProfileRequest.h"
#include "app/LinkNews.h"
#include "app/ProfileSwitcher.h"
#include "app/TickState.h"
#include "settings/DefaultSettings.h"
#include "settings/DefaultsInUse.h"
#include "settings/SettingsStore.h"
#include "settings/ProfileStore.h"
#include "settings/NotStoredText.h"
#include "settings/UserOptions.h"
#include "state/ProgramState.h"
#include "ui/common/PendingApply.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// An open record of the network, on the stored defaults.
AdapterSettings NetworkOnStoredDefaults(const char* ssid)
{
    AdapterSettings settings = StoredDefaultSettings();
    std::snprintf(settings.DesiredSSID, sizeof settings.DesiredSSID, "%s", ssid);
    return settings;
}

// The whole tick of the tray monitor, with the tray and the dialog recorded; the stored
// settings and this user's options start from nothing.
class LinkWatch : public AdapterScene {
public:
    void SetUp() override
    {
        AdapterScene::SetUp();
        DeleteKeyTree("SOFTWARE\\KT60");
        ForgetUserOptions();
        ResetProgramState();
        RadioOn = 1;
        // Not Windows XP, whose Zero Configuration service the program would step aside for.
        host.major = 10;
        host.minor = 0;
        monitor.Start();
    }
    void TearDown() override
    {
        DeleteKeyTree("SOFTWARE\\KT60");
        ForgetUserOptions();
        ResetProgramState();
        AdapterScene::TearDown();
    }

    void Tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            monitor.Tick(TickTimerId);
    }
    // Ticks until the link is up, at most a few.
    void TickUntilAssociated()
    {
        for (int i = 0; i < 8 && CurrentStatus.LinkState != LinkAssociated; ++i)
            Tick();
        ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
    }
    int Journaled(const std::string& line)
    {
        const std::vector<std::string> lines = JournalLines();
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }

    CRecordingHost host;
    CRecordingDialogLink dialog;
    CTrayMonitor monitor{host, dialog};
};

TEST_F(LinkWatch, BalloonsTellChangesButNotTheFirstAssociationNorWhileTheDialogShowsNorWhenTurnedOff)
{
    DefaultsApplied = 1;
    Tick();
    Join("Wireless");
    Tick();
    ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
    EXPECT_TRUE(host.balloons.empty()) << "the first association after start";

    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -120));
    Tick(LossConfirmTicks + 1);
    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -50));
    TickUntilAssociated();
    Tick(SameNetworkQuietTicks);

    // The radio set follows the switch while the dialog shows; its page says what happened.
    dialog.open = true;
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    Tick(2);
    ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
    TickUntilAssociated();
    // Closed, the dialog is only hidden: it is open still, and out of view.
    dialog.hidden = true;
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    Tick(2);
    ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
    TickUntilAssociated();

    ASSERT_TRUE(WriteUserOption(UserOption::Notifications, false));
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    Tick(2);

    std::vector<std::string> titles;
    for (const std::string& balloon : host.balloons)
        titles.push_back(balloon.substr(0, balloon.find(" | ")));
    EXPECT_EQ((std::vector<std::string>{"Disconnected from Wireless", "Connected to Wireless", "Radio switched off",
                                        "Radio switched on"}),
              titles);
}

// A record the store refused is kept; an administrator's import then stores other defaults.
// The next tick of a quiet link takes them, and skylookctl status no longer calls the network
// unstored.
TEST_F(LinkWatch, DefaultsAnotherProgramStoresReplaceTheKeptRecordAtTheNextTick)
{
    TickUntilAssociated();
    ASSERT_TRUE(PublishDefaultSettingsInUse());
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    ASSERT_FALSE(SaveDefaultSettings(NetworkOnStoredDefaults("Second")));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));
    std::string published;
    ASSERT_TRUE(ReadPublishedUnstoredNetwork(published));
    ASSERT_EQ("Second", published);

    ASSERT_TRUE(SaveSettingsAt(DefaultSettingsPath, NetworkOnStoredDefaults("Imported")));
    Tick();
    EXPECT_FALSE(ReadPublishedUnstoredNetwork(published)) << published;
}

// Defaults for "Wireless", which is out of range; "Office" is stored for a network out of
// range too, "Cafe" for one in range.
class ProfileFallback : public LinkWatch {
public:
    void SetUp() override
    {
        LinkWatch::SetUp();
        ASSERT_EQ(0, VexaSimRemoveNetwork("Wireless"));
        ASSERT_EQ(0, VexaSimCommand("network add CafeNet channel=3 rssi=-58", nullptr, 0));
        ASSERT_TRUE(SaveProfile("Office", Open("OfficeNet")));
        ASSERT_TRUE(SaveProfile("Cafe", Open("CafeNet")));
        ASSERT_EQ(0, VexaSimClearJournal());
    }
    static AdapterSettings Open(const char* ssid) { return NetworkOnStoredDefaults(ssid); }
    // The companion's `use NAME`, as the program's window receives it.
    void RequestProfile(const char* name)
    {
        COPYDATASTRUCT data = {ProfileRequestTag, static_cast<DWORD>(std::strlen(name)), const_cast<char*>(name)};
        ASSERT_EQ(ProfileRequestTaken, AcceptProfileRequest(data, dialog));
    }
    int SwitchBalloons(const std::string& profile)
    {
        const std::string title = "Switched to profile " + profile + " | ";
        return static_cast<int>(std::count_if(host.balloons.begin(), host.balloons.end(), [&](const std::string& b) {
            return b.compare(0, title.size(), title) == 0;
        }));
    }
};

TEST_F(ProfileFallback, TenTicksAfterTheDefaultsFailedTheProfileInRangeIsJoinedAndBecomesTheDefault)
{
    ASSERT_TRUE(WriteUserOption(UserOption::SwitchToProfiles, true));
    // Open but hidden: it learns of the new defaults, and the balloon is not held back.
    dialog.open = true;
    dialog.hidden = true;
    // The idle apply asks for the defaults, the next tick pushes them, ten more wait.
    Tick(2);
    ASSERT_EQ(1, Journaled("SetSsid \"Wireless\" 8 0"));
    Tick(DefaultsWaitTicks - 1);
    EXPECT_EQ(0, Journaled("SetSsid \"CafeNet\" 7 0")) << "the defaults still have their time";
    EXPECT_STREQ("Wireless", StoredDefaultSettings().DesiredSSID);

    EXPECT_EQ(0, dialog.Count("defaults changed"));
    Tick();
    EXPECT_STREQ("CafeNet", StoredDefaultSettings().DesiredSSID);
    EXPECT_EQ(1, dialog.Count("defaults changed"));
    EXPECT_EQ(std::vector<std::string>{"Switched to profile Cafe | The default network Wireless was not reached; "
                                       "CafeNet is in range, so the profile is now the default settings."},
              host.balloons);
    TickUntilAssociated();
    EXPECT_STREQ("CafeNet", CurrentStatus.Ssid);
    EXPECT_EQ(1, Journaled("SetSsid \"CafeNet\" 7 0"));
    EXPECT_EQ(0, Journaled("SetSsid \"OfficeNet\" 9 0"));
}

TEST_F(ProfileFallback, ANetworkThatComesIntoRangeLaterIsFoundByTheNextScan)
{
    ASSERT_TRUE(WriteUserOption(UserOption::SwitchToProfiles, true));
    ASSERT_EQ(0, VexaSimRemoveNetwork("CafeNet"));
    Tick(2 + DefaultsWaitTicks);
    ASSERT_EQ(1, Journaled("Scan") - 1) << "the apply's scan, then the search";
    ASSERT_EQ(0, VexaSimCommand("network add CafeNet channel=3 rssi=-58", nullptr, 0));
    Tick(RescanTicks - 1);
    EXPECT_STREQ("Wireless", StoredDefaultSettings().DesiredSSID) << "not before the next search";
    Tick();
    EXPECT_STREQ("CafeNet", StoredDefaultSettings().DesiredSSID);
    TickUntilAssociated();
}

TEST_F(ProfileFallback, TwoProfilesThatBothFailAreEachTriedOnceNotInTurnsForEverNorScannedForAfter)
{
    ASSERT_TRUE(WriteUserOption(UserOption::SwitchToProfiles, true));
    ASSERT_EQ(0, VexaSimCommand("network add OfficeNet channel=9 rssi=-70", nullptr, 0));
    // No join completes while the test runs.
    ASSERT_EQ(0, VexaSimSetJoinDelay(60000));
    Tick(2 + 5 * (DefaultsWaitTicks + 2));
    EXPECT_EQ(1, Journaled("SetSsid \"CafeNet\" 7 0"));
    EXPECT_EQ(1, Journaled("SetSsid \"OfficeNet\" 9 0"));
    EXPECT_EQ(2u, host.balloons.size());
    // With every profile tried there is nothing to scan for.
    EXPECT_EQ(5, Journaled("Scan")) << "three applies and the two searches that found a profile";
}

TEST_F(ProfileFallback, WithTheOptionOffTheDefaultsStayAndNothingElseIsTried)
{
    Tick(2 + 3 * DefaultsWaitTicks);
    EXPECT_NE(LinkAssociated, CurrentStatus.LinkState);
    EXPECT_STREQ("Wireless", StoredDefaultSettings().DesiredSSID);
    EXPECT_EQ(1, Journaled("Scan")) << "only the apply's own scan";
    EXPECT_EQ(0, Journaled("SetSsid \"CafeNet\" 7 0"));
    EXPECT_TRUE(host.balloons.empty());
}

// The rules of the switch, each played through the real tick with the software adapter, the
// option on. Defaults for "Wireless" (out of range), "Cafe" in range, "Office" not.
struct SwitchRow {
    const char* name;
    void (*play)(ProfileFallback& t);
};

void SetLevel(const char* ssid, int rssi)
{
    ASSERT_EQ(0, VexaSimSetNetworkRssi(ssid, rssi));
}

const SwitchRow SwitchRows[] = {
    {"TheDialogInViewHoldsTheSwitchUntilItIsClosed",
     [](ProfileFallback& t) {
         t.dialog.open = true;
         t.Tick(2 + DefaultsWaitTicks + RescanTicks);
         EXPECT_STREQ("Wireless", StoredDefaultSettings().DesiredSSID);
         EXPECT_EQ(1, t.Journaled("Scan")) << "only the apply's own";
         t.dialog.hidden = true;
         t.Tick();
         EXPECT_STREQ("CafeNet", StoredDefaultSettings().DesiredSSID);
     }},
    {"TheUsersUseOfAProfileOutOfRangeStandsThroughTheLossAndTheReapplies",
     [](ProfileFallback& t) {
         DefaultsApplied = 1;
         Join("CafeNet");
         t.TickUntilAssociated();
         t.RequestProfile("Office");
         t.Tick(2 * (DefaultsWaitTicks + RescanTicks));
         EXPECT_STREQ("OfficeNet", StoredDefaultSettings().DesiredSSID);
         EXPECT_EQ(0, t.SwitchBalloons("Cafe"));
     }},
    {"AnApplyBetweenTheProgramsRequestAndItsPushIsTheUsers",
     [](ProfileFallback& t) {
         t.Tick();
         ASSERT_EQ(ApplyRequested, ApplyRequest) << "the idle apply of the defaults";
         SaveAndRequestApply(ProfileFallback::Open("OfficeNet"));
         t.Tick(2 * (DefaultsWaitTicks + RescanTicks));
         EXPECT_STREQ("OfficeNet", StoredDefaultSettings().DesiredSSID);
         EXPECT_EQ(0, t.Journaled("SetSsid \"CafeNet\" 7 0"));
     }},
    {"WithNoProfileStoredNothingIsScanned",
     [](ProfileFallback& t) {
         ASSERT_TRUE(DeleteProfile("Cafe"));
         ASSERT_TRUE(DeleteProfile("Office"));
         t.Tick(2 + DefaultsWaitTicks + 2 * RescanTicks);
         EXPECT_EQ(1, t.Journaled("Scan")) << "only the apply's own";
     }},
    {"TheStrongestOfSixtyFourNetworksIsChosenThoughHeardLast",
     [](ProfileFallback& t) {
         ASSERT_EQ(0, VexaSimRemoveAllNetworks());
         const VexaSimNetwork office = SimNetwork("OfficeNet", VEXASIM_OPEN, -88);
         ASSERT_EQ(0, VexaSimAddNetwork(&office));
         for (int i = 0; i < 62; ++i) {
             const VexaSimNetwork crowd = SimNetwork(("Crowd" + std::to_string(i)).c_str(), VEXASIM_OPEN, -90);
             ASSERT_EQ(0, VexaSimAddNetwork(&crowd));
         }
         const VexaSimNetwork cafe = SimNetwork("CafeNet", VEXASIM_OPEN, -58);
         ASSERT_EQ(0, VexaSimAddNetwork(&cafe));
         t.Tick(2 + DefaultsWaitTicks);
         EXPECT_STREQ("CafeNet", StoredDefaultSettings().DesiredSSID);
     }},
    {"ALinkAtTheEdgeOfRangeIsToldOnlyOnceItStaysDown",
     [](ProfileFallback& t) {
         ASSERT_TRUE(SaveDefaultSettings(ProfileFallback::Open("CafeNet")));
         t.TickUntilAssociated();
         // The level comes and goes every two seconds for a minute.
         for (int i = 0; i < 15; ++i) {
             SetLevel("CafeNet", -120);
             t.Tick(2);
             SetLevel("CafeNet", -58);
             t.Tick(2);
         }
         EXPECT_TRUE(t.host.balloons.empty());
         SetLevel("CafeNet", -120);
         t.Tick(LossConfirmTicks + 1);
         EXPECT_EQ(std::vector<std::string>{"Disconnected from CafeNet | The wireless link was lost."}, t.host.balloons);
     }},
    {"AfterALostLinkAndItsReappliesTheSwitcherActsAndTriesAProfileAgain",
     [](ProfileFallback& t) {
         t.Tick(2 + DefaultsWaitTicks);
         ASSERT_STREQ("CafeNet", StoredDefaultSettings().DesiredSSID);
         t.TickUntilAssociated();
         // Home again, where the user chooses his own network...
         ASSERT_EQ(0, VexaSimCommand("network add Wireless channel=6 rssi=-55", nullptr, 0));
         ASSERT_TRUE(SaveProfile("Home", ProfileFallback::Open("Wireless")));
         t.RequestProfile("Home");
         t.Tick(2);
         t.TickUntilAssociated();
         ASSERT_STREQ("Wireless", CurrentStatus.Ssid);
         // ...and leaves: its re-applies are spent, and "Cafe", tried before the link was up,
         // is tried again.
         ASSERT_EQ(0, VexaSimRemoveNetwork("Wireless"));
         t.Tick(4 * DefaultsWaitTicks);
         EXPECT_STREQ("CafeNet", StoredDefaultSettings().DesiredSSID);
         EXPECT_EQ(2, t.SwitchBalloons("Cafe"));
     }},
    {"AProfileWithoutANetworkNameIsNeverChosen",
     [](ProfileFallback& t) {
         ASSERT_TRUE(DeleteProfile("Cafe"));
         ASSERT_TRUE(SaveProfile("Hidden", ProfileFallback::Open("")));
         t.Tick(2 + DefaultsWaitTicks - 1);
         // The search hears one network, strong, that does not say its name.
         ScanAnswer(1).Add(Named("")).Inject();
         t.Tick();
         EXPECT_STREQ("Wireless", StoredDefaultSettings().DesiredSSID);
         EXPECT_EQ(0, t.SwitchBalloons("Hidden"));
     }},
    {"AProfileUnderANameLongerThanTheListsIsUsedUnderItsOwnKey",
     [](ProfileFallback& t) {
         ASSERT_TRUE(DeleteProfile("Cafe"));
         const std::string name = "Cafe by the harbour, upstairs, by the window on the left";
         ASSERT_TRUE(SaveProfile(name.c_str(), ProfileFallback::Open("CafeNet")));
         t.Tick(2 + DefaultsWaitTicks);
         EXPECT_STREQ("CafeNet", StoredDefaultSettings().DesiredSSID) << JournalText();
         const std::string title = "Switched to profile Cafe by the harbour";
         EXPECT_EQ(1, std::count_if(t.host.balloons.begin(), t.host.balloons.end(),
                                    [&](const std::string& b) { return b.rfind(title, 0) == 0; }));
     }},
    {"ASwitchThatCouldNotBeStoredSaysSoAndGivesTheAdvice",
     [](ProfileFallback& t) {
         t.Tick(2 + DefaultsWaitTicks - 1);
         ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
         t.Tick();
         ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));
         ASSERT_EQ(1, t.SwitchBalloons("Cafe"));
         EXPECT_EQ(std::string::npos, t.host.balloons[0].find("is now the default settings"));
         EXPECT_NE(std::string::npos, t.host.balloons[0].find(StoreAdviceText));
     }},
};

void PrintTo(const SwitchRow& row, std::ostream* out)
{
    *out << row.name;
}

class SwitchRules : public ProfileFallback, public testing::WithParamInterface<SwitchRow> {};

TEST_P(SwitchRules, Hold)
{
    ASSERT_TRUE(WriteUserOption(UserOption::SwitchToProfiles, true));
    GetParam().play(*this);
}

INSTANTIATE_TEST_SUITE_P(Switch, SwitchRules, testing::ValuesIn(SwitchRows),
                         [](const testing::TestParamInfo<SwitchRow>& row) { return std::string(row.param.name); });

}  // namespace
