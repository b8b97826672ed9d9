#include "Clients.h"

#include "SharedDouble.h"
#include "World.h"

#include <cstring>

namespace wdouble {

namespace {

constexpr uintptr_t HandleTag = 0x57440000;
constexpr DWORD PollMs = 15;

uint32_t IdOf(HANDLE handle)
{
    const auto value = reinterpret_cast<uintptr_t>(handle);
    return (value & ~uintptr_t{0xFFFF}) == HandleTag ? static_cast<uint32_t>(value & 0xFFFF) : 0;
}

}  // namespace

CClients& CClients::Instance()
{
    static CClients* clients = new CClients;  // never destroyed: the thread may outlive static destruction
    return *clients;
}

HANDLE CClients::Open()
{
    std::lock_guard<std::mutex> guard(m_lock);
    for (int tries = 0; tries < 0xFFFF; ++tries) {
        const uint32_t id = m_next;
        m_next = m_next >= 0xFFFF ? 1 : m_next + 1;
        if (m_clients.emplace(id, Client{}).second)
            return reinterpret_cast<HANDLE>(HandleTag | id);
    }
    return nullptr;
}

bool CClients::Valid(HANDLE handle)
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_clients.count(IdOf(handle)) != 0;
}

DWORD CClients::Close(HANDLE handle)
{
    std::unique_lock<std::mutex> guard(m_lock);
    const uint32_t id = IdOf(handle);
    if (!m_clients.erase(id))
        return ERROR_INVALID_HANDLE;
    // From inside the callback itself the wait could never end; Windows forbids the call there.
    if (GetCurrentThreadId() != m_threadId)
        m_idle.wait(guard, [&] { return m_delivering != id; });
    return ERROR_SUCCESS;
}

DWORD CClients::Register(HANDLE handle, DWORD sources, BOOL ignoreDuplicate, WLAN_NOTIFICATION_CALLBACK callback,
                         void* context, DWORD* previous, uint64_t fromSequence)
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_clients.find(IdOf(handle));
    if (it == m_clients.end())
        return ERROR_INVALID_HANDLE;
    Client& c = it->second;
    if (previous)
        *previous = c.Sources;
    c = Client{};
    if (sources == WLAN_NOTIFICATION_SOURCE_NONE)
        return ERROR_SUCCESS;
    c.Sources = sources;
    c.IgnoreDuplicate = ignoreDuplicate;
    c.Callback = callback;
    c.Context = context;
    c.From = fromSequence;
    if (!m_threadRunning) {
        m_cursor = fromSequence;
        m_threadRunning = true;
        HANDLE thread = CreateThread(nullptr, 0, &CClients::ThreadMain, this, 0, &m_threadId);
        if (!thread) {
            m_threadRunning = false;
            c = Client{};
            return ERROR_NOT_ENOUGH_MEMORY;
        }
        CloseHandle(thread);
    }
    return ERROR_SUCCESS;
}

DWORD WINAPI CClients::ThreadMain(void* self)
{
    static_cast<CClients*>(self)->Run();
    return 0;
}

bool CClients::AnyRegistered() const
{
    for (const auto& entry : m_clients)
        if (entry.second.Callback)
            return true;
    return false;
}

void CClients::Run()
{
    std::vector<Queued> events;
    for (;;) {
        Sleep(PollMs);
        {
            std::lock_guard<std::mutex> guard(m_lock);
            if (!AnyRegistered()) {
                m_threadRunning = false;
                m_threadId = 0;
                return;
            }
        }
        events.clear();
        if (!Collect(events))
            continue;
        for (const Queued& event : events)
            Deliver(event);
    }
}

// Takes the lock, which also moves the service on in time, and copies what was queued since.
bool CClients::Collect(std::vector<Queued>& events)
{
    DoubleLock lock;
    if (!lock.Ok())
        return false;
    const DoubleState& s = lock.State();
    uint64_t cursor;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        cursor = m_cursor;
        m_cursor = s.NextEvent;
    }
    if (s.NextEvent > MaxEvents && cursor < s.NextEvent - MaxEvents)
        cursor = s.NextEvent - MaxEvents;  // more than the queue holds went by: the oldest are lost
    for (uint64_t sequence = cursor; sequence < s.NextEvent; ++sequence) {
        const EventRecord& e = s.Events[sequence % MaxEvents];
        events.push_back({e.Sequence, e.Source, e.Code, e.Interface,
                          std::vector<unsigned char>(e.Data, e.Data + (e.DataSize <= MaxEventData ? e.DataSize : 0))});
    }
    return true;
}

void CClients::Deliver(const Queued& event)
{
    std::vector<uint32_t> ids;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        for (const auto& entry : m_clients)
            ids.push_back(entry.first);
    }
    for (uint32_t id : ids) {
        std::unique_lock<std::mutex> guard(m_lock);
        auto it = m_clients.find(id);
        if (it == m_clients.end())
            continue;
        Client& c = it->second;
        if (!c.Callback || !(c.Sources & event.Source) || event.Sequence < c.From)
            continue;
        // [WlanRegisterNotification] bIgnoreDuplicate: a notification identical to the
        // previous one this client got is not sent.
        const bool same = c.HasLast && c.LastSource == event.Source && c.LastCode == event.Code &&
                          c.LastInterface == event.Interface && c.LastData == event.Data;
        c.HasLast = true;
        c.LastSource = event.Source;
        c.LastCode = event.Code;
        c.LastInterface = event.Interface;
        c.LastData = event.Data;
        if (same && c.IgnoreDuplicate)
            continue;
        const WLAN_NOTIFICATION_CALLBACK callback = c.Callback;
        void* const context = c.Context;
        m_delivering = id;
        guard.unlock();
        std::vector<unsigned char> data = event.Data;
        WLAN_NOTIFICATION_DATA notification{};
        notification.NotificationSource = event.Source;
        notification.NotificationCode = event.Code;
        notification.InterfaceGuid = InterfaceGuid(event.Interface);
        notification.dwDataSize = static_cast<DWORD>(data.size());
        notification.pData = data.empty() ? nullptr : data.data();
        callback(&notification, context);
        guard.lock();
        m_delivering = 0;
        m_idle.notify_all();
    }
}

}  // namespace wdouble
