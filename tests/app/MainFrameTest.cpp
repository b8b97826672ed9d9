#include "AdapterScene.h"
#include "TrayProbe.h"
#include "UserOptionValues.h"
#include "Waiting.h"

#include "app/MainFrame.h"
#include "app/SkylookApp.h"
#include "app/TickState.h"
#include "app/TrayNotify.h"
#include "state/ProgramState.h"
#include "res/resource.h"

#include <string>
#include <vector>

namespace {

// Looks at the tray at the moment the window goes: the icon must be gone by then.
class CProbingFrame : public CMainFrame {
public:
    bool iconAtDestroy = true;

protected:
    void OnDestroy() override
    {
        iconAtDestroy = TrayHasIcon(m_hWnd);
        CMainFrame::OnDestroy();
    }
};

class MainFrame : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, VexaSimReset());
        ResetProgramState();
    }
    void TearDown() override
    {
        if (AdapterHandle)
            Vexa5200CloseAdapter(&AdapterHandle);
        DiscardMessages();
    }
};

TEST_F(MainFrame, ExitDeletesTheIconBeforeTheWindowGoesAndTheObjectClosesTheAdapter)
{
    {
        CProbingFrame frame;
        EXPECT_EQ(1, RadioOn);
        EXPECT_NE(nullptr, AdapterHandle);
        EXPECT_STRNE("", AdapterInstanceId);
        ASSERT_TRUE(frame.Create());
        EXPECT_FALSE(frame.IsVisible());
        EXPECT_TRUE(TrayIconAdded);
        EXPECT_TRUE(TrayHasIcon(frame));

        frame.Send(WM_COMMAND, MAKEWPARAM(ID_TRAY_EXIT, 0), 0);
        EXPECT_EQ(nullptr, frame.Handle());
        EXPECT_FALSE(frame.iconAtDestroy);
        EXPECT_FALSE(TrayIconAdded);
        ASSERT_EQ(0, VexaSimClearJournal());
    }
    EXPECT_EQ(std::vector<std::string>{"CloseAdapter"}, JournalLines());
    EXPECT_EQ(nullptr, AdapterHandle);
}

TEST_F(MainFrame, PowerEventsAnswerWithTheirCode)
{
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ(PBT_APMSUSPEND, frame.Send(WM_POWERBROADCAST, PBT_APMSUSPEND));
    EXPECT_TRUE(frame.Monitor().Suspended());
    EXPECT_EQ(PBT_APMRESUMESUSPEND, frame.Send(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND));
    EXPECT_FALSE(frame.Monitor().Suspended());
    frame.DestroyWindow();
}

// Reads the tracked popup menu from inside its modal loop, then closes it: each item as
// "text" or "text [checked]", a separator as "-".
std::vector<std::string> g_menuItems;
std::vector<UINT> g_menuCommands;
void CALLBACK ReadMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = ::FindWindowA("#32768", nullptr);
    if (!popup)
        return;
    ::KillTimer(nullptr, timer);
    HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0));
    g_menuItems.clear();
    g_menuCommands.clear();
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        const UINT state = ::GetMenuState(menu, i, MF_BYPOSITION);
        g_menuItems.push_back((state & MF_SEPARATOR) ? "-" : std::string(text) + ((state & MF_CHECKED) ? " [checked]" : ""));
        g_menuCommands.push_back(::GetMenuItemID(menu, i));
    }
    ::EndMenu();
}

std::vector<std::string> MenuOnRightClick(CMainFrame& frame)
{
    g_menuItems.clear();
    ::SetTimer(nullptr, 0, 50, ReadMenu);
    EXPECT_EQ(0, frame.Send(TrayCallbackMessage(), TrayIconUid, WM_RBUTTONUP));
    return g_menuItems;
}

TEST_F(MainFrame, ARightClickOffersTheOptionsAsStoredAndExitAndOtherMouseMessagesAreIgnored)
{
    ForgetUserOptions();
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    EXPECT_EQ((std::vector<std::string>{"Notifications [checked]", "Switch to profiles in range", "-", "Exit"}),
              MenuOnRightClick(frame));
    ASSERT_EQ(4u, g_menuCommands.size());
    EXPECT_EQ(static_cast<UINT>(ID_TRAY_EXIT), g_menuCommands[3]);

    // Choosing an item turns its option over, and the next menu shows it so.
    frame.Send(WM_COMMAND, MAKEWPARAM(g_menuCommands[0], 0), 0);
    frame.Send(WM_COMMAND, MAKEWPARAM(g_menuCommands[1], 0), 0);
    EXPECT_FALSE(ReadUserOption(UserOption::Notifications));
    EXPECT_TRUE(ReadUserOption(UserOption::SwitchToProfiles));
    EXPECT_EQ((std::vector<std::string>{"Notifications", "Switch to profiles in range [checked]", "-", "Exit"}),
              MenuOnRightClick(frame));
    EXPECT_TRUE(frame.IsWindow());
    ForgetUserOptions();

    EXPECT_EQ(0, frame.Send(TrayCallbackMessage(), TrayIconUid, WM_MOUSEMOVE));
    EXPECT_EQ(0, frame.Send(TrayCallbackMessage(), TrayIconUid, WM_LBUTTONUP));
    EXPECT_TRUE(frame.IsWindow());
    EXPECT_FALSE(ConfigDialogOpen);
    frame.DestroyWindow();
}

TEST_F(MainFrame, AStartBesideAnotherCopyEndsWithoutLeavingTheIconOrTheAdapter)
{
    HWND running = CreateCaptionedWindow("SkylookTestRunningCopy", MainFrameCaption);
    ASSERT_NE(nullptr, running);
    {
        CSkylookApp application;
        EXPECT_EQ(0, application.Start());
    }
    EXPECT_FALSE(TrayIconAdded);
    EXPECT_EQ(nullptr, ::FindWindowA(MainFrameClassName, nullptr));
    EXPECT_EQ(nullptr, AdapterHandle);
    // The running copy's link is left alone: the adapter was never opened.
    EXPECT_EQ(std::vector<std::string>{}, JournalLines());
    ::DestroyWindow(running);
}

TEST_F(MainFrame, TheCaptionIsClaimedOnlyWhenNoOtherWindowHasIt)
{
    CMainFrame first;
    ASSERT_TRUE(first.Create());
    EXPECT_EQ(StartingCaption, first.GetText());
    EXPECT_TRUE(ClaimSingleInstance(first));
    EXPECT_EQ(MainFrameCaption, first.GetText());
    // Claiming again finds no other window: the search never sees the claimant itself.
    EXPECT_TRUE(ClaimSingleInstance(first));

    CMainFrame second;
    ASSERT_TRUE(second.Create());
    EXPECT_FALSE(ClaimSingleInstance(second));
    EXPECT_EQ(MainFrameCaption, second.GetText());
    second.DestroyWindow();
    first.DestroyWindow();
}

}  // namespace
