// Which copy of skylook.exe manages the card. The single-instance check finds windows only on
// its own desktop, so on a PC shared by several users (fast user switching, remote desktop
// sessions) each session would start a copy of its own, and each would drop and apply what the
// other set. A named mutex in the machine-wide namespace settles it: the copy that holds it
// manages the card; any other copy only reads the card's status. skylookctl asks the same
// marker before it applies anything.
#ifndef SKYLOOK_PROTOCOL_MANAGING_MARKER_H
#define SKYLOOK_PROTOCOL_MANAGING_MARKER_H

#include "protocol/MarkerDecision.h"

#include <windows.h>

constexpr const char* ManagingMarkerName = "Global\\Skylook.ManagesAdapter";
// Where the machine-wide namespace takes no new object and has none of that name, no copy runs
// outside this session, and the session's own namespace is enough.
constexpr const char* SessionMarkerName = "Local\\Skylook.ManagesAdapter";
// Passed by whoever holds the marker only for a moment; see CMarkerGate.
constexpr const char* MarkerGateName = "Global\\Skylook.MarkerGate";
constexpr const char* SessionMarkerGateName = "Local\\Skylook.MarkerGate";
// A property of the managing copy's main frame: skylookctl finds the frame on its own desktop
// and tells from it whether that copy, or one in another session, holds the marker.
constexpr const char* ManagingFrameProperty = "Skylook.ManagesAdapter";

// One process's hold on the marker. A mutex belongs to the thread that took it: claim and
// let go on the same thread.
class CManagingMarker {
public:
    CManagingMarker() = default;
    // Lets go of the marker if it is held.
    ~CManagingMarker();
    CManagingMarker(const CManagingMarker&) = delete;
    CManagingMarker& operator=(const CManagingMarker&) = delete;

    // Takes the marker unless another process holds it; one that ended without letting go
    // (logged off, crashed) no longer counts. Manage while this object holds it (once held,
    // later calls only answer); Watch while a copy holds it; ForeignHolder while the name is
    // something else's, which is asked anew at the next call, as it may be gone by then.
    MarkerVerdict Claim();

private:
    HANDLE m_mutex = nullptr;
    bool m_held = false;
    bool m_manages = false;
};

// The way in for everyone who takes the marker: skylookctl while it looks (status) or applies
// (use), and a copy while it starts, until it knows whether it stays. They hold the gate for
// as long as they hold the marker only for a moment; a copy that stays lets the gate go and
// keeps the marker. A copy that passed the gate and still finds the marker held therefore
// finds a copy that runs, not a tool at work nor a start that is about to end. A gate that
// cannot be made or opened is gone around: it only spares a start a wrong first answer.
class CMarkerGate {
public:
    CMarkerGate() = default;
    ~CMarkerGate() { Leave(); }
    CMarkerGate(const CMarkerGate&) = delete;
    CMarkerGate& operator=(const CMarkerGate&) = delete;

    // Waits for the gate, for at most GateWaitMs: longer than skylookctl applies an EAP-TLS
    // profile (about a second), short enough that a tool stuck in the vendor library delays a
    // start only briefly (the start then watches, and takes over on a tick once it is free).
    void Enter();
    void Leave();

    static constexpr DWORD GateWaitMs = 5000;

private:
    HANDLE m_mutex = nullptr;
    bool m_held = false;
};

enum class CardManager {
    Nobody,         // no copy manages the card; the caller now holds the marker
    ThisSession,    // the copy whose frame is on the caller's desktop
    OtherSession,   // a copy the caller cannot reach: another user's session or desktop
    ForeignHolder,  // no copy: something that is not Skylook's marker has its name
};

// Who manages the card, asked having entered gate, so that a copy still starting is not taken
// for another session's and a copy starting now waits. Nobody: the marker was free and marker
// holds it now, so that no copy starts managing behind the caller while it works; it is let go
// with marker, and the gate after it (declare the gate first).
CardManager FindCardManager(CMarkerGate& gate, CManagingMarker& marker);

// The managing copy marks its frame, and takes the mark away before the frame goes.
void MarkManagingFrame(HWND frame);
void UnmarkManagingFrame(HWND frame);

#endif
