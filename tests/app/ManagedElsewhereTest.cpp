// The tick of a copy that another session's copy keeps from managing the card: it reads the
// card and shows what it reads, and sends the card nothing until the marker comes free.
#include "AdapterScene.h"
#include "MachineRegistry.h"
#include "RecordingDialogLink.h"
#include "RecordingTrayHost.h"
#include "SampleRecords.h"

#include "app/TickState.h"
#include "app/TrayMonitor.h"
#include "protocol/MarkerDecision.h"
#include "settings/DefaultSettings.h"
#include "state/ProgramState.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// What reached the card beyond opening and closing it (a reopen while it was out).
std::vector<std::string> CallsThatActOnTheCard()
{
    std::vector<std::string> acting;
    for (const std::string& line : JournalLines())
        if (line != "OpenAdapter" && line != "CloseAdapter")
            acting.push_back(line);
    return acting;
}

class ManagedElsewhere : public AdapterScene {
protected:
    void SetUp() override
    {
        AdapterScene::SetUp();
        DeleteKeyTree("SOFTWARE\\KT60");
        ResetProgramState();
        RadioOn = 1;
        host.major = 10;
        host.minor = 0;
        host.managedElsewhere = true;
        ManagesAdapter = 0;
        monitor.Start();
    }

    void TearDown() override
    {
        ResetProgramState();
        DeleteKeyTree("SOFTWARE\\KT60");
        AdapterScene::TearDown();
    }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            monitor.Tick(TickTimerId);
    }

    CRecordingHost host;
    CRecordingDialogLink dialog;
    CTrayMonitor monitor{host, dialog};
};

TEST_F(ManagedElsewhere, TheCopyOnlyReadsTheCardAndItsTooltipSaysWhoManagesIt)
{
    // Each of these makes a managing copy act: an idle card gets the defaults and the
    // antenna, a lost link its re-applies, a card put back both again.
    Ticks(2);
    Join("Wireless");
    ASSERT_EQ(0, VexaSimClearJournal());
    Ticks(2);
    EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState);
    EXPECT_EQ("Skylook\n\rSignal Strength : Good\n\rManaged in another user's session", monitor.Tooltip());
    ASSERT_EQ(0, VexaSimRemoveNetwork("Wireless"));
    Ticks(3);
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    Ticks(2);
    EXPECT_EQ("Skylook\n\rNo Card Found\n\rManaged in another user's session", monitor.Tooltip());
    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    Ticks(3);

    EXPECT_EQ(std::vector<std::string>{}, CallsThatActOnTheCard());
    EXPECT_EQ(ApplyIdle, ApplyRequest);
    for (const TrayCall& call : host.calls) {
        if (call.action != NIM_ADD) {
            EXPECT_NE(std::string::npos, call.tooltip.find("another user's session")) << call;
        }
    }
}

// Read on every tick: the name's holder may give way to a copy of Skylook, or go.
TEST_F(ManagedElsewhere, WhileSomethingElseHasTheMarkersNameTheTooltipSaysSoInWordsThatFit)
{
    Join("Wireless");
    ASSERT_EQ(0, VexaSimClearJournal());
    host.foreignHolder = true;
    Ticks(2);
    const std::string foreign = std::string("Skylook\n\r") + ForeignMarkerHolderText;
    EXPECT_EQ(foreign, monitor.Tooltip());
    EXPECT_LT(foreign.size(), sizeof NOTIFYICONDATAA{}.szTip);
    EXPECT_EQ(foreign, host.calls.back().tooltip);

    host.foreignHolder = false;
    monitor.Tick(TickTimerId);
    EXPECT_EQ("Skylook\n\rSignal Strength : Good\n\rManaged in another user's session", monitor.Tooltip());
    EXPECT_EQ(0, ManagesAdapter);
    EXPECT_EQ(std::vector<std::string>{}, CallsThatActOnTheCard());
}

// The open dialog of a copy that watches follows what it cannot change itself: the link (Site
// Survey's lists on each association change), the radio (the radio set and its caption) and
// the default settings the managing copy stores; each once, on the tick it changes.
TEST_F(ManagedElsewhere, AnOpenDialogFollowsTheLinkTheRadioAndTheStoredDefaults)
{
    ASSERT_TRUE(SaveDefaultSettings(OpenRecord("Wireless")));
    Ticks(2);
    dialog.open = true;
    // As the dialog's opening leaves it.
    PreviousLinkState = LinkNoAdapter;
    const struct {
        const char* Change;
        std::function<void()> Make;
        std::vector<std::string> Calls;
        int RadioOn;
    } steps[] = {
        {"the opening", [] {}, {"radio on"}, 1},
        {"nothing", [] {}, {}, 1},
        {"the other copy joins", [] { Join("Wireless"); }, {"survey"}, 1},
        {"the link is lost", [] { ASSERT_EQ(0, VexaSimRemoveNetwork("Wireless")); }, {"survey"}, 1},
        {"the radio goes off", [] { ASSERT_EQ(0, VexaSimSetHardwareRadio(0)); }, {"radio off"}, 0},
        {"the radio comes back", [] { ASSERT_EQ(0, VexaSimSetHardwareRadio(1)); }, {"radio on"}, 1},
        {"the other copy stores defaults", [] { ASSERT_TRUE(SaveDefaultSettings(PskRecord("HomeNet", "home pass 1"))); },
         {"defaults changed"}, 1},
        {"nothing again", [] {}, {}, 1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Change);
        step.Make();
        ASSERT_EQ(0, VexaSimClearJournal());
        monitor.Tick(TickTimerId);
        EXPECT_EQ(step.Calls, dialog.Take());
        EXPECT_EQ(step.RadioOn, RadioOn);
        EXPECT_EQ(std::vector<std::string>{}, CallsThatActOnTheCard());
    }
}

TEST_F(ManagedElsewhere, OnTheTickTheMarkerComesFreeTheCopyManagesKeepingALinkThatIsUp)
{
    const struct {
        const char* Scene;
        bool LinkUp;
    } scenes[] = {
        {"the other copy's link is up", true},
        {"the link is down", false},
    };
    for (const auto& scene : scenes) {
        SCOPED_TRACE(scene.Scene);
        ResetProgramState();
        RadioOn = 1;
        ManagesAdapter = 0;
        host.managedElsewhere = true;
        ASSERT_EQ(0, Vexa5200SetDisassociate(AdapterHandle));
        if (scene.LinkUp)
            Join("Wireless");
        dialog.open = true;
        Ticks(2);
        ASSERT_EQ(0, VexaSimClearJournal());
        dialog.calls.clear();

        host.managedElsewhere = false;
        monitor.Tick(TickTimerId);
        EXPECT_EQ(1, ManagesAdapter);
        EXPECT_EQ(1, dialog.Count("changes allowed")) << "the open dialog still refuses changes";
        EXPECT_EQ(std::string::npos, monitor.Tooltip().find("another user's session")) << monitor.Tooltip();
        Ticks(4);

        EXPECT_FALSE(JournalHas("SetDisassociate"));
        EXPECT_EQ(!scene.LinkUp, JournalHas("SetSsid \"Wireless\" 8 0")) << "the defaults applied: " << JournalText();
        EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState);
        EXPECT_TRUE(JournalHas("SetRxAntenna 2"));
    }
}

}  // namespace
