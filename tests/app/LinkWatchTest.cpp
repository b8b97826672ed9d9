#include "AdapterScene.h"
#include "MachineRegistry.h"
#include "RecordingDialogLink.h"
#include "RecordingTrayHost.h"
#include "UserOptionValues.h"

#include "app/ProfileSwitcher.h"
#include "app/TickState.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileStore.h"
#include "settings/UserOptions.h"
#include "state/ProgramState.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The whole tick of the tray monitor, with the tray and the dialog recorded; the stored
// settings and this user's options start from nothing.
class LinkWatch : public AdapterScene {
protected:
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
    Tick();
    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -50));
    TickUntilAssociated();
    const int signal = CurrentStatus.SignalStrength;

    // The radio set follows the switch while the dialog shows; its page says what happened.
    dialog.open = true;
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    Tick(2);
    dialog.open = false;
    ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
    TickUntilAssociated();
    const int signalAgain = CurrentStatus.SignalStrength;

    ASSERT_TRUE(WriteUserOption(UserOption::Notifications, false));
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    Tick(2);

    EXPECT_EQ((std::vector<std::string>{"Disconnected from Wireless | The wireless link was lost.",
                                        "Connected to Wireless | Signal strength: " + std::to_string(signal) + "%",
                                        "Radio switched on | The card's radio is on again.",
                                        "Connected to Wireless | Signal strength: " + std::to_string(signalAgain) + "%"}),
              host.balloons);
}

// Defaults for "Wireless", which is out of range; "Office" is stored for a network out of
// range too, "Cafe" for one in range.
class ProfileFallback : public LinkWatch {
protected:
    void SetUp() override
    {
        LinkWatch::SetUp();
        ASSERT_EQ(0, VexaSimRemoveNetwork("Wireless"));
        ASSERT_EQ(0, VexaSimCommand("network add CafeNet channel=3 rssi=-58", nullptr, 0));
        ASSERT_TRUE(SaveProfile("Office", Open("OfficeNet")));
        ASSERT_TRUE(SaveProfile("Cafe", Open("CafeNet")));
        ASSERT_EQ(0, VexaSimClearJournal());
    }
    static AdapterSettings Open(const char* ssid)
    {
        AdapterSettings settings = StoredDefaultSettings();
        std::snprintf(settings.DesiredSSID, sizeof settings.DesiredSSID, "%s", ssid);
        return settings;
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

TEST_F(ProfileFallback, TwoProfilesThatBothFailAreEachTriedOnceNotInTurnsForEver)
{
    ASSERT_TRUE(WriteUserOption(UserOption::SwitchToProfiles, true));
    ASSERT_EQ(0, VexaSimCommand("network add OfficeNet channel=9 rssi=-70", nullptr, 0));
    // No join completes while the test runs.
    ASSERT_EQ(0, VexaSimSetJoinDelay(60000));
    Tick(2 + 5 * (DefaultsWaitTicks + 2));
    EXPECT_EQ(1, Journaled("SetSsid \"CafeNet\" 7 0"));
    EXPECT_EQ(1, Journaled("SetSsid \"OfficeNet\" 9 0"));
    EXPECT_EQ(2u, host.balloons.size());
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

}  // namespace
