// The state that the tray monitor, the tick and the configuration dialog share. One
// instance of each; what the tick alone keeps lives with the tick.
#ifndef SKYLOOK_STATE_PROGRAM_STATE_H
#define SKYLOOK_STATE_PROGRAM_STATE_H

#include "adapter/AdapterStatus.h"
#include "adapter/ClientCertificate.h"
#include "adapter/ScanList.h"
#include "record/AdapterSettings.h"

#include <windows.h>

// The snapshot of this tick; the pages read it and never query the adapter themselves.
extern AdapterStatus CurrentStatus;
// The record that the next apply pushes to the adapter.
extern AdapterSettings PendingSettings;

// ApplyRequest: a page fills PendingSettings completely, then raises the request with
// RequestApply; the tick counts the request on and brings it back to ApplyIdle once the apply
// has settled.
enum : int {
    ApplyIdle = 0,
    ApplyRequested = 1,
};
extern int ApplyRequest;

// Who asked for the apply that ApplyRequest counts. The program's own recovery (the apply of
// the defaults after start or after a lost link, the switch to a profile in range) gives way to
// what the user chose, so the answer travels with the request: a request raised after the
// program's own, before it went out, replaces the record and so is the user's.
enum class ApplyOrigin : unsigned char { User, Program };
extern ApplyOrigin ApplyRequestOrigin;

// Raises the request for PendingSettings, made by origin.
void RequestApply(ApplyOrigin origin = ApplyOrigin::User);

// The user interface treats the radio as on.
extern unsigned char RadioOn;
// The configuration dialog's modal run is in progress. Set by the dialog's opening; the tick
// asks the dialog link instead.
extern unsigned char ConfigDialogOpen;
// This copy does not manage the card because something that is not Skylook's marker has the
// marker's name, so no copy manages it; cleared while a copy of Skylook holds the marker.
extern unsigned char ForeignMarkerHolder;
// The Zero Configuration service manages this adapter.
extern int ZeroConfigActive;
// LinkState of the last tick that stored it; the configuration dialog sets -1 on opening.
extern int PreviousLinkState;
// The networks of the last scan that the Site Survey page read.
extern ScanList LastScan;
// The OS version as read on the last tick.
extern OSVERSIONINFOA OsVersion;

// The client certificate chosen for 802.1X in the Select Certificate dialog: its subject
// (the user name) and issuer (the certificate name), cut to the record's fields, and its
// SHA-1 hash. Empty until the user chooses one; every 802.1X page shows the same choice.
struct EapCertificateSelection {
    char UserName[sizeof(AdapterSettings::WPALoginName)];
    char CertificateName[sizeof(AdapterSettings::WPACertificate)];
    unsigned char Hash[CertificateThumbprintSize];
};
extern EapCertificateSelection EapSelection;

// Windows XP (5.1), the one version whose Zero Configuration service the program steps
// aside for.
bool IsWindowsXp(const OSVERSIONINFOA& version);

// The shared state back to its value before start-up (RadioOn is set by the main frame).
void ResetSharedState();

#endif
