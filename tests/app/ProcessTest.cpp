#include "AdapterJournal.h"
#include "AdapterLockHolder.h"
#include "MachineRegistry.h"
#include "ProgramProcess.h"
#include "TrayProbe.h"
#include "Waiting.h"
#include "app/MainFrame.h"
#include "app/TrayNotify.h"
#include "res/resource.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ProgramProcess : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(nullptr, ::FindWindowA(nullptr, MainFrameCaption)) << "a copy is still running";
        ASSERT_EQ(0, VexaSimReset());
    }
};

TEST_F(ProgramProcess, RunsHiddenWithItsIconAndExitRemovesItAndClosesTheAdapter)
{
    Program program;
    ASSERT_TRUE(program.Start());
    HWND frame = program.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    EXPECT_FALSE(::IsWindowVisible(frame));
    EXPECT_TRUE(TrayHasIcon(frame));
    std::vector<std::string> journal = JournalLines();
    ASSERT_GE(journal.size(), 2u);
    EXPECT_EQ("OpenAdapter", journal[0]);
    EXPECT_EQ("SetDisassociate", journal[1]);

    ASSERT_EQ(0, VexaSimClearJournal());
    ASSERT_TRUE(program.Exit(frame));
    EXPECT_EQ(0u, program.ExitCode());
    EXPECT_FALSE(TrayHasIcon(frame));
    EXPECT_EQ("CloseAdapter", LastJournalLine());
}

TEST_F(ProgramProcess, JoinsTheDefaultNetworkWithTheIdleApplyOnItsFirstTicks)
{
    DeleteKeyTree("SOFTWARE\\KT60");
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    Program program;
    ASSERT_TRUE(program.Start());
    ASSERT_NE(nullptr, program.WaitForFrame());
    EXPECT_TRUE(program.WaitUntil(
        [] { return AdapterStatusText().find("link: associated with \"Wireless\"") != std::string::npos; }))
        << AdapterStatusText();

    const std::vector<std::string> expected = {
        "OpenAdapter",    "SetDisassociate",  "SetRxAntenna 2", "Scan",          "SetAuthMode 0",
        "SetWepStatus 1", "SetNetworkMode 1", "SetChannel 1",   "SetDataRate 255", "SetPowerMode 0",
        "SetPreamble 1",  "SetSsid \"Wireless\" 8 0"};
    EXPECT_EQ(expected, JournalLines());

    HWND frame = ::FindWindowA(nullptr, MainFrameCaption);
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(program.Exit(frame));
    EXPECT_EQ("CloseAdapter", LastJournalLine());
}

TEST_F(ProgramProcess, ASecondCopyEndsWithoutTouchingTheAdapterAndTheFirstKeepsItsLink)
{
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    Program first;
    ASSERT_TRUE(first.Start());
    HWND frame = first.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(first.WaitUntil([] { return AdapterStatusText().find("link: associated") != std::string::npos; }))
        << AdapterStatusText();
    ASSERT_EQ(0, VexaSimClearJournal());

    Program second;
    ASSERT_TRUE(second.Start());
    ASSERT_TRUE(second.WaitForEnd());
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_EQ(std::vector<std::string>{}, JournalLines());
    EXPECT_NE(std::string::npos, AdapterStatusText().find("link: associated with \"Wireless\""));

    EXPECT_TRUE(first.Running());
    EXPECT_EQ(frame, ::FindWindowA(MainFrameClassName, MainFrameCaption));
    EXPECT_TRUE(TrayHasIcon(frame));

    EXPECT_TRUE(first.Exit(frame));
}

TEST_F(ProgramProcess, AnotherProgramsWindowWithTheCaptionPreventsTheStart)
{
    HWND foreign = CreateCaptionedWindow("SomeOtherProgramWindow", MainFrameCaption);
    ASSERT_NE(nullptr, foreign);

    Program program;
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.WaitForEnd());
    EXPECT_EQ(nullptr, ::FindWindowA(MainFrameClassName, nullptr));
    EXPECT_EQ(std::vector<std::string>{}, JournalLines());
    ::DestroyWindow(foreign);
}

TEST_F(ProgramProcess, AnswersWhileAnotherProcessHoldsTheAdapterLockAndJoinsOnceItIsFree)
{
    DeleteKeyTree("SOFTWARE\\KT60");
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    CAdapterLockHolder holder;
    ASSERT_TRUE(holder.Hold());

    Program program;
    ASSERT_TRUE(program.Start());
    HWND frame = program.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    // Through several ticks, each of which finds the adapter out of reach.
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR ignored = 0;
        EXPECT_NE(0, ::SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 1500, &ignored)) << "tick " << i;
        PumpUntil([] { return false; }, 700);
    }
    EXPECT_TRUE(TrayHasIcon(frame));

    ASSERT_TRUE(holder.Release());
    EXPECT_TRUE(program.WaitUntil(
        [] { return AdapterStatusText().find("link: associated with \"Wireless\"") != std::string::npos; }))
        << AdapterStatusText();
    EXPECT_TRUE(program.Exit(frame));
}

}  // namespace
