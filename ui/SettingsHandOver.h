// How a page hands a settings record to the tick, which pushes it to the adapter.
#ifndef SKYLOOK_UI_SETTINGS_HAND_OVER_H
#define SKYLOOK_UI_SETTINGS_HAND_OVER_H

#include "settings/AdapterSettings.h"

// The record waits in PendingSettings for both halves of the apply, and the link reads as
// settings being applied until the next status replaces it.
void StagePendingSettings(const AdapterSettings& settings);

// The tick applies PendingSettings on its next run. Called once the record is staged, so the
// tick never sees a request without its record.
void RequestApply();

#endif
