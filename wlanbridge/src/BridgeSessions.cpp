#include "BridgeSessions.h"

#include "NetworkClassKey.h"
#include "SystemWlanApi.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct Session {
    std::unique_ptr<IWlanApi> Api;
    std::unique_ptr<CWlanAdapter> Adapter;
};

// One lock for the list and for every call on a session: the program makes its calls from
// one thread, and a call must not meet a Close of its own session from another.
std::recursive_mutex& SessionsLock()
{
    static std::recursive_mutex lock;
    return lock;
}

// Never destroyed: a session a process leaves open must not be closed while the library is
// unloaded at its exit, where closing would wait for the service's threads under the loader
// lock. Windows ends the process's Native Wifi handles itself.
std::vector<std::unique_ptr<Session>>& Sessions()
{
    static auto* sessions = new std::vector<std::unique_ptr<Session>>;
    return *sessions;
}

WlanApiFactory& Factory()
{
    static WlanApiFactory factory = [] { return CreateSystemWlanApi(); };
    return factory;
}

CWlanAdapter::Clock& SessionClock()
{
    static CWlanAdapter::Clock clock;
    return clock;
}

std::mutex& TlsLock()
{
    static std::mutex lock;
    return lock;
}

TlsIdentity& Tls()
{
    static TlsIdentity identity;
    return identity;
}

}  // namespace

bool PreferredInterface(GUID& guid)
{
    char text[64] = {};
    DWORD size = sizeof text - 1;
    return RegGetValueA(HKEY_LOCAL_MACHINE, BridgeSettingsPath, BridgeInterfaceValue, RRF_RT_REG_SZ, nullptr, text,
                        &size) == ERROR_SUCCESS &&
           GuidFromText(text, guid);
}

void SetWlanApiFactory(WlanApiFactory factory)
{
    std::lock_guard<std::recursive_mutex> hold(SessionsLock());
    Factory() = std::move(factory);
}

void SetBridgeClock(CWlanAdapter::Clock clock)
{
    std::lock_guard<std::recursive_mutex> hold(SessionsLock());
    SessionClock() = std::move(clock);
}

void* OpenSession()
{
    std::lock_guard<std::recursive_mutex> hold(SessionsLock());
    auto session = std::make_unique<Session>();
    session->Api = Factory()();
    if (!session->Api)
        return nullptr;
    session->Adapter = SessionClock() ? std::make_unique<CWlanAdapter>(*session->Api, SessionClock())
                                      : std::make_unique<CWlanAdapter>(*session->Api);
    GUID preferred{};
    const bool hasPreferred = PreferredInterface(preferred);
    if (session->Adapter->Open(hasPreferred ? &preferred : nullptr) != 0)
        return nullptr;
    void* handle = session->Adapter.get();
    Sessions().push_back(std::move(session));
    return handle;
}

bool CloseSession(void* handle)
{
    std::unique_ptr<Session> closing;
    {
        std::lock_guard<std::recursive_mutex> hold(SessionsLock());
        auto& sessions = Sessions();
        auto found = std::find_if(sessions.begin(), sessions.end(),
                                  [&](const std::unique_ptr<Session>& s) { return s->Adapter.get() == handle; });
        if (found == sessions.end())
            return false;
        closing = std::move(*found);
        sessions.erase(found);
    }
    // The adapter closes its handle first (it waits for a running notification), then the binding goes.
    closing->Adapter.reset();
    return true;
}

int WithSession(void* handle, const std::function<int(CWlanAdapter&)>& body)
{
    std::lock_guard<std::recursive_mutex> hold(SessionsLock());
    for (const std::unique_ptr<Session>& s : Sessions())
        if (handle && s->Adapter.get() == handle)
            return body(*s->Adapter);
    return 1;
}

void StageTlsIdentity(const TlsIdentity& identity)
{
    std::lock_guard<std::mutex> hold(TlsLock());
    Tls() = identity;
}

TlsIdentity StagedTlsIdentity()
{
    std::lock_guard<std::mutex> hold(TlsLock());
    return Tls();
}
