#include "GuiResources.h"
#include "MachineRegistry.h"
#include "Waiting.h"

#include "adapter/AdapterHandle.h"
#include "app/ConfigDialogBridge.h"
#include "app/MainFrame.h"
#include "app/TickState.h"
#include "state/ProgramState.h"
#include "app/TrayNotify.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

namespace {

constexpr int Openings = 200;
constexpr int WarmUpOpenings = 2;
constexpr ULONGLONG CardChangeMs = 700;
// Wine fills some caches of its own on demand (device contexts, their regions, stock
// brushes), at moments that depend on timing; a leak of one object per opening, or per
// tenth of them, still lies far above this.
constexpr DWORD CachedObjectSlack = 16;

HWND g_frame = nullptr;
UINT_PTR g_closer = 0;
int g_closedByCloser = 0;

struct OwnedSearch {
    HWND Owner;
    HWND Found;
};

BOOL CALLBACK FindShownOwned(HWND window, LPARAM search)
{
    auto* s = reinterpret_cast<OwnedSearch*>(search);
    if (::GetWindow(window, GW_OWNER) == s->Owner && ::IsWindowVisible(window)) {
        s->Found = window;
        return FALSE;
    }
    return TRUE;
}

// Closes the configuration dialog from inside its modal run, the way the tick does, once it shows.
void CALLBACK CloseOnceShown(HWND, UINT, UINT_PTR, DWORD)
{
    OwnedSearch search{g_frame, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindShownOwned, reinterpret_cast<LPARAM>(&search));
    if (!search.Found)
        return;
    ::KillTimer(nullptr, g_closer);
    g_closer = 0;
    ++g_closedByCloser;
    CConfigDialogBridge().Close();
}

// A double-click on the tray icon; returns when the dialog's run has ended, by the closer or
// by the tick (which closes it when the card goes).
void OpenAndClose(CMainFrame& frame)
{
    g_closer = ::SetTimer(nullptr, 0, 10, CloseOnceShown);
    frame.Send(TrayCallbackMessage(), TrayIconUid, WM_LBUTTONDBLCLK);
    if (g_closer)
        ::KillTimer(nullptr, g_closer);
    g_closer = 0;
    PumpMessages();
}

class DialogSoak : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, VexaSimReset());
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        DeleteKeyTree("SOFTWARE\\KT60");
        ResetProgramState();
    }
    void TearDown() override
    {
        if (AdapterHandle)
            Vexa5200CloseAdapter(&AdapterHandle);
        VexaSimReset();
        PumpMessages();
    }
};

}  // namespace

TEST_F(DialogSoak, OpeningAndClosingTheDialogWhileTheCardComesAndGoesLeavesNoObjectsBehind)
{
    CMainFrame frame;
    ASSERT_TRUE(frame.Create());
    g_frame = frame.Handle();

    // The card out and in once, then the first openings, load what stays for the life of the
    // process: the tray's icons for every state, and what the system caches on demand (under
    // Wine the second opening adds a device context with its region and a system colour
    // brush, once).
    const auto linkIs = [](int32_t state) { return [state] { return CurrentStatus.LinkState == state; }; };
    ASSERT_TRUE(PumpUntil(linkIs(LinkAssociated)));
    ASSERT_EQ(0, VexaSimSetCardPresent(0));
    ASSERT_TRUE(PumpUntil(linkIs(LinkNoAdapter)));
    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    ASSERT_TRUE(PumpUntil(linkIs(LinkAssociated)));
    for (int i = 0; i < WarmUpOpenings; ++i)
        OpenAndClose(frame);
    const DWORD gdiObjects = GdiObjectCount();
    const DWORD windows = UserObjectCount();

    // The card changes more often than the tick looks, at another pace, so that ticks meet
    // both states and the dialog is also closed by the tick.
    g_closedByCloser = 0;
    bool cardIn = true;
    ULONGLONG lastChange = ::GetTickCount64();
    int openingsWithoutCard = 0;
    for (int i = WarmUpOpenings; i < Openings; ++i) {
        if (::GetTickCount64() - lastChange >= CardChangeMs) {
            cardIn = !cardIn;
            lastChange = ::GetTickCount64();
            ASSERT_EQ(0, VexaSimSetCardPresent(cardIn ? 1 : 0));
        }
        OpenAndClose(frame);
        ASSERT_FALSE(ConfigDialogOpen) << "opening " << i;
        openingsWithoutCard += CurrentStatus.LinkState == LinkNoAdapter;
    }
    EXPECT_GT(openingsWithoutCard, 0);
    EXPECT_LT(openingsWithoutCard, Openings - WarmUpOpenings);
    // Both ways of ending a run are taken: the closer once the dialog shows, the tick when
    // it finds the card gone.
    EXPECT_GT(g_closedByCloser, 0);
    EXPECT_LT(g_closedByCloser, Openings - WarmUpOpenings);
    ASSERT_EQ(0, VexaSimSetCardPresent(1));
    ASSERT_TRUE(PumpUntil(linkIs(LinkAssociated)));

    EXPECT_LE(GdiObjectCount(), gdiObjects + CachedObjectSlack) << "from " << gdiObjects;
    EXPECT_EQ(windows, UserObjectCount());
    frame.DestroyWindow();
}
