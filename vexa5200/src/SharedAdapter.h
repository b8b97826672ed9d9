// Access to the machine-wide adapter: the shared-memory record and the journal, guarded by
// one named mutex. Every exported function works through an AdapterLock.
#ifndef VEXA5200_SHARED_ADAPTER_H
#define VEXA5200_SHARED_ADAPTER_H

#include "AdapterState.h"
#include "Journal.h"

#include <windows.h>

namespace vexa {

struct SharedArea {
    uint32_t Magic;
    uint32_t Size;
    uint64_t SessionId;  // the machine session the record belongs to
    AdapterState State;
    JournalRing Journal;
};

// Holds the adapter's mutex for its lifetime and brings the simulation up to the current
// time on entry. Ok() is false when the shared area could not be set up; then nothing may
// be touched.
class AdapterLock {
public:
    AdapterLock();
    ~AdapterLock();
    AdapterLock(const AdapterLock&) = delete;
    AdapterLock& operator=(const AdapterLock&) = delete;

    bool Ok() const { return area_ != nullptr; }
    AdapterState& State() { return area_->State; }
    JournalRing& Journal() { return area_->Journal; }
    uint64_t Now() const { return now_; }

private:
    SharedArea* area_ = nullptr;
    HANDLE mutex_ = nullptr;
    uint64_t now_ = 0;
};

}  // namespace vexa

#endif
