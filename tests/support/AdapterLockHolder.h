// Another process holding the software adapter's lock, as a caller stuck inside the library
// (hung, or stopped in a debugger) would, until it is released or ended; or holding another
// named mutex the same way.
#ifndef SKYLOOK_TESTS_ADAPTER_LOCK_HOLDER_H
#define SKYLOOK_TESTS_ADAPTER_LOCK_HOLDER_H

#include "ChildProcess.h"

#include <windows.h>

#include <memory>
#include <string>

class CAdapterLockHolder {
public:
    CAdapterLockHolder();
    // Holds the mutex of that full name ("Global\\...") instead of the adapter's lock.
    explicit CAdapterLockHolder(const char* mutexName);
    // Lets the lock go if it is still held.
    ~CAdapterLockHolder();
    CAdapterLockHolder(const CAdapterLockHolder&) = delete;
    CAdapterLockHolder& operator=(const CAdapterLockHolder&) = delete;

    // Starts the holder; true once it holds the lock.
    bool Hold();
    // The holder releases the lock and ends; true when it did.
    bool Release();
    // The holder ends without releasing the lock, which the system then marks abandoned.
    bool Kill();

private:
    HANDLE m_release = nullptr;
    HANDLE m_ready = nullptr;
    char m_releaseName[64] = {};
    char m_readyName[64] = {};
    std::string m_mutexName;
    std::unique_ptr<CChildProcess> m_process;
};

#endif
