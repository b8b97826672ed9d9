// Access to the double's machine-wide state: a record in named shared memory (kept in a file,
// so that a stored profile or a link outlives the processes that made it, as the service's
// do), guarded by one named mutex. Every use goes through a DoubleLock, which also reads the
// software adapter's scene and brings the double up to the current time.
#ifndef WLANDOUBLE_SHARED_DOUBLE_H
#define WLANDOUBLE_SHARED_DOUBLE_H

#include "DoubleState.h"
#include "Scene.h"

#include <windows.h>

#include <memory>

namespace wdouble {

class DoubleLock {
public:
    DoubleLock();
    ~DoubleLock();
    DoubleLock(const DoubleLock&) = delete;
    DoubleLock& operator=(const DoubleLock&) = delete;

    // False when the shared area could not be set up or its holder stayed past the wait;
    // then nothing may be touched.
    bool Ok() const { return state_ != nullptr; }
    DoubleState& State() { return *state_; }
    const Scene& World() const { return *scene_; }
    uint64_t Now() const { return now_; }

private:
    DoubleState* state_ = nullptr;
    HANDLE mutex_ = nullptr;
    std::unique_ptr<Scene> scene_;
    uint64_t now_ = 0;
};

}  // namespace wdouble

#endif
