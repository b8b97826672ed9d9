#include "AdapterJournal.h"
#include "AdapterLockHolder.h"
#include "MachineRegistry.h"
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

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.find_last_of("\\/") + 1) + "skylook.exe";
}

class Program {
public:
    ~Program()
    {
        if (m_process.hProcess) {
            if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(m_process.hProcess, 1);
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
    }

    bool Start()
    {
        // Built in steps: GCC 12 warns falsely about a literal prepended to a temporary string.
        std::string command(1, '"');
        command += ProgramPath();
        command += '"';
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                &m_process) != FALSE;
    }

    // The program's frame once it has claimed its caption.
    HWND WaitForFrame()
    {
        HWND frame = nullptr;
        const bool found = WaitUntil([&] {
            frame = ::FindWindowA(MainFrameClassName, MainFrameCaption);
            DWORD owner = 0;
            return frame && ::GetWindowThreadProcessId(frame, &owner) && owner == m_process.dwProcessId;
        });
        return found ? frame : nullptr;
    }

    // True when the process ended (within a generous bound that only guards a hang).
    bool WaitForEnd() { return WaitPumping(m_process.hProcess, 60000); }
    // Chooses Exit from the program's tray menu and waits for the end.
    bool Exit(HWND frame) { return ::PostMessageA(frame, WM_COMMAND, ID_TRAY_EXIT, 0) && WaitForEnd(); }

    DWORD ExitCode() const
    {
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

    bool Running() const { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

    // Waits for condition while the program runs (within a bound that only guards a hang).
    template <class Condition>
    bool WaitUntil(Condition condition)
    {
        for (int i = 0; i < 600; ++i) {
            if (condition())
                return true;
            if (WaitPumping(m_process.hProcess, 50))
                return false;
        }
        return false;
    }

private:
    PROCESS_INFORMATION m_process = {};
};

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
