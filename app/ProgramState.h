// The state that the tray monitor, the tick and the configuration dialog share. One
// instance of each; the only part of app/ that the dialog code may see.
#ifndef SKYLOOK_PROGRAM_STATE_H
#define SKYLOOK_PROGRAM_STATE_H

#include "adapter/AdapterHandle.h"
#include "adapter/AdapterStatus.h"
#include "settings/AdapterSettings.h"

#include <windows.h>

// The snapshot of this tick; the pages read it and never query the adapter themselves.
extern AdapterStatus CurrentStatus;
// The record that the next apply pushes to the adapter.
extern AdapterSettings PendingSettings;
// 0 nothing to apply; a page sets 1; the tick counts it 2, 3, 4 and back to 0.
extern int ApplyRequest;
// The user interface treats the radio as on.
extern unsigned char RadioOn;
// RadioOn was cleared by the tick because the adapter reported its radio off (the hardware
// switch), not by the user; the tick sets RadioOn again once the radio is back.
extern unsigned char RadioOffByAdapter;
// The configuration dialog's modal run is in progress.
extern unsigned char ConfigDialogOpen;
// The tray icon exists, so the next update modifies instead of adding.
extern unsigned char TrayIconAdded;
// The Zero Configuration service manages this adapter.
extern int ZeroConfigActive;
// The default settings were loaded into PendingSettings for an automatic apply.
extern int DefaultsApplied;
// The receive antenna has been set since the adapter was last found.
extern int AntennaSet;
// LinkState of the last tick that stored it; the configuration dialog sets -1 on opening.
extern int PreviousLinkState;
// Automatic re-applies after a lost association: 0 none pending, 1..3 may re-apply, 4 exhausted.
extern int ReapplyCount;
// The OS version as read on the last tick.
extern OSVERSIONINFOA OsVersion;

// Everything back to its value before start-up (RadioOn is set by the main frame).
void ResetProgramState();

#endif
