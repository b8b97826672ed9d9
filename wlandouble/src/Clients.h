// The clients of this process: their handles, their registrations, and the thread of the
// double's own that delivers the notifications queued in the shared state to them.
#ifndef WLANDOUBLE_CLIENTS_H
#define WLANDOUBLE_CLIENTS_H

#include <windows.h>
#include <wlanapi.h>

#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

namespace wdouble {

class CClients {
public:
    static CClients& Instance();

    HANDLE Open();
    bool Valid(HANDLE handle);
    // [WlanCloseHandle] Waits for a callback of this client that runs; none comes after.
    DWORD Close(HANDLE handle);
    // [WlanRegisterNotification] sources NONE ends the registration. fromSequence: the first
    // queued notification this registration may get.
    DWORD Register(HANDLE handle, DWORD sources, BOOL ignoreDuplicate, WLAN_NOTIFICATION_CALLBACK callback,
                   void* context, DWORD* previous, uint64_t fromSequence);

private:
    struct Client {
        DWORD Sources = 0;
        BOOL IgnoreDuplicate = FALSE;
        WLAN_NOTIFICATION_CALLBACK Callback = nullptr;
        void* Context = nullptr;
        uint64_t From = 0;
        bool HasLast = false;
        DWORD LastSource = 0, LastCode = 0;
        int LastInterface = -1;
        std::vector<unsigned char> LastData;
    };
    struct Queued {
        uint64_t Sequence;
        DWORD Source, Code;
        int Interface;
        std::vector<unsigned char> Data;
    };

    static DWORD WINAPI ThreadMain(void* self);
    void Run();
    bool Collect(std::vector<Queued>& events);
    void Deliver(const Queued& event);
    bool AnyRegistered() const;

    std::mutex m_lock;
    std::condition_variable m_idle;
    std::map<uint32_t, Client> m_clients;
    uint32_t m_next = 1;
    uint32_t m_delivering = 0;
    DWORD m_threadId = 0;
    bool m_threadRunning = false;
    uint64_t m_cursor = 0;
};

}  // namespace wdouble

#endif
