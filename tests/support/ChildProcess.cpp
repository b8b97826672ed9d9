#include "ChildProcess.h"

#include <string>

#include "protocol/ProgramWindow.h"
#include "res/resource.h"

namespace {

// Reads the pipe until the writing end is closed everywhere, then closes it.
std::thread Drain(HANDLE pipe, std::string& text)
{
    return std::thread([pipe, &text] {
        char buffer[4096];
        DWORD read = 0;
        while (::ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read)
            text.append(buffer, read);
        ::CloseHandle(pipe);
    });
}

// A pipe whose writing end the child inherits.
bool InheritablePipe(HANDLE& read, HANDLE& write)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    if (!::CreatePipe(&read, &write, &inherit, 0))
        return false;
    ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    return true;
}

}  // namespace

std::string BuildProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.find_last_of("\\/") + 1);
}

std::string BuildProgramCommand(const char* program, const std::string& arguments)
{
    // Built in steps: GCC 12 warns falsely about a literal prepended to a temporary string.
    std::string command(1, '"');
    command += BuildProgramFolder();
    command += program;
    command += '"';
    if (!arguments.empty()) {
        command += ' ';
        command += arguments;
    }
    return command;
}

CChildProcess::~CChildProcess()
{
    if (m_process.hProcess) {
        if (Running())
            ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 5000);
    }
    JoinReaders();
    if (m_process.hProcess) {
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
}

bool CChildProcess::Start()
{
    if (m_process.hProcess)
        return false;
    std::string command = m_commandLine;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    DWORD flags = m_streams == Streams::Shown ? 0 : CREATE_NO_WINDOW;
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    const bool captured = m_streams == Streams::Captured;
    if (captured) {
        if (!InheritablePipe(outRead, outWrite))
            return false;
        if (!InheritablePipe(errRead, errWrite)) {
            ::CloseHandle(outRead);
            ::CloseHandle(outWrite);
            return false;
        }
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = outWrite;
        startup.hStdError = errWrite;
    }
    // Under a loaded Wine a start now and then fails at once (seen right after another copy of
    // the same program ended); a few more tries tell that apart from a start that cannot work.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0)
            ::Sleep(100);
        started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, captured, flags, nullptr, nullptr,
                                   &startup, &m_process) != FALSE;
        if (!started)
            m_startError = ::GetLastError();
    }
    if (captured) {
        // The child holds its own copies; the readers end when those close.
        ::CloseHandle(outWrite);
        ::CloseHandle(errWrite);
        if (started) {
            m_outReader = Drain(outRead, m_out);
            m_errReader = Drain(errRead, m_err);
        } else {
            ::CloseHandle(outRead);
            ::CloseHandle(errRead);
        }
    }
    if (!started)
        m_process = {};
    return started;
}

void CChildProcess::JoinReaders()
{
    if (m_outReader.joinable())
        m_outReader.join();
    if (m_errReader.joinable())
        m_errReader.join();
}

bool CChildProcess::WaitForEnd(DWORD limitMs)
{
    if (!m_process.hProcess || !WaitPumping(m_process.hProcess, limitMs))
        return false;
    JoinReaders();
    return true;
}

bool CChildProcess::Terminate()
{
    if (!m_process.hProcess)
        return false;
    ::TerminateProcess(m_process.hProcess, 1);
    return WaitForEnd();
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

ProcessRun RunProcess(const std::string& commandLine)
{
    ProcessRun run;
    CChildProcess process(commandLine, CChildProcess::Streams::Captured);
    if (!process.Start()) {
        run.Errors = "the process did not start: error " + std::to_string(process.StartError());
        return run;
    }
    if (process.WaitForEnd()) {
        run.ExitCode = static_cast<int>(process.ExitCode());
        run.Output = process.Output();
        run.Errors = process.Errors();
    }
    return run;
}
