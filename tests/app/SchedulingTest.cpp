#include "AdapterScene.h"
#include "MachineRegistry.h"
#include "RecordingDialogLink.h"
#include "SampleRecords.h"
#include "ZeroConfigFlags.h"

#include "adapter/AdapterStatus.h"
#include "adapter/AdapterWrappers.h"
#include "app/ApplyScheduling.h"
#include "app/TickState.h"
#include "settings/DefaultSettings.h"
#include "state/ProgramState.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> DefaultApply = {
    "Scan",        "SetAuthMode 0",  "SetWepStatus 1", "SetNetworkMode 1",        "SetChannel 1",
    "SetDataRate 255", "SetPowerMode 0", "SetPreamble 1",  "SetSsid \"Wireless\" 8 0"};

constexpr const char* SettingsKey = "SOFTWARE\\KT60";

std::vector<std::string> TakeJournal()
{
    std::vector<std::string> lines = JournalLines();
    EXPECT_EQ(0, VexaSimClearJournal());
    return lines;
}

int CountLines(const std::vector<std::string>& lines, const std::string& line)
{
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// The steps of one tick in the order the tray monitor runs them, without the tray.
class Scheduling : public AdapterScene {
protected:
    void SetUp() override
    {
        AdapterScene::SetUp();
        ResetProgram();
    }

    // Nothing stored, the program as it starts on Windows 10, an empty journal.
    void ResetProgram()
    {
        DeleteKeyTree(SettingsKey);
        ResetProgramState();
        RadioOn = 1;
        OsVersion.dwOSVersionInfoSize = sizeof OsVersion;
        OsVersion.dwMajorVersion = 10;
        OsVersion.dwMinorVersion = 0;
        ASSERT_TRUE(GetAdapterInstanceId(AdapterInstanceId, AdapterInstanceIdSize));
        ASSERT_EQ(0, VexaSimClearJournal());
    }

    void TearDown() override
    {
        DeleteKeyTree(SettingsKey);
        ResetProgramState();
        AdapterScene::TearDown();
    }

    void Tick()
    {
        ApplyStep(link);
        std::memset(&CurrentStatus, 0, sizeof CurrentStatus);
        QueryAdapterStatus(CurrentStatus);
        CurrentStatus.LinkState = ReportedLinkState(CurrentStatus.LinkState, ApplyRequest);
        ZeroConfigWatch(link);
        StateChangeStep(link);
        if (CurrentStatus.LinkState != LinkNoAdapter)
            IdleApply();
    }

    void OpenDialog()
    {
        link.open = true;
        PreviousLinkState = -1;
    }

    CRecordingDialogLink link;
};

TEST_F(Scheduling, TheApplyCycleKeepsTheBusySetDisabledFromTheApplyingTickUntilTwoTicksLater)
{
    OpenDialog();
    LoadDefaultSettings(PendingSettings);
    PendingSettings.ApplyScope = ApplyScopeAll;
    ApplyRequest = ApplyRequested;

    const struct {
        int request;
        std::vector<std::string> dialog;
        std::vector<std::string> journal;
    } ticks[] = {
        {2, {"busy off"}, DefaultApply},
        {3, {}, {}},
        {0, {"busy on"}, {}},
        {0, {}, {}},
    };
    for (size_t i = 0; i < std::size(ticks); ++i) {
        SCOPED_TRACE("apply step " + std::to_string(i + 1));
        ApplyStep(link);
        EXPECT_EQ(ticks[i].request, ApplyRequest);
        EXPECT_EQ(ticks[i].dialog, link.Take());
        EXPECT_EQ(ticks[i].journal, TakeJournal());
    }

    // Without the dialog the apply happens all the same and nothing reaches the dialog.
    link.open = false;
    ApplyRequest = ApplyRequested;
    for (int i = 0; i < 3; ++i)
        ApplyStep(link);
    EXPECT_EQ(0, ApplyRequest);
    EXPECT_TRUE(link.Take().empty());
    EXPECT_EQ(DefaultApply, TakeJournal());
}

// Stored values outside the named ones reach the apply as stored: another tool's store makes
// the program do what its values say, not apply the defaults in their place.
TEST_F(Scheduling, TheIdleApplyPushesStoredValuesOutsideTheNamedOnesAsTheyAre)
{
    const struct {
        const char* Name;
        char Stored;
        std::vector<std::string> Journal;
    } cases[] = {
        // First, so that the adapter is still idle for the next row.
        {"AuthMode", '4', {}},  // no apply procedure of its own: nothing is sent
        // The Configuration page stores channel 0 for a channel outside the region's list.
        {"Channel", '0', [] {
             std::vector<std::string> journal = DefaultApply;
             *std::find(journal.begin(), journal.end(), "SetChannel 1") = "SetChannel 0";
             return journal;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetProgram();
        WriteValue("SOFTWARE\\KT60\\DEFAULT", c.Name, Bytes{static_cast<unsigned char>(c.Stored), 0, 0, 0});
        Tick();  // idle: the defaults are loaded
        ASSERT_EQ(1, ApplyRequest);
        Tick();  // applied
        EXPECT_EQ(c.Journal, TakeJournal());
    }
}

TEST_F(Scheduling, AnApplyWhileTheRadioIsOffSendsNothingAndDisablesNothing)
{
    OpenDialog();
    RadioOn = 0;
    LoadDefaultSettings(PendingSettings);
    PendingSettings.ApplyScope = ApplyScopeAll;
    ApplyRequest = ApplyRequested;
    for (int i = 0; i < 3; ++i)
        ApplyStep(link);
    EXPECT_EQ(0, ApplyRequest) << "the request is counted out";
    EXPECT_TRUE(JournalLines().empty());
    std::vector<std::string> calls = link.Take();
    EXPECT_EQ(0, std::count(calls.begin(), calls.end(), "busy off"));
}

TEST_F(Scheduling, AtMostThreeReappliesFollowALostAssociationAndAReconnectionAllowsThreeMore)
{
    Join("Wireless");
    DefaultsApplied = 1;
    Tick();
    ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
    ASSERT_EQ(0, VexaSimClearJournal());

    // Out of range: every re-apply finds nothing to join, so the link stays lost.
    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -120));
    for (int i = 0; i < 16; ++i)
        Tick();
    std::vector<std::string> journal = TakeJournal();
    EXPECT_EQ(3, CountLines(journal, "SetSsid \"Wireless\" 8 0"));
    EXPECT_EQ(3, CountLines(journal, "Scan"));
    EXPECT_EQ(4, ReapplyCount) << "exhausted";

    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -55));
    Join("Wireless");
    Tick();
    ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
    EXPECT_EQ(0, ReapplyCount);
    ASSERT_EQ(0, VexaSimClearJournal());

    ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -120));
    for (int i = 0; i < 16; ++i)
        Tick();
    EXPECT_EQ(3, CountLines(TakeJournal(), "SetSsid \"Wireless\" 8 0"));
}

TEST_F(Scheduling, AStoredAdHocDefaultIsAppliedWhenIdleButNotChasedAfterALoss)
{
    AdapterSettings adHoc = {};
    LoadDefaultSettings(adHoc);
    std::strcpy(adHoc.DesiredSSID, "LabAdHoc");
    adHoc.NetworkMode = NetworkModeAdHoc;
    adHoc.Channel = 10;
    ASSERT_TRUE(SaveDefaultSettings(adHoc));
    ASSERT_EQ(0, VexaSimClearJournal());

    Tick();  // idle: the defaults are loaded
    EXPECT_EQ(1, ApplyRequest);
    EXPECT_EQ(1, DefaultsApplied);
    Tick();  // applied
    std::vector<std::string> journal = TakeJournal();
    EXPECT_EQ(1, CountLines(journal, "SetNetworkMode 0"));
    EXPECT_EQ(1, CountLines(journal, "SetSsid \"LabAdHoc\" 8 0"));
    Tick();
    Tick();
    ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
    ASSERT_EQ(0, ApplyRequest);

    // The loss allows a re-apply, but a re-apply pushes only an infrastructure default. The
    // IBSS turns to WEP: the adapter can neither stay in it nor start one of its own by that
    // name on the channel, so it stays without a network for all its trying.
    ASSERT_EQ(0, VexaSimCommand("network change LabAdHoc key=12345", nullptr, 0));
    ApplyStep(link);
    std::memset(&CurrentStatus, 0, sizeof CurrentStatus);
    QueryAdapterStatus(CurrentStatus);
    ASSERT_EQ(LinkNotAssociatedAdHoc, CurrentStatus.LinkState);
    StateChangeStep(link);
    EXPECT_EQ(2, ReapplyCount) << "a re-apply was due";
    EXPECT_STREQ("LabAdHoc", PendingSettings.DesiredSSID) << "the defaults were loaded";
    EXPECT_EQ(0, ApplyRequest);
    EXPECT_TRUE(JournalLines().empty());

    // An ad-hoc adapter left without a network counts as idle again: the idle apply, not
    // the re-apply, brings the default back.
    EXPECT_EQ(0, DefaultsApplied);
    IdleApply();
    EXPECT_EQ(1, ApplyRequest);
}

TEST_F(Scheduling, TheRadioSetFollowsTheRadioOnTheFirstStateChangeAfterOpening)
{
    // Opened while the radio is off: the radio set goes off at once.
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    Tick();
    ASSERT_EQ(LinkRadioOff, CurrentStatus.LinkState);
    EXPECT_TRUE(link.Take().empty()) << "no dialog, nothing to switch";
    EXPECT_EQ(1, RadioOn);

    OpenDialog();
    Tick();
    EXPECT_EQ(std::vector<std::string>{"radio off"}, link.Take());
    EXPECT_EQ(0, RadioOn);
    Tick();
    EXPECT_TRUE(link.Take().empty());

    // Opened again with the radio on (the page's radio switch set RadioOn): back on.
    ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
    RadioOn = 1;
    OpenDialog();
    DefaultsApplied = 1;
    Tick();
    ASSERT_EQ(LinkNotAssociated, CurrentStatus.LinkState);
    EXPECT_EQ(std::vector<std::string>{"radio on"}, link.Take());
    EXPECT_EQ(1, RadioOn);
    Tick();
    EXPECT_TRUE(link.Take().empty()) << "only a change of state switches";
}

TEST_F(Scheduling, ZeroConfigurationOnWindowsXpTakesOverClosesTheDialogAndStopsTheIdleApply)
{
    CZeroConfigFlags flags;
    flags.Write(0x8000);
    DefaultsApplied = 1;
    OpenDialog();
    // Only on XP does the program step aside.
    Tick();
    EXPECT_EQ(0, ZeroConfigActive);
    EXPECT_TRUE(link.IsOpen());
    link.Take();

    OsVersion.dwMajorVersion = 5;
    OsVersion.dwMinorVersion = 1;
    ZeroConfigWatch(link);
    EXPECT_EQ(1, ZeroConfigActive);
    EXPECT_EQ(0, DefaultsApplied);
    EXPECT_EQ(std::vector<std::string>{"close"}, link.Take());
    EXPECT_FALSE(link.IsOpen());

    IdleApply();
    EXPECT_EQ(0, ApplyRequest);
    EXPECT_EQ(0, DefaultsApplied);

    // The service lets go: the idle apply is armed again.
    flags.Write(0x7FFF);
    ZeroConfigWatch(link);
    EXPECT_EQ(0, ZeroConfigActive);
    IdleApply();
    EXPECT_EQ(1, ApplyRequest);
    EXPECT_EQ(1, DefaultsApplied);
}

// Associated with "Wireless", then out of its range; the journal starts at the loss.
class LinkLoss : public Scheduling {
protected:
    void AssociateThenLeaveRange()
    {
        Join("Wireless");
        Tick();
        ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
        ASSERT_EQ(0, VexaSimClearJournal());
        ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -120));
    }
};

// A page's Apply that drops the link must run to its end: the re-apply of the defaults would
// replace its record and start over.
TEST_F(LinkLoss, TheReapplyAfterALostLinkWaitsUntilNoOtherApplyIsPending)
{
    DefaultsApplied = 1;
    Join("Wireless");
    Tick();
    ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
    std::memset(&PendingSettings, 0, sizeof PendingSettings);
    std::strcpy(PendingSettings.DesiredSSID, "Nowhere");
    PendingSettings.NetworkMode = NetworkModeInfrastructure;
    PendingSettings.WepStatus = WepStatusOff;
    PendingSettings.ApplyScope = ApplyScopeAll;
    ApplyRequest = ApplyRequested;
    Tick();
    ASSERT_NE(LinkAssociated, CurrentStatus.LinkState) << "the page's apply dropped the link";
    EXPECT_STREQ("Nowhere", PendingSettings.DesiredSSID);
    EXPECT_EQ(2, ApplyRequest) << "the page's apply goes on counting";
}

// The promise of the "could not be stored" warning: a dip of the signal brings back what the
// user applied, not the stored network.
TEST_F(LinkLoss, TheReappliesPushTheDefaultsKeptWhenTheStoreRefusedThem)
{
    DefaultsApplied = 1;
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 1));
    ASSERT_FALSE(SaveDefaultSettings(OpenRecord("Second")));
    ASSERT_EQ(0, VexaSimSetFailure("SetRegistry", 0));
    AssociateThenLeaveRange();
    for (int i = 0; i < 4; ++i)
        Tick();
    const std::vector<std::string> journal = TakeJournal();
    EXPECT_LE(1, CountLines(journal, "SetSsid \"Second\" 6 0"));
    EXPECT_EQ(0, CountLines(journal, "SetSsid \"Wireless\" 8 0"));
}

TEST_F(LinkLoss, NoReapplyWhileZeroConfigurationManagesTheAdapter)
{
    CZeroConfigFlags flags;
    flags.Write(0x8000);
    OsVersion.dwMajorVersion = 5;
    OsVersion.dwMinorVersion = 1;
    AssociateThenLeaveRange();
    ASSERT_EQ(1, ZeroConfigActive);
    for (int i = 0; i < 8; ++i)
        Tick();
    EXPECT_NE(LinkAssociated, CurrentStatus.LinkState);
    EXPECT_EQ(0, ApplyRequest);
    EXPECT_EQ(0, CountLines(TakeJournal(), "SetSsid \"Wireless\" 8 0")) << "the service's adapter is left alone";
}

// The tick switches the open dialog to radio-off for the hardware switch; the radio comes
// back with the dialog open, or after it closed.
class HardwareRadio : public LinkLoss {
protected:
    void SwitchOffAndBackOn(bool closeFirst)
    {
        DefaultsApplied = 1;
        OpenDialog();
        Tick();
        link.Take();
        ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
        Tick();
        EXPECT_EQ(std::vector<std::string>{"radio off"}, link.Take());
        EXPECT_EQ(0, RadioOn);
        Tick();
        if (closeFirst) {
            link.open = false;
            ConfigDialogOpen = 0;
        }
        ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
        Tick();
        EXPECT_EQ(1, RadioOn);
        EXPECT_EQ(closeFirst ? std::vector<std::string>{} : std::vector<std::string>{"radio on"}, link.Take());
    }
};

TEST_F(HardwareRadio, ComingBackWithTheDialogOpenSwitchesTheDialogToRadioOn)
{
    SwitchOffAndBackOn(false);
}

TEST_F(HardwareRadio, ComingBackAfterTheDialogClosedLetsTheProgramReapplyAgain)
{
    SwitchOffAndBackOn(true);
    AssociateThenLeaveRange();
    for (int i = 0; i < 4; ++i)
        Tick();
    EXPECT_LE(1, CountLines(TakeJournal(), "SetSsid \"Wireless\" 8 0")) << "the lost link is re-applied";
}

TEST_F(Scheduling, AnApplyOnItsWayShowsAsConnectingButNeverHidesARadioOffOrAMissingCard)
{
    const struct {
        int adapter;
        int request;
        int reported;
    } rows[] = {
        {LinkNotAssociated, ApplyIdle, LinkNotAssociated},
        {LinkNotAssociated, 3, LinkConnecting},
        {LinkNotAssociatedAdHoc, ApplyRequested, LinkConnecting},
        {LinkAssociated, 2, LinkAssociated},
        {LinkRadioOff, ApplyRequested, LinkRadioOff},
        {LinkNoAdapter, 2, LinkNoAdapter},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.reported, ReportedLinkState(row.adapter, row.request))
            << "adapter " << row.adapter << ", request " << row.request;
}

// The hardware radio switch turned off as the link is lost, with a re-apply on its way or
// none, and on again later: the dialog follows the radio once, not flickering back when an
// Apply is made meanwhile, no re-apply is pushed while the program knows the radio is off,
// and each of the three re-applies is left for the radio's return.
TEST_F(HardwareRadio, TurnedOffAsTheLinkIsLostItLeavesTheDialogOffAndEveryReapplyForItsReturn)
{
    const struct {
        const char* Scene;
        bool DialogOpen;
        bool ReapplyOnItsWay;
    } rows[] = {
        {"the dialog closed, off before the loss was seen", false, false},
        {"the dialog open, off after the first re-apply was requested", true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Scene);
        ResetProgramState();
        RadioOn = 1;
        DefaultsApplied = 1;
        link = CRecordingDialogLink();
        if (row.DialogOpen)
            OpenDialog();
        ASSERT_EQ(0, VexaSimSetNetworkRssi("Wireless", -55));
        AssociateThenLeaveRange();
        link.Take();
        if (row.ReapplyOnItsWay) {
            Tick();
            ASSERT_EQ(ApplyRequested, ApplyRequest);
        }
        ASSERT_EQ(0, VexaSimClearJournal());
        ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
        for (int i = 0; i < 5; ++i)
            Tick();
        // The user's Apply meanwhile.
        PendingSettings = OpenRecord("Wireless");
        ApplyRequest = ApplyRequested;
        for (int i = 0; i < 5; ++i)
            Tick();
        EXPECT_EQ(LinkRadioOff, CurrentStatus.LinkState);
        EXPECT_EQ(0, link.Count("radio on")) << "the dialog flickered back to radio-on";
        // With the dialog closed the user's Apply goes out (RadioOn follows the switch only
        // while the dialog is open); with it open, the re-apply that went out before the tick
        // learned of the switch. Nothing else.
        EXPECT_EQ(1, CountLines(TakeJournal(), "SetSsid \"Wireless\" 8 0"));

        ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
        ASSERT_EQ(0, VexaSimClearJournal());
        for (int i = 0; i < 16; ++i)
            Tick();
        EXPECT_EQ(3, CountLines(TakeJournal(), "SetSsid \"Wireless\" 8 0"));
    }
}

// Switched off with the Link Info page's button, then on again by another program (or a card
// that came back with its radio on) while the dialog is open: the program must follow, or it
// would never apply again and the dialog's radio set would stay disabled.
TEST_F(Scheduling, ARadioSwitchedBackOnOutsideTheProgramSwitchesTheDialogBackToRadioOn)
{
    DefaultsApplied = 1;
    OpenDialog();
    Tick();
    ASSERT_TRUE(SetRadio(0));
    RadioOn = 0;
    Tick();
    link.Take();
    ASSERT_TRUE(SetRadio(1));
    Tick();
    EXPECT_EQ(1, RadioOn);
    EXPECT_EQ(std::vector<std::string>{"radio on"}, link.Take());
}

TEST_F(Scheduling, ARadioSwitchedOffByTheUserStaysOff)
{
    DefaultsApplied = 1;
    OpenDialog();
    Tick();
    link.Take();
    // What the Link Info page's radio switch does.
    ASSERT_TRUE(SetRadio(0));
    RadioOn = 0;
    for (int i = 0; i < 3; ++i)
        Tick();
    EXPECT_EQ(LinkRadioOff, CurrentStatus.LinkState);
    EXPECT_EQ(0, RadioOn);
    EXPECT_TRUE(link.Take().empty());
}

}  // namespace
