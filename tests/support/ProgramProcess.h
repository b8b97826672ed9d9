// skylook.exe started as a process from the tests' own folder, for tests about processes.
#ifndef SKYLOOK_TESTS_PROGRAM_PROCESS_H
#define SKYLOOK_TESTS_PROGRAM_PROCESS_H

#include "AdapterLockHolder.h"
#include "ChildProcess.h"

#include "protocol/ManagingMarker.h"

// The build's own program.
class Program : public CChildProcess {
public:
    Program() : CChildProcess(BuildProgramCommand("skylook.exe")) {}

    // Starts the program; its frame once it has claimed its caption, else null.
    HWND StartAndWaitForFrame() { return Start() ? WaitForFrame() : nullptr; }
};

// The copy of the program that manages the card from another user's session, played by a
// process that holds the program's marker as that copy does (Hold, then Release or Kill).
class AnotherSessionsCopy : public CAdapterLockHolder {
public:
    AnotherSessionsCopy() : CAdapterLockHolder(ManagingMarkerName) {}
};

#endif
