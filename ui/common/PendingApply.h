// Hands an edited record to the tray timer: stored as the default settings and applied on
// the next tick.
#ifndef SKYLOOK_UI_PENDING_APPLY_H
#define SKYLOOK_UI_PENDING_APPLY_H

#include "record/AdapterSettings.h"

// Both halves are applied; the link shows as being set up until the next status query.
// PendingSettings is complete before ApplyRequest is raised. The apply is requested whether
// or not the store took the record; the result says whether it did.
bool SaveAndRequestApply(AdapterSettings settings);

#endif
