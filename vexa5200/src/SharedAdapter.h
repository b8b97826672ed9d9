// Access to the machine-wide adapter: the shared-memory record and the journal, guarded by
// one named mutex. Every change is made through an AdapterLock.
//
// Status queries are frequent (a dozen per second from the tray program alone) and a named
// mutex costs a round trip to the kernel, so queries read the record's core without the
// mutex: every lock holder makes the sequence number odd while it holds the lock, and a
// reader keeps a copy only when the number was even and unchanged around it.
#ifndef VEXA5200_SHARED_ADAPTER_H
#define VEXA5200_SHARED_ADAPTER_H

#include "AdapterState.h"
#include "Journal.h"

#include <windows.h>

#include <atomic>

namespace vexa {

struct SharedArea {
    uint32_t Magic;
    uint32_t Size;
    uint64_t SessionId;  // the machine session the record belongs to
    std::atomic<uint32_t> Sequence;
    AdapterState State;
    JournalRing Journal;
};

enum class Acquired { Yes, Abandoned, TimedOut, Failed };

// Holds the adapter's mutex for its lifetime and brings the simulation up to the current
// time on entry. Ok() is false when the shared area could not be set up or another process
// kept the lock past the bounded wait (TimedOut()); then nothing may be touched.
class AdapterLock {
public:
    AdapterLock();
    ~AdapterLock();
    AdapterLock(const AdapterLock&) = delete;
    AdapterLock& operator=(const AdapterLock&) = delete;

    bool Ok() const { return area_ != nullptr; }
    bool TimedOut() const { return outcome_ == Acquired::TimedOut; }
    AdapterState& State() { return area_->State; }
    JournalRing& Journal() { return area_->Journal; }
    uint64_t Now() const { return now_; }

private:
    SharedArea* area_ = nullptr;
    HANDLE mutex_ = nullptr;
    uint64_t now_ = 0;
    Acquired outcome_ = Acquired::Failed;
};

// A consistent copy of the core taken without the mutex; false when the area is not set up
// or a writer kept it busy (then take an AdapterLock instead).
bool SnapshotCore(AdapterCore& core);

// How long this process waits for a holder of the lock; 0 or over the bound gives the bound.
void SetLockWait(unsigned long milliseconds);

}  // namespace vexa

#endif
