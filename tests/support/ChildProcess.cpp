#include "ChildProcess.h"

#include "protocol/ProgramWindow.h"
#include "res/resource.h"

std::string BuildProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.find_last_of("\\/") + 1);
}

CChildProcess::~CChildProcess()
{
    if (m_process.hProcess) {
        if (Running())
            ::TerminateProcess(m_process.hProcess, 1);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
}

bool CChildProcess::Start()
{
    std::string command = m_commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &m_process) != FALSE;
}

HWND CChildProcess::WaitForFrame()
{
    HWND frame = nullptr;
    const bool found = WaitUntil([&] {
        frame = ::FindWindowA(MainFrameClassName, MainFrameCaption);
        DWORD owner = 0;
        return frame && ::GetWindowThreadProcessId(frame, &owner) && owner == m_process.dwProcessId;
    });
    return found ? frame : nullptr;
}

DWORD CChildProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool CChildProcess::Exit(HWND frame)
{
    return ::PostMessageA(frame, WM_COMMAND, ID_TRAY_EXIT, 0) && WaitForEnd();
}
