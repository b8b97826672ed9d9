// adapter_lock_holder: takes the software adapter's lock and keeps it until the event named
// by its first argument is set (or it is ended), having set the event named by its second
// argument once it holds the lock. It stands for a process stuck inside the library. With a
// third argument it holds the mutex of that full name instead (for instance the marker of
// the copy of the program that manages the card, as another session's copy holds it).
#include <Vexa5200Control.h>

#include <windows.h>

#include <string>

namespace {
constexpr DWORD GuardMs = 60000;  // a test that forgot the helper does not leave it running
}

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4)
        return 2;
    HANDLE lock = nullptr;
    if (argc == 4) {
        lock = ::CreateMutexA(nullptr, FALSE, argv[3]);
    } else {
        lock = ::CreateMutexA(nullptr, FALSE, "Global\\" VEXASIM_LOCK_NAME);
        if (!lock && ::GetLastError() == ERROR_ACCESS_DENIED)
            lock = ::CreateMutexA(nullptr, FALSE, "Local\\" VEXASIM_LOCK_NAME);
    }
    HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, argv[1]);
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (!lock || !release || !ready)
        return 3;
    const DWORD taken = ::WaitForSingleObject(lock, GuardMs);
    if (taken != WAIT_OBJECT_0 && taken != WAIT_ABANDONED)
        return 4;
    ::SetEvent(ready);
    ::WaitForSingleObject(release, GuardMs);
    ::ReleaseMutex(lock);
    return 0;
}
