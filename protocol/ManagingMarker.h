// Which copy of skylook.exe manages the card. The single-instance check finds windows only on
// its own desktop, so on a PC shared by several users (fast user switching, remote desktop
// sessions) each session would start a copy of its own, and each would drop and apply what the
// other set. A named mutex in the machine-wide namespace settles it: the copy that holds it
// manages the card; any other copy only reads the card's status. skylookctl asks the same
// marker before it applies anything.
#ifndef SKYLOOK_PROTOCOL_MANAGING_MARKER_H
#define SKYLOOK_PROTOCOL_MANAGING_MARKER_H

#include <windows.h>

constexpr const char* ManagingMarkerName = "Global\\Skylook.ManagesAdapter";
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
    // (logged off, crashed) no longer counts. True while this object holds it; once held,
    // later calls only answer. Where the system cannot make the marker at all there is no
    // other copy to yield to, and the answer is true, as before the marker existed.
    bool Claim();

private:
    HANDLE m_mutex = nullptr;
    bool m_held = false;
    bool m_unavailable = false;
};

enum class CardManager {
    Nobody,        // no copy manages the card; the caller now holds the marker
    ThisSession,   // the copy whose frame is on the caller's desktop
    OtherSession,  // a copy the caller cannot reach: another user's session or desktop
};

// Who manages the card. Nobody: the marker was free and marker holds it now, so that no copy
// starts managing behind the caller while it works; it is let go with marker.
CardManager FindCardManager(CManagingMarker& marker);

// The managing copy marks its frame, and takes the mark away before the frame goes.
void MarkManagingFrame(HWND frame);
void UnmarkManagingFrame(HWND frame);

#endif
