// The places in the tick where settings are applied and the link is recovered: the apply
// step before the status query, the Zero Configuration watch and the state change step
// after it, and the idle apply inside the tray step.
#ifndef SKYLOOK_APPLY_SCHEDULING_H
#define SKYLOOK_APPLY_SCHEDULING_H

#include "state/ConfigDialogLink.h"

// The link state the tick reports for the adapter's answer while an apply may be on its way.
int ReportedLinkState(int adapterState, int applyRequest);

void ApplyStep(IConfigDialogLink& dialog);
void ZeroConfigWatch(IConfigDialogLink& dialog);
void StateChangeStep(IConfigDialogLink& dialog);
// The state change step of a copy that does not manage the card: only what concerns its own
// dialog (Site Survey's lists on an association change, the radio set with the radio). The
// radio is what the card reports, since this copy switches nothing.
void WatchingStateChangeStep(IConfigDialogLink& dialog);
void IdleApply();

#endif
