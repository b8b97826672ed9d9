#include "protocol/ManagingMarker.h"

#include "protocol/ProgramWindow.h"

#include <sddl.h>

namespace {

// Every user's copy must be able to wait for and release the marker that another user's copy
// made; the creator's default security would shut them out. Only waiting and releasing are
// granted (besides the system and administrators).
constexpr const char* MarkerSecurity = "D:(A;;0x00100001;;;WD)(A;;GA;;;SY)(A;;GA;;;BA)";

HANDLE CreateMarker(bool& unavailable)
{
    unavailable = false;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, nullptr, FALSE};
    if (::ConvertStringSecurityDescriptorToSecurityDescriptorA(MarkerSecurity, SDDL_REVISION_1, &descriptor, nullptr))
        attributes.lpSecurityDescriptor = descriptor;
    HANDLE mutex = ::CreateMutexA(&attributes, FALSE, ManagingMarkerName);
    const DWORD error = mutex ? ERROR_SUCCESS : ::GetLastError();
    if (descriptor)
        ::LocalFree(descriptor);
    if (mutex)
        return mutex;
    // Made by a copy whose security does not let this user in: that copy runs, so the marker
    // is not free, whether or not it holds it this moment.
    if (error == ERROR_ACCESS_DENIED)
        return ::OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, ManagingMarkerName);
    unavailable = true;
    return nullptr;
}

}  // namespace

CManagingMarker::~CManagingMarker()
{
    if (m_held)
        ::ReleaseMutex(m_mutex);
    if (m_mutex)
        ::CloseHandle(m_mutex);
}

bool CManagingMarker::Claim()
{
    if (m_held || m_unavailable)
        return true;
    if (!m_mutex) {
        m_mutex = CreateMarker(m_unavailable);
        if (!m_mutex)
            return m_unavailable;
    }
    const DWORD taken = ::WaitForSingleObject(m_mutex, 0);
    m_held = taken == WAIT_OBJECT_0 || taken == WAIT_ABANDONED;
    return m_held;
}

CardManager FindCardManager(CManagingMarker& marker)
{
    // The copy here is asked first, so that a look does not take the marker from under it.
    const HWND frame = FindRunningProgram();
    if (frame && ::GetPropA(frame, ManagingFrameProperty))
        return CardManager::ThisSession;
    return marker.Claim() ? CardManager::Nobody : CardManager::OtherSession;
}

void MarkManagingFrame(HWND frame)
{
    ::SetPropA(frame, ManagingFrameProperty, reinterpret_cast<HANDLE>(1));
}

void UnmarkManagingFrame(HWND frame)
{
    ::RemovePropA(frame, ManagingFrameProperty);
}
