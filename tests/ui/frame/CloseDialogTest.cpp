#include "DialogScene.h"
#include "UiTestResources.h"
#include "Waiting.h"
#include "ZeroConfigFlags.h"

#include "state/ProgramState.h"
#include "ui/frame/ConfigDialogOpener.h"

#include <Vexa5200Control.h>

namespace {

class CSubDialog : public CDialog {
public:
    CSubDialog() : CDialog(IDD_UI_TEST_SUB) {}
};

// Top-level windows that belong to someone else and must outlive the dialog.
struct Bystanders {
    HWND unowned = ::CreateWindowA("STATIC", "bystander", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND owned = ::CreateWindowA("STATIC", "owned bystander", WS_POPUP, 0, 0, 10, 10, unowned, nullptr, nullptr,
                                 nullptr);
    ~Bystanders() { ::DestroyWindow(unowned); }
    bool Alive() const { return ::IsWindow(unowned) && ::IsWindow(owned); }
};

using ClosingTheDialog = DialogScene;

TEST_F(ClosingTheDialog, EndsTheRunAndClosesAMessageBoxOpenedFromAPage)
{
    Bystanders bystanders;
    int boxResult = -1;
    HWND box = nullptr;
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("open a message box from the Link Info page",
            [&boxResult] {
                boxResult = ::MessageBoxA(PageWindow(0), "Left open", "Warning", MB_OK | MB_ICONINFORMATION);
            })
        .WaitFor("the message box", [&box] { return (box = OwnedDialog()) != nullptr; })
        .Do("close the dialog", [] { ConfigDialog().CloseConfigDialog(); });
    RunConfigDialog(script);
    EXPECT_TRUE(script.Finished()) << script.Position();
    EXPECT_FALSE(script.GuardFired());
    EXPECT_NE(-1, boxResult) << "the message box returned";
    EXPECT_FALSE(::IsWindow(box));
    EXPECT_FALSE(ConfigDialogOpen);
    EXPECT_EQ(nullptr, DialogWindow());
    PumpMessages();
    EXPECT_TRUE(bystanders.Alive());
}

TEST_F(ClosingTheDialog, ClosesNestedSubDialogsAtAnyDepth)
{
    Bystanders bystanders;
    CSubDialog first, second, third;
    INT_PTR results[3] = {-2, -2, -2};
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("open a sub-dialog from the Site Survey page",
            [&] {
                ConfigDialog().ShowPage(3);
                results[0] = first.DoModal(PageWindow(3));
            })
        .WaitFor("the first sub-dialog", [&] { return first.IsWindow(); })
        .Do("open a sub-dialog from it", [&] { results[1] = second.DoModal(first); })
        .WaitFor("the second sub-dialog", [&] { return second.IsWindow(); })
        .Do("open a sub-dialog from that", [&] { results[2] = third.DoModal(second); })
        .WaitFor("the third sub-dialog", [&] { return third.IsWindow(); })
        .Do("close the dialog",
            [&] {
                EXPECT_EQ(3u, WindowsOwnedBy(DialogWindow()).size());
                ConfigDialog().CloseConfigDialog();
            });
    RunConfigDialog(script);
    EXPECT_TRUE(script.Finished()) << script.Position();
    EXPECT_FALSE(script.GuardFired());
    for (INT_PTR result : results)
        EXPECT_EQ(IDCANCEL, result) << "closed as WM_CLOSE closes a dialog";
    EXPECT_FALSE(first.IsWindow() || second.IsWindow() || third.IsWindow());
    EXPECT_FALSE(ConfigDialogOpen);
    PumpMessages();
    EXPECT_TRUE(bystanders.Alive());
}

TEST_F(ClosingTheDialog, RemovingTheCardClosesTheDialogAndItsMessageBoxOnTheNextTick)
{
    CTestFrame frame;
    frame.manualTicks = true;
    ASSERT_TRUE(frame.Create());
    bool openUntilTheTick = false;
    int boxResult = -1;
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("open a message box from the Configuration page",
            [&] {
                ConfigDialog().ShowPage(1);
                boxResult = ::MessageBoxA(PageWindow(1), "Left open", "Warning", MB_OK | MB_ICONINFORMATION);
            })
        .WaitFor("the message box", [] { return OwnedDialog() != nullptr; })
        .Do("remove the card and serve one tick inside the message box's loop",
            [&] {
                ASSERT_EQ(0, VexaSimSetCardPresent(0));
                openUntilTheTick = DialogShown() && OwnedDialog() != nullptr;
                frame.ManualTick();
            });
    script.Start();
    frame.DoubleClick();
    EXPECT_TRUE(script.Finished()) << script.Position();
    EXPECT_FALSE(script.GuardFired()) << "closed by the tick, not by the test's guard";
    EXPECT_TRUE(openUntilTheTick) << "the removal alone closes nothing";
    EXPECT_EQ(1, frame.ticks);
    EXPECT_NE(-1, boxResult);
    EXPECT_FALSE(ConfigDialogOpen);
    EXPECT_EQ(nullptr, DialogWindow());
    frame.DestroyWindow();
}

using ZeroConfigOnXp = DialogScene;

TEST_F(ZeroConfigOnXp, ADoubleClickLeavesTheDialogClosedAndTheNextTickClosesAnOpenOne)
{
    CTestFrame frame;
    frame.windowsXp = true;
    frame.manualTicks = true;
    ASSERT_TRUE(frame.Create());
    CZeroConfigFlags flags;
    flags.Write(0x8000);
    frame.ManualTick();
    ASSERT_EQ(5u, OsVersion.dwMajorVersion);
    ASSERT_EQ(LinkNotAssociated, CurrentStatus.LinkState);
    // As though the service had only just taken over.
    ZeroConfigActive = 0;

    bool dialogSeen = false;
    CModalScript refused;
    refused.WaitFor("the dialog shows", DialogShown).Do("close it", [&dialogSeen] {
        dialogSeen = true;
        ConfigDialog().CloseConfigDialog();
    });
    refused.Start();
    frame.DoubleClick();
    EXPECT_FALSE(dialogSeen);
    EXPECT_EQ(1, ZeroConfigActive);
    EXPECT_FALSE(ConfigDialogOpen);

    // The service does not manage the adapter: the dialog opens, until the service takes over.
    flags.Write(0);
    frame.ManualTick();
    ASSERT_EQ(0, ZeroConfigActive);
    int ticksAtTakeOver = -1;
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("the service takes over",
            [&] {
                flags.Write(0x8000);
                ticksAtTakeOver = frame.ticks;
                frame.ManualTick();
            })
        .WaitFor("the run to end", [] { return false; });
    script.Start();
    frame.DoubleClick();
    EXPECT_EQ(ticksAtTakeOver + 1, frame.ticks);
    EXPECT_FALSE(script.GuardFired());
    EXPECT_EQ(1, ZeroConfigActive);
    EXPECT_FALSE(ConfigDialogOpen);
    EXPECT_EQ(nullptr, DialogWindow());
    frame.DestroyWindow();
}

}  // namespace
