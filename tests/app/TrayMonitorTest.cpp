#include "AdapterScene.h"
#include "RecordingDialogLink.h"
#include "RecordingTrayHost.h"

#include "app/TickState.h"
#include "app/TrayMonitor.h"
#include "state/ProgramState.h"
#include "res/resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class TrayMonitor : public AdapterScene {
protected:
    void SetUp() override
    {
        AdapterScene::SetUp();
        ResetProgramState();
        // The automatic apply of the stored defaults is the scheduling's business; here it
        // stays out of the way until a lost card re-arms it.
        DefaultsApplied = 1;
        monitor.Start();
        host.calls.clear();
    }

    // Calls since the last look.
    Calls NewCalls()
    {
        Calls calls;
        calls.swap(host.calls);
        return calls;
    }
    // The calls of one more tick.
    Calls TickCalls()
    {
        monitor.Tick(TickTimerId);
        return NewCalls();
    }

    int AntennaCalls()
    {
        std::vector<std::string> lines = JournalLines();
        return static_cast<int>(std::count(lines.begin(), lines.end(), "SetRxAntenna 2"));
    }

    CRecordingHost host;
    CRecordingDialogLink dialog;
    CTrayMonitor monitor{host, dialog};
};

const TrayCall Call(DWORD action, int icon, const char* tooltip)
{
    return {action, icon, tooltip};
}

TEST_F(TrayMonitor, StartsWithTheNotConnectedIconAndArmsTheTimer)
{
    CRecordingHost freshHost;
    CTrayMonitor fresh(freshHost, dialog);
    fresh.Start();
    EXPECT_EQ(Calls{Call(NIM_ADD, IDI_NOT_CONNECTED, "Skylook")}, freshHost.calls);
    EXPECT_TRUE(TrayIconAdded);
    EXPECT_TRUE(freshHost.timerArmed);
}

TEST_F(TrayMonitor, ATickThatChangesNothingMakesNoTrayCall)
{
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_NOT_CONNECTED, "Skylook\n\rNo Connect")}, TickCalls());
    EXPECT_EQ(LinkNotAssociated, CurrentStatus.LinkState);
    EXPECT_EQ(5u, OsVersion.dwMajorVersion);

    monitor.Tick(TickTimerId);
    monitor.Tick(TickTimerId);
    EXPECT_TRUE(NewCalls().empty());
    EXPECT_EQ(1, AntennaCalls()) << "the antenna is set once per discovery";
    EXPECT_EQ(3, host.timerStops);
    EXPECT_TRUE(host.timerArmed);
}

TEST_F(TrayMonitor, FollowsTheLinkAndTheSignal)
{
    host.major = 4;
    host.minor = 10;
    Join("Wireless");
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_SIGNAL_EXCELLENT, "Skylook / Signal Strength : Good")},
              TickCalls());

    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_NOT_CONNECTED, "Skylook / Radio Off")}, TickCalls());
}

TEST_F(TrayMonitor, AnAdHocLinkShowsTheAdHocTooltip)
{
    ASSERT_EQ(0, Vexa5200SetNetworkMode(AdapterHandle, 0));
    ASSERT_EQ(0, Vexa5200SetChannel(AdapterHandle, 10));
    Join("LabAdHoc");
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_SIGNAL_EXCELLENT, "Skylook\n\rAd-Hoc")}, TickCalls());
}

TEST_F(TrayMonitor, APendingApplyReadsAsConnectingAndKeepsTheIcon)
{
    TickCalls();
    ApplyRequest = ApplyRequested;
    monitor.Tick(TickTimerId);
    EXPECT_EQ(LinkConnecting, CurrentStatus.LinkState);
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_NOT_CONNECTED, "Skylook")}, NewCalls());
}

TEST_F(TrayMonitor, AMissingCardShowsNoCardFoundOnEveryTick)
{
    TickCalls();
    DefaultsApplied = 1;
    dialog.open = true;

    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    monitor.Tick(TickTimerId);
    EXPECT_EQ(LinkNoAdapter, CurrentStatus.LinkState);
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_NO_CARD, "Skylook\n\rNo Card Found")}, NewCalls());
    EXPECT_EQ(0, DefaultsApplied);
    EXPECT_EQ(0, AntennaSet);
    EXPECT_EQ(1, dialog.Count("close"));

    // The dialog cannot stay open while the card is out.
    dialog.open = true;
    monitor.Tick(TickTimerId);
    EXPECT_EQ(1u, NewCalls().size());
    EXPECT_EQ(2, dialog.Count("close"));
    EXPECT_TRUE(host.timerArmed);
    EXPECT_EQ(1, AntennaCalls()) << "only the first tick, with the card, set the antenna";
}

TEST_F(TrayMonitor, ReopensTheCardWhenItComesBack)
{
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    TickCalls();
    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    // This tick still sees no adapter (its snapshot comes first) and reopens it.
    monitor.Tick(TickTimerId);
    EXPECT_EQ(LinkNoAdapter, CurrentStatus.LinkState);
    NewCalls();
    ASSERT_EQ(0, VexaSimClearJournal());

    monitor.Tick(TickTimerId);
    EXPECT_EQ(LinkNotAssociated, CurrentStatus.LinkState);
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_NOT_CONNECTED, "Skylook\n\rNo Connect")}, NewCalls());
    EXPECT_EQ(1, AntennaCalls());
}

TEST_F(TrayMonitor, ABusyFirstTickAfterTheCardReturnsKeepsTheNoCardIcon)
{
    monitor.Tick(TickTimerId);
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    monitor.Tick(TickTimerId);
    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    TickCalls();
    ApplyRequest = ApplyRequested;
    monitor.Tick(TickTimerId);
    EXPECT_EQ(LinkConnecting, CurrentStatus.LinkState);
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_NO_CARD, "Skylook")}, NewCalls());
}

TEST_F(TrayMonitor, TicksFreezeBetweenSuspendAndResume)
{
    TickCalls();
    const int stops = host.timerStops;

    monitor.OnPowerEvent(PBT_APMSUSPEND);
    EXPECT_TRUE(monitor.Suspended());
    monitor.OnPowerEvent(PBT_APMPOWERSTATUSCHANGE);
    EXPECT_TRUE(monitor.Suspended()) << "other events change nothing";
    Join("Wireless");
    ASSERT_EQ(0, VexaSimClearJournal());
    monitor.Tick(TickTimerId);
    monitor.Tick(TickTimerId);
    EXPECT_TRUE(NewCalls().empty());
    EXPECT_EQ(LinkNotAssociated, CurrentStatus.LinkState) << "no snapshot while suspended";
    EXPECT_EQ(stops, host.timerStops) << "the timer stays armed";
    EXPECT_TRUE(host.timerArmed);

    monitor.OnPowerEvent(PBT_APMRESUMESUSPEND);
    EXPECT_FALSE(monitor.Suspended());
    monitor.Tick(TickTimerId);
    EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState);
    EXPECT_EQ(1u, NewCalls().size());
}

TEST_F(TrayMonitor, AnUnreadableVersionClosesTheDialogAndStopsPolling)
{
    dialog.open = true;
    host.versionReadable = false;
    monitor.Tick(TickTimerId);
    EXPECT_EQ(1, dialog.Count("close"));
    EXPECT_FALSE(host.timerArmed);
    EXPECT_TRUE(NewCalls().empty());
}

TEST_F(TrayMonitor, RemovingTheIconDeletesItOnce)
{
    monitor.RemoveIcon();
    EXPECT_EQ(Calls{Call(NIM_DELETE, 0, "123")}, NewCalls());
    EXPECT_FALSE(TrayIconAdded);
    monitor.RemoveIcon();
    EXPECT_TRUE(NewCalls().empty());
}

TEST_F(TrayMonitor, AShellRestartGetsTheIconAddedAgainAsItWas)
{
    TickCalls();
    monitor.OnTrayRecreated();
    EXPECT_EQ(Calls{Call(NIM_ADD, IDI_NOT_CONNECTED, "Skylook\n\rNo Connect")}, NewCalls());
    EXPECT_TRUE(TrayIconAdded);
    // Later changes modify it as before.
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    EXPECT_EQ(Calls{Call(NIM_MODIFY, IDI_NOT_CONNECTED, "Skylook / Radio Off")}, TickCalls());

    monitor.RemoveIcon();
    NewCalls();
    monitor.OnTrayRecreated();
    EXPECT_TRUE(NewCalls().empty()) << "an icon that was removed stays removed";
}

}  // namespace
