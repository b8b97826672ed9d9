// The configuration dialog from the keyboard, and its side labels at a new opening.
#include "DialogScene.h"
#include "PageControls.h"

#include "controls/ColorLabel.h"
#include "ui/frame/ConfigDialogOpener.h"

#include <string>

#include <array>

namespace {

// The thread's control and shift keys as typing leaves them.
void HoldKeys(bool control, bool shift)
{
    std::array<BYTE, 256> state = {};
    ::GetKeyboardState(state.data());
    state[VK_CONTROL] = control ? 0x80 : 0;
    state[VK_SHIFT] = shift ? 0x80 : 0;
    ::SetKeyboardState(state.data());
}

// Queues a key press for the focused window, or for the dialog when no control has the
// focus (a disabled control loses it). The dialog's own loop takes it once the step that
// pressed has returned, and the next step comes only after the queue is empty.
void Press(UINT key, bool control, bool shift)
{
    HoldKeys(control, shift);
    HWND target = ::GetFocus() ? ::GetFocus() : DialogWindow();
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

// Alt and a letter, as the keyboard gives it to the dialog's loop.
void PressAlt(char letter)
{
    HWND target = ::GetFocus() ? ::GetFocus() : DialogWindow();
    ::PostMessageA(target, WM_SYSCHAR, static_cast<WPARAM>(letter), 1 | (1 << 29));
}

HWND SideLabel(int page)
{
    return ::GetDlgItem(DialogWindow(), PageLabels[page]);
}

using DialogKeys = DialogScene;

// The side labels behave as a tab strip: one tab stop, the shown page's label, where the
// dialog opens; Up and Down move along it, showing each page, and stop at the ends.
TEST_F(DialogKeys, TheSideLabelsAreOneTabStopWalkedByArrowsAndAltLettersReachLabelledControls)
{
    struct Step {
        const char* name;
        UINT key;
        bool shift;
        int page;
        int focusPage;  // -1: the focus is on the page's side label
        int focusId;
    };
    const Step steps[] = {
        {"Tab into the page, on its first figure", VK_TAB, false, 0, 0, 1010},
        {"Shift+Tab back to the label", VK_TAB, true, 0, -1, 0},
        {"Up at the first label", VK_UP, false, 0, -1, 0},
        {"Down", VK_DOWN, false, 1, -1, 0},
        {"Down again", VK_DOWN, false, 2, -1, 0},
        {"Up", VK_UP, false, 1, -1, 0},
        {"Enter on the shown page's label", VK_RETURN, false, 1, -1, 0},
        {"Down to the last", VK_DOWN, false, 2, -1, 0},
    };
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown).Do("opened with the focus on the first label", [] {
        EXPECT_EQ(SideLabel(0), ::GetFocus());
        ::SetForegroundWindow(DialogWindow());
    });
    for (const Step& step : steps) {
        script.Do(step.name, [step] { Press(step.key, false, step.shift); })
            .Do("look", [step] {
                SCOPED_TRACE(step.name);
                EXPECT_EQ(step.page, ConfigDialog().CurrentPage());
                EXPECT_EQ(step.page, ShownPage());
                const HWND expected =
                    step.focusPage < 0 ? SideLabel(step.page) : PageItem(step.focusPage, step.focusId);
                EXPECT_EQ(expected, ::GetFocus()) << "focus on control " << ::GetDlgCtrlID(::GetFocus());
                for (int page = 0; page < PageCount; ++page)
                    EXPECT_EQ(page == step.page, (::GetWindowLongA(SideLabel(page), GWL_STYLE) & WS_TABSTOP) != 0)
                        << "label " << page << "'s tab stop";
            });
    }
    // A reader may put the focus on another label (accSelect): Space or Enter shows its page.
    script
        .Do("Space on SiteSurvey's label",
            [] {
                ::SetFocus(SideLabel(3));
                Press(VK_SPACE, false, false);
            })
        .Do("SiteSurvey shown",
            [] {
                EXPECT_EQ(3, ShownPage());
                ::SetFocus(SideLabel(2));
                Press(VK_RETURN, false, false);
            })
        .Do("Enter on Encryption's label shows it",
            [] {
                EXPECT_EQ(2, ShownPage());
                ClickLabel(PageLabels[4]);
            })
        .Do("a click on About's label takes the focus along the strip",
            [] {
                EXPECT_EQ(4, ShownPage());
                EXPECT_EQ(SideLabel(4), ::GetFocus());
                ClickLabel(PageLabels[1]);
            })
        .Do("Alt+S", [] { PressAlt('s'); })
        .Do("on the network name", [] {
            EXPECT_EQ(PageItem(1, 1011), ::GetFocus());
            PressAlt('w');
        })
        .Do("on the power mode",
            [] {
                HWND focus = ::GetFocus();
                EXPECT_TRUE(focus == PageItem(1, 1032) || ::IsChild(PageItem(1, 1032), focus))
                    << "focus on control " << ::GetDlgCtrlID(focus);
                // An ad hoc network offers the channel, which the stored infrastructure
                // network disables again when an outside change reloads the page.
                ::SendMessageA(PageItem(1, 1028), CB_SETCURSEL, 0, 0);
                ::SendMessageA(PageWindow(1), WM_COMMAND, MAKEWPARAM(1028, CBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(PageItem(1, 1028)));
                ::SetFocus(PageItem(1, 1029));
                ASSERT_EQ(PageItem(1, 1029), ::GetFocus());
                ConfigDialog().ReloadShownPage();
                EXPECT_EQ(SideLabel(1), ::GetFocus()) << "focus on control " << ::GetDlgCtrlID(::GetFocus());
                // Apply shows Link Info, hiding the button that had the focus.
                ::SetFocus(PageItem(1, 1027));
                ConfigDialog().ShowPage(0);
                EXPECT_EQ(SideLabel(0), ::GetFocus()) << "focus on control " << ::GetDlgCtrlID(::GetFocus());
            });
    RunAndClose(script);
    HoldKeys(false, false);
}

TEST_F(DialogKeys, TabWalksTheShownPagesButtonsAndControlKeysSwitchPages)
{
    struct Step {
        UINT key;
        bool control;
        bool shift;
        int page;
    };
    const Step steps[] = {
        {VK_TAB, true, false, 1}, {VK_TAB, true, false, 2}, {VK_TAB, true, true, 1},   {VK_PRIOR, true, false, 0},
        {VK_PRIOR, true, false, 4}, {VK_NEXT, true, false, 0}, {VK_NEXT, true, false, 1}, {VK_TAB, true, true, 0},
    };
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("Tab between Rescan and the radio switch",
            [] {
                ::SetForegroundWindow(DialogWindow());
                ::SetFocus(PageItem(0, 1026));
                Press(VK_TAB, false, false);
            })
        .Do("on the radio switch",
            [] {
                EXPECT_EQ(PageItem(0, 1055), ::GetFocus());
                Press(VK_TAB, false, false);
            })
        .Do("on the transmit figure",
            [] {
                EXPECT_EQ(PageItem(0, 1018), ::GetFocus());
                Press(VK_TAB, false, false);
            })
        .Do("on the receive figure",
            [] {
                EXPECT_EQ(PageItem(0, 1019), ::GetFocus());
                Press(VK_TAB, false, false);
            })
        .Do("on to the side labels' one tab stop",
            [] {
                EXPECT_EQ(SideLabel(0), ::GetFocus());
                Press(VK_TAB, false, false);
            })
        .Do("on to the status figure",
            [] {
                EXPECT_EQ(PageItem(0, 1010), ::GetFocus());
                ::SetFocus(PageItem(0, 1026));
            })
        .Do("back on Rescan", [] { EXPECT_EQ(PageItem(0, 1026), ::GetFocus()); });
    for (const Step& step : steps) {
        script.Do("press", [step] { Press(step.key, step.control, step.shift); })
            .Do("look", [step] {
                EXPECT_EQ(step.page, ConfigDialog().CurrentPage()) << "key " << step.key;
                EXPECT_EQ(step.page, ShownPage());
                HWND focus = ::GetFocus();
                EXPECT_TRUE(focus && ::IsWindowVisible(focus)) << "the focus left with the hidden page";
            });
    }
    script
        .Do("while an apply settles",
            [] {
                ConfigDialog().EnableBusySet(false);
                Press(VK_TAB, true, false);
            })
        .Do("nothing switches",
            [] {
                EXPECT_EQ(0, ConfigDialog().CurrentPage());
                ConfigDialog().EnableBusySet(true);
            });
    RunAndClose(script);
    HoldKeys(false, false);
}

TEST_F(DialogKeys, ALabelUnderTheMouseWhenTheDialogClosedIsNotHoveredAtTheNextOpening)
{
    auto label = [] { return dynamic_cast<CColorLabel*>(CWindow::FromHandle(::GetDlgItem(DialogWindow(), 1042))); };
    CModalScript first;
    first.WaitFor("the dialog shows", DialogShown)
        .Do("the mouse over SiteSurvey, then the card goes",
            [&label] {
                ::SendMessageA(label()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
                ASSERT_TRUE(label()->IsHovering());
                ConfigDialog().CloseConfigDialog();
            });
    RunConfigDialog(first);
    ASSERT_TRUE(first.Finished()) << first.Position();

    CModalScript second;
    second.WaitFor("the dialog shows", DialogShown)
        .Do("look",
            [&label] {
                EXPECT_FALSE(label()->IsHovering());
                EXPECT_EQ(RGB(128, 128, 128), label()->ShownTextColour());
            });
    RunAndClose(second);
}

}  // namespace
