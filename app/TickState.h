// What the tick keeps for itself between ticks; the dialog never sees it.
#ifndef SKYLOOK_TICK_STATE_H
#define SKYLOOK_TICK_STATE_H

// The tray icon exists, so the next update modifies instead of adding.
extern unsigned char TrayIconAdded;
// The default settings were loaded into PendingSettings for an automatic apply.
extern int DefaultsApplied;
// The receive antenna has been set since the adapter was last found.
extern int AntennaSet;
// Since RadioOn was cleared (by the hardware switch or by the user's radio switch) the adapter
// has reported its radio off; once it reports it on again, whoever switched it, RadioOn is set
// again. Until that report a radio-on answer may be a switch-off the adapter has not carried
// out yet. Meaningless while RadioOn is set.
extern unsigned char RadioOffSeen;
// Automatic re-applies after a lost association: 0 none pending, 1..3 may re-apply, 4 exhausted.
extern int ReapplyCount;
// The request on its way is a re-apply, counted in ReapplyCount when it was requested; the
// tick that pushes it gives the turn back when it reached no network.
extern unsigned char ReapplyPending;
// This copy holds the machine-wide marker and so manages the card. Cleared, it only reads the
// card's status: another session's copy drives the card, and two copies that each apply their
// own settings would cut each other's link.
extern unsigned char ManagesAdapter;

// The shared state and the tick's own back to their values before start-up (RadioOn is set
// by the main frame; ManagesAdapter is set, as for a copy alone on the PC), the stored default
// settings the ones in use.
void ResetProgramState();

#endif
