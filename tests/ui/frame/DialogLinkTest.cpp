#include "AdapterScene.h"
#include "DialogScene.h"

#include "adapter/AdapterWrappers.h"
#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/frame/ConfigDlg.h"

#include <Vexa5200Control.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The pages' buttons that the tick switches.
const std::vector<std::pair<int, int>> RadioSet = {{0, 1026}, {1, 1027}, {1, 1033}, {2, 1027}, {2, 1033},
                                                   {3, 1026}, {3, 1027}, {3, 1033}, {3, 1034}, {3, 1035}};
constexpr int RadioButton = 1055;
// The figure that follows the radio switch in Tab's order.
constexpr int TransmitFigure = 1018;

HWND PageItem(int page, int id)
{
    return ::GetDlgItem(PageWindow(page), id);
}

bool Enabled(HWND window)
{
    return ::IsWindowEnabled(window) != FALSE;
}

testing::AssertionResult RadioSetEnabled(bool enabled)
{
    for (auto [page, id] : RadioSet)
        if (!PageItem(page, id))
            return testing::AssertionFailure() << "page " << page << " has no control " << id;
        else if (Enabled(PageItem(page, id)) != enabled)
            return testing::AssertionFailure() << "page " << page << " control " << id << " is "
                                               << (enabled ? "disabled" : "enabled");
    return testing::AssertionSuccess();
}

testing::AssertionResult BusySetEnabled(bool enabled)
{
    std::vector<HWND> busy = {PageItem(0, 1026), PageItem(0, RadioButton)};
    // The shown page's label stays enabled: the focus waits there.
    for (int page = 0; page < PageCount; ++page)
        if (page != ConfigDialog().CurrentPage())
            busy.push_back(::GetDlgItem(DialogWindow(), PageLabels[page]));
    if (!Enabled(::GetDlgItem(DialogWindow(), PageLabels[ConfigDialog().CurrentPage()])))
        return testing::AssertionFailure() << "the shown page's label was disabled";
    for (HWND control : busy)
        if (Enabled(control) != enabled)
            return testing::AssertionFailure() << "control " << ::GetDlgCtrlID(control) << " is "
                                               << (enabled ? "disabled" : "enabled");
    if (!Enabled(::GetDlgItem(DialogWindow(), 1044)))
        return testing::AssertionFailure() << "the Hide label was disabled";
    return testing::AssertionSuccess();
}

std::string RadioCaption()
{
    char text[32] = {};
    ::GetWindowTextA(PageItem(0, RadioButton), text, sizeof text);
    return text;
}

void Click(int page, int id)
{
    ::SendMessageA(PageWindow(page), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(PageItem(page, id)));
}

// A page timer's message, as many times as its wait may take.
void EndWait(int page, UINT_PTR timer)
{
    for (int i = 0; i < 12; ++i)
        ::SendMessageA(PageWindow(page), WM_TIMER, timer, 0);
}

bool JournalApplied()
{
    return JournalHas("SetSsid \"Wireless\" 8 0");
}

using DialogLink = DialogScene;

TEST_F(DialogLink, TheTickSwitchesTheRadioSetAndTheBusySetOfTheOpenDialog)
{
    ASSERT_EQ(0, VexaSimSetHardwareRadio(0));
    CTestFrame frame;
    frame.manualTicks = true;
    ASSERT_TRUE(frame.Create());
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("the first tick finds the radio off",
            [&frame] {
                // A keyboard user on the Configuration page's Apply is not stranded when
                // the tick disables it.
                ConfigDialog().ShowPage(1);
                ::SetFocus(PageItem(1, 1027));
                ASSERT_EQ(PageItem(1, 1027), ::GetFocus());
                frame.ManualTick();
                HWND focus = ::GetFocus();
                EXPECT_TRUE(focus && Enabled(focus) && ::IsChild(PageWindow(1), focus))
                    << "the focus went to control " << ::GetDlgCtrlID(focus);
                // The pages not shown yet are made now, and join the set as it stands.
                MakeEveryPage();
                ConfigDialog().ShowPage(0);
                EXPECT_EQ(LinkRadioOff, CurrentStatus.LinkState);
                EXPECT_EQ(0, RadioOn);
                EXPECT_EQ("Radio On", RadioCaption());
                EXPECT_TRUE(RadioSetEnabled(false));
                EXPECT_TRUE(Enabled(PageItem(0, RadioButton))) << "the switch itself stays usable";
            })
        .Do("an Apply while the radio is off",
            [&frame] {
                ASSERT_EQ(0, VexaSimClearJournal());
                ApplyRequest = 1;
                frame.ManualTick();
                EXPECT_TRUE(Enabled(::GetDlgItem(DialogWindow(), 1039))) << "nothing is disabled";
                frame.ManualTick();
                frame.ManualTick();
                EXPECT_EQ(0, ApplyRequest);
                EXPECT_FALSE(JournalApplied());
            })
        .Do("the radio switch turns the radio on",
            [&frame] {
                ASSERT_EQ(0, VexaSimSetHardwareRadio(1));
                RadioOn = 1;
                frame.ManualTick();
                EXPECT_EQ("Radio Off", RadioCaption());
                EXPECT_TRUE(RadioSetEnabled(true));
                EXPECT_EQ(1, ApplyRequest) << "the idle apply follows";
                EXPECT_FALSE(JournalApplied());
            })
        .Do("the applying tick",
            [&frame] {
                frame.ManualTick();
                EXPECT_TRUE(JournalApplied());
                EXPECT_TRUE(BusySetEnabled(false));
                ASSERT_EQ(0, VexaSimClearJournal());
                frame.ManualTick();
                EXPECT_TRUE(BusySetEnabled(false));
                frame.ManualTick();
                EXPECT_TRUE(BusySetEnabled(true));
                EXPECT_EQ(0, ConfigDialog().CurrentPage()) << "the labels' enable notifications select no page";
                EXPECT_FALSE(JournalApplied());
                EXPECT_EQ(LinkAssociated, CurrentStatus.LinkState);
            })
        .Do("the radio switched off with the page's button while Rescan and Refresh wait",
            [&frame] {
                Click(0, 1026);
                Click(3, 1026);
                Click(0, RadioButton);
                EXPECT_EQ(0, RadioOn);
                EXPECT_TRUE(RadioSetEnabled(false)) << "at once, before any tick";
                EndWait(0, 300);
                EndWait(3, 100);
                EXPECT_TRUE(RadioSetEnabled(false)) << "the ends of the waits leave it off";
                // The apply that Rescan asked for is counted out; its end re-enables the busy
                // set, of which Rescan is part too.
                for (int i = 0; i < 3; ++i)
                    frame.ManualTick();
                EXPECT_TRUE(RadioSetEnabled(false)) << "the end of the apply leaves it off";
            })
        .Do("another program switches the radio on",
            [&frame] {
                ASSERT_EQ(0, VexaSimClearJournal());
                ASSERT_TRUE(SetRadio(1));
                frame.ManualTick();
                EXPECT_EQ(1, RadioOn);
                EXPECT_EQ("Radio Off", RadioCaption());
                EXPECT_TRUE(RadioSetEnabled(true));
            })
        .Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    script.Start();
    frame.DoubleClick();
    EXPECT_TRUE(script.Finished()) << script.Position();
    frame.DestroyWindow();
}

// Re-applies disable Rescan and the radio switch together: a keyboard user on either waits on
// the page's next field, as Tab would take it, and is back on the button when the tick enables
// it, unless the focus was moved meanwhile.
TEST_F(DialogLink, TheFocusWaitsOnTheShownPagesLabelWhileTheTickDisablesItsButtonsAndComesBack)
{
    CTestFrame frame;
    frame.manualTicks = true;
    ASSERT_TRUE(frame.Create());
    HWND label = nullptr;
    // Ticks (a few at most) until the apply's busy set is disabled, or enabled again.
    auto tickUntilBusy = [&frame](bool busy) {
        for (int i = 0; i < 6 && !BusySetEnabled(!busy); ++i)
            frame.ManualTick();
        return static_cast<bool>(BusySetEnabled(!busy));
    };
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("an apply with the focus on Rescan",
            [&] {
                label = ::GetDlgItem(DialogWindow(), PageLabels[0]);
                ASSERT_TRUE(tickUntilBusy(false)) << "the start's apply did not end";
                ::SetFocus(PageItem(0, 1026));
                ApplyRequest = 1;
                ASSERT_TRUE(tickUntilBusy(true));
                EXPECT_EQ(PageItem(0, TransmitFigure), ::GetFocus())
                    << "focus on control " << ::GetDlgCtrlID(::GetFocus());
                EXPECT_TRUE(Enabled(label) && ::IsWindowVisible(label));
                ASSERT_TRUE(tickUntilBusy(false));
                EXPECT_EQ(PageItem(0, 1026), ::GetFocus()) << "focus on control " << ::GetDlgCtrlID(::GetFocus());
            })
        .Do("an apply during which the user moves the focus",
            [&] {
                ::SetFocus(PageItem(0, RadioButton));
                ApplyRequest = 1;
                ASSERT_TRUE(tickUntilBusy(true));
                EXPECT_EQ(PageItem(0, TransmitFigure), ::GetFocus());
                ::SetFocus(PageItem(0, 1010));
                ASSERT_TRUE(tickUntilBusy(false));
                EXPECT_EQ(PageItem(0, 1010), ::GetFocus()) << "the focus was taken from where the user put it";
            })
        .Do("Rescan pressed from the keyboard waits for its own scan",
            [&] {
                ::SetFocus(PageItem(0, 1026));
                Click(0, 1026);
                EXPECT_EQ(PageItem(0, RadioButton), ::GetFocus())
                    << "focus on control " << ::GetDlgCtrlID(::GetFocus());
                EndWait(0, 300);
                EXPECT_EQ(PageItem(0, 1026), ::GetFocus()) << "focus on control " << ::GetDlgCtrlID(::GetFocus());
                ASSERT_TRUE(tickUntilBusy(false)) << "the rescan's apply did not end";
            })
        .Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    script.Start();
    frame.DoubleClick();
    EXPECT_TRUE(script.Finished()) << script.Position();
    frame.DestroyWindow();
}

// The tick may close the dialog while an apply settles (the card goes, Zero Configuration
// takes over), before the apply's end enables the busy set again: the next opening starts with
// it usable rather than waiting for some later apply to end.
TEST_F(DialogLink, ADialogClosedWhileAnApplySettlesOpensAgainWithItsBusySetUsable)
{
    CModalScript first;
    first.WaitFor("the dialog shows", DialogShown).Do("an apply settles when the dialog is closed", [] {
        ConfigDialog().EnableBusySet(false);
        ASSERT_TRUE(BusySetEnabled(false));
        ConfigDialog().CloseConfigDialog();
    });
    RunConfigDialog(first);
    ASSERT_TRUE(first.Finished()) << first.Position();

    CModalScript second;
    second.WaitFor("the dialog shows", DialogShown).Do("look", [] { EXPECT_TRUE(BusySetEnabled(true)); });
    RunAndClose(second);
}

}  // namespace
