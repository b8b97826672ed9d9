// One call of a client: its handle and interface checked, the service's lock held, and the
// journal line written when the call ends, with the error number when it failed.
#ifndef WLANDOUBLE_CALLS_H
#define WLANDOUBLE_CALLS_H

#include "Clients.h"
#include "Events.h"
#include "SharedDouble.h"
#include "World.h"

#include <string>

namespace wdouble {

constexpr DWORD ProfileGroupPolicy = 0x00000001;  // WLAN_PROFILE_GROUP_POLICY
constexpr DWORD ProfileUser = 0x00000002;         // WLAN_PROFILE_USER
constexpr DWORD ReadAccess = 0x00020001;          // WLAN_READ_ACCESS
constexpr DWORD ExecuteAccess = 0x00020021;       // WLAN_EXECUTE_ACCESS
constexpr DWORD WriteAccess = 0x00070023;         // WLAN_WRITE_ACCESS

class CCall {
public:
    // interfaceGuid null: a call that names no interface.
    CCall(HANDLE handle, const GUID* interfaceGuid, bool needsInterface, std::string line)
        : m_line(std::move(line))
    {
        if (!CClients::Instance().Valid(handle))
            m_refused = ERROR_INVALID_HANDLE;
        else if (needsInterface && !interfaceGuid)
            m_refused = ERROR_INVALID_PARAMETER;
        else if (!m_lock.Ok())
            m_refused = ERROR_SERVICE_NOT_ACTIVE;
        else if (needsInterface) {
            m_iface = InterfaceIndex(interfaceGuid);
            if (m_iface < 0 || !m_lock.State().Interfaces[m_iface].Present)
                m_refused = ERROR_NOT_FOUND;
        }
    }
    CCall(const CCall&) = delete;
    CCall& operator=(const CCall&) = delete;

    // Non-zero when the call is refused before it does anything.
    DWORD Refused() const { return m_refused; }
    DoubleState& State() { return m_lock.State(); }
    const Scene& World() const { return m_lock.World(); }
    uint64_t Now() const { return m_lock.Now(); }
    int Interface() const { return m_iface; }
    void Name(const std::string& text) { m_line += " " + text; }

    DWORD Finish(DWORD result)
    {
        if (m_lock.Ok()) {
            std::string line = m_line;
            if (m_iface == 1)
                line += " @2";
            if (result != ERROR_SUCCESS)
                line += " = " + std::to_string(result);
            Log(m_lock.State(), line);
        }
        return result;
    }

private:
    DoubleLock m_lock;
    std::string m_line;
    int m_iface = -1;
    DWORD m_refused = ERROR_SUCCESS;
};

}  // namespace wdouble

#endif
