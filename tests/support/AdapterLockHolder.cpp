#include "AdapterLockHolder.h"

#include <cstdio>
#include <string>

namespace {
// Bounds that only stop a test that would otherwise hang.
constexpr DWORD StartLimitMs = 20000;
constexpr DWORD EndLimitMs = 20000;
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

CAdapterLockHolder::CAdapterLockHolder(const char* mutexName) : CAdapterLockHolder()
{
    m_mutexName = mutexName;
}

CAdapterLockHolder::~CAdapterLockHolder()
{
    if (m_process && !Release())
        Kill();
    if (m_release)
        ::CloseHandle(m_release);
    if (m_ready)
        ::CloseHandle(m_ready);
}

bool CAdapterLockHolder::Hold()
{
    if (!m_release || !m_ready || m_process)
        return false;
    std::string arguments = m_releaseName;
    arguments += ' ';
    arguments += m_readyName;
    if (!m_mutexName.empty())
        arguments += ' ' + m_mutexName;
    m_process = std::make_unique<CChildProcess>(BuildProgramCommand("adapter_lock_holder.exe", arguments),
                                                CChildProcess::Streams::Hidden);
    if (!m_process->Start()) {
        m_process.reset();
        return false;
    }
    const HANDLE either[] = {m_ready, m_process->Handle()};
    return ::WaitForMultipleObjects(2, either, FALSE, StartLimitMs) == WAIT_OBJECT_0;
}

bool CAdapterLockHolder::Release()
{
    if (!m_process)
        return false;
    ::SetEvent(m_release);
    const bool ended = m_process->WaitForEnd(EndLimitMs);
    if (ended)
        m_process.reset();
    return ended;
}

bool CAdapterLockHolder::Kill()
{
    if (!m_process)
        return false;
    const bool ended = m_process->Terminate();
    m_process.reset();
    return ended;
}
