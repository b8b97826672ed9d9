#include "ApplyScheduling.h"

// Requests are not scheduled yet: the monitor only watches the adapter, it never applies.

void ApplyStep(IConfigDialogLink&) {}

void ZeroConfigWatch(IConfigDialogLink&) {}

void StateChangeStep(IConfigDialogLink&) {}

void IdleApply() {}
