#include "AdapterJournal.h"
#include "AdapterLockHolder.h"
#include "MachineRegistry.h"
#include "ProgramProcess.h"
#include "TrayProbe.h"
#include "Waiting.h"
#include "app/MainFrame.h"
#include "app/TrayNotify.h"
#include "protocol/ManagingMarker.h"
#include "res/resource.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
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

// Joins "Wireless" as the copy that managed the card before would have.
void JoinWireless()
{
    VEXA5200_HANDLE handle = nullptr;
    ASSERT_EQ(0, Vexa5200OpenAdapter(&handle));
    ASSERT_EQ(0, Vexa5200SetSsid(handle, "Wireless", 8, 0));
    ASSERT_EQ(0, Vexa5200CloseAdapter(&handle));
}

bool Associated()
{
    return AdapterStatusText().find("link: associated with \"Wireless\"") != std::string::npos;
}

bool ManagesTheCard(HWND frame)
{
    return ::GetPropA(frame, ManagingFrameProperty) != nullptr;
}

// The program started while a copy in another session holds the marker; nothing stored,
// joins at once.
class BesideAnotherSession : public ProgramProcess {
protected:
    void SetUp() override
    {
        ProgramProcess::SetUp();
        DeleteKeyTree("SOFTWARE\\KT60");
        ASSERT_EQ(0, VexaSimSetJoinDelay(0));
        ASSERT_TRUE(otherCopy.Hold());
    }

    // The program runs and has opened the card, and done nothing more to it.
    void StartProgram()
    {
        ASSERT_EQ(0, VexaSimClearJournal());
        frame = program.StartAndWaitForFrame();
        ASSERT_NE(nullptr, frame);
        EXPECT_EQ(std::vector<std::string>{"OpenAdapter"}, JournalLines()) << "the start touched the link";
        EXPECT_FALSE(ManagesTheCard(frame));
    }

    AnotherSessionsCopy otherCopy;
    Program program;
    HWND frame = nullptr;
};

TEST_F(BesideAnotherSession, TheProgramTouchesNothingAndKeepsTheLinkUpWhenThatCopyEnds)
{
    JoinWireless();
    ASSERT_NO_FATAL_FAILURE(StartProgram());

    ASSERT_TRUE(otherCopy.Release());
    EXPECT_TRUE(program.WaitUntil([this] { return ManagesTheCard(frame) && JournalHas("SetRxAntenna 2"); }))
        << JournalText();
    EXPECT_EQ((std::vector<std::string>{"OpenAdapter", "SetRxAntenna 2"}), JournalLines());
    EXPECT_TRUE(Associated()) << AdapterStatusText();
    EXPECT_TRUE(program.Exit(frame));
}

TEST_F(BesideAnotherSession, WhenThatCopyDiesTheProgramAppliesTheDefaultsToTheIdleCard)
{
    ASSERT_NO_FATAL_FAILURE(StartProgram());

    // The marker is left abandoned, as by a copy that crashed.
    ASSERT_TRUE(otherCopy.Kill());
    EXPECT_TRUE(program.WaitUntil(Associated)) << AdapterStatusText();
    EXPECT_TRUE(ManagesTheCard(frame));
    EXPECT_FALSE(JournalHas("SetDisassociate"));
    EXPECT_TRUE(program.Exit(frame));
}

// The start dropped the link, and the frame was marked managing before any tick; then exits.
void ExpectManagedFromTheStart(Program& program, HWND frame)
{
    ASSERT_NE(nullptr, frame);
    EXPECT_TRUE(ManagesTheCard(frame));
    const std::vector<std::string> journal = JournalLines();
    EXPECT_TRUE(journal.size() >= 2 && journal[1] == "SetDisassociate") << JournalText();
    EXPECT_TRUE(program.Exit(frame));
}

// A copy that crashed left its marker abandoned: the next start takes it, drops the link at
// start and manages from its first tick, as if no copy had run.
TEST_F(ProgramProcess, AMarkerLeftByACrashedCopyIsTakenAtStart)
{
    AnotherSessionsCopy crashed;
    ASSERT_TRUE(crashed.Hold());
    // Kept open, as a watching copy keeps it, so that the marker outlives the crash.
    std::unique_ptr<void, decltype(&::CloseHandle)> watcher(
        ::OpenMutexA(SYNCHRONIZE, FALSE, ManagingMarkerName), &::CloseHandle);
    ASSERT_NE(nullptr, watcher.get());
    ASSERT_TRUE(crashed.Kill());
    Program program;
    EXPECT_NO_FATAL_FAILURE(ExpectManagedFromTheStart(program, program.StartAndWaitForFrame()));
}

// skylookctl holds the marker for a moment (status) or through its apply (use), as this test
// does here with the same call: a copy started meanwhile is no watcher of another session.
TEST_F(ProgramProcess, ACopyStartedWhileTheToolHoldsTheMarkerManagesFromItsStart)
{
    auto gate = std::make_unique<CMarkerGate>();
    auto tool = std::make_unique<CManagingMarker>();
    ASSERT_EQ(CardManager::Nobody, FindCardManager(*gate, *tool));
    Program program;
    ASSERT_TRUE(program.Start());
    // A start that took the tool for a copy would show its frame meanwhile, as a watcher.
    PumpUntil([] { return FindRunningProgram() != nullptr; }, 2000);
    tool.reset();
    gate.reset();
    EXPECT_NO_FATAL_FAILURE(ExpectManagedFromTheStart(program, program.WaitForFrame()));
}

// The main frame of the program on another desktop, which FindWindow here does not see.
HWND FrameOnDesktop(const char* desktopName)
{
    HDESK desktop = ::OpenDesktopA(desktopName, 0, FALSE, DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
    if (!desktop)
        return nullptr;
    HWND found = nullptr;
    ::EnumDesktopWindows(
        desktop,
        [](HWND window, LPARAM context) -> BOOL {
            char name[64] = {};
            ::GetClassNameA(window, name, sizeof name);
            if (std::string(name) != MainFrameClassName)
                return TRUE;
            *reinterpret_cast<HWND*>(context) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    ::CloseDesktop(desktop);
    return found;
}

size_t CountOf(const std::string& line)
{
    const std::vector<std::string> lines = JournalLines();
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// Wine's own way to a second desktop: a copy started there does not see the first copy's
// window, as a copy in another user's session does not, and so goes on to the marker.
TEST_F(ProgramProcess, ACopyOnASecondDesktopOnlyWatchesUntilTheFirstCopyEnds)
{
    DeleteKeyTree("SOFTWARE\\KT60");
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    Program first;
    ASSERT_TRUE(first.Start());
    HWND frame = first.WaitForFrame();
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(first.WaitUntil(Associated)) << AdapterStatusText();
    ASSERT_EQ(0, VexaSimClearJournal());

    constexpr const char* Desktop = "SkylookSecondUser";
    CChildProcess secondDesktop("explorer.exe /desktop=" + std::string(Desktop) + ",800x600 " +
                                BuildProgramCommand("skylook.exe"));
    ASSERT_TRUE(secondDesktop.Start());
    HWND second = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (second = FrameOnDesktop(Desktop)) != nullptr; }));
    EXPECT_EQ(std::vector<std::string>{"OpenAdapter"}, JournalLines()) << "the copy on the second desktop acted";
    EXPECT_FALSE(ManagesTheCard(second));
    EXPECT_EQ(frame, ::FindWindowA(MainFrameClassName, MainFrameCaption));

    ASSERT_TRUE(first.Exit(frame));
    EXPECT_TRUE(PumpUntil([&] { return CountOf("SetRxAntenna 2") == 1; })) << JournalText();
    EXPECT_TRUE(ManagesTheCard(second));
    EXPECT_FALSE(JournalHas("SetDisassociate"));
    EXPECT_TRUE(Associated()) << AdapterStatusText();

    ASSERT_TRUE(::PostMessageA(second, WM_COMMAND, ID_TRAY_EXIT, 0));
    EXPECT_TRUE(PumpUntil([&] { return FrameOnDesktop(Desktop) == nullptr; }));
    EXPECT_TRUE(secondDesktop.WaitForEnd());
}

}  // namespace
