#include "Sessions.h"

namespace vexa {

namespace {

struct Session {
    int Used;
    uint32_t Generation;
};

constexpr int MaxSessions = 64;
Session Sessions[MaxSessions];

Session* Find(VEXA5200_HANDLE handle)
{
    for (Session& session : Sessions)
        if (handle == &session && session.Used)
            return &session;
    return nullptr;
}

}  // namespace

VEXA5200_HANDLE OpenSession(const AdapterState& s)
{
    for (Session& session : Sessions) {
        if (!session.Used) {
            session.Used = 1;
            session.Generation = s.CardGeneration;
            return &session;
        }
    }
    return nullptr;
}

bool CloseSession(VEXA5200_HANDLE handle)
{
    Session* session = Find(handle);
    if (!session)
        return false;
    session->Used = 0;
    return true;
}

bool SessionUsable(const AdapterCore& s, VEXA5200_HANDLE handle)
{
    const Session* session = Find(handle);
    return session && s.CardPresent && session->Generation == s.CardGeneration;
}

}  // namespace vexa
