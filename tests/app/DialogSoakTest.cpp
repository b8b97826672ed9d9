#include "DialogScene.h"
#include "GuiResources.h"
#include "Waiting.h"

#include "app/ConfigDialogBridge.h"
#include "app/TickState.h"
#include "state/ProgramState.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

namespace {

// Half of them closed from outside the dialog, half by the tick that finds the card gone.
constexpr int Openings = 20;
// One of each, which load what stays for the life of the process.
constexpr int WarmUpOpenings = 2;
// What one opening may leave cached: under Wine the second opening adds a device context
// with its region and a system colour brush, once. A leak of one object per opening, or on
// one of the two ways only, lies far above this.
constexpr DWORD CachedObjectSlack = 3;
static_assert((Openings - WarmUpOpenings) / 2 > static_cast<int>(CachedObjectSlack), "a leak must show");
// The ticks that bring a returning card back to its network; joins take no time here.
constexpr int TicksToReassociate = 10;

enum class Ending { Closed, CardGone };

class DialogSoak : public DialogScene {
protected:
    void SetUp() override
    {
        DialogScene::SetUp();
        frame.manualTicks = true;
        ASSERT_TRUE(frame.Create());
        AssociateByTicks();
    }
    void TearDown() override
    {
        frame.DestroyWindow();
        DialogScene::TearDown();
    }

    // Ticks until the link is up and the apply that brought it up has settled, so that the
    // next tick reports what the adapter says.
    void AssociateByTicks()
    {
        const auto settled = [] { return CurrentStatus.LinkState == LinkAssociated && ApplyRequest == ApplyIdle; };
        for (int i = 0; i < TicksToReassociate && !settled(); ++i) {
            frame.ManualTick();
            PumpMessages();
        }
        ASSERT_EQ(LinkAssociated, CurrentStatus.LinkState);
        ASSERT_EQ(ApplyIdle, ApplyRequest);
    }

    // A double-click on the tray icon; returns once the dialog's run has ended the given way
    // and the link is back.
    void OpenAndClose(Ending ending, int opening)
    {
        CModalScript script;
        // Pages are made when first shown: each is made in every opening, so that a leak of
        // any page shows.
        script.WaitFor("the dialog shows", DialogShown).Do("show every page", MakeEveryPage);
        if (ending == Ending::Closed) {
            script.Do("closed from outside", [] { CConfigDialogBridge().Close(); });
        } else {
            script.Do("the card goes and the tick sees it", [this] {
                ASSERT_EQ(0, VexaSimSetCardPresent(0));
                frame.ManualTick();
            });
        }
        script.Start();
        frame.DoubleClick();
        EXPECT_TRUE(script.Finished()) << "opening " << opening << ": " << script.Position();
        ASSERT_FALSE(script.GuardFired()) << "opening " << opening << " did not end";
        ASSERT_FALSE(ConfigDialogOpen) << "opening " << opening;
        PumpMessages();
        if (ending == Ending::CardGone) {
            ASSERT_EQ(LinkNoAdapter, CurrentStatus.LinkState);
            ASSERT_EQ(0, VexaSimSetCardPresent(1));
            AssociateByTicks();
        }
    }

    CTestFrame frame;
};

}  // namespace

TEST_F(DialogSoak, OpeningAndClosingTheDialogWhileTheCardComesAndGoesLeavesNoObjectsBehind)
{
    for (int i = 0; i < WarmUpOpenings; ++i)
        OpenAndClose(i % 2 ? Ending::CardGone : Ending::Closed, i);
    ASSERT_FALSE(HasFatalFailure());
    const DWORD gdiObjects = GdiObjectCount();
    const DWORD windows = UserObjectCount();

    for (int i = WarmUpOpenings; i < Openings; ++i) {
        OpenAndClose(i % 2 ? Ending::CardGone : Ending::Closed, i);
        ASSERT_FALSE(HasFatalFailure());
    }

    EXPECT_LE(GdiObjectCount(), gdiObjects + CachedObjectSlack) << "from " << gdiObjects;
    EXPECT_EQ(windows, UserObjectCount());
}
