#include "protocol/ManagingMarker.h"

#include "protocol/ProgramWindow.h"

#include <sddl.h>

namespace {

// Every user's copy must be able to wait for and release the marker that another user's copy
// made; the creator's default security would shut them out. Only waiting and releasing are
// granted (besides the system and administrators).
constexpr const char* MarkerSecurity = "D:(A;;0x00100001;;;WD)(A;;GA;;;SY)(A;;GA;;;BA)";
constexpr DWORD MarkerRights = SYNCHRONIZE | MUTEX_MODIFY_STATE;

// CreateMutex with the marker's security, else OpenMutex with the rights that security grants
// everyone (CreateMutex asks for all rights of an existing mutex, which another user's marker
// does not grant). The errors go into attempt.
HANDLE CreateOrOpen(const char* name, MarkerAttempt& attempt)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, nullptr, FALSE};
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA(MarkerSecurity, SDDL_REVISION_1, &descriptor, nullptr))
        attributes.lpSecurityDescriptor = descriptor;
    HANDLE mutex = ::CreateMutexA(&attributes, FALSE, name);
    attempt.CreateError = mutex ? ERROR_SUCCESS : ::GetLastError();
    if (descriptor)
        ::LocalFree(descriptor);
    if (!mutex) {
        mutex = ::OpenMutexA(MarkerRights, FALSE, name);
        attempt.OpenError = mutex ? ERROR_SUCCESS : ::GetLastError();
    }
    return mutex;
}

// The attempt on one name, with the wait of no time that takes it if it is free.
HANDLE TryName(const char* name, MarkerAttempt& attempt)
{
    HANDLE mutex = CreateOrOpen(name, attempt);
    attempt.Wait = mutex ? ::WaitForSingleObject(mutex, 0) : WAIT_FAILED;
    return mutex;
}

bool Taken(DWORD wait)
{
    return wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

}  // namespace

CManagingMarker::~CManagingMarker()
{
    if (m_held)
        ::ReleaseMutex(m_mutex);
    if (m_mutex)
        ::CloseHandle(m_mutex);
}

MarkerVerdict CManagingMarker::Claim()
{
    if (m_manages)
        return MarkerVerdict::Manage;
    MarkerAttempt machine;
    MarkerAttempt session;
    if (m_mutex) {
        machine.Wait = ::WaitForSingleObject(m_mutex, 0);
    } else {
        m_mutex = TryName(ManagingMarkerName, machine);
        if (!m_mutex && MarkerNameAbsent(machine))
            m_mutex = TryName(SessionMarkerName, session);
    }
    const MarkerVerdict verdict = DecideMarker(machine, session);
    m_manages = verdict == MarkerVerdict::Manage;
    m_held = m_manages && m_mutex;
    if (verdict == MarkerVerdict::ForeignHolder && m_mutex) {
        ::CloseHandle(m_mutex);
        m_mutex = nullptr;
    }
    return verdict;
}

void CMarkerGate::Enter()
{
    if (m_held)
        return;
    if (!m_mutex) {
        MarkerAttempt ignored;
        m_mutex = CreateOrOpen(MarkerGateName, ignored);
        if (!m_mutex)
            m_mutex = CreateOrOpen(SessionMarkerGateName, ignored);
        if (!m_mutex)
            return;
    }
    m_held = Taken(::WaitForSingleObject(m_mutex, GateWaitMs));
}

void CMarkerGate::Leave()
{
    if (m_held)
        ::ReleaseMutex(m_mutex);
    m_held = false;
    if (m_mutex)
        ::CloseHandle(m_mutex);
    m_mutex = nullptr;
}

CardManager FindCardManager(CMarkerGate& gate, CManagingMarker& marker)
{
    gate.Enter();
    // The copy here is asked first, so that a look does not take the marker from under it.
    const HWND frame = FindRunningProgram();
    if (frame && ::GetPropA(frame, ManagingFrameProperty))
        return CardManager::ThisSession;
    switch (marker.Claim()) {
    case MarkerVerdict::Manage:
        return CardManager::Nobody;
    case MarkerVerdict::Watch:
        return CardManager::OtherSession;
    default:
        return CardManager::ForeignHolder;
    }
}

void MarkManagingFrame(HWND frame)
{
    ::SetPropA(frame, ManagingFrameProperty, reinterpret_cast<HANDLE>(1));
}

void UnmarkManagingFrame(HWND frame)
{
    ::RemovePropA(frame, ManagingFrameProperty);
}
