// skylook.exe started as a process from the tests' own folder, for tests about processes.
#ifndef SKYLOOK_TESTS_PROGRAM_PROCESS_H
#define SKYLOOK_TESTS_PROGRAM_PROCESS_H

#include "Waiting.h"
#include "app/MainFrame.h"
#include "res/resource.h"

#include <windows.h>

#include <string>

// skylook.exe beside the running test executable.
std::string ProgramPath();

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

#endif
