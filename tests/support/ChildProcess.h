// A process that a test starts: the program itself, or an installer it runs. One still
// running when the object goes is terminated, so a failed test leaves nothing behind.
#ifndef SKYLOOK_TESTS_CHILD_PROCESS_H
#define SKYLOOK_TESTS_CHILD_PROCESS_H

#include "Waiting.h"

#include <windows.h>

#include <string>

// The folder of this test executable, with a trailing backslash: the build's programs are there.
std::string BuildProgramFolder();

class CChildProcess {
public:
    // commandLine as CreateProcess takes it: the program's path in double quotes when it has blanks.
    explicit CChildProcess(std::string commandLine) : m_commandLine(std::move(commandLine)) {}
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    bool Start();

    // The program's frame once this process has claimed its caption.
    HWND WaitForFrame();

    // True when the process ended (within a generous bound that only guards a hang).
    bool WaitForEnd() { return WaitPumping(m_process.hProcess, 60000); }
    // Chooses Exit from the program's tray menu and waits for the end.
    bool Exit(HWND frame);

    DWORD ExitCode() const;
    bool Running() const { return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

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
    std::string m_commandLine;
    PROCESS_INFORMATION m_process = {};
};

#endif
