// A process that a test starts: the program itself, an installer, a tool whose output the
// test reads, a helper that holds a lock. One still running when the object goes is
// terminated, so a failed test leaves nothing behind.
#ifndef SKYLOOK_TESTS_CHILD_PROCESS_H
#define SKYLOOK_TESTS_CHILD_PROCESS_H

#include "Waiting.h"

#include <windows.h>

#include <string>
#include <thread>

// The folder of this test executable, with a trailing backslash: the build's programs are there.
std::string BuildProgramFolder();
// A program of the build, in double quotes, with the arguments after it.
std::string BuildProgramCommand(const char* program, const std::string& arguments = "");

class CChildProcess {
public:
    enum class Streams {
        Shown,     // the process has a console of its own when it wants one
        Captured,  // standard output and error are read into Output() and Errors()
        Hidden,    // no console window, output discarded
    };

    // commandLine as CreateProcess takes it: the program's path in double quotes when it has blanks.
    explicit CChildProcess(std::string commandLine, Streams streams = Streams::Shown)
        : m_commandLine(std::move(commandLine)), m_streams(streams)
    {
    }
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    bool Start();
    // GetLastError of the last failed start, for the test's message.
    DWORD StartError() const { return m_startError; }

    // The program's frame once this process has claimed its caption.
    HWND WaitForFrame();

    // True when the process ended (within a generous bound that only guards a hang).
    bool WaitForEnd(DWORD limitMs = 60000);
    // Chooses Exit from the program's tray menu and waits for the end.
    bool Exit(HWND frame);
    // Ends the process at once, as a crash would; true once it has ended.
    bool Terminate();

    DWORD ExitCode() const;
    bool Running() const { return m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }
    // Signalled when the process ends, for waits on several things at once.
    HANDLE Handle() const { return m_process.hProcess; }
    // What a captured process wrote, complete once WaitForEnd returned true.
    const std::string& Output() const { return m_out; }
    const std::string& Errors() const { return m_err; }

    // Waits for condition while the process runs (within a bound that only guards a hang).
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
    void JoinReaders();

    std::string m_commandLine;
    Streams m_streams;
    PROCESS_INFORMATION m_process = {};
    DWORD m_startError = 0;
    std::string m_out;
    std::string m_err;
    std::thread m_outReader;
    std::thread m_errReader;
};

struct ProcessRun {
    int ExitCode = -1;  // -1 when the process could not be started or did not end
    std::string Output;
    std::string Errors;
};

// Runs the command line to its end with its output captured.
ProcessRun RunProcess(const std::string& commandLine);

#endif
