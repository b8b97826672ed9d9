// The Link Info page in the running dialog, against the software adapter and the tick.
#include "AdapterScene.h"
#include "DialogScene.h"
#include "PageControls.h"

#include "app/TickState.h"
#include "controls/ColorLabel.h"
#include "controls/EditEx.h"
#include "controls/GroupFrame.h"
#include "controls/LevelBar.h"
#include "controls/SkinButton.h"
#include "controls/ThroughputGraph.h"
#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/linkinfo/LinkInfoPage.h"

#include <Vexa5200Control.h>
#include <commctrl.h>

#include <string>

namespace {

constexpr int Rescan = 1026;
constexpr int RadioButton = 1055;

std::string LinkText(int id)
{
    char text[128] = {};
    ::GetWindowTextA(PageItem(0, id), text, sizeof text);
    return text;
}

bool LinkEnabled(int id)
{
    return ::IsWindowEnabled(PageItem(0, id)) != FALSE;
}

template <class Control>
Control* LinkControl(int id)
{
    return dynamic_cast<Control*>(CWindow::FromHandle(PageItem(0, id)));
}

void PageTimer(UINT_PTR id)
{
    ::SendMessageA(PageWindow(0), WM_TIMER, id, 0);
}

void Click(int id)
{
    ::SendMessageA(PageWindow(0), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(PageItem(0, id)));
}

void Sim(const char* command)
{
    char output[256] = {};
    ASSERT_EQ(0, VexaSimCommand(command, output, sizeof output)) << output;
}

int BarPosition(int id)
{
    return static_cast<int>(::SendMessageA(PageItem(0, id), PBM_GETPOS, 0, 0));
}

using LinkInfoPage = DialogScene;

// With the program's main frame, whose ticks come only when the test asks; the stored
// defaults count as applied, so no apply runs unasked.
class TickedLinkInfoPage : public DialogScene {
protected:
    void SetUp() override
    {
        DialogScene::SetUp();
        frame.manualTicks = true;
        ASSERT_TRUE(frame.Create());
        DefaultsApplied = 1;
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        DialogScene::TearDown();
    }

    CTestFrame frame;
};

TEST_F(LinkInfoPage, EveryControlIsBoundAndSetUp)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("look at the controls",
            [] {
                const struct {
                    int id;
                    const char* text;
                } texts[] = {{1058, "Status"},  {1059, "SSID"},       {1060, "TxRate"},          {1061, "Channel"},
                             {1056, "Link Quality"}, {1057, "Signal Strength"}, {1062, "Transmit"}, {1063, "Receive"},
                             {1026, "Rescan"},  {1055, "Radio Off"}, {1005, "0"},  {1006, "10"}, {1007, "100"},
                             {1008, "1000"},    {1009, "10000"}};
                for (auto t : texts)
                    EXPECT_EQ(t.text, LinkText(t.id)) << "control " << t.id;
                for (int id : {1010, 1011, 1012, 1013, 1018, 1019}) {
                    auto* edit = LinkControl<CEditEx>(id);
                    ASSERT_NE(nullptr, edit) << "edit " << id;
                    EXPECT_EQ(RGB(0, 0, 255), edit->TextColour());
                    EXPECT_NE(0, ::GetWindowLongA(PageItem(0, id), GWL_STYLE) & ES_READONLY) << "edit " << id;
                }
                for (int id : {1005, 1006, 1007, 1008, 1009}) {
                    auto* label = LinkControl<CColorLabel>(id);
                    ASSERT_NE(nullptr, label) << "scale " << id;
                    EXPECT_STREQ("Arial", label->Font().lfFaceName);
                    EXPECT_EQ(RGB(0, 0, 255), label->TextColour());
                }
                for (int id : {1002, 1003}) {
                    auto* bar = LinkControl<CLevelBar>(id);
                    ASSERT_NE(nullptr, bar);
                    EXPECT_EQ((std::vector<COLORREF>{RGB(0, 0, 255), RGB(0, 0, 255)}), bar->ColourStops());
                    EXPECT_EQ(1, bar->Step());
                }
                for (int id : {1041, 1042}) {
                    auto* graph = LinkControl<CThroughputGraph>(id);
                    ASSERT_NE(nullptr, graph);
                    EXPECT_TRUE(graph->IsPrepared());
                    EXPECT_EQ(100u, graph->Maximum());
                }
                EXPECT_EQ("Link Quality/Signal Strength", LinkControl<CGroupFrame>(1014)->Caption());
                EXPECT_EQ(RGB(0, 0, 128), LinkControl<CGroupFrame>(1004)->CaptionColour());
                EXPECT_NE(nullptr, LinkControl<CSkinButton>(RadioButton));
            });
    RunAndClose(script);
}

TEST_F(TickedLinkInfoPage, ShowsTheAssociatedLinkAfterATick)
{
    // The adapter's fragment counts when the link came up.
    LONGLONG receivedAtJoin = 0, sentAtJoin = 0;
    const auto counts = [](LONGLONG& received, LONGLONG& sent) {
        NDIS_802_11_STATISTICS counted{};
        if (Vexa5200QueryStatistics(AdapterHandle, &counted) != 0)
            return false;
        received = counted.ReceivedFragmentCount.QuadPart;
        sent = counted.TransmittedFragmentCount.QuadPart;
        return true;
    };
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("not associated",
            [this] {
                frame.ManualTick();
                PageTimer(CLinkInfoPage::RefreshTimerId);
                EXPECT_EQ("No Connection to Network", LinkText(1010));
                EXPECT_EQ("", LinkText(1011));
                EXPECT_EQ("0", LinkText(1019));
            })
        .Do("join and tick",
            [&] {
                ASSERT_EQ(0, VexaSimSetTrafficRate(500));
                Join("Wireless");
                frame.ManualTick();
                ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
                ASSERT_TRUE(counts(receivedAtJoin, sentAtJoin));
                PageTimer(CLinkInfoPage::RefreshTimerId);
                EXPECT_EQ(std::string("Associated BSSID=") + CurrentStatus.Bssid, LinkText(1010));
                EXPECT_EQ("Wireless", LinkText(1011));
                EXPECT_EQ(std::to_string(CurrentStatus.Channel), LinkText(1012));
                EXPECT_EQ(CurrentStatus.TxRate, LinkText(1013));
                EXPECT_EQ(std::to_string(CurrentStatus.LinkQuality) + "%", LinkText(1045));
                EXPECT_EQ(std::to_string(CurrentStatus.SignalStrength) + "%", LinkText(1046));
                EXPECT_EQ(CurrentStatus.LinkQuality, BarPosition(1002));
                EXPECT_EQ(CurrentStatus.SignalStrength, BarPosition(1003));
                EXPECT_GT(CurrentStatus.SignalStrength, 0);
            })
        .WaitFor("the adapter counts traffic",
                 [&] {
                     LONGLONG received = 0, sent = 0;
                     return counts(received, sent) && received > receivedAtJoin && sent > sentAtJoin;
                 })
        .Do("traffic flows",
            [this] {
                frame.ManualTick();
                PageTimer(CLinkInfoPage::RefreshTimerId);
                EXPECT_GT(std::stoi(LinkText(1018)), 0);
                EXPECT_GT(std::stoi(LinkText(1019)), 0);
                EXPECT_GT(LinkControl<CThroughputGraph>(1042)->Pos(), 0u);
            });
    RunAndClose(script, &frame);
}

TEST_F(LinkInfoPage, TheRadioButtonWaitsForTheAdapterToConfirm)
{
    ASSERT_EQ(0, Vexa5200OpenAdapter(&AdapterHandle));
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("switch the radio off while the adapter does not answer",
            [] {
                ASSERT_EQ(0, VexaSimClearJournal());
                Click(RadioButton);
                EXPECT_EQ("SetRadioControl 0", LastJournalLine());
                EXPECT_EQ(0, RadioOn);
                EXPECT_FALSE(LinkEnabled(RadioButton));
                ASSERT_EQ(0, VexaSimSetFailure("QueryRadioControl", 1));
                PageTimer(CLinkInfoPage::RadioTimerId);
                EXPECT_FALSE(LinkEnabled(RadioButton));
                EXPECT_EQ("Radio Off", LinkText(RadioButton)) << "not confirmed yet";
                ConfigDialog().EnableBusySet(true);
                EXPECT_FALSE(LinkEnabled(RadioButton)) << "the end of an apply leaves it waiting";
            })
        .Do("the adapter confirms",
            [] {
                ASSERT_EQ(0, VexaSimSetFailure("QueryRadioControl", 0));
                PageTimer(CLinkInfoPage::RadioTimerId);
                EXPECT_TRUE(LinkEnabled(RadioButton));
                EXPECT_EQ("Radio On", LinkText(RadioButton));
            });
    RunAndClose(script);

    CModalScript reopened;
    reopened.WaitFor("the dialog shows again", DialogShown)
        .Do("the radio is still off",
            [] {
                EXPECT_EQ("Radio On", LinkText(RadioButton));
                EXPECT_FALSE(LinkEnabled(Rescan)) << "nothing that needs the radio";
            })
        .Do("switch it on",
            [] {
                Click(RadioButton);
                EXPECT_EQ("SetRadioControl 1", LastJournalLine());
                EXPECT_EQ(1, RadioOn);
                EXPECT_EQ(1, ApplyRequest) << "the settings go back on";
                EXPECT_EQ("Radio On", LinkText(RadioButton));
                PageTimer(CLinkInfoPage::RadioTimerId);
                EXPECT_TRUE(LinkEnabled(RadioButton));
                EXPECT_EQ("Radio Off", LinkText(RadioButton));
            });
    RunAndClose(reopened);
}

TEST_F(LinkInfoPage, RescanStaysDisabledUntilItsFourthTick)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("click Rescan and let three ticks pass",
            [] {
                Click(Rescan);
                EXPECT_EQ(1, ApplyRequest);
                for (int tick = 1; tick <= 3; ++tick) {
                    EXPECT_FALSE(LinkEnabled(Rescan)) << "before tick " << tick;
                    PageTimer(CLinkInfoPage::RescanTimerId);
                    // The apply that Rescan asked for ends, and the radio is reported on.
                    ConfigDialog().EnableBusySet(true);
                    ConfigDialog().SwitchRadioSet(true);
                }
                EXPECT_FALSE(LinkEnabled(Rescan));
            })
        .Do("the fourth tick",
            [] {
                PageTimer(CLinkInfoPage::RescanTimerId);
                EXPECT_TRUE(LinkEnabled(Rescan));
                ConfigDialog().EnableBusySet(false);
                EXPECT_FALSE(LinkEnabled(Rescan)) << "back in the busy set";
            });
    RunAndClose(script);
}

TEST_F(TickedLinkInfoPage, TheHardwareRadioSwitchTurnsThePageOffAndOnAgain)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("the switch goes off",
            [this] {
                frame.ManualTick();
                Sim("radio off");
                frame.ManualTick();
                EXPECT_EQ(0, RadioOn);
                EXPECT_EQ("Radio On", LinkText(RadioButton));
                EXPECT_FALSE(LinkEnabled(Rescan));
                frame.ManualTick();
            })
        .Do("and on again",
            [this] {
                Sim("radio on");
                frame.ManualTick();
                EXPECT_EQ(1, RadioOn);
                EXPECT_EQ("Radio Off", LinkText(RadioButton));
                EXPECT_TRUE(LinkEnabled(Rescan));
            });
    RunAndClose(script, &frame);
}

}  // namespace
