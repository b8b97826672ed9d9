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
void IdleApply();

#endif
