// Waits that keep this thread's windows answering, which other windows and programs may send to.
// The time limits only stop a test that would otherwise hang; no test depends on them.
#ifndef SKYLOOK_TESTS_WAITING_H
#define SKYLOOK_TESTS_WAITING_H

#include <windows.h>

// Delivers every message waiting in this thread's queue.
void PumpMessages();
// Drops every message waiting in this thread's queue, delivering none: what a window left
// behind must not reach the next test.
void DiscardMessages();

// True when the handle was signalled within the time.
bool WaitPumping(HANDLE handle, DWORD milliseconds);

// Pumps until done() holds; returns done().
template <typename Condition>
bool PumpUntil(Condition done, DWORD limit = 20000)
{
    const ULONGLONG deadline = ::GetTickCount64() + limit;
    while (!done() && ::GetTickCount64() < deadline) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return done();
}

// A top-level window of another class bearing the caption, as another program's window would.
// Destroy it with DestroyWindow.
HWND CreateCaptionedWindow(const char* className, const char* caption);

#endif
