#include "DialogScene.h"

#include "MessageLog.h"

#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"

#include <commctrl.h>

#include <initializer_list>
#include <memory>

namespace {

// Only the page's label is black; every other side label is grey.
testing::AssertionResult LabelsMarkPage(int page)
{
    for (int index = 0; index < PageCount; ++index) {
        COLORREF expected = index == page ? LabelBlack : LabelGrey;
        COLORREF actual = LabelColour(PageLabels[index]);
        if (actual != expected)
            return testing::AssertionFailure() << "label " << PageLabels[index] << " has colour " << std::hex
                                               << actual << ", expected " << expected;
    }
    return testing::AssertionSuccess();
}

void ExpectOnPage(int page)
{
    EXPECT_EQ(page, ConfigDialog().CurrentPage());
    EXPECT_EQ(page, ShownPage());
    EXPECT_TRUE(LabelsMarkPage(page));
}

using ConfigDialogRun = DialogScene;

TEST_F(ConfigDialogRun, EachOpeningStartsOnLinkInfoAndOnlyAnotherPagesLabelSwitchesPages)
{
    std::unique_ptr<CMessageLog> log;
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("look at the first page",
            [] {
                EXPECT_TRUE(ConfigDialogOpen);
                ExpectOnPage(0);
                EXPECT_NE(nullptr, PageWindow(StatisticsPageIndex)) << "created, never shown";
                for (int index = 1; index < PageCount; ++index)
                    EXPECT_EQ(nullptr, PageWindow(index)) << "page " << index << " is made when it is first shown";
            })
        .Do("click the shown page's label",
            [&log] {
                log = std::make_unique<CMessageLog>(
                    std::initializer_list<HWND>{PageWindow(0), ::GetDlgItem(DialogWindow(), 1000),
                                                ::GetDlgItem(DialogWindow(), 1039), ::GetDlgItem(DialogWindow(), 1042)},
                    std::set<UINT>{WM_SHOWWINDOW, WM_SETTEXT, TCM_SETCURSEL});
                ClickLabel(1039);
                EXPECT_TRUE(MatchesSequence(*log, {})) << "no page shown again, no label rewritten";
                ExpectOnPage(0);
            })
        .Do("click SiteSurvey",
            [&log] {
                ClickLabel(1042);
                EXPECT_NE(0u, log->Count(PageWindow(0), WM_SHOWWINDOW)) << "Link Info hidden";
                ExpectOnPage(3);
            })
        .Do("click SiteSurvey again",
            [&log] {
                log = std::make_unique<CMessageLog>(
                    std::initializer_list<HWND>{PageWindow(0), PageWindow(3), ::GetDlgItem(DialogWindow(), 1000),
                                                ::GetDlgItem(DialogWindow(), 1039), ::GetDlgItem(DialogWindow(), 1042)},
                    std::set<UINT>{WM_SHOWWINDOW, WM_SETTEXT, TCM_SETCURSEL});
                ClickLabel(1042);
                EXPECT_TRUE(MatchesSequence(*log, {}));
                ExpectOnPage(3);
                log.reset();
            })
        .Do("switch through the other labels",
            [] {
                for (int page : {4, 2, 1, 0}) {
                    SCOPED_TRACE("page " + std::to_string(page));
                    ClickLabel(PageLabels[page]);
                    ExpectOnPage(page);
                }
                ClickLabel(1041);
            })
        .Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    RunConfigDialog(script);
    EXPECT_TRUE(script.Finished()) << script.Position();
    EXPECT_FALSE(ConfigDialogOpen);
    EXPECT_EQ(nullptr, DialogWindow());

    CModalScript again;
    again.WaitFor("the dialog shows", DialogShown)
        .Do("look at the first page", [] { ExpectOnPage(0); })
        .Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    RunConfigDialog(again);
    EXPECT_TRUE(again.Finished()) << again.Position();
}

TEST_F(ConfigDialogRun, CloseAndMinimiseHideItAndADoubleClickShowsItAgainOnTheSamePage)
{
    HWND shownWindow = nullptr;
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("go to Encryption, then close from the caption",
            [&shownWindow] {
                shownWindow = DialogWindow();
                ClickLabel(1041);
                ::SendMessageA(DialogWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
                EXPECT_FALSE(DialogShown());
                EXPECT_NE(nullptr, DialogWindow()) << "hidden, not ended";
                EXPECT_TRUE(ConfigDialogOpen);
            })
        .Do("double-click",
            [&shownWindow] {
                OpenConfigDialog(nullptr);
                EXPECT_TRUE(DialogShown());
                EXPECT_EQ(shownWindow, DialogWindow()) << "the same run";
                ExpectOnPage(2);
            })
        .Do("minimise",
            [] {
                ::SendMessageA(DialogWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
                EXPECT_FALSE(DialogShown());
                EXPECT_TRUE(ConfigDialogOpen);
            })
        .Do("double-click",
            [&shownWindow] {
                OpenConfigDialog(nullptr);
                EXPECT_TRUE(DialogShown());
                EXPECT_FALSE(::IsIconic(DialogWindow()));
                EXPECT_EQ(shownWindow, DialogWindow());
                ExpectOnPage(2);
            })
        .Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    RunConfigDialog(script);
    EXPECT_TRUE(script.Finished()) << script.Position();
    EXPECT_FALSE(ConfigDialogOpen);
}

TEST_F(ConfigDialogRun, EnterEscapeAndCloseKeepItOpen)
{
    CModalScript script;
    int rounds = 0;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("press Enter and Escape, send OK, Cancel and WM_CLOSE",
            [] {
                HWND dialog = DialogWindow();
                HWND focus = ::GetFocus();
                HWND target = focus && (focus == dialog || ::IsChild(dialog, focus)) ? focus : dialog;
                for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
                    ::PostMessageA(target, WM_KEYDOWN, key, 1);
                    ::PostMessageA(target, WM_KEYUP, key, 0xC0000001);
                }
                ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                ::PostMessageA(dialog, WM_CLOSE, 0, 0);
            })
        // A timer message comes only once the queue is empty, so the keys have been handled.
        .WaitFor("two more timer messages", [&rounds] { return ++rounds == 2; })
        .Do("look",
            [] {
                EXPECT_TRUE(DialogShown());
                EXPECT_TRUE(ConfigDialogOpen);
                ExpectOnPage(0);
            })
        .Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    RunConfigDialog(script);
    EXPECT_TRUE(script.Finished()) << script.Position();
}

}  // namespace
