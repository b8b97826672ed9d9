#include "AdapterLockHolder.h"

#include <cstdio>
#include <string>

namespace {
// Bounds that only stop a test that would otherwise hang.
constexpr DWORD StartLimitMs = 20000;
constexpr DWORD EndLimitMs = 20000;

std::string HolderPath()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.find_last_of("\\/") + 1) + "adapter_lock_holder.exe";
}
}  // namespace

CAdapterLockHolder::CAdapterLockHolder()
{
    static LONG serial = 0;
    const LONG number = ::InterlockedIncrement(&serial);
    std::snprintf(m_releaseName, sizeof m_releaseName, "SkylookTestLockRelease.%lu.%ld", ::GetCurrentProcessId(),
                  number);
    std::snprintf(m_readyName, sizeof m_readyName, "SkylookTestLockReady.%lu.%ld", ::GetCurrentProcessId(), number);
    m_release = ::CreateEventA(nullptr, TRUE, FALSE, m_releaseName);
    m_ready = ::CreateEventA(nullptr, TRUE, FALSE, m_readyName);
}

CAdapterLockHolder::~CAdapterLockHolder()
{
    if (m_process.hProcess && !Release())
        Kill();
    if (m_release)
        ::CloseHandle(m_release);
    if (m_ready)
        ::CloseHandle(m_ready);
}

bool CAdapterLockHolder::Hold()
{
    if (!m_release || !m_ready || m_process.hProcess)
        return false;
    // Built in steps: GCC 12 warns falsely about a literal prepended to a temporary string.
    std::string command(1, '"');
    command += HolderPath();
    command += "\" ";
    command += m_releaseName;
    command += ' ';
    command += m_readyName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                          &startup, &m_process))
        return false;
    const HANDLE either[] = {m_ready, m_process.hProcess};
    return ::WaitForMultipleObjects(2, either, FALSE, StartLimitMs) == WAIT_OBJECT_0;
}

bool CAdapterLockHolder::Release()
{
    if (!m_process.hProcess)
        return false;
    ::SetEvent(m_release);
    const bool ended = ::WaitForSingleObject(m_process.hProcess, EndLimitMs) == WAIT_OBJECT_0;
    if (ended)
        CloseProcess();
    return ended;
}

bool CAdapterLockHolder::Kill()
{
    if (!m_process.hProcess)
        return false;
    ::TerminateProcess(m_process.hProcess, 1);
    const bool ended = ::WaitForSingleObject(m_process.hProcess, EndLimitMs) == WAIT_OBJECT_0;
    CloseProcess();
    return ended;
}

void CAdapterLockHolder::CloseProcess()
{
    ::CloseHandle(m_process.hProcess);
    ::CloseHandle(m_process.hThread);
    m_process = {};
}
