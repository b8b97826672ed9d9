// What the attempts on the managing marker's name say about who manages the card. Kept apart
// from the calls that make them, so that the answers a PC may give and Wine cannot (a global
// namespace that refuses new objects) are decided by the same code that runs.
#ifndef SKYLOOK_PROTOCOL_MARKER_DECISION_H
#define SKYLOOK_PROTOCOL_MARKER_DECISION_H

#include <windows.h>

// The words for ForeignHolder, wherever Skylook says why it does not manage the card then.
constexpr const char* ForeignMarkerHolderText =
    "another program holds the name Skylook uses to manage the card; Skylook changes nothing until it is gone";

// One name's attempt: CreateMutex with the marker's security; when that failed, OpenMutex
// with the rights every copy's marker grants; then a wait of no time on the handle either gave.
struct MarkerAttempt {
    DWORD CreateError = ERROR_SUCCESS;  // ERROR_SUCCESS: CreateMutex gave a handle
    DWORD OpenError = ERROR_SUCCESS;    // after a failed create; ERROR_SUCCESS: OpenMutex gave one
    DWORD Wait = WAIT_FAILED;           // of the wait on the handle; WAIT_FAILED without one
};

enum class MarkerVerdict {
    Manage,         // this caller holds the marker, or no copy can hold one: it manages the card
    Watch,          // a copy of Skylook holds the marker: this caller only reads the card
    ForeignHolder,  // something that is not Skylook's marker has the name: no copy manages the card
};

// The name neither exists nor could be made: CreateMutex failed and OpenMutex said there is no
// such object. Where a session may not create global objects ("Kernel object namespaces",
// Microsoft Learn: the global namespace is not available to every process), that is the
// answer for the machine-wide name although no copy runs anywhere else.
bool MarkerNameAbsent(const MarkerAttempt& attempt);

// machine: the attempt on the machine-wide name. session: the attempt on the session's own
// name, made (and read) only when the machine-wide name is absent; no copy runs beside the
// caller then but one on its own session's other desktops. Any other failure to create or open
// a name is something else's object under it (another type: ERROR_INVALID_HANDLE; a security
// that lets nobody wait on it: ERROR_ACCESS_DENIED, which no copy's marker does), and lets
// nobody manage. A marker left abandoned by a copy that ended without letting go is taken.
MarkerVerdict DecideMarker(const MarkerAttempt& machine, const MarkerAttempt& session);

#endif
